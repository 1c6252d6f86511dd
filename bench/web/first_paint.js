// The pages' sizes as the browser fetches them, and their first paint of the diagram against a
// hand-written static page that shows the same BMP, and against the same window as static HTML
// (what a page without the program would cost), in one headless Chromium, in turn, each load in a
// fresh profile of its own (nothing cached): index.html with its files, and tvorka1.html, the
// page in one file.
// Usage: node first_paint.js chromium SITE_DIR ROUNDS
'use strict';

const fs = require('fs');
const path = require('path');
const zlib = require('zlib');
const {check, run} = require('../../tests/web/lib.js');

const median = (list) => [...list].sort((a, b) => a - b)[Math.floor(list.length / 2)];

// The first contentful paint of `url`, and the files it fetched. In Tvorka1's pages the diagram
// must be drawn before that paint, so that the first paint shows it.
async function load(browser, url) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    await page.evaluateOnNewDocument(() => {
        const put = CanvasRenderingContext2D.prototype.putImageData;
        CanvasRenderingContext2D.prototype.putImageData = function(...args) {
            if (window.drawn === undefined) window.drawn = performance.now();
            return put.apply(this, args);
        };
    });
    const files = [];
    // What comes over the network: tvorka1.html's program fetches its WebAssembly from inside itself.
    page.on('requestfinished', (request) => request.url().startsWith('http') && files.push(new URL(request.url()).pathname));
    await page.goto(url, {waitUntil: 'load'});
    const times = await page.evaluate(() => new Promise((resolve) => {
        const seen = () => {
            const paint = performance.getEntriesByName('first-contentful-paint')[0];
            if (!paint) return requestAnimationFrame(seen);
            resolve({paint: paint.startTime, drawn: window.drawn});
        };
        seen();
    }));
    await context.close();
    return {...times, files};
}

// The page as the program leaves it after Load, as static HTML: the same elements, style sheet
// and layout, the diagram an <img> of the BMP, and no script.
async function saveForm(browser, origin, file) {
    const page = await browser.newPage();
    await page.goto(`${origin}/`, {waitUntil: 'load'});
    await page.waitForFunction(() => document.querySelector('main:not([hidden]) canvas') !== null, {polling: 50});
    const html = await page.evaluate(() => {
        // Its places are style attributes, which the page's policy allows to scripts alone.
        document.querySelectorAll('script, link[rel=preload], meta[http-equiv]').forEach((node) => node.remove());
        document.querySelectorAll('input:checked').forEach((input) => input.setAttribute('checked', ''));
        const canvas = document.querySelector('main .picture:not([hidden]) canvas');
        const image = document.createElement('img');
        image.src = 'monostable.bmp';
        image.style.display = 'block';
        canvas.replaceWith(image);
        document.querySelectorAll('link[href]').forEach((link) => link.setAttribute('href', '../' + link.getAttribute('href')));
        return '<!doctype html>\n' + document.documentElement.outerHTML;
    });
    fs.writeFileSync(file, html);
    await page.close();
}

function sizes(site, page, files) {
    let raw = 0, compressed = 0;
    for (const file of new Set(files)) {
        const data = fs.readFileSync(path.join(site, file === '/' ? 'index.html' : file));
        const gzipped = zlib.gzipSync(data, {level: 9}).length;
        raw += data.length;
        compressed += gzipped;
        console.log(`  ${file}: ${data.length} bytes, ${gzipped} gzipped`);
    }
    console.log(`${page} transfers ${new Set(files).size} files, ${(raw / 1024).toFixed(0)} KB, ${(compressed / 1024).toFixed(0)} KB gzipped (limit 400 KB)`);
}

run(async ({site, origin, rest, launch}) => {
    const rounds = Number(rest[0] || 21);
    const {browser} = await launch();
    const pages = {'index.html': [], 'tvorka1.html': []}, theirs = [], form = [], files = {};
    await load(browser, `${origin}/`); // the browser's own first start, counted for none
    await saveForm(browser, origin, path.join(site, 'bench', 'form.html'));
    for (let i = 0; i < rounds; ++i) {
        for (const [name, url] of [['index.html', `${origin}/`], ['tvorka1.html', `${origin}/tvorka1.html`]]) {
            const page = await load(browser, url);
            check(page.drawn !== undefined && page.drawn <= page.paint, `round ${i}: ${name}'s first paint came before the diagram`);
            pages[name].push(page.paint);
            files[name] = page.files;
        }
        theirs.push((await load(browser, `${origin}/bench/static.html`)).paint);
        form.push((await load(browser, `${origin}/bench/form.html`)).paint);
    }
    for (const name of Object.keys(pages)) sizes(site, name, files[name]);
    console.log(`first paint, median of ${rounds}: the static page with the BMP ${median(theirs).toFixed(1)} ms, ` +
        `the same window as static HTML ${median(form).toFixed(1)} ms`);
    for (const [name, times] of Object.entries(pages))
        console.log(`  ${name} ${median(times).toFixed(1)} ms: ${(median(times) / median(theirs)).toFixed(2)} times the BMP's, ` +
            `${(median(times) / median(form)).toFixed(2)} times the static window's`);
}, 3600);
