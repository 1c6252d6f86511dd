// The driver's interface over a puppeteer-core page, for the engines that puppeteer speaks to:
// Chromium over the DevTools protocol, Firefox over WebDriver BiDi.
'use strict';

function session(browser, page, extra = {}) {
    const lines = [];
    page.on('console', (message) => {
        lines.push(message.text());
        if (message.type() === 'error') console.log(`page console: ${message.text()}`);
    });
    page.on('pageerror', (error) => console.log(`page error: ${error.message}`));
    const held = async (modifiers, body) => {
        for (const key of modifiers) await page.keyboard.down(key);
        await body();
        for (const key of [...modifiers].reverse()) await page.keyboard.up(key);
    };
    return {
        browser, // for the benchmark's fresh profiles
        lines,
        open: (url) => page.goto(url, {waitUntil: 'load'}),
        evaluate: (fn, ...args) => page.evaluate(fn, ...args),
        click: (x, y) => page.mouse.click(x, y),
        press: (key, modifiers = []) => held(modifiers, () => page.keyboard.press(key)),
        type: (text) => page.keyboard.type(text),
        resize: (width, height) => page.setViewport({width, height}),
        screenshot: async () => Buffer.from(await page.screenshot({captureBeyondViewport: false})),
        close: () => browser.close(),
        ...extra,
    };
}

module.exports = {session};
