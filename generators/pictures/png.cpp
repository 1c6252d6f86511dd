#include "generators/pictures/png.h"

#include "generators/pictures/bytes.h"

#include <algorithm>

namespace pictures {

namespace {

std::uint32_t crc32(const Bytes& data, std::size_t from) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = from; i < data.size(); ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k)
            crc = (crc & 1) ? (crc >> 1) ^ 0xEDB88320u : crc >> 1;
    }
    return crc ^ 0xFFFFFFFFu;
}

void pngChunk(Bytes& out, const char* type, const Bytes& data) {
    put32be(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = out.size();
    for (int i = 0; i < 4; ++i)
        put8(out, static_cast<unsigned char>(type[i]));
    out.insert(out.end(), data.begin(), data.end());
    put32be(out, crc32(out, start));
}

} // namespace

Bytes encodePng(const IndexedImage& image) {
    const int n = image.size;
    Bytes raw;
    for (int y = 0; y < n; ++y) {
        put8(raw, 0); // filter: none
        for (int x = 0; x < n; ++x) {
            const int index = image.at(x, y);
            const Rgb c =
                index == transparent ? Rgb{0, 0, 0} : image.palette[static_cast<std::size_t>(index)];
            put8(raw, c.r);
            put8(raw, c.g);
            put8(raw, c.b);
            put8(raw, index == transparent ? 0 : 255);
        }
    }

    Bytes zlib{0x78, 0x01};
    std::size_t pos = 0;
    do {
        const std::size_t len = std::min<std::size_t>(raw.size() - pos, 0xFFFF);
        const bool last = pos + len == raw.size();
        put8(zlib, last ? 1 : 0);
        put16le(zlib, static_cast<unsigned>(len));
        put16le(zlib, static_cast<unsigned>(~len & 0xFFFF));
        zlib.insert(zlib.end(), raw.begin() + static_cast<std::ptrdiff_t>(pos),
                    raw.begin() + static_cast<std::ptrdiff_t>(pos + len));
        pos += len;
    } while (pos < raw.size());
    std::uint32_t a = 1, b = 0;
    for (std::uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    put32be(zlib, (b << 16) | a);

    Bytes out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes header;
    put32be(header, static_cast<std::uint32_t>(n));
    put32be(header, static_cast<std::uint32_t>(n));
    header.insert(header.end(), {8, 6, 0, 0, 0}); // 8-bit RGBA, no interlace
    pngChunk(out, "IHDR", header);
    pngChunk(out, "IDAT", zlib);
    pngChunk(out, "IEND", {});
    return out;
}

} // namespace pictures
