// The page where it is handed out and served: tvorka1.html from disk, whole and offline; and where
// the program cannot load (index.html from disk, a server that sends the program as plain bytes,
// a browser without WebAssembly) the page runs all the same or says in one line what to do,
// never stays blank.
// Usage: node tst_loading.js ENGINE SITE_DIR
'use strict';

const {check, run, until, open, expectMode, click, expectReadable} = require('./lib.js');

// The window, or the line that names the page in one file; which of them, for the log.
async function runsOrSays(session, url, what) {
    await session.open(url);
    const state = await until(session, 'window or line',
        () => document.querySelector('main:not([hidden])') ? 'runs' : document.querySelector('.unloaded') ? 'says' : '');
    if (state === 'says') {
        await expectReadable(session, '.unloaded', what);
        const line = await session.evaluate(() => document.querySelector('.unloaded').textContent);
        check(line.includes('tvorka1.html'), `${what}: the line "${line}" does not name tvorka1.html`);
    }
    console.log(`${what}: ${state === 'runs' ? 'the window' : 'the line'}`);
    return state;
}

run(async ({driver, origin, site, launch}) => {
    const single = `file://${site}/tvorka1.html`;
    const session = await launch();
    await open(session, single);
    check(await session.evaluate(() => document.title) === 'Form1', `${single}: not the window`);
    await click(session, '#Option2');
    await expectMode(session, false, `${single}: clicked ASTABIL`);
    const fetched = await session.evaluate(() => performance.getEntriesByType('resource').map((e) => e.name));
    check(fetched.length === 0, `${single} fetched ${fetched.join(' ')}`);

    await runsOrSays(session, `file://${site}/index.html`, `${driver.name}, index.html from disk`);
    // The program compiled from its bytes, whatever their type.
    check(await runsOrSays(session, `${origin}/wrong-type/`, `${driver.name}, tvorka1.wasm sent as plain bytes`) === 'runs',
        'the program sent as plain bytes did not run');

    const bare = await launch({wasm: false});
    for (const url of [`${origin}/`, single])
        check(await runsOrSays(bare, url, `${driver.name} without WebAssembly, ${url}`) === 'says', `${url} ran without WebAssembly`);
});
