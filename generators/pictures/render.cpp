#include "generators/pictures/render.h"

#include <cstdlib>
#include <stdexcept>
#include <string>

namespace pictures {
namespace {

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};

void fill(Canvas& canvas, Box box, Role role) {
    for (int y = box.y0; y <= box.y1; ++y)
        for (int x = box.x0; x <= box.x1; ++x)
            canvas.set(x, y, colourOf(role));
}

constexpr Box shrunk(Box b, int by) {
    return {b.x0 + by, b.y0 + by, b.x1 - by, b.y1 - by};
}

// Whether the centre of pixel (x, y) lies in the ellipse inscribed in `box`; in half pixels, so that
// the test is exact integer arithmetic.
bool inEllipse(Box box, int x, int y) {
    if (box.x1 < box.x0 || box.y1 < box.y0)
        return false;
    const long long w = box.x1 - box.x0 + 1;
    const long long h = box.y1 - box.y0 + 1;
    const long long dx = 2LL * (x - box.x0) + 1 - w;
    const long long dy = 2LL * (y - box.y0) + 1 - h;
    return dx * dx * h * h + dy * dy * w * w <= w * w * h * h;
}

enum class Ellipse { Filled, Outline };

void ellipse(Canvas& canvas, Box box, Role role, Ellipse shape) {
    for (int y = box.y0; y <= box.y1; ++y) {
        for (int x = box.x0; x <= box.x1; ++x)
            if (inEllipse(box, x, y) && !(shape == Ellipse::Outline && inEllipse(shrunk(box, 1), x, y)))
                canvas.set(x, y, colourOf(role));
    }
}

void line(Canvas& canvas, Point a, Point b, Role role) {
    const int dx = std::abs(b.x - a.x);
    const int dy = -std::abs(b.y - a.y);
    const int sx = a.x < b.x ? 1 : -1;
    const int sy = a.y < b.y ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        canvas.set(a.x, a.y, colourOf(role));
        if (a.x == b.x && a.y == b.y)
            return;
        const int e2 = 2 * error;
        if (e2 >= dy) {
            error += dy;
            a.x += sx;
        }
        if (e2 <= dx) {
            error += dx;
            a.y += sy;
        }
    }
}

void panel(Canvas& canvas, Box box, int border) {
    fill(canvas, box, Role::Part);
    fill(canvas, shrunk(box, border), Role::Fill);
}

// Leads run on the middle of the body's cross-section: one pixel when it is odd, two when even.
struct Middle {
    int first, last;
};
constexpr Middle middleOf(int from, int to) {
    const int size = to - from + 1;
    return size % 2 != 0 ? Middle{from + size / 2, from + size / 2}
                         : Middle{from + size / 2 - 1, from + size / 2};
}

// Leads from `leadFrom` up to the body's near side and from its far side on to `leadTo`.
void leads(Canvas& canvas, Box body, Orientation orientation, int leadFrom, int leadTo) {
    if (orientation == Orientation::Lying) {
        const Middle rows = middleOf(body.y0, body.y1);
        fill(canvas, {leadFrom, rows.first, body.x0 - 1, rows.last}, Role::Part);
        fill(canvas, {body.x1 + 1, rows.first, leadTo, rows.last}, Role::Part);
    } else {
        const Middle columns = middleOf(body.x0, body.x1);
        fill(canvas, {columns.first, leadFrom, columns.last, body.y0 - 1}, Role::Part);
        fill(canvas, {columns.first, body.y1 + 1, columns.last, leadTo}, Role::Part);
    }
}

std::uint8_t mix(std::uint8_t from, std::uint8_t to, int step, int steps) {
    return static_cast<std::uint8_t>(from + (to - from) * step / steps);
}

void fade(Canvas& canvas, const Fade& f) {
    const Rgb a = colourOf(f.from);
    const Rgb b = colourOf(f.to);
    const int steps = f.box.x1 - f.box.x0 + 2;
    for (int x = f.box.x0; x <= f.box.x1; ++x) {
        const int step = x - f.box.x0 + 1;
        const Rgb c{mix(a.r, b.r, step, steps), mix(a.g, b.g, step, steps), mix(a.b, b.b, step, steps)};
        for (int y = f.box.y0; y <= f.box.y1; ++y)
            canvas.set(x, y, c);
    }
}

void text(Canvas& canvas, const Text& t) {
    const int width = textWidth(*t.font, t.text);
    int u = t.anchor == Anchor::End ? -(width - 1) : 0; // along the line of text
    for (char ch : t.text) {
        if (ch == ' ') {
            u += t.font->space + t.font->gap;
            continue;
        }
        const std::optional<GlyphRef> glyph = findGlyph(*t.font, ch);
        if (!glyph)
            throw std::invalid_argument(std::string("no glyph for '") + ch + "'");
        for (int v = 0; v < t.font->height; ++v) { // v: down the glyph
            for (int i = 0; i < glyph->width; ++i) {
                if (!glyph->ink(i, v))
                    continue;
                if (t.direction == Direction::Across)
                    canvas.set(t.at.x + u + i, t.at.y + v, colourOf(t.role));
                else
                    canvas.set(t.at.x + v, t.at.y - (u + i), colourOf(t.role));
            }
        }
        u += glyph->width + t.font->gap;
    }
}

} // namespace

void render(std::span<const Element> elements, Canvas& canvas) {
    for (const Element& element : elements) {
        std::visit(Overloaded{
                       [&](const Bar& b) { fill(canvas, b.box, b.role); },
                       [&](const Fade& f) { fade(canvas, f); },
                       [&](const Disc& d) { ellipse(canvas, d.box, d.role, Ellipse::Filled); },
                       [&](const Ring& r) { ellipse(canvas, r.box, r.role, Ellipse::Outline); },
                       [&](const Panel& p) { panel(canvas, p.box, p.border); },
                       [&](const Resistor& r) {
                           panel(canvas, r.body, 2);
                           leads(canvas, r.body, orientation(r), r.leadFrom, r.leadTo);
                       },
                       [&](const Capacitor& c) {
                           fill(canvas, c.plateA, Role::Part);
                           fill(canvas, c.plateB, Role::Part);
                           // The gap between the plates stands for the body; leads meet its outer sides.
                           const Box body{c.plateA.x0, c.plateA.y0, c.plateB.x1, c.plateB.y1};
                           leads(canvas, body, orientation(c), c.leadFrom, c.leadTo);
                       },
                       [&](const SupplyTerminal& s) {
                           fill(canvas, {s.apex.x - 5, s.baseRow, s.apex.x + 5, s.baseRow + 1}, Role::Wire);
                           line(canvas, s.apex, {s.apex.x - 5, s.baseRow}, Role::Wire);
                           line(canvas, s.apex, {s.apex.x + 5, s.baseRow}, Role::Wire);
                       },
                       [&](const Text& t) { text(canvas, t); },
                   },
                   element);
    }
}

Element moved(const Element& element, Point by) {
    return std::visit(Overloaded{
                          [&](Bar b) -> Element {
                              return Bar{moved(b.box, by), b.role};
                          },
                          [&](Fade f) -> Element {
                              return Fade{moved(f.box, by), f.from, f.to};
                          },
                          [&](Disc d) -> Element {
                              return Disc{moved(d.box, by), d.role};
                          },
                          [&](Ring r) -> Element {
                              return Ring{moved(r.box, by), r.role};
                          },
                          [&](Panel p) -> Element {
                              return Panel{moved(p.box, by), p.border};
                          },
                          [&](Resistor r) -> Element {
                              const int along = orientation(r) == Orientation::Lying ? by.x : by.y;
                              return Resistor{moved(r.body, by), r.leadFrom + along, r.leadTo + along};
                          },
                          [&](Capacitor c) -> Element {
                              const int along = orientation(c) == Orientation::Lying ? by.x : by.y;
                              return Capacitor{moved(c.plateA, by), moved(c.plateB, by), c.leadFrom + along,
                                               c.leadTo + along};
                          },
                          [&](SupplyTerminal s) -> Element {
                              return SupplyTerminal{moved(s.apex, by), s.baseRow + by.y};
                          },
                          [&](Text t) -> Element {
                              t.at = moved(t.at, by);
                              return t;
                          },
                      },
                      element);
}

} // namespace pictures
