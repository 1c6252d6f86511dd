#pragma once

#include "window/diagrams/canvas.h"
#include "window/diagrams/elements.h"

#include <span>

namespace diagrams {

// Plots the elements in order, later ones over earlier ones. Throws std::invalid_argument for a
// character the text's font does not have, so a missing glyph cannot slip into a picture.
void render(std::span<const Element> elements, Canvas& canvas);

} // namespace diagrams
