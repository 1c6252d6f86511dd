#pragma once

#include "generators/pictures/indexed.h"

#include <cstdint>
#include <vector>

namespace pictures {

// An RGBA PNG with the pixel data in stored (uncompressed) deflate blocks: a few kilobytes at
// most, and no dependence on a compressor's version.
std::vector<std::uint8_t> encodePng(const IndexedImage& image);

} // namespace pictures
