// Each diagram on the screen, pixel for pixel, against its stored BMP: drawn 1:1 in device pixels
// at device pixel ratios 1, 1.25, 2 and 3, from the inner top left, cut at the box's inner edge.
// Usage: node tst_pictures.js SITE_DIR DIAGRAM_DIR
'use strict';

const fs = require('fs');
const path = require('path');
const {check, run, open, click} = require('./lib.js');

// A 24-bit BMP's pixels as rows top first, R, G, B, A.
function readBmp(file) {
    const data = fs.readFileSync(file);
    const offset = data.readUInt32LE(10), width = data.readInt32LE(18), height = data.readInt32LE(22);
    const stride = (width * 3 + 3) & ~3;
    const pixels = Buffer.alloc(width * height * 4);
    for (let y = 0; y < height; ++y)
        for (let x = 0; x < width; ++x) {
            const from = offset + (height - 1 - y) * stride + x * 3, to = (y * width + x) * 4;
            pixels[to] = data[from + 2];
            pixels[to + 1] = data[from + 1];
            pixels[to + 2] = data[from];
            pixels[to + 3] = 255;
        }
    return {width, height, pixels};
}

const diagrams = {Picture2: readBmp(path.join(process.argv[3], 'monostable.bmp')),
    Picture1: readBmp(path.join(process.argv[3], 'astable.bmp'))};

// One browser a ratio, as a screen of that ratio gives it.
async function atRatio(ratio) {
    await run(process.argv[2], async (browser, origin) => {
        // The browser decodes the screenshot itself, in a page of its own.
        const decoder = await browser.newPage();
        const page = await open(browser, `${origin}/`);
        check(Math.abs(await page.evaluate(() => devicePixelRatio) - ratio) < 0.001, `the browser's ratio is not ${ratio}`);
        for (const [picture, option] of [['Picture2', '#Option1'], ['Picture1', '#Option2']]) {
            await click(page, option);
            await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve))));
            const inner = await page.$eval(`#${picture} canvas`, (c) => {
                const r = c.getBoundingClientRect();
                return {left: r.left * devicePixelRatio, top: r.top * devicePixelRatio,
                    width: c.width, height: c.height, cssWidth: r.width};
            });
            // The box less its border, which the browser draws in whole device pixels.
            check(Math.abs(inner.cssWidth - 317) < 1, `${picture} at ${ratio}: the inner area is ${inner.cssWidth} px wide`);
            check(Math.abs(inner.width - inner.cssWidth * ratio) <= 1,
                `${picture} at ${ratio}: ${inner.width} pixels for ${inner.cssWidth * ratio} device pixels`);
            const shot = (await page.screenshot({encoding: 'base64', captureBeyondViewport: false}));
            const bmp = diagrams[picture];
            const width = Math.min(bmp.width, inner.width), height = Math.min(bmp.height, inner.height);
            // What the screen shows from a pixel above and left of the inner area.
            const x0 = Math.floor(inner.left) - 1, y0 = Math.floor(inner.top) - 1;
            const region = Buffer.from(await decoder.evaluate(async (png, x, y, w, h) => {
                const image = new Image();
                image.src = `data:image/png;base64,${png}`;
                await image.decode();
                const context = new OffscreenCanvas(image.width, image.height).getContext('2d');
                context.drawImage(image, 0, 0);
                const bytes = context.getImageData(x, y, w, h).data;
                let text = '';
                for (let i = 0; i < bytes.length; i += 0x8000) text += String.fromCharCode(...bytes.subarray(i, i + 0x8000));
                return btoa(text);
            }, shot, x0, y0, width + 2, height + 2), 'base64');
            // The box's inner edge may fall between device pixels; the picture starts at the pixel
            // the browser snapped it to.
            let best = Infinity;
            for (const dx of [0, 1, 2]) for (const dy of [0, 1, 2]) {
                let differ = 0;
                for (let y = 0; y < height; ++y)
                    for (let x = 0; x < width; ++x) {
                        const s = ((dy + y) * (width + 2) + dx + x) * 4, b = (y * bmp.width + x) * 4;
                        if (region[s] !== bmp.pixels[b] || region[s + 1] !== bmp.pixels[b + 1] ||
                            region[s + 2] !== bmp.pixels[b + 2]) ++differ;
                    }
                best = Math.min(best, differ);
            }
            check(best === 0, `${picture} at ${ratio}: ${best} of ${width} x ${height} pixels differ from the stored BMP`);
            console.log(`${picture} at ${ratio}: ${width} x ${height} pixels as stored`);
        }
    }, ratio);
}

(async () => {
    for (const ratio of [1, 1.25, 2, 3]) {
        await atRatio(ratio);
        if (process.exitCode) return;
    }
})();
