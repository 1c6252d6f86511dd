#include "generators/pictures/ico.h"

#include "generators/pictures/bytes.h"

namespace pictures {

namespace {

// Rows of a DIB are padded to whole 32-bit words.
int strideOf(int width, int bits) {
    return (width * bits + 31) / 32 * 4;
}

// A BITMAPINFOHEADER, palette, XOR bits and AND mask, rows bottom-up, as an
// icon directory entry points at.
Bytes dib(const IndexedImage& image) {
    const int n = image.size;
    const int xorStride = strideOf(n, image.bits);
    const int andStride = strideOf(n, 1);
    const auto imageBytes = static_cast<std::uint32_t>((xorStride + andStride) * n);

    Bytes out;
    put32le(out, 40);
    put32le(out, static_cast<std::uint32_t>(n));
    put32le(out, static_cast<std::uint32_t>(2 * n)); // XOR and AND halves
    put16le(out, 1);
    put16le(out, static_cast<unsigned>(image.bits));
    put32le(out, 0); // BI_RGB
    put32le(out, imageBytes);
    put32le(out, 0);
    put32le(out, 0);
    put32le(out, 0);
    put32le(out, 0);
    for (Rgb c : image.palette) {
        put8(out, c.b);
        put8(out, c.g);
        put8(out, c.r);
        put8(out, 0);
    }

    const int perByte = 8 / image.bits;
    for (int y = n - 1; y >= 0; --y) {
        Bytes row(static_cast<std::size_t>(xorStride), 0);
        for (int x = 0; x < n; ++x) {
            const int index = image.at(x, y) == transparent ? 0 : image.at(x, y);
            const int shift = 8 - image.bits * (x % perByte + 1);
            row[static_cast<std::size_t>(x / perByte)] |= static_cast<std::uint8_t>(index << shift);
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    for (int y = n - 1; y >= 0; --y) {
        Bytes row(static_cast<std::size_t>(andStride), 0);
        for (int x = 0; x < n; ++x)
            if (image.at(x, y) == transparent)
                row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

} // namespace

Bytes encodeIco(const std::vector<IndexedImage>& images) {
    std::vector<Bytes> dibs;
    for (const IndexedImage& image : images)
        dibs.push_back(dib(image));

    Bytes out;
    put16le(out, 0);
    put16le(out, 1); // icon, not cursor
    put16le(out, static_cast<unsigned>(images.size()));
    auto offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        put8(out, static_cast<unsigned>(images[i].size));
        put8(out, static_cast<unsigned>(images[i].size));
        put8(out, static_cast<unsigned>(images[i].palette.size()));
        put8(out, 0);
        put16le(out, 1);
        put16le(out, static_cast<unsigned>(images[i].bits));
        put32le(out, static_cast<std::uint32_t>(dibs[i].size()));
        put32le(out, offset);
        offset += static_cast<std::uint32_t>(dibs[i].size());
    }
    for (const Bytes& d : dibs)
        out.insert(out.end(), d.begin(), d.end());
    return out;
}

} // namespace pictures
