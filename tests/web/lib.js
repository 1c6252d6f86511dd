// What every browser test shares: the engine's driver, named by the test's first argument
// (drivers/*.js, each with the same small interface), a static server of the build's folder on
// 127.0.0.1, the end of both however the test ends, and what the cases ask of the page.
'use strict';

const fs = require('fs');
const http = require('http');
const path = require('path');
const zlib = require('zlib');

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

// The build's folder; under /wrong-type/ the same files, with the program sent as plain bytes, as
// a server that does not know .wasm sends it.
function serve(root) {
    const server = http.createServer((request, response) => {
        let name = decodeURIComponent(new URL(request.url, 'http://x').pathname);
        const wrong = name.startsWith('/wrong-type/');
        if (wrong) name = name.slice('/wrong-type'.length);
        const file = path.join(root, name.endsWith('/') ? `${name}index.html` : name);
        fs.readFile(file, (error, data) => {
            if (error || !file.startsWith(root)) {
                response.writeHead(404).end();
                return;
            }
            const type = wrong && file.endsWith('.wasm') ? 'application/octet-stream' : types[path.extname(file)];
            response.writeHead(200, {'Content-Type': type || 'application/octet-stream'});
            response.end(data);
        });
    });
    return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}

// Runs `body({driver, origin, site, rest, launch})` with the engine named by the first argument and a
// server of the folder named by the second, `rest` the arguments after them; `launch(options)` starts the engine (drivers/*.js),
// and every browser, the server and anything they started end whatever happens. A failure is one
// FAIL line and exit status 1.
async function run(body, seconds = 240) {
    const [engine, site, ...rest] = process.argv.slice(2);
    // An engine that the set-up could not install on this release (tools/setup.sh).
    const missing = process.env[`TVORKA1_NO_${engine.toUpperCase()}`];
    if (missing) {
        console.log(`Skipped: ${missing}`);
        process.exit(77);
    }
    const driver = require(`./drivers/${engine}.js`);
    const server = await serve(site);
    const sessions = [];
    const deadline = setTimeout(() => {
        console.error(`FAIL: no end within ${seconds} s`);
        process.exit(1);
    }, seconds * 1000 * Number(process.env.TVORKA1_TIME_FACTOR || 1));
    const launch = async (options) => {
        const session = await driver.launch(options);
        sessions.push(session);
        return session;
    };
    try {
        await body({driver, origin: `http://127.0.0.1:${server.address().port}`, site, rest, launch});
        console.log('PASS');
    } catch (error) {
        console.error(`FAIL: ${error.message}`);
        process.exitCode = 1;
    } finally {
        clearTimeout(deadline);
        for (const session of sessions) await session.close().catch(() => {});
        server.close();
    }
}

// Says why a case does not run in this engine.
function skip(driver, what, why) {
    console.log(`skipped in ${driver.name}: ${what} (${why})`);
}

// Polls `fn` in the page until it returns something true, which it returns.
async function until(session, what, fn, ...args) {
    for (let i = 0; i < 600; ++i) {
        const value = await session.evaluate(fn, ...args);
        if (value) return value;
        await new Promise((resolve) => setTimeout(resolve, 50));
    }
    return fail(`no ${what} after 600 looks`);
}

// Opens `url` and waits for the program's window, its diagram drawn.
async function open(session, url) {
    await session.open(url);
    await until(session, 'window', () => document.querySelector('main:not([hidden]) .picture:not([hidden]) canvas') !== null);
    await frame(session);
}

// Until the page has drawn its next frame twice.
function frame(session) {
    return session.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(() => resolve(true)))));
}

// What the user sees of the circuit mode: the option buttons' states and which diagrams show.
function mode(session) {
    return session.evaluate(() => {
        const shown = (id) => document.getElementById(id).offsetParent !== null;
        return {
            option1: document.getElementById('Option1-button').checked,
            option2: document.getElementById('Option2-button').checked,
            picture1: shown('Picture1'),
            picture2: shown('Picture2'),
        };
    });
}

async function expectMode(session, monostable, what) {
    const m = await mode(session);
    const expected = {option1: monostable, option2: !monostable, picture1: !monostable, picture2: monostable};
    check(JSON.stringify(m) === JSON.stringify(expected), `${what}: ${JSON.stringify(m)}`);
}

// The middle of an element, in CSS pixels of the viewport.
function middle(session, selector) {
    return session.evaluate((s) => {
        const box = document.querySelector(s).getBoundingClientRect();
        return {x: box.x + box.width / 2, y: box.y + box.height / 2};
    }, selector);
}

async function click(session, selector) {
    const at = await middle(session, selector);
    await session.click(at.x, at.y);
}

// How each element that `selector` finds is seen: whether it lies in the viewport, on top at its
// middle, and the contrast of its text (WCAG's, 1 to 21) against what stands behind it.
function seen(session, selector) {
    return session.evaluate((s) => {
        const channels = (css) => {
            const parts = css.match(/[0-9.]+/g).map(Number);
            return parts.length > 3 ? parts : parts.concat([1]);
        };
        const luminance = (rgb) => {
            const [r, g, b] = rgb.map((c) => (c /= 255) <= 0.04045 ? c / 12.92 : Math.pow((c + 0.055) / 1.055, 2.4));
            return 0.2126 * r + 0.7152 * g + 0.0722 * b;
        };
        return [...document.querySelectorAll(s)].map((e) => {
            let behind = e;
            while (behind.parentElement && channels(getComputedStyle(behind).backgroundColor)[3] === 0) behind = behind.parentElement;
            const back = channels(getComputedStyle(behind).backgroundColor), text = channels(getComputedStyle(e).color);
            const shown = [0, 1, 2].map((i) => text[i] * text[3] + back[i] * (1 - text[3]));
            const [a, b] = [luminance(back.slice(0, 3)), luminance(shown)];
            const box = e.getBoundingClientRect(), x = box.x + box.width / 2, y = box.y + box.height / 2;
            // An inert window takes no pointer: what lies on top of it then is the page.
            const top = e.closest('[inert]') ? e : document.elementFromPoint(x, y);
            return {id: e.id || e.className || e.tagName, text: e.textContent || e.value,
                colours: `${getComputedStyle(e).color} on ${getComputedStyle(behind).backgroundColor}`,
                contrast: (Math.max(a, b) + 0.05) / (Math.min(a, b) + 0.05),
                inView: box.width > 0 && box.height > 0 && box.left >= 0 && box.top >= 0 && box.right <= innerWidth && box.bottom <= innerHeight,
                onTop: top !== null && e.contains(top),
                visible: getComputedStyle(e).visibility === 'visible' && getComputedStyle(e).opacity === '1'};
        });
    }, selector);
}

// Checks that each element `selector` finds can be read: there, on top, its text at a contrast of
// at least 4.5.
async function expectReadable(session, selector, what) {
    const all = await seen(session, selector);
    check(all.length > 0, `${what}: nothing is ${selector}`);
    for (const e of all) {
        check(e.inView && e.onTop && e.visible, `${what}: ${e.id} "${e.text}" is not seen: ${JSON.stringify(e)}`);
        check(e.contrast >= 4.5, `${what}: ${e.id} "${e.text}" reads at ${e.contrast.toFixed(2)}: ${e.colours}`);
    }
}

// An 8-bit RGB or RGBA PNG, as engines' screenshots are, in R, G, B, A rows top first.
function readPng(data) {
    const width = data.readUInt32BE(16), height = data.readUInt32BE(20), type = data[25];
    check(data[24] === 8 && (type === 2 || type === 6) && data[28] === 0, 'a PNG of a kind the tests do not read');
    const chunks = [];
    for (let at = 8; at < data.length;) {
        const length = data.readUInt32BE(at);
        if (data.toString('latin1', at + 4, at + 8) === 'IDAT') chunks.push(data.subarray(at + 8, at + 8 + length));
        at += length + 12;
    }
    const raw = zlib.inflateSync(Buffer.concat(chunks));
    const channels = type === 6 ? 4 : 3, stride = width * channels;
    const rows = Buffer.alloc(height * stride), pixels = Buffer.alloc(width * height * 4);
    for (let y = 0; y < height; ++y) {
        const filter = raw[y * (stride + 1)], line = raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1));
        for (let x = 0; x < stride; ++x) {
            const a = x >= channels ? rows[y * stride + x - channels] : 0, b = y ? rows[(y - 1) * stride + x] : 0;
            const c = x >= channels && y ? rows[(y - 1) * stride + x - channels] : 0;
            const p = a + b - c, pa = Math.abs(p - a), pb = Math.abs(p - b), pc = Math.abs(p - c);
            const predictor = [0, a, b, (a + b) >> 1, pa <= pb && pa <= pc ? a : pb <= pc ? b : c][filter];
            rows[y * stride + x] = line[x] + predictor;
        }
        for (let x = 0; x < width; ++x) {
            rows.copy(pixels, (y * width + x) * 4, y * stride + x * channels, y * stride + x * channels + 3);
            pixels[(y * width + x) * 4 + 3] = 255;
        }
    }
    return {width, height, pixels};
}

module.exports = {check, fail, run, skip, until, open, frame, mode, expectMode, middle, click, seen, expectReadable, readPng};
