// The page in the browser's scheme, light and dark: the engine's own colours of that scheme (the
// result lines in system colour 9), every text of the window readable against what stands behind
// it (contrast at least 4.5), the pictures' borders sunken; where the engine can change its scheme
// while the page is open (Chromium), the same after each change, also once the program has ended.
// The screenshots stay in the test's folder: ENGINE-SCHEME.png.
// Usage: node tst_colours.js ENGINE SITE_DIR
'use strict';

const fs = require('fs');
const {check, run, skip, open, until, click, frame, expectReadable, readPng} = require('./lib.js');

const texts = 'main .label, main .option, main input[type=text], main .combo button, .ended, .unloaded';

async function expectScheme(session, scheme, what) {
    // The engine's own colours of the scheme, as an element that asks for that scheme gets them.
    const colours = await session.evaluate((s) => {
        const probe = document.createElement('input');
        probe.style.colorScheme = s;
        probe.style.background = 'ButtonFace';
        document.querySelector('main').append(probe);
        const face = getComputedStyle(probe).backgroundColor;
        probe.style.background = '';
        probe.type = 'text';
        const field = getComputedStyle(probe).backgroundColor;
        probe.style.color = 'CaptionText';
        const caption = getComputedStyle(probe).color;
        probe.remove();
        return {dark: matchMedia('(prefers-color-scheme: dark)').matches, face,
            page: getComputedStyle(document.documentElement).backgroundColor,
            field, fields: getComputedStyle(document.querySelector('main input[type=text]')).backgroundColor,
            caption, results: [...document.querySelectorAll('.painted')].map((l) => getComputedStyle(l).backgroundColor)};
    }, scheme);
    check(colours.dark === (scheme === 'dark'), `${what}: the browser is not ${scheme}`);
    check(colours.page === colours.face && colours.fields === colours.field, `${what}: the page is not in the ${scheme} scheme: ${JSON.stringify(colours)}`);
    // The result lines keep their stored colour, system colour 9 (CaptionText).
    check(colours.results.length === 5 && colours.results.every((c) => c === colours.caption), `${what}: the result lines are not in CaptionText: ${JSON.stringify(colours)}`);
    await expectReadable(session, texts, what);
}

// A border drawn sunken is darker at the top and left than at the bottom and right.
async function expectSunken(session, what) {
    const box = await session.evaluate(() => {
        const r = document.querySelector('.picture:not([hidden])').getBoundingClientRect();
        return {left: r.left * devicePixelRatio, top: r.top * devicePixelRatio, right: r.right * devicePixelRatio, bottom: r.bottom * devicePixelRatio};
    });
    const shot = readPng(await session.screenshot());
    const grey = (x, y) => {
        const at = (Math.floor(y) * shot.width + Math.floor(x)) * 4;
        return shot.pixels[at] * 0.3 + shot.pixels[at + 1] * 0.59 + shot.pixels[at + 2] * 0.11;
    };
    const middleX = (box.left + box.right) / 2, middleY = (box.top + box.bottom) / 2;
    const [top, bottom, left, right] = [grey(middleX, box.top + 0.5), grey(middleX, box.bottom - 0.5),
        grey(box.left + 0.5, middleY), grey(box.right - 0.5, middleY)];
    check(top < bottom && left < right, `${what}: the picture's border is not sunken: top ${top}, bottom ${bottom}, left ${left}, right ${right}`);
    return shot;
}

run(async ({driver, origin, launch}) => {
    let switched = false;
    for (const scheme of ['light', 'dark']) {
        const session = await launch({scheme});
        await open(session, `${origin}/`);
        await expectScheme(session, scheme, `${driver.name}, ${scheme}`);
        await expectSunken(session, `${driver.name}, ${scheme}`);
        fs.writeFileSync(`${driver.name}-${scheme}.png`, await session.screenshot());
        if (!session.setScheme) {
            await session.close();
            continue;
        }
        // A change of scheme while the page is open, and once the program has ended.
        switched = true;
        const other = scheme === 'light' ? 'dark' : 'light';
        await session.setScheme(other);
        await frame(session);
        await expectScheme(session, other, `${driver.name}, ${scheme}, then ${other}`);
        await session.setScheme(scheme);
        await open(session, `${origin}/tests/web/fault.html?arg=Picture1&arg=Visible&arg=true&arg=0`);
        await click(session, '#Option2');
        await until(session, 'report', () => document.querySelector('dialog[open]') !== null);
        await click(session, 'dialog button');
        await until(session, 'end', () => document.querySelector('.ended') !== null);
        await session.setScheme(other);
        await frame(session);
        await expectReadable(session, texts, `${driver.name}, ended in ${scheme}, then ${other}`);
        await session.close();
    }
    if (!switched) skip(driver, 'a change of scheme while the page is open', 'its scheme is set when it starts');
});
