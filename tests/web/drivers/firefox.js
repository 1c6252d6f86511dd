// Debian's Firefox ESR, headless, through WebDriver BiDi (puppeteer-core).
'use strict';

const puppeteer = require('puppeteer-core');
const {session} = require('./puppeteer.js');

module.exports = {
    name: 'firefox',
    // Any ratio, as the pref gives it (Firefox keeps it to whole app units: 1.3 is 1.304).
    ratios: [1, 1.25, 1.3, 2],
    async launch({ratio = 1, scheme = 'light', wasm = true} = {}) {
        const browser = await puppeteer.launch({
            browser: 'firefox',
            executablePath: process.env.TVORKA1_FIREFOX || '/usr/bin/firefox-esr',
            headless: true,
            args: ['--width=640', '--height=480'],
            defaultViewport: null,
            protocolTimeout: 60000,
            timeout: 120000, // a start on a busy machine
            extraPrefsFirefox: {
                'layout.css.devPixelsPerPx': String(ratio),
                'layout.css.prefers-color-scheme.content-override': scheme === 'dark' ? 0 : 1,
                'ui.systemUsesDarkTheme': scheme === 'dark' ? 1 : 0,
                'javascript.options.wasm': wasm,
            },
        });
        const [page] = await browser.pages();
        return session(browser, page);
    },
};
