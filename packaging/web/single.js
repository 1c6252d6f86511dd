// Makes the self-contained page from the page for servers: the style sheet, the program (built
// with its WebAssembly inside, SINGLE_FILE) and the icon inside one file that opens from disk,
// offline. Its Content-Security-Policy allows exactly its own script and style, by their hashes,
// and the program's fetch of its own WebAssembly from inside the script.
// Usage: node single.js INDEX_HTML CSS PROGRAM_JS ICON_PNG OUTPUT
'use strict';

const crypto = require('crypto');
const fs = require('fs');

const [index, css, program, icon, output] = process.argv.slice(2);
const hash = (text) => `'sha256-${crypto.createHash('sha256').update(text).digest('base64')}'`;
const style = fs.readFileSync(css, 'utf8');
// The program runs once the page's elements are there, as the deferred script does.
const script = fs.readFileSync(program, 'utf8');
// Inside a page's <script> these would end the script early or change its text, and its hash.
if (/<\/script|<!--|\r/i.test(script)) throw new Error(`${program} holds "</script", "<!--" or a carriage return`);

let page = fs.readFileSync(index, 'utf8');
const replace = (pattern, by) => {
    if (!pattern.test(page)) throw new Error(`${index} has no ${pattern}`);
    page = page.replace(pattern, () => by);
};
replace(/script-src 'self'/, `script-src ${hash(script)}`);
replace(/style-src 'self'/, `style-src ${hash(style)}; img-src data:; connect-src data:`);
replace(/default-src 'self'/, "default-src 'none'");
replace(/(<link rel="icon"[^>]*>\n)+/, `<link rel="icon" type="image/png" href="data:image/png;base64,${
    fs.readFileSync(icon).toString('base64')}">\n`);
replace(/<link rel="stylesheet"[^>]*>/, `<style>${style}</style>`);
replace(/<!--[^>]*-->\n<link rel="preload"[^>]*>\n<script [^>]*><\/script>\n/, '');
replace(/<\/body>/, `<script>${script}</script>\n</body>`);
fs.writeFileSync(output, page);
