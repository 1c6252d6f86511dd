#pragma once

#include "generators/pictures/canvas.h"
#include "generators/pictures/elements.h"

#include <span>

namespace pictures {

// Plots the elements in order, later ones over earlier ones. Throws std::invalid_argument for a
// character the text's font does not have, so a missing glyph cannot slip into a picture.
void render(std::span<const Element> elements, Canvas& canvas);

} // namespace pictures
