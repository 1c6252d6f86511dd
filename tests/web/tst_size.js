// What each page transfers, compressed as a server sends it (gzip): index.html with its files,
// and tvorka1.html alone, each at most 400 KB.
// Usage: node tst_size.js SITE_DIR
'use strict';

const fs = require('fs');
const path = require('path');
const zlib = require('zlib');

const gzipped = (files) => files.reduce((sum, f) => sum + zlib.gzipSync(fs.readFileSync(path.join(process.argv[2], f)), {level: 9}).length, 0);
let failed = false;
for (const [page, files] of [['index.html', ['index.html', 'tvorka1.css', 'tvorka1.js', 'tvorka1.wasm', 'tvorka1.ico']],
    ['tvorka1.html', ['tvorka1.html']]]) {
    const size = gzipped(files) / 1024;
    console.log(`${page}: ${size.toFixed(0)} KB gzipped`);
    failed = failed || size > 400;
}
console.log(failed ? 'FAIL: a page transfers more than 400 KB' : 'PASS');
process.exitCode = failed ? 1 : 0;
