#pragma once

#include "generators/pictures/indexed.h"

#include <cstdint>
#include <vector>

namespace pictures {

// A scalable picture of the image: one rectangle per run of equal pixels in a row, on the image's
// own pixel grid, so it is the drawing itself at any size.
std::vector<std::uint8_t> encodeSvg(const IndexedImage& image);

} // namespace pictures
