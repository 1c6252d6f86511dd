// The run-time error's report in the browser, through a build with one planned failure: a modal
// dialog titled "Tvorka1" in the desktop's words, after which the program has ended, the page says
// so where it can be read, takes no more input and runs no more of the program.
// Usage: node tst_faults.js ENGINE SITE_DIR
'use strict';

const {check, run, until, mode, click, expectReadable} = require('./lib.js');

const cases = [
    {plan: ['Picture2', 'Visible', 'true', '0'], click: null,
        text: 'run-time error 0x80004005 (-2147467259): setting _PictureBox.Visible on Picture2 failed',
        after: {option1: true, option2: false, picture1: false, picture2: false}},
    {plan: ['Picture1', 'Visible', 'true', '0', 'bad_alloc'], click: '#Option2',
        text: 'run-time error 0x8007000E (-2147024882): out of memory',
        after: {option1: false, option2: true, picture1: false, picture2: false}},
];

run(async ({origin, launch}) => {
    const session = await launch();
    for (const c of cases) {
        const query = c.plan.map((a) => `arg=${encodeURIComponent(a)}`).join('&');
        if (session.lines) session.lines.length = 0;
        await session.open(`${origin}/tests/web/fault.html?${query}`);
        await until(session, 'window', () => document.querySelector('main') !== null);
        if (c.click) {
            check(await session.evaluate(() => !document.querySelector('dialog')), `${c.plan}: a report before the click`);
            await click(session, c.click);
        }
        await until(session, 'report', () => document.querySelector('dialog[open]') !== null);
        const report = await session.evaluate(() => {
            const d = document.querySelector('dialog');
            return {modal: d.matches(':modal'), title: d.querySelector('h1').textContent,
                titled: document.getElementById(d.getAttribute('aria-labelledby')).textContent,
                text: d.querySelector('p').textContent, inert: document.querySelector('main').inert};
        });
        check(report.modal && report.title === 'Tvorka1' && report.titled === 'Tvorka1', `${c.plan}: ${JSON.stringify(report)}`);
        check(report.text === c.text, `${c.plan}: the report says "${report.text}"`);
        check(report.inert, `${c.plan}: the window takes input under the report`);
        await expectReadable(session, 'dialog h1, dialog p, dialog button', `${c.plan}: the report`);
        const state = JSON.stringify(await mode(session));
        check(state === JSON.stringify(c.after), `${c.plan}: under the report ${state}`);
        // OK ends it: the page says so, and neither mouse, keyboard nor the page's own events reach
        // the program (a script's click selects the other option, and no Click follows). The
        // mouse, since Firefox over BiDi gives a button no click for Enter.
        check(await session.evaluate(() => document.activeElement.textContent) === 'OK', `${c.plan}: the focus is not on OK`);
        await click(session, 'dialog button');
        await until(session, 'end', () => document.querySelector('.ended') !== null);
        const ended = await session.evaluate(() => document.querySelector('.ended').textContent);
        check(ended.startsWith('Tvorka1 has ended.'), `${c.plan}: the page says "${ended}"`);
        await expectReadable(session, '.ended', `${c.plan}: the end`);
        if (c.click) await click(session, c.after.option1 ? '#Option2' : '#Option1');
        await session.press('Tab');
        await session.press('ArrowDown');
        await session.press(' ');
        check(JSON.stringify(await mode(session)) === state, `${c.plan}: input reached the ended program`);
        await session.evaluate((other) => document.getElementById(other).click(), c.after.option1 ? 'Option2-button' : 'Option1-button');
        const after = await mode(session);
        check(after.picture1 === c.after.picture1 && after.picture2 === c.after.picture2,
            `${c.plan}: the ended program ran a Click: ${JSON.stringify(after)}`);
        const lines = session.lines;
        if (lines) check(lines.some((l) => l === `Tvorka1: ${c.text}`), `${c.plan}: no line on the console: ${lines.join(' | ')}`);
    }
});
