// What every browser test shares: a static server of the build's folder on 127.0.0.1, Debian's
// Chromium headless, driven through the DevTools protocol by puppeteer-core, and the ends of both.
'use strict';

const fs = require('fs');
const http = require('http');
const path = require('path');
const puppeteer = require('puppeteer-core');

const types = {
    '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.css': 'text/css',
    '.wasm': 'application/wasm', '.ico': 'image/x-icon', '.png': 'image/png', '.bmp': 'image/bmp',
};

function fail(message) {
    throw new Error(message);
}

function check(condition, message) {
    if (!condition) fail(message);
}

// Runs `body(browser, origin)` in a browser whose device pixel ratio is `scale`, and ends the
// server and the browser whatever happens; a failure is one FAIL line and exit status 1.
async function run(root, body, scale = 1) {
    const server = http.createServer((request, response) => {
        const file = path.join(root, decodeURIComponent(new URL(request.url, 'http://x').pathname));
        const target = file.endsWith('/') ? path.join(file, 'index.html') : file;
        fs.readFile(target, (error, data) => {
            if (error || !target.startsWith(root)) {
                response.writeHead(404).end();
                return;
            }
            response.writeHead(200, {'Content-Type': types[path.extname(target)] || 'application/octet-stream'});
            response.end(data);
        });
    });
    await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
    const origin = `http://127.0.0.1:${server.address().port}`;
    let browser;
    const deadline = setTimeout(() => {
        console.error('FAIL: no end within 150 s');
        process.exit(1);
    }, 150000 * Number(process.env.TVORKA1_TIME_FACTOR || 1));
    try {
        browser = await puppeteer.launch({
            executablePath: process.env.TVORKA1_CHROMIUM || '/usr/bin/chromium',
            headless: true,
            // Root in a container has no sandbox; a machine without a GPU draws in software.
            args: ['--no-sandbox', '--disable-gpu', '--disable-dev-shm-usage', '--force-color-profile=srgb',
                '--disable-background-networking', '--no-first-run', '--disable-extensions', '--window-size=640,480',
                `--force-device-scale-factor=${scale}`],
            // The window's own size and the device's pixel ratio, as a user's browser has them.
            defaultViewport: null,
            protocolTimeout: 60000,
        });
        await body(browser, origin);
        console.log('PASS');
    } catch (error) {
        console.error(`FAIL: ${error.message}`);
        process.exitCode = 1;
    } finally {
        clearTimeout(deadline);
        if (browser) await browser.close().catch(() => {});
        server.close();
    }
}

// A new tab at `url`, once the program has made its window. Messages of the page go to the log.
async function open(browser, url) {
    const page = await browser.newPage();
    page.on('console', (message) => console.log(`page: ${message.text()}`));
    page.on('pageerror', (error) => console.log(`page error: ${error.message}`));
    await page.goto(url, {waitUntil: 'load'});
    await page.waitForFunction(() => document.querySelector('main') !== null, {timeout: 30000});
    return page;
}

// What the user sees of the circuit mode: the option buttons' states and which diagrams show.
async function mode(page) {
    return page.evaluate(() => {
        const shown = (id) => document.getElementById(id).offsetParent !== null;
        return {
            option1: document.getElementById('Option1-button').checked,
            option2: document.getElementById('Option2-button').checked,
            picture1: shown('Picture1'),
            picture2: shown('Picture2'),
        };
    });
}

async function expectMode(page, monostable, what) {
    const m = await mode(page);
    const expected = {option1: monostable, option2: !monostable, picture1: !monostable, picture2: monostable};
    check(JSON.stringify(m) === JSON.stringify(expected), `${what}: ${JSON.stringify(m)}`);
}

// The middle of an element, for the mouse.
async function middle(page, selector) {
    const box = await (await page.$(selector)).boundingBox();
    return {x: box.x + box.width / 2, y: box.y + box.height / 2};
}

async function click(page, selector) {
    const at = await middle(page, selector);
    await page.mouse.click(at.x, at.y);
}

module.exports = {check, fail, run, open, mode, expectMode, click, middle};
