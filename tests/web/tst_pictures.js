// Each diagram on the screen, pixel for pixel, against its stored BMP: drawn 1:1 in device pixels
// at every device pixel ratio the engine can be started at, from the inner top left, cut at the
// box's inner edge; also as an engine without ResizeObserver's device-pixel box (WebKit) draws it.
// Usage: node tst_pictures.js ENGINE SITE_DIR DIAGRAM_DIR
'use strict';

const fs = require('fs');
const path = require('path');
const {check, run, open, click, frame, readPng} = require('./lib.js');

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

run(async ({driver, origin, rest, launch}) => {
    const diagrams = {Picture2: readBmp(path.join(rest[0], 'monostable.bmp')), Picture1: readBmp(path.join(rest[0], 'astable.bmp'))};
    // One browser a ratio, as a screen of that ratio gives it.
    for (const ratio of driver.ratios) {
        const session = await launch({ratio});
        let hasBox = true;
        for (const page of ['', 'tests/web/fallback.html']) {
            // An engine without the device-pixel box (WebKit) has drawn the fallback already.
            if (page && !hasBox)
                continue;
            await open(session, `${origin}/${page}`);
            const boxed = await session.evaluate(() => 'devicePixelContentBoxSize' in ResizeObserverEntry.prototype);
            if (page)
                check(!boxed, 'fallback.html still has the device-pixel box: its case would test nothing');
            else
                hasBox = boxed;
            const actual = await session.evaluate(() => devicePixelRatio);
            check(Math.abs(actual - ratio) < 0.01, `the browser's ratio is ${actual}, not ${ratio}`);
            for (const [picture, option] of [['Picture2', '#Option1'], ['Picture1', '#Option2']]) {
                const what = `${picture} at ${ratio}${page ? ' without the device-pixel box' : ''}`;
                await click(session, option);
                await frame(session);
                const inner = await session.evaluate((p) => {
                    const c = document.querySelector(`#${p} canvas`), r = c.getBoundingClientRect();
                    return {left: r.left * devicePixelRatio, top: r.top * devicePixelRatio,
                        width: c.width, height: c.height, cssWidth: r.width};
                }, picture);
                // The box less its border, which the browser draws in whole device pixels.
                check(Math.abs(inner.cssWidth - 317) < 1, `${what}: the inner area is ${inner.cssWidth} px wide`);
                const shot = readPng(await session.screenshot());
                const bmp = diagrams[picture];
                const width = Math.min(bmp.width, inner.width), height = Math.min(bmp.height, inner.height);
                // The box's inner edge may fall between device pixels; the picture starts at the
                // pixel the browser snapped it to.
                const x0 = Math.floor(inner.left) - 1, y0 = Math.floor(inner.top) - 1;
                let best = Infinity;
                for (const dx of [0, 1, 2]) for (const dy of [0, 1, 2]) {
                    let differ = 0;
                    for (let y = 0; y < height; ++y)
                        for (let x = 0; x < width; ++x) {
                            const s = ((y0 + dy + y) * shot.width + x0 + dx + x) * 4, b = (y * bmp.width + x) * 4;
                            if (shot.pixels[s] !== bmp.pixels[b] || shot.pixels[s + 1] !== bmp.pixels[b + 1] ||
                                shot.pixels[s + 2] !== bmp.pixels[b + 2]) ++differ;
                        }
                    best = Math.min(best, differ);
                }
                check(best === 0, `${what}: ${best} of ${width} x ${height} pixels differ from the stored BMP`);
                console.log(`${what}: ${width} x ${height} pixels as stored`);
            }
        }
    }
});
