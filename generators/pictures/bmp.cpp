#include "generators/pictures/bmp.h"

#include "generators/pictures/dib.h"

namespace pictures {

Bytes encodeBmp(const Canvas& canvas) {
    constexpr std::uint32_t offset = 14 + 40; // file header, information header, no colour table
    const int stride = rowStride(canvas.width(), 24);
    const auto pixelBytes = static_cast<std::uint32_t>(stride * canvas.height());

    Bytes out;
    out.reserve(offset + pixelBytes);
    put8(out, 'B');
    put8(out, 'M');
    put32le(out, offset + pixelBytes);
    put32le(out, 0); // reserved
    put32le(out, offset);
    putBitmapInfoHeader(out, canvas.width(), canvas.height(), 24, pixelBytes);
    for (int y = canvas.height() - 1; y >= 0; --y) {
        const std::size_t end = out.size() + static_cast<std::size_t>(stride);
        for (int x = 0; x < canvas.width(); ++x)
            putBgr(out, canvas.at(x, y));
        out.resize(end, 0);
    }
    return out;
}

} // namespace pictures
