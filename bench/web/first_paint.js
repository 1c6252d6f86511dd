// The page's size as the browser fetches it, and its first paint of the diagram against a
// hand-written static page that shows the same BMP, in one headless Chromium, alternating, each
// load in a fresh profile of its own (nothing cached).
// Usage: node first_paint.js SITE_DIR ROUNDS
'use strict';

const fs = require('fs');
const path = require('path');
const zlib = require('zlib');
const {check, run} = require('../../tests/web/lib.js');

const median = (list) => [...list].sort((a, b) => a - b)[Math.floor(list.length / 2)];

// The first contentful paint of `url`, and the files it fetched. In Tvorka1's page the diagram
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
    page.on('requestfinished', (request) => files.push(new URL(request.url()).pathname));
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

run(process.argv[2], async (browser, origin) => {
    const rounds = Number(process.argv[3] || 21);
    const ours = [], theirs = [];
    let files = [];
    await load(browser, `${origin}/`); // the browser's own first start, counted for neither
    for (let i = 0; i < rounds; ++i) {
        const page = await load(browser, `${origin}/`);
        check(page.drawn !== undefined && page.drawn <= page.paint, `round ${i}: the first paint came before the diagram`);
        ours.push(page.paint);
        files = page.files;
        theirs.push((await load(browser, `${origin}/bench/static.html`)).paint);
    }
    let raw = 0, compressed = 0;
    for (const file of new Set(files)) {
        const data = fs.readFileSync(path.join(process.argv[2], file === '/' ? 'index.html' : file));
        raw += data.length;
        compressed += zlib.gzipSync(data, {level: 9}).length;
        console.log(`  ${file}: ${data.length} bytes, ${zlib.gzipSync(data, {level: 9}).length} gzipped`);
    }
    console.log(`transfer: ${files.length} files, ${(raw / 1024).toFixed(0)} KB, ${(compressed / 1024).toFixed(0)} KB gzipped (limit 400 KB)`);
    console.log(`first paint of the diagram, median of ${rounds}: Tvorka1 ${median(ours).toFixed(1)} ms, ` +
        `static page with the BMP ${median(theirs).toFixed(1)} ms, ratio ${(median(ours) / median(theirs)).toFixed(2)} (limit 1.5)`);
});
