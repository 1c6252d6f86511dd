// The run-time error's report in the browser, through a build with one planned failure: a modal
// dialog titled "Tvorka1" in the desktop's words, after which the program has ended, the page says
// so and takes no more input.
// Usage: node tst_faults.js SITE_DIR
'use strict';

const {check, run, open, mode, click} = require('./lib.js');

const cases = [
    {plan: ['Picture2', 'Visible', 'true', '0'], click: null,
        text: 'run-time error 0x80004005 (-2147467259): setting _PictureBox.Visible on Picture2 failed',
        after: {option1: true, option2: false, picture1: false, picture2: false}},
    {plan: ['Picture1', 'Visible', 'true', '0', 'bad_alloc'], click: '#Option2',
        text: 'run-time error 0x8007000E (-2147024882): out of memory',
        after: {option1: false, option2: true, picture1: false, picture2: false}},
];

run(process.argv[2], async (browser, origin) => {
    for (const c of cases) {
        const query = c.plan.map((a) => `arg=${encodeURIComponent(a)}`).join('&');
        const lines = [];
        const page = await open(browser, `${origin}/tests/web/fault.html?${query}`);
        page.on('console', (message) => lines.push(message.text()));
        if (c.click) {
            check(!(await page.$('dialog')), `${c.plan}: a report before the click`);
            await click(page, c.click);
        }
        await page.waitForSelector('dialog[open]', {timeout: 10000});
        const report = await page.$eval('dialog', (d) => ({
            modal: d.matches(':modal'), title: d.querySelector('h1').textContent,
            titled: document.getElementById(d.getAttribute('aria-labelledby')).textContent,
            text: d.querySelector('p').textContent, inert: document.querySelector('main').inert,
        }));
        check(report.modal && report.title === 'Tvorka1' && report.titled === 'Tvorka1', `${c.plan}: ${JSON.stringify(report)}`);
        check(report.text === c.text, `${c.plan}: the report says "${report.text}"`);
        check(report.inert, `${c.plan}: the window takes input under the report`);
        const state = JSON.stringify(await mode(page));
        check(state === JSON.stringify(c.after), `${c.plan}: under the report ${state}`);
        // OK ends it: the page says so, and neither mouse nor keyboard reaches the program.
        await page.keyboard.press('Enter');
        await page.waitForSelector('.ended', {timeout: 10000});
        const ended = await page.$eval('.ended', (e) => e.textContent);
        check(ended.startsWith('Tvorka1 has ended.'), `${c.plan}: the page says "${ended}"`);
        if (c.click) await click(page, c.after.option1 ? '#Option2' : '#Option1');
        await page.keyboard.press('Tab');
        await page.keyboard.press('ArrowDown');
        await page.keyboard.press('Space');
        check(JSON.stringify(await mode(page)) === state, `${c.plan}: input reached the ended program`);
        check(lines.some((l) => l === `Tvorka1: ${c.text}`) || c.click === null,
            `${c.plan}: no line on the console: ${lines.join(' | ')}`);
        await page.close();
    }
});
