// Debian's Chromium, headless, through the DevTools protocol (puppeteer-core).
'use strict';

const puppeteer = require('puppeteer-core');
const {session} = require('./puppeteer.js');

module.exports = {
    name: 'chromium',
    // A screen's ratio, as --force-device-scale-factor gives it; the protocol's emulated ratio does
    // not reach ResizeObserver's device-pixel box.
    ratios: [1, 1.25, 1.3, 2, 3],
    async launch({ratio = 1, scheme = 'light', wasm = true, phone = null} = {}) {
        const browser = await puppeteer.launch({
            executablePath: process.env.TVORKA1_CHROMIUM || '/usr/bin/chromium',
            headless: true,
            // Root in a container has no sandbox; a machine without a GPU draws in software.
            args: ['--no-sandbox', '--disable-gpu', '--disable-dev-shm-usage', '--force-color-profile=srgb',
                '--disable-background-networking', '--no-first-run', '--disable-extensions', '--window-size=640,480',
                `--force-device-scale-factor=${ratio}`],
            defaultViewport: null, // the window's own size and ratio, as a user's browser has them
            protocolTimeout: 60000,
            timeout: 120000, // a start on a busy machine
        });
        const [page] = await browser.pages();
        // A browser without WebAssembly: V8's flag for it no longer takes it away.
        if (!wasm) await page.evaluateOnNewDocument(() => delete globalThis.WebAssembly);
        // A phone: its screen, its ratio, touch, and the page's viewport honoured.
        if (phone) await page.setViewport({...phone, isMobile: true, hasTouch: true});
        const setScheme = (value) => page.emulateMediaFeatures([{name: 'prefers-color-scheme', value}]);
        await setScheme(scheme);
        return session(browser, page, {
            setScheme,
            tap: (x, y) => page.touchscreen.tap(x, y),
            // What a screen reader reads, from the browser's own accessibility tree.
            accessibility: async () => {
                const cdp = await page.createCDPSession();
                const {nodes} = await cdp.send('Accessibility.getFullAXTree');
                await cdp.detach();
                const property = (n, name) => ((n.properties || []).find((p) => p.name === name) || {value: {}}).value.value;
                return nodes.filter((n) => !n.ignored).map((n) => ({
                    role: n.role && n.role.value, name: n.name && n.name.value,
                    description: n.description && n.description.value, checked: property(n, 'checked'),
                }));
            },
        });
    },
};
