// The page as a user meets it: the window, the circuit mode by mouse and keyboard, the Tab walk,
// typing, the selectors, what a screen reader reads, and nothing stored or sent.
// Usage: node tst_page.js ENGINE SITE_DIR
'use strict';

const {check, run, open, until, expectMode, click} = require('./lib.js');

const id = (name) => `[id="${name}"]`;
const active = (session) => session.evaluate(() => document.activeElement && document.activeElement.id);
const focus = (session, selector) => session.evaluate((s) => document.querySelector(s).focus(), selector);
const values = (session) => session.evaluate(() => [...document.querySelectorAll('main input[type=text]')]
    .map((input) => `${input.id}=${input.value}`).join(' '));

// What a screen reader is given, as the page's roles and names say it, where the engine's own tree
// is out of the protocol's reach: each element's role, its name by aria-labelledby, aria-label or
// the label around it, and its description.
const attributes = (session) => session.evaluate(() => {
    const text = (ids) => ids.split(' ').map((i) => document.getElementById(i).textContent).join(' ');
    const role = (e) => e.getAttribute('role') || {INPUT: e.type === 'radio' ? 'radio' : 'textbox',
        BUTTON: 'button', LABEL: 'label'}[e.tagName] || 'generic';
    return [...document.querySelectorAll('main, main *')].filter((e) => !e.closest('[hidden]') || e.matches('[role=listbox]'))
        .map((e) => ({role: role(e), description: e.getAttribute('aria-description') || undefined,
            name: e.hasAttribute('aria-labelledby') ? text(e.getAttribute('aria-labelledby'))
                : e.getAttribute('aria-label') || (e.closest('label') ? e.closest('label').textContent : e.textContent),
            checked: e.type === 'radio' ? String(e.checked) : undefined}));
});

run(async ({driver, origin, launch}) => {
    const session = await launch();
    await open(session, `${origin}/`);
    // Requests that start from now on (one that started before may still be ending).
    const since = await session.evaluate(() => performance.now());
    const fetched = () => session.evaluate((t) => performance.getEntriesByType('resource').filter((e) => e.startTime >= t).map((e) => e.name), since);

    // The window: its title, and the client area at the page's top left, where it stays.
    const title = await session.evaluate(() => document.title);
    check(title === 'Form1', `the title is "${title}"`);
    const client = () => session.evaluate(() => JSON.stringify(document.querySelector('main').getBoundingClientRect()));
    const expected = JSON.stringify({x: 0, y: 0, width: 497, height: 338, top: 0, right: 497, bottom: 338, left: 0});
    check(await client() === expected, `the client area is ${await client()}`);
    await session.resize(1000, 700);
    check(await client() === expected, `resized, the client area is ${await client()}`);
    const places = await session.evaluate(() => [...document.querySelectorAll('main *[id]')].map((e) => `${e.id}@${e.offsetLeft},${e.offsetTop}`));
    for (const [name, place] of [['Option1', '8,8'], ['Picture2', '168,8'], ['Text1(2)', '40,120'], ['Label2(4)', '16,248']])
        check(places.includes(`${name}@${place}`), `${name} is not at ${place}: ${places.join(' ')}`);
    const cut = await session.evaluate(() => [...document.querySelectorAll('.label')].filter((l) => l.scrollWidth > l.clientWidth).map((l) => l.id));
    check(cut.length === 0, `captions cut: ${cut.join(' ')}`);

    // The start: monostable, and the focus in the first entry field.
    await expectMode(session, true, 'at start');
    check(await active(session) === 'Text1(0)', `the focus starts in ${await active(session)}`);
    const fieldsAtStart = await values(session);
    check(fieldsAtStart === 'Text1(0)= Text1(1)= Text1(2)= Combo1(0)-field=Combo1 Combo1(1)-field=Combo1 ' +
        'Combo1(2)-field=Combo1', `the fields at start: ${fieldsAtStart}`);

    // The Tab walk: the fields, the selectors, then the selected option button only, and round
    // (past the browser's own controls, where the engine has them).
    const walk = [];
    for (let i = 0; i < 6; ++i) {
        await session.press('Tab');
        walk.push(await active(session));
    }
    check(walk.join(' ') === 'Text1(1) Text1(2) Combo1(0)-field Combo1(1)-field Combo1(2)-field Option1-button',
        `Tab walks ${walk.join(' ')}`);
    for (let i = 0; i < 4 && (await active(session)) !== 'Text1(0)'; ++i) await session.press('Tab');
    check(await active(session) === 'Text1(0)', `past the last control Tab reaches ${await active(session)}`);

    // The mouse: each option, again, and twenty switches. Each selection runs its Click once, which
    // sets each diagram's visibility once.
    await session.evaluate(() => {
        window.shown = {Picture1: 0, Picture2: 0};
        new MutationObserver((records) => records.forEach((r) => ++window.shown[r.target.id]))
            .observe(document.querySelector('main'), {subtree: true, attributeFilter: ['hidden']});
    });
    const once = async (what) => {
        const shown = await session.evaluate(() => {
            const counted = JSON.stringify(window.shown);
            window.shown = {Picture1: 0, Picture2: 0};
            return counted;
        });
        check(shown === '{"Picture1":1,"Picture2":1}', `${what}: the diagrams' visibility was set ${shown} times`);
    };
    for (const [option, monostable, again] of [['#Option2', false, ''], ['#Option2', false, ' again'], ['#Option1', true, ''], ['#Option1', true, ' again']]) {
        await click(session, option);
        await expectMode(session, monostable, `clicked ${option}${again}`);
        if (!again) await once(`clicked ${option}`);
    }
    for (let i = 0; i < 20; ++i) {
        await click(session, i % 2 ? '#Option1' : '#Option2');
        await expectMode(session, i % 2 === 1, `switch ${i + 1}`);
    }

    // The keyboard: the arrows move the selection within the group, as a click does.
    await focus(session, '#Option1-button');
    await session.evaluate(() => {
        window.shown = {Picture1: 0, Picture2: 0};
    });
    for (const [key, monostable] of [['ArrowDown', false], ['ArrowUp', true], ['ArrowRight', false], ['ArrowLeft', true], ['ArrowDown', false]]) {
        await session.press(key);
        await expectMode(session, monostable, key);
        await once(key);
    }
    // Tab into the group reaches the selected option, Shift+Tab leaves it.
    await focus(session, id('Combo1(2)-field'));
    await session.press('Tab');
    check(await active(session) === 'Option2-button', `Tab into the group reaches ${await active(session)}, not the selected option`);
    await session.press('Tab', ['Shift']);
    check(await active(session) === 'Combo1(2)-field', `Shift+Tab from the group reaches ${await active(session)}`);
    await click(session, '#Option1');

    // Typing changes the field typed into and nothing else.
    await focus(session, id('Text1(1)'));
    await session.type('4k7');
    await focus(session, id('Combo1(2)-field'));
    await session.press('End');
    await session.type('00');
    await expectMode(session, true, 'after typing');
    const typed = fieldsAtStart.replace('Text1(1)=', 'Text1(1)=4k7').replace('Combo1(2)-field=Combo1', 'Combo1(2)-field=Combo100');
    check(await values(session) === typed, `after typing the fields are ${await values(session)}`);

    // The selectors: the list opens empty, by its button and by the keyboard, above whatever lies
    // below it; Enter adds nothing.
    const list = (n) => session.evaluate((i) => {
        const l = document.getElementById(`Combo1(${i})-list`), box = l.getBoundingClientRect();
        const over = [0.25, 0.5, 0.9].every((f) => document.elementFromPoint(box.x + box.width / 2, box.y + box.height * f) === l);
        const field = document.getElementById(`Combo1(${i})-field`);
        return {shown: !l.hidden, rows: l.children.length, over: l.hidden || over, expanded: field.getAttribute('aria-expanded')};
    }, n);
    for (const n of [0, 1, 2]) {
        await click(session, `${id(`Combo1(${n})`)} button`);
        let l = await list(n);
        check(l.shown && l.rows === 0 && l.expanded === 'true', `Combo1(${n})'s list opened: ${JSON.stringify(l)}`);
        check(l.over, `Combo1(${n})'s open list lies under another control`);
        check(await active(session) === `Combo1(${n})-field`, `opening Combo1(${n}) put the focus in ${await active(session)}`);
        await session.press('Escape');
        l = await list(n);
        check(!l.shown && l.expanded === 'false', `Escape left Combo1(${n})'s list ${JSON.stringify(l)}`);
    }
    await session.press('ArrowDown', ['Alt']);
    check((await list(2)).shown, 'Alt+Down did not open the list');
    await session.press('Enter');
    await session.press('Enter');
    check(!(await list(2)).shown && (await list(2)).rows === 0, 'Enter added a row or left the list open');
    check(await values(session) === typed, `after Enter the fields are ${await values(session)}`);

    // What a screen reader reads: the engine's accessibility tree where the protocol reaches it
    // (Chromium), else the roles and names that the page sets. A list is read while it is open.
    await focus(session, id('Combo1(0)-field'));
    await session.press('F4');
    await until(session, 'open list', () => !document.getElementById('Combo1(0)-list').hidden);
    const seen = await (session.accessibility ? session.accessibility() : attributes(session));
    await session.press('Escape');
    const count = (role, name) => seen.filter((n) => n.role === role && n.name === name).length;
    for (const row of ['R1', 'R2', 'C3'])
        for (const role of ['textbox', 'combobox', 'button'])
            check(count(role, row) === 1, `the row ${row} names ${count(role, row)} of role ${role}`);
    check(count('listbox', 'R1') === 1, 'the open list is not named by its row');
    check(count('radio', 'MONOSTABIL') === 1 && count('radio', 'ASTABIL') === 1, 'the option buttons are not named');
    check(seen.filter((n) => n.role === 'radiogroup').length === 1, 'no group of the option buttons');
    check(seen.find((n) => n.role === 'radio' && n.name === 'MONOSTABIL').checked === 'true', 'MONOSTABIL is not checked');
    const images = seen.filter((n) => n.role === 'image' || n.role === 'img');
    check(images.length === 1 && images[0].name === 'Monostabil' &&
        images[0].description.startsWith('Shema monostabilnog kola s tajmerom NE555'),
        `the diagrams as read: ${JSON.stringify(images)}`);
    for (const caption of ['IZLAZ VISOK XX.XX S', 'RADNI CIKLUS XXX %'])
        check(seen.some((n) => n.name === caption), `the result line ${caption} is not read`);

    // Nothing stored, and nothing asked of the network after the page loaded.
    const stored = await session.evaluate(async () => JSON.stringify({
        cookie: document.cookie, local: localStorage.length, session: sessionStorage.length,
        databases: indexedDB.databases ? (await indexedDB.databases()).length : 0,
    }));
    check(stored === JSON.stringify({cookie: '', local: 0, session: 0, databases: 0}), `stored: ${stored}`);
    check((await fetched()).length === 0, `requests after load: ${(await fetched()).join(' ')}`);
    console.log(`${driver.name}: read through ${session.accessibility ? 'its accessibility tree' : 'the page\'s roles and names'}`);
});
