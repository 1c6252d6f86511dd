// The page as a user meets it: the window, the circuit mode by mouse and keyboard, the Tab walk,
// typing, the selectors, what a screen reader reads, the colours, and nothing stored or sent.
// Usage: node tst_page.js SITE_DIR
'use strict';

const {check, run, open, expectMode, click} = require('./lib.js');

const id = (name) => `[id="${name}"]`;
const active = (page) => page.evaluate(() => document.activeElement && document.activeElement.id);
const values = (page) => page.evaluate(() => [...document.querySelectorAll('main input[type=text]')]
    .map((input) => `${input.id}=${input.value}`).join(' '));

run(process.argv[2], async (browser, origin) => {
    const requests = [];
    const page = await open(browser, `${origin}/`);
    page.on('request', (request) => requests.push(request.url()));

    // The window: its title, and the client area at the page's top left, where it stays.
    check(await page.title() === 'Form1', `the title is "${await page.title()}"`);
    const client = () => page.$eval('main', (m) => JSON.stringify(m.getBoundingClientRect()));
    const expected = JSON.stringify({x: 0, y: 0, width: 497, height: 338, top: 0, right: 497, bottom: 338, left: 0});
    check(await client() === expected, `the client area is ${await client()}`);
    await page.setViewport({width: 1000, height: 700});
    check(await client() === expected, `resized, the client area is ${await client()}`);
    const places = await page.$$eval('main *[id]', (all) => all.map((e) => `${e.id}@${e.offsetLeft},${e.offsetTop}`));
    for (const [name, place] of [['Option1', '8,8'], ['Picture2', '168,8'], ['Text1(2)', '40,120'], ['Label2(4)', '16,248']])
        check(places.includes(`${name}@${place}`), `${name} is not at ${place}: ${places.join(' ')}`);

    const cut = await page.$$eval('.label', (all) => all.filter((l) => l.scrollWidth > l.clientWidth).map((l) => l.id));
    check(cut.length === 0, `captions cut: ${cut.join(' ')}`);

    // The start: monostable, and the focus in the first entry field.
    await expectMode(page, true, 'at start');
    check(await active(page) === 'Text1(0)', `the focus starts in ${await active(page)}`);
    const fieldsAtStart = await values(page);
    check(fieldsAtStart === 'Text1(0)= Text1(1)= Text1(2)= Combo1(0)-field=Combo1 Combo1(1)-field=Combo1 ' +
        'Combo1(2)-field=Combo1', `the fields at start: ${fieldsAtStart}`);

    // The Tab walk: the fields, the selectors, then the selected option button only, and round.
    const walk = [];
    for (let i = 0; i < 6; ++i) {
        await page.keyboard.press('Tab');
        walk.push(await active(page));
    }
    check(walk.join(' ') === 'Text1(1) Text1(2) Combo1(0)-field Combo1(1)-field Combo1(2)-field Option1-button',
        `Tab walks ${walk.join(' ')}`);
    for (let i = 0; i < 3 && (await active(page)) !== 'Text1(0)'; ++i) await page.keyboard.press('Tab');
    check(await active(page) === 'Text1(0)', `past the last control Tab reaches ${await active(page)}`);

    // The mouse: each option, again, and twenty switches.
    await click(page, '#Option2');
    await expectMode(page, false, 'clicked ASTABIL');
    await click(page, '#Option2');
    await expectMode(page, false, 'clicked ASTABIL again');
    await click(page, '#Option1');
    await expectMode(page, true, 'clicked MONOSTABIL');
    await click(page, '#Option1');
    await expectMode(page, true, 'clicked MONOSTABIL again');
    for (let i = 0; i < 20; ++i) {
        await click(page, i % 2 ? '#Option1' : '#Option2');
        await expectMode(page, i % 2 === 1, `switch ${i + 1}`);
    }

    // The keyboard: the arrows move the selection within the group, as a click does.
    await page.focus('#Option1-button');
    for (const [key, monostable] of [['ArrowDown', false], ['ArrowUp', true], ['ArrowRight', false], ['ArrowLeft', true]]) {
        await page.keyboard.press(key);
        await expectMode(page, monostable, key);
    }
    await page.keyboard.press('Tab');
    await page.keyboard.down('Shift');
    await page.keyboard.press('Tab');
    await page.keyboard.up('Shift');
    check(await active(page) === 'Option1-button', `Shift+Tab back reaches ${await active(page)}, not the selected option`);

    // Typing changes the field typed into and nothing else.
    await page.focus(id('Text1(1)'));
    await page.keyboard.type('4k7');
    await page.focus(id('Combo1(2)-field'));
    await page.keyboard.press('End');
    await page.keyboard.type('00');
    await expectMode(page, true, 'after typing');
    const typed = fieldsAtStart.replace('Text1(1)=', 'Text1(1)=4k7').replace('Combo1(2)-field=Combo1', 'Combo1(2)-field=Combo100');
    check(await values(page) === typed, `after typing the fields are ${await values(page)}`);

    // The selectors: the list opens empty, by its button and by the keyboard; Enter adds nothing.
    const list = (n) => page.$eval(id(`Combo1(${n})-list`), (l) => ({
        shown: !l.hidden, rows: l.children.length,
        expanded: document.getElementById(l.id.replace('-list', '-field')).getAttribute('aria-expanded'),
    }));
    for (const n of [0, 1, 2]) {
        await click(page, `${id(`Combo1(${n})`)} button`);
        let l = await list(n);
        check(l.shown && l.rows === 0 && l.expanded === 'true', `Combo1(${n})'s list opened: ${JSON.stringify(l)}`);
        check(await active(page) === `Combo1(${n})-field`, `opening Combo1(${n}) put the focus in ${await active(page)}`);
        await page.keyboard.press('Escape');
        l = await list(n);
        check(!l.shown && l.expanded === 'false', `Escape left Combo1(${n})'s list ${JSON.stringify(l)}`);
    }
    await page.keyboard.down('Alt');
    await page.keyboard.press('ArrowDown');
    await page.keyboard.up('Alt');
    check((await list(2)).shown, 'Alt+Down did not open the list');
    await page.keyboard.press('Enter');
    await page.keyboard.press('Enter');
    check(!(await list(2)).shown && (await list(2)).rows === 0, 'Enter added a row or left the list open');
    check(await values(page) === typed, `after Enter the fields are ${await values(page)}`);

    // What a screen reader reads, through the protocol's Accessibility domain.
    const cdp = await page.createCDPSession();
    const {nodes} = await cdp.send('Accessibility.getFullAXTree');
    const seen = nodes.filter((n) => !n.ignored).map((n) => ({
        role: n.role && n.role.value, name: n.name && n.name.value,
        description: n.description && n.description.value,
        checked: ((n.properties || []).find((p) => p.name === 'checked') || {value: {}}).value.value,
    }));
    const count = (role, name) => seen.filter((n) => n.role === role && n.name === name).length;
    for (const row of ['R1', 'R2', 'C3'])
        check(count('textbox', row) === 1 && count('combobox', row) === 1, `the row ${row} is not named for both fields`);
    check(count('radio', 'MONOSTABIL') === 1 && count('radio', 'ASTABIL') === 1, 'the option buttons are not named');
    check(seen.filter((n) => n.role === 'radiogroup').length === 1, 'no group of the option buttons');
    check(seen.find((n) => n.role === 'radio' && n.name === 'MONOSTABIL').checked === 'true', 'MONOSTABIL is not checked');
    const images = seen.filter((n) => n.role === 'image');
    check(images.length === 1 && images[0].name === 'Monostabil' &&
        images[0].description.startsWith('Shema monostabilnog kola s tajmerom NE555'),
        `the diagrams as read: ${JSON.stringify(images)}`);
    for (const caption of ['IZLAZ VISOK XX.XX S', 'RADNI CIKLUS XXX %'])
        check(seen.some((n) => n.name === caption), `the result line ${caption} is not read`);

    // The result lines keep system colour 9, in light and in dark, with text that reads on it.
    const colours = () => page.$eval(id('Label2(0)'), (label) => {
        const probe = document.createElement('div');
        probe.style.color = 'CaptionText';
        document.body.append(probe);
        const caption = getComputedStyle(probe).color;
        probe.remove();
        const style = getComputedStyle(label);
        return {caption, background: style.backgroundColor, text: style.color};
    });
    const grey = (css) => {
        const [r, g, b] = css.match(/\d+/g).map(Number);
        return (r * 11 + g * 16 + b * 5) / 32;
    };
    for (const scheme of ['light', 'dark', 'light']) {
        await page.emulateMediaFeatures([{name: 'prefers-color-scheme', value: scheme}]);
        // The page hears of the change at its next frame.
        await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve, 0))));
        const c = await colours();
        check(c.background === c.caption, `${scheme}: the result line stands on ${c.background}, not ${c.caption}`);
        check(Math.abs(grey(c.text) - grey(c.background)) >= 96, `${scheme}: ${c.text} does not read on ${c.background}`);
    }

    // Nothing stored, and nothing asked of the network after the page loaded.
    const stored = await page.evaluate(async () => JSON.stringify({
        cookie: document.cookie, local: localStorage.length, session: sessionStorage.length,
        databases: indexedDB.databases ? (await indexedDB.databases()).length : 0,
    }));
    check(stored === JSON.stringify({cookie: '', local: 0, session: 0, databases: 0}), `stored: ${stored}`);
    check(requests.length === 0, `requests after load: ${requests.join(' ')}`);
});
