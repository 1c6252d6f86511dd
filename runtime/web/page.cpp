// The page's side of the runtime, in JavaScript beside the C++ that calls it. Each body runs in
// the page; they share Module.page: the elements by handle, and whether the program has ended.

#include "runtime/web/page.h"

#include <cstdlib>
#include <emscripten/emscripten.h>
#include <string>
#include <vector>

namespace {

std::vector<std::function<void()>>& callbacks() {
    static std::vector<std::function<void()>> list;
    return list;
}

int keep(std::function<void()> callback) {
    callbacks().push_back(std::move(callback));
    return static_cast<int>(callbacks().size() - 1);
}

} // namespace

// The page calls back through here; only the page's own events do.
extern "C" EMSCRIPTEN_KEEPALIVE void tvorka1_callback(int id) {
    callbacks().at(static_cast<std::size_t>(id))();
}

// clang-format off
EM_JS(void, tvorka1_page_open, (), {
    if (Module.page) return;
    var page = Module.page = {nodes: [null], ended: false, fitting: []};
    var decoder = new TextDecoder();
    page.text = function(pointer, length) { return decoder.decode(HEAPU8.subarray(pointer, pointer + length)); };
    page.add = function(record) { page.nodes.push(record); return page.nodes.length - 1; };
    page.place = function(element, left, top, width, height) {
        var style = element.style;
        style.left = left + 'px'; style.top = top + 'px';
        style.width = width + 'px'; style.height = height + 'px';
        return element;
    };
    page.make = function(tag, className, id) {
        var element = document.createElement(tag);
        if (className) element.className = className;
        if (id) element.id = id;
        return element;
    };
    page.field = function(id, text) {
        var input = page.make('input', "", id);
        input.type = 'text';
        input.value = text;
        input.autocomplete = 'off';
        input.spellcheck = false;
        return input;
    };
    /* Into the program, unless it has ended. Its end (exit) unwinds to here, where it stops. */
    page.call = function(id) {
        if (page.ended) return;
        try { _tvorka1_callback(id); } catch (e) {
            if (!(e === 'unwind' || (e && e.name === 'ExitStatus'))) throw e;
        }
    };
});

EM_JS(int, tvorka1_page_window, (const char* title, int titleLength, int width, int height, double points), {
    var page = Module.page;
    document.title = page.text(title, titleLength);
    var form = page.place(page.make('main', 'form'), 0, 0, width, height);
    form.style.fontSize = points + 'pt';
    form.hidden = true;
    document.body.prepend(form);
    /* A screen narrower than the window (a phone) shows all of it: the page asks for the window's
       width, which the browser fits to the screen. Elsewhere the page keeps its scale of 1. */
    var viewport = document.querySelector('meta[name=viewport]');
    if (viewport && screen.width < width) viewport.content = 'width=' + width;
    return page.add({outer: form, inner: form, window: null, group: null});
});

EM_JS(int, tvorka1_page_control, (int kind, int window, const char* id, int idLength, const char* text,
                                  int textLength, int left, int top, int width, int height), {
    var page = Module.page;
    var form = page.nodes[window].outer;
    id = page.text(id, idLength);
    text = page.text(text, textLength);
    var outer, inner;
    if (kind === 0) {
        outer = inner = page.make('div', 'label', id);
        outer.textContent = text;
    } else if (kind === 1) {
        outer = inner = page.field(id, text);
    } else if (kind === 2) {
        /* An editable combo box: a field that owns a list, and a button that opens it. */
        outer = page.make('div', 'combo', id);
        inner = page.field(id + '-field', text);
        var list = page.make('div', 'list', id + '-list');
        var button = page.make('button', "", "");
        inner.setAttribute('role', 'combobox');
        inner.setAttribute('aria-autocomplete', 'none');
        inner.setAttribute('aria-controls', list.id);
        inner.setAttribute('aria-expanded', 'false');
        button.type = 'button';
        button.tabIndex = -1;
        button.setAttribute('aria-controls', list.id);
        button.setAttribute('aria-expanded', 'false');
        list.setAttribute('role', 'listbox');
        list.hidden = true;
        var open = function(shown) {
            list.hidden = !shown;
            inner.setAttribute('aria-expanded', String(shown));
            button.setAttribute('aria-expanded', String(shown));
        };
        button.addEventListener('mousedown', function(event) {
            event.preventDefault(); /* the focus stays in the field */
            inner.focus();
            open(list.hidden);
        });
        inner.addEventListener('keydown', function(event) {
            var key = event.key;
            if (key === 'F4' || ((key === 'ArrowDown' || key === 'ArrowUp') && event.altKey)) {
                open(list.hidden && !(key === 'ArrowUp'));
            } else if (key === 'Escape' || key === 'Enter') {
                if (list.hidden) return;
                open(false);
            } else {
                return;
            }
            event.preventDefault();
        });
        inner.addEventListener('blur', function() { open(false); });
        outer.append(inner, button, list);
        inner.controls = [button, list];
    } else if (kind === 3) {
        /* Option buttons: radio inputs of the window's one group, each inside its caption. */
        if (!form.group) {
            form.group = page.make('div', 'group', "");
            form.group.setAttribute('role', 'radiogroup');
        }
        outer = page.make('label', 'option', id);
        inner = page.make('input', "", id + '-button');
        inner.type = 'radio';
        inner.name = 'options';
        outer.append(inner, text);
        form.group.append(outer);
    }
    page.place(outer, left, top, width, height);
    if (kind !== 3) form.append(outer);
    return page.add({outer: outer, inner: inner, window: form, group: kind === 3 ? form.group : null});
});

EM_JS(void, tvorka1_page_fit, (int node), { Module.page.fitting.push(Module.page.nodes[node].outer); });

EM_JS(int, tvorka1_page_picture, (int window, const char* id, int idLength, const char* name, int nameLength,
                                  const char* description, int descriptionLength, int left, int top, int width,
                                  int height, const std::uint32_t* runs, int pictureWidth, int pictureHeight), {
    var page = Module.page;
    var box = page.place(page.make('div', 'picture', page.text(id, idLength)), left, top, width, height);
    box.setAttribute('role', 'img');
    box.setAttribute('aria-label', page.text(name, nameLength));
    box.setAttribute('aria-description', page.text(description, descriptionLength));
    var canvas = page.make('canvas', "", "");
    box.append(canvas);
    /* Runs of opaque 0xAARRGGBB to a canvas's R, G, B, A bytes, which a little-endian word holds
       as 0xAABBGGRR. Made when first drawn: a hidden diagram costs nothing at start. */
    var image = null;
    var picture = function() {
        var total = pictureWidth * pictureHeight;
        var words = HEAPU32.subarray(runs >> 2);
        var rgba = new Uint32Array(total);
        for (var at = 0, w = 0; at < total && words[w]; w += 2) {
            var argb = words[w + 1];
            rgba.fill(0xFF000000 | (argb & 0xFF) << 16 | (argb & 0xFF00) | (argb >> 16 & 0xFF), at, at + words[w]);
            at += words[w];
        }
        return new ImageData(new Uint8ClampedArray(rgba.buffer), pictureWidth, pictureHeight);
    };
    /* The canvas has as many pixels as the device gives the box's inside, and the picture lies on
       them 1:1 from the top left, cut where the inside ends. Where the browser does not say how many
       (WebKit), they lie between its edges, each rounded to the device's pixels as it draws them. */
    var draw = function(entries) {
        var size = entries[0].devicePixelContentBoxSize && entries[0].devicePixelContentBoxSize[0];
        if (size) {
            canvas.width = size.inlineSize;
            canvas.height = size.blockSize;
        } else {
            var box = canvas.getBoundingClientRect();
            var between = function(from, to) { return Math.round(to * devicePixelRatio) - Math.round(from * devicePixelRatio); };
            canvas.width = between(box.left + scrollX, box.right + scrollX);
            canvas.height = between(box.top + scrollY, box.bottom + scrollY);
        }
        if (canvas.width === 0 || canvas.height === 0) return;
        image = image || picture();
        canvas.getContext('2d').putImageData(image, 0, 0);
    };
    var observer = new ResizeObserver(draw);
    try { observer.observe(canvas, {box: 'device-pixel-content-box'}); } catch (e) { observer.observe(canvas); }
    page.nodes[window].outer.append(box);
    return page.add({outer: box, inner: box, window: page.nodes[window].outer, group: null});
});

EM_JS(void, tvorka1_page_show, (int node), {
    Module.readable();
    Module.page.nodes[node].outer.hidden = false;
    /* A caption wider than its label takes a smaller size, in half points down to 6; measured once
       the window shows, all in one layout. */
    Module.page.fitting.forEach(function(label) {
        var points = parseFloat(getComputedStyle(label).fontSize) * 0.75;
        while (points > 6 && label.scrollWidth > label.clientWidth) {
            points -= 0.5;
            label.style.fontSize = points + 'pt';
        }
    });
    Module.page.fitting = [];
});

EM_JS(int, tvorka1_page_exists, (int node), {
    var record = Module.page.nodes[node];
    return record && record.outer.isConnected ? 1 : 0;
});

EM_JS(int, tvorka1_page_checked, (int node), { return Module.page.nodes[node].inner.checked ? 1 : 0; });

EM_JS(void, tvorka1_page_set_checked, (int node, int checked), {
    Module.page.nodes[node].inner.checked = !!checked;
});

EM_JS(void, tvorka1_page_set_hidden, (int node, int hidden), { Module.page.nodes[node].outer.hidden = !!hidden; });

EM_JS(void, tvorka1_page_label_by, (int control, int label), {
    var inner = Module.page.nodes[control].inner;
    var id = Module.page.nodes[label].outer.id;
    [inner].concat(inner.controls || []).forEach(function(element) { element.setAttribute('aria-labelledby', id); });
});

EM_JS(void, tvorka1_page_order, (const int* nodes, int count), {
    var page = Module.page;
    for (var i = 0; i < count; ++i) {
        var record = page.nodes[HEAP32[(nodes >> 2) + i]];
        if (record.group) record.window.append(record.group);
        (record.group || record.window).append(record.outer);
    }
});

EM_JS(void, tvorka1_page_focus_first, (const int* nodes, int count), {
    var page = Module.page;
    for (var i = 0; i < count; ++i) {
        var inner = page.nodes[HEAP32[(nodes >> 2) + i]].inner;
        if (inner.type === 'radio' && !inner.checked && document.querySelector('input[type=radio]:checked')) continue; /* Tab reaches the selected one */
        inner.focus();
        if (document.activeElement === inner) return;
    }
});

EM_JS(void, tvorka1_page_on_selected, (int node, int callback), {
    var page = Module.page;
    var input = page.nodes[node].inner;
    input.addEventListener('change', function() { if (input.checked) page.call(callback); });
});

EM_JS(void, tvorka1_page_paint_background, (int node, const char* colour, int colourLength), {
    var label = Module.page.nodes[node].outer;
    label.classList.add('painted'); /* its text: Module.readable */
    label.style.backgroundColor = Module.page.text(colour, colourLength);
});

EM_JS(void, tvorka1_page_show_error, (const char* title, int titleLength, const char* text, int textLength), {
    var page = Module.page;
    page.ended = true;
    title = page.text(title, titleLength);
    document.querySelectorAll('main').forEach(function(form) { form.inert = true; });
    var dialog = page.make('dialog', 'error', "");
    var heading = page.make('h1', "", 'error-title');
    var message = page.make('p', "", 'error-text');
    var buttons = page.make('form', "", "");
    var ok = page.make('button', "", "");
    dialog.lang = 'en';
    dialog.setAttribute('aria-labelledby', heading.id);
    dialog.setAttribute('aria-describedby', message.id);
    heading.textContent = title;
    message.textContent = page.text(text, textLength);
    buttons.method = 'dialog';
    ok.textContent = 'OK';
    ok.autofocus = true; /* as the desktop's report, which Enter closes */
    buttons.append(ok);
    dialog.append(heading, message, buttons);
    dialog.addEventListener('close', function() {
        var ended = page.make('p', 'ended', "");
        ended.lang = 'en';
        ended.setAttribute('role', 'status');
        ended.textContent = title + ' has ended. Reload the page to start it again.';
        document.body.append(ended);
    });
    document.body.append(dialog);
    dialog.showModal();
});
// clang-format on

namespace runtime::web::page {

namespace {

enum Kind { labelKind, textKind, comboKind, optionKind };

Node control(Kind kind, Node window, std::string_view id, std::string_view text, Box b) {
    return tvorka1_page_control(kind, window, id.data(), int(id.size()), text.data(), int(text.size()),
                                b.left, b.top, b.width, b.height);
}

} // namespace

Node window(std::string_view title, Box client, double fontPoints) {
    tvorka1_page_open();
    return tvorka1_page_window(title.data(), int(title.size()), client.width, client.height, fontPoints);
}

Node label(Node window, std::string_view id, std::string_view caption, Box box) {
    const Node node = control(labelKind, window, id, caption, box);
    tvorka1_page_fit(node);
    return node;
}

Node textBox(Node window, std::string_view id, std::string_view text, Box box) {
    return control(textKind, window, id, text, box);
}

Node comboBox(Node window, std::string_view id, std::string_view text, Box box) {
    return control(comboKind, window, id, text, box);
}

Node optionButton(Node window, std::string_view id, std::string_view caption, Box box) {
    return control(optionKind, window, id, caption, box);
}

Node pictureBox(Node window, std::string_view id, std::string_view name, std::string_view description, Box b,
                const Pixels& picture) {
    // The browser's build stores every picture as runs (cmake/ready_pixels.cmake).
    if (picture.data && picture.format != PixelFormat::Rgb32Runs)
        std::abort();
    return tvorka1_page_picture(window, id.data(), int(id.size()), name.data(), int(name.size()),
                                description.data(), int(description.size()), b.left, b.top, b.width, b.height,
                                picture.data, picture.width, picture.height);
}

void show(Node window) {
    tvorka1_page_show(window);
}

bool exists(Node node) {
    return tvorka1_page_exists(node) != 0;
}

bool checked(Node node) {
    return tvorka1_page_checked(node) != 0;
}

void setChecked(Node node, bool checked) {
    tvorka1_page_set_checked(node, checked);
}

void setHidden(Node node, bool hidden) {
    tvorka1_page_set_hidden(node, hidden);
}

void labelBy(Node control, Node label) {
    tvorka1_page_label_by(control, label);
}

void order(std::span<const Node> nodes) {
    tvorka1_page_order(nodes.data(), int(nodes.size()));
}

void focusFirst(std::span<const Node> nodes) {
    tvorka1_page_focus_first(nodes.data(), int(nodes.size()));
}

void onSelected(Node option, std::function<void()> selected) {
    tvorka1_page_on_selected(option, keep(std::move(selected)));
}

void paintBackground(Node label, std::string_view cssColour) {
    tvorka1_page_paint_background(label, cssColour.data(), int(cssColour.size()));
}

void showError(std::string_view title, std::string_view text) {
    tvorka1_page_open();
    tvorka1_page_show_error(title.data(), int(title.size()), text.data(), int(text.size()));
}

} // namespace runtime::web::page
