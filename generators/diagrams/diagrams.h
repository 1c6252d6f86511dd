#pragma once

#include "generators/diagrams/glyphs.h"
#include "generators/pictures/canvas.h"
#include "generators/pictures/elements.h"
#include "generators/pictures/render.h"

#include <string_view>
#include <vector>

namespace diagrams {

// The element lists are written in the schematic vocabulary of the picture library.
using namespace pictures;

struct Diagram {
    std::string_view fileName;
    int width, height;
    std::vector<Element> elements;
};

// The NE555 with its stubs, pin names and numbers, as the monostable picture has it; `by` moves the
// whole block and `name` is its part name.
std::vector<Element> timerBlock(Point by, std::string_view name);

Diagram monostable();
Diagram astable();

inline Canvas draw(const Diagram& diagram) {
    Canvas canvas(diagram.width, diagram.height);
    render(diagram.elements, canvas);
    return canvas;
}

} // namespace diagrams
