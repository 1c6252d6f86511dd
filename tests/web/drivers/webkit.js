// WebKitGTK: Debian's WebKitWebDriver (W3C WebDriver over HTTP) and the MiniBrowser it starts, on
// an Xvfb of the driver's own, which it ends with the session.
'use strict';

const {spawn} = require('child_process');
const http = require('http');
const net = require('net');

// Key names as puppeteer gives them, in WebDriver's code points.
const keys = {Tab: '\uE004', Enter: '\uE007', Shift: '\uE008', Alt: '\uE00A', Escape: '\uE00C',
    End: '\uE010', ArrowLeft: '\uE012', ArrowUp: '\uE013', ArrowRight: '\uE014', ArrowDown: '\uE015', F4: '\uE034'};

const freePort = () => new Promise((resolve) => {
    const server = net.createServer().listen(0, '127.0.0.1', () => {
        const {port} = server.address();
        server.close(() => resolve(port));
    });
});

function request(port, method, path, body) {
    return new Promise((resolve, reject) => {
        const data = body === undefined ? '' : JSON.stringify(body);
        const r = http.request({host: '127.0.0.1', port, method, path,
            headers: {'Content-Type': 'application/json', 'Content-Length': Buffer.byteLength(data)}}, (response) => {
            let text = '';
            response.on('data', (chunk) => text += chunk);
            response.on('end', () => {
                const {value} = JSON.parse(text || '{}');
                if (value && value.error) reject(new Error(`WebDriver ${path}: ${value.error}: ${value.message}`));
                else resolve(value);
            });
        });
        r.on('error', reject);
        r.end(data);
    });
}

// Children to end however the test ends, each by its own process group.
const children = [];
process.on('exit', () => children.forEach((child) => { try { process.kill(-child.pid); } catch (e) { /* gone */ } }));
const start = (command, args, options) => {
    const child = spawn(command, args, {detached: true, ...options});
    children.push(child);
    return child;
};

module.exports = {
    name: 'webkit',
    // GDK_SCALE takes whole numbers only.
    ratios: [1, 2],
    async launch({ratio = 1, scheme = 'light', wasm = true} = {}) {
        const xvfb = start('Xvfb', ['-displayfd', '3', '-screen', '0', '2048x1536x24', '-nolisten', 'tcp', '-noreset'],
            {stdio: ['ignore', 'ignore', 'ignore', 'pipe']});
        const display = await new Promise((resolve, reject) => {
            xvfb.stdio[3].once('data', (data) => resolve(`:${String(data).trim()}`));
            xvfb.once('exit', () => reject(new Error('Xvfb did not start')));
        });
        const port = await freePort();
        // Dark as a GTK desktop asks for it; no session bus, so no accessibility bus either.
        const driver = start('WebKitWebDriver', [`--port=${port}`], {stdio: 'ignore', env: {...process.env,
            DISPLAY: display, GDK_SCALE: String(ratio), NO_AT_BRIDGE: '1', ...(wasm ? {} : {JSC_useWasm: '0'})}});
        const call = (method, path, body) => request(port, method, path, body);
        for (let i = 0; ; ++i) {
            try {
                await call('GET', '/status');
                break;
            } catch (error) {
                if (i === 300) throw new Error(`WebKitWebDriver does not answer: ${error.message}`);
                await new Promise((resolve) => setTimeout(resolve, 100));
            }
        }
        const {sessionId} = await call('POST', '/session', {capabilities: {alwaysMatch: {
            'webkitgtk:browserOptions': {args: ['--automation', ...(scheme === 'dark' ? ['--dark-mode'] : [])]}}}});
        const at = (path) => `/session/${sessionId}${path}`;
        await call('POST', at('/window/rect'), {width: 640, height: 480});
        const actions = async (list) => {
            await call('POST', at('/actions'), {actions: list});
            await call('DELETE', at('/actions'));
        };
        const keyDown = (key) => ({type: 'keyDown', value: keys[key] || key});
        const keyUp = (key) => ({type: 'keyUp', value: keys[key] || key});
        const ended = () => {
            try { process.kill(-driver.pid); } catch (e) { /* gone */ }
            try { process.kill(-xvfb.pid); } catch (e) { /* gone */ }
        };
        return {
            lines: null, // WebDriver's classic protocol does not hear the console
            open: (url) => call('POST', at('/url'), {url}),
            async evaluate(fn, ...args) {
                const script = `const done = arguments[arguments.length - 1];
                    Promise.resolve().then(() => (${fn})(...Array.from(arguments).slice(0, -1)))
                        .then((value) => done({value}), (error) => done({error: String(error && error.stack || error)}));`;
                const result = await call('POST', at('/execute/async'), {script, args});
                if (result.error) throw new Error(`in the page: ${result.error}`);
                return result.value;
            },
            click: (x, y) => actions([{type: 'pointer', id: 'mouse', parameters: {pointerType: 'mouse'}, actions: [
                {type: 'pointerMove', x: Math.round(x), y: Math.round(y), origin: 'viewport'},
                {type: 'pointerDown', button: 0}, {type: 'pointerUp', button: 0}]}]),
            press: (key, modifiers = []) => actions([{type: 'key', id: 'keyboard', actions: [
                ...modifiers.map(keyDown), keyDown(key), keyUp(key), ...[...modifiers].reverse().map(keyUp)]}]),
            type: (text) => actions([{type: 'key', id: 'keyboard', actions: [...text].flatMap((c) => [keyDown(c), keyUp(c)])}]),
            resize: (width, height) => call('POST', at('/window/rect'), {width, height}),
            screenshot: async () => Buffer.from(await call('GET', at('/screenshot')), 'base64'),
            async close() {
                await call('DELETE', at('')).catch(() => {});
                ended();
            },
        };
    },
};
