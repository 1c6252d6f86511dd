// The page's side that needs no program, run before it (emscripten's pre-js): text that reads in
// every scheme, also once the program has ended, and a line that says what to do where the
// program cannot load.

/* The rule for text on a background, as the desktop's (runtime/core/colours.h): the engine's own
   colour where it has a contrast of at least 4.5 to 1, else black or white, whichever reads
   better. Colours as the page computes them, rgb() or rgba(). */
var readableText = function(background, text) {
    var channels = function(css) {
        var parts = css.match(/[0-9.]+/g).map(Number);
        return parts.length > 3 ? parts : parts.concat([1]);
    };
    var luminance = function(rgb) {
        var linear = rgb.map(function(c) {
            c /= 255;
            return c <= 0.04045 ? c / 12.92 : Math.pow((c + 0.055) / 1.055, 2.4);
        });
        return 0.2126 * linear[0] + 0.7152 * linear[1] + 0.0722 * linear[2];
    };
    var contrast = function(a, b) { return (Math.max(a, b) + 0.05) / (Math.min(a, b) + 0.05); };
    var back = channels(background), front = channels(text);
    var shown = [0, 1, 2].map(function(i) { return front[i] * front[3] + back[i] * (1 - front[3]); });
    var behind = luminance(back.slice(0, 3));
    if (contrast(behind, luminance(shown)) >= 4.5) return "";
    return contrast(behind, 0) >= contrast(behind, 1) ? '#000' : '#fff';
};

/* The window's text, its fields' text and each painted label's text, chosen again on each change
   of scheme. Some engines' system colours do not pair: WebKitGTK's dark ButtonFace stays light
   grey while ButtonText turns white. */
Module.readable = function() {
    var root = document.documentElement.style;
    var probe = document.createElement('div');
    root.removeProperty('--text');
    root.removeProperty('--field-text');
    document.body.append(probe);
    var choose = function(background, text) {
        probe.style.background = background;
        probe.style.color = text;
        var style = getComputedStyle(probe);
        return readableText(style.backgroundColor, style.color);
    };
    var text = choose('ButtonFace', 'ButtonText'), field = choose('Field', 'FieldText');
    if (text) root.setProperty('--text', text);
    if (field) root.setProperty('--field-text', field);
    document.querySelectorAll('.painted').forEach(function(label) {
        label.style.color = choose(label.style.backgroundColor, 'var(--text, ButtonText)');
    });
    probe.remove();
};
if (window.matchMedia) window.matchMedia('(prefers-color-scheme: dark)').addEventListener('change', Module.readable);

/* Where the program cannot load (a page opened from disk cannot fetch it; a browser without
   WebAssembly cannot run it), one line says what to do instead of a blank page. Whatever fails
   before the window shows says so: an abort, an error, a promise that fails unheard, a fetch
   that fails (whose failure the browser may keep from the page's events: a script from disk has
   no origin). */
Module.onAbort = function() {
    if (document.querySelector('main, .unloaded')) return;
    var line = document.createElement('p');
    line.className = 'unloaded';
    line.setAttribute('role', 'alert');
    line.textContent = typeof WebAssembly == 'object'
        ? 'TVORKA1 SE ODAVDE NE MOZE UCITATI: OTVORITE DATOTEKU tvorka1.html'
        : 'OVAJ PREGLEDAC NE MOZE POKRENUTI TVORKA1: OTVORITE tvorka1.html U NOVIJEM PREGLEDACU';
    document.body.append(line);
    Module.readable();
};
window.addEventListener('error', Module.onAbort);
window.addEventListener('unhandledrejection', Module.onAbort);
if (window.fetch) {
    var fetchFirst = window.fetch;
    window.fetch = function() {
        return fetchFirst.apply(this, arguments).catch(function(error) {
            Module.onAbort();
            throw error;
        });
    };
}
