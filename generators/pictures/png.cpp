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

std::uint32_t adler32(const Bytes& data) {
    std::uint32_t a = 1, b = 0;
    for (std::uint8_t byte : data) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

// The data as deflate's stored blocks, at most 65535 bytes each: no compressor, so no compressor's
// version can change the bytes.
void deflateStored(Bytes& out, const Bytes& data) {
    std::size_t pos = 0;
    do {
        const std::size_t len = std::min<std::size_t>(data.size() - pos, 0xFFFF);
        put8(out, pos + len == data.size() ? 1 : 0); // last block
        put16le(out, static_cast<unsigned>(len));
        put16le(out, static_cast<unsigned>(~len & 0xFFFF));
        out.insert(out.end(), data.begin() + static_cast<std::ptrdiff_t>(pos),
                   data.begin() + static_cast<std::ptrdiff_t>(pos + len));
        pos += len;
    } while (pos < data.size());
}

Bytes zlibStored(const Bytes& data) {
    Bytes out{0x78, 0x01};
    deflateStored(out, data);
    put32be(out, adler32(data));
    return out;
}

// Length, type, data and the CRC of type and data.
void putChunk(Bytes& out, const char* type, const Bytes& data) {
    put32be(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = out.size();
    for (int i = 0; i < 4; ++i)
        put8(out, static_cast<unsigned char>(type[i]));
    out.insert(out.end(), data.begin(), data.end());
    put32be(out, crc32(out, start));
}

// Scanlines top first, each after its filter byte (none), of red, green, blue and alpha.
Bytes rgbaRows(const IndexedImage& image) {
    Bytes raw;
    for (int y = 0; y < image.size; ++y) {
        put8(raw, 0);
        for (int x = 0; x < image.size; ++x) {
            const int index = image.at(x, y);
            const Rgb c =
                index == transparent ? Rgb{0, 0, 0} : image.palette[static_cast<std::size_t>(index)];
            put8(raw, c.r);
            put8(raw, c.g);
            put8(raw, c.b);
            put8(raw, index == transparent ? 0 : 255);
        }
    }
    return raw;
}

} // namespace

Bytes encodePng(const IndexedImage& image) {
    Bytes header;
    put32be(header, static_cast<std::uint32_t>(image.size));
    put32be(header, static_cast<std::uint32_t>(image.size));
    header.insert(header.end(), {8, 6, 0, 0, 0}); // 8-bit RGBA, no interlace

    Bytes out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    putChunk(out, "IHDR", header);
    putChunk(out, "IDAT", zlibStored(rgbaRows(image)));
    putChunk(out, "IEND", {});
    return out;
}

} // namespace pictures
