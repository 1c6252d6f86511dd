// On a phone (Chromium's mobile emulation, 360 x 740 at ratio 3, touch) the whole window fits the
// screen's width, and a tap on each option switches as a click does; on a tablet wider than the
// window the page keeps its scale of 1, where the diagram lies 1:1 in device pixels (the emulated
// ratio does not reach the canvas: tst_pictures checks the pixels at real ratios). The screenshot
// stays in the test's folder: phone.png.
// Usage: node tst_phone.js chromium SITE_DIR
'use strict';

const fs = require('fs');
const {check, run, open, middle, expectMode} = require('./lib.js');

const fit = (session) => session.evaluate(() => ({
    right: document.querySelector('main').getBoundingClientRect().right, seen: visualViewport.width,
    scrolls: document.documentElement.scrollWidth > innerWidth, scale: visualViewport.scale,
}));

run(async ({origin, launch}) => {
    const phone = await launch({phone: {width: 360, height: 740, deviceScaleFactor: 3}});
    await open(phone, `${origin}/`);
    const f = await fit(phone);
    check(f.right <= f.seen + 0.5 && !f.scrolls, `on a phone the window does not fit: ${JSON.stringify(f)}`);
    for (const [option, monostable] of [['#Option2', false], ['#Option1', true]]) {
        const at = await middle(phone, option);
        await phone.tap(at.x * f.scale, at.y * f.scale);
        await expectMode(phone, monostable, `tapped ${option}`);
    }
    fs.writeFileSync('phone.png', await phone.screenshot());

    const tablet = await launch({phone: {width: 800, height: 1280, deviceScaleFactor: 2}});
    await open(tablet, `${origin}/`);
    const t = await fit(tablet);
    check(t.scale === 1 && t.seen === 800, `on a tablet the page is scaled: ${JSON.stringify(t)}`);
});
