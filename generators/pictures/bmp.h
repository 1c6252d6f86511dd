#pragma once

#include "generators/pictures/canvas.h"

#include <cstdint>
#include <vector>

namespace pictures {

// The whole file of a 24-bit uncompressed BMP: 14-byte file header, 40-byte information header, no
// colour table, rows bottom first in blue-green-red order, each padded with zeros to a multiple of four
// bytes. Resolution and colour counts are 0, so the bytes depend on the pixels alone.
std::vector<std::uint8_t> encodeBmp(const Canvas& canvas);

} // namespace pictures
