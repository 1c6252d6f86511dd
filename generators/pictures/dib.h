#pragma once

// The pieces of a device-independent bitmap that BMP files and the images inside ICO files share.

#include "generators/pictures/bytes.h"
#include "generators/pictures/canvas.h"

namespace pictures {

// Bytes in one row of pixels: rows are padded with zeros to whole 32-bit words.
constexpr int rowStride(int width, int bits) {
    return (width * bits + 31) / 32 * 4;
}

// Colours are stored blue first.
inline void putBgr(Bytes& out, Rgb c) {
    put8(out, c.b);
    put8(out, c.g);
    put8(out, c.r);
}

// The 40-byte information header of uncompressed pixels. Resolution and colour counts are 0, so the
// bytes depend on the pixels alone; a positive height stores the bottom row first.
inline void putBitmapInfoHeader(Bytes& out, int width, int height, int bits, std::uint32_t imageBytes) {
    put32le(out, 40);
    put32le(out, static_cast<std::uint32_t>(width));
    put32le(out, static_cast<std::uint32_t>(height));
    put16le(out, 1); // planes
    put16le(out, static_cast<unsigned>(bits));
    put32le(out, 0); // BI_RGB
    put32le(out, imageBytes);
    put32le(out, 0); // horizontal and vertical resolution
    put32le(out, 0);
    put32le(out, 0); // colours used and important
    put32le(out, 0);
}

} // namespace pictures
