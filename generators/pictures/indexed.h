#pragma once

// A square image of palette indices, as icons are drawn: each pixel names a colour of its palette
// or is transparent. Rows top first.

#include "generators/pictures/canvas.h"

#include <cstddef>
#include <vector>

namespace pictures {

inline constexpr int transparent = -1;

struct IndexedImage {
    int size;
    int bits;                // 1 or 4
    std::vector<int> pixels; // palette index or transparent, top row first
    std::vector<Rgb> palette;
    int at(int x, int y) const { return pixels[static_cast<std::size_t>(y * size + x)]; }
};

// The same drawing `factor` times larger, each pixel repeated factor x factor times, so that it
// stays as crisp as the drawn rows.
IndexedImage scaled(const IndexedImage& image, int factor);

// The drawing in the middle of a larger transparent square of `size` pixels.
IndexedImage centred(const IndexedImage& image, int size);

} // namespace pictures
