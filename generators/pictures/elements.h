#pragma once

#include "generators/pictures/canvas.h"
#include "generators/pictures/font.h"

#include <algorithm>
#include <string_view>
#include <variant>

namespace pictures {

struct Point {
    int x, y;
};

// Both corners are drawn: a Box from (3, 5) to (3, 9) is one pixel wide and five high.
struct Box {
    int x0, y0, x1, y1;
};

struct Bar { // filled rectangle: wires, stubs, leads, plates, ground bars, dashes, the rule
    Box box;
    Role role;
};
struct Fade { // colour ramp along x, where a dark-red stub turns into a green wire
    Box box;
    Role from, to;
};
struct Disc { // filled ellipse inside its box: junction and terminal dots, the knob
    Box box;
    Role role;
};
struct Ring { // one pixel thick ellipse outline inside its box
    Box box;
    Role role;
};
struct Panel { // grey inside a dark-red border `border` pixels thick: the timer's body
    Box box;
    int border;
};
struct Resistor { // a Panel with a 2-pixel border, lying when wider than high, leads out to from/to
    Box body;
    int leadFrom, leadTo;
};
struct Capacitor { // two plates on the line through their middle, leads out to from/to
    Box plateA, plateB;
    int leadFrom, leadTo;
};
struct SupplyTerminal { // open triangle, apex up, its base two rows thick and 11 pixels wide
    Point apex;
    int baseRow;
};

enum class Direction : std::uint8_t { Across, Up };
enum class Anchor : std::uint8_t { Start, End };

// Across: `at` is the top-left of the first glyph (Anchor::End: x is the text's last column).
// Up: the text is turned a quarter left to read upward; `at` is its left column and its bottom row.
struct Text {
    std::string_view text;
    const Font* font;
    Point at;
    Role role;
    Direction direction = Direction::Across;
    Anchor anchor = Anchor::Start;
};

using Element = std::variant<Bar, Fade, Disc, Ring, Panel, Resistor, Capacitor, SupplyTerminal, Text>;

// The pictures are written as a reader of the schematic would say them:
// "rows 61-62 from x 160 to 199", "x 260 from y 62 down to 163", "a dot at (260, 142)".
constexpr Bar hbar(Role role, int top, int bottom, int from, int to) {
    return {{std::min(from, to), top, std::max(from, to), bottom}, role};
}
constexpr Bar vbar(Role role, int x, int from, int to) {
    return {{x, std::min(from, to), x, std::max(from, to)}, role};
}
constexpr Bar hwire(int top, int bottom, int from, int to) {
    return hbar(Role::Wire, top, bottom, from, to);
}
constexpr Bar vwire(int x, int from, int to) {
    return vbar(Role::Wire, x, from, to);
}
constexpr Disc dot(int x, int y) {
    return {{x - 2, y - 2, x + 2, y + 2}, Role::Wire};
}

// A resistor lies when its body is wider than high; a capacitor lies when its plates stand upright.
enum class Orientation { Lying, Standing };

constexpr Orientation orientation(const Resistor& r) {
    return r.body.x1 - r.body.x0 > r.body.y1 - r.body.y0 ? Orientation::Lying : Orientation::Standing;
}
constexpr Orientation orientation(const Capacitor& c) {
    return c.plateA.x1 - c.plateA.x0 < c.plateA.y1 - c.plateA.y0 ? Orientation::Lying : Orientation::Standing;
}

constexpr Box moved(Box b, Point by) {
    return {b.x0 + by.x, b.y0 + by.y, b.x1 + by.x, b.y1 + by.y};
}
constexpr Point moved(Point p, Point by) {
    return {p.x + by.x, p.y + by.y};
}

// The same element, `by` pixels further right and down.
Element moved(const Element& element, Point by);

} // namespace pictures
