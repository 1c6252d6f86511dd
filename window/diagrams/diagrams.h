#pragma once

#include "window/diagrams/canvas.h"
#include "window/diagrams/elements.h"
#include "window/diagrams/render.h"

#include <string_view>
#include <vector>

namespace diagrams {

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
