#include "pictures/bmp.h"

namespace pictures {
namespace {

constexpr std::uint32_t fileHeaderSize = 14;
constexpr std::uint32_t infoHeaderSize = 40;

void put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xff));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xff));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    put16(out, value & 0xffff);
    put16(out, value >> 16);
}

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
    put32(out, offset + pixelBytes);
    put16(out, 0); // reserved
    put16(out, 0);
    put32(out, offset);

    put32(out, infoHeaderSize);
    put32(out, width);
    put32(out, height); // positive: bottom row first
    put16(out, 1);      // planes
    put16(out, 24);     // bits per pixel
    put32(out, 0);      // BI_RGB
    put32(out, pixelBytes);
    put32(out, 0); // horizontal and vertical resolution
    put32(out, 0);
    put32(out, 0); // colours used and important
    put32(out, 0);

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
