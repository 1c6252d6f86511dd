#include "generators/pictures/bmp.h"

#include "generators/pictures/bytes.h"

namespace pictures {

namespace {

constexpr std::uint32_t fileHeaderSize = 14;
constexpr std::uint32_t infoHeaderSize = 40;

} // namespace

std::vector<std::uint8_t> encodeBmp(const Canvas& canvas) {
    const auto width = static_cast<std::uint32_t>(canvas.width());
    const auto height = static_cast<std::uint32_t>(canvas.height());
    const std::uint32_t rowBytes = (width * 3 + 3) & ~3u;
    const std::uint32_t pixelBytes = rowBytes * height;
    const std::uint32_t offset = fileHeaderSize + infoHeaderSize;

    std::vector<std::uint8_t> out;
    out.reserve(offset + pixelBytes);
    out.push_back('B');
    out.push_back('M');
    put32le(out, offset + pixelBytes);
    put16le(out, 0); // reserved
    put16le(out, 0);
    put32le(out, offset);

    put32le(out, infoHeaderSize);
    put32le(out, width);
    put32le(out, height); // positive: bottom row first
    put16le(out, 1);      // planes
    put16le(out, 24);     // bits per pixel
    put32le(out, 0);      // BI_RGB
    put32le(out, pixelBytes);
    put32le(out, 0); // horizontal and vertical resolution
    put32le(out, 0);
    put32le(out, 0); // colours used and important
    put32le(out, 0);

    for (int y = canvas.height() - 1; y >= 0; --y) {
        for (int x = 0; x < canvas.width(); ++x) {
            const Rgb c = canvas.at(x, y);
            out.push_back(c.b);
            out.push_back(c.g);
            out.push_back(c.r);
        }
        out.resize(out.size() + (rowBytes - width * 3), 0);
    }
    return out;
}

} // namespace pictures
