#include "generators/pictures/ico.h"

#include "generators/pictures/dib.h"

namespace pictures {

namespace {

// Rows bottom first, `bits` to a pixel packed from the high end of each byte.
template <class Value>
void putPackedRows(Bytes& out, int size, int bits, Value value) {
    const int perByte = 8 / bits;
    for (int y = size - 1; y >= 0; --y) {
        Bytes row(static_cast<std::size_t>(rowStride(size, bits)), 0);
        for (int x = 0; x < size; ++x)
            row[static_cast<std::size_t>(x / perByte)] |=
                static_cast<std::uint8_t>(value(x, y) << (8 - bits * (x % perByte + 1)));
        out.insert(out.end(), row.begin(), row.end());
    }
}

// The image as an icon directory entry points at it: information header, palette, the colour
// (XOR) rows and the transparency (AND) mask.
Bytes dib(const IndexedImage& image) {
    const int n = image.size;
    const auto imageBytes = static_cast<std::uint32_t>((rowStride(n, image.bits) + rowStride(n, 1)) * n);

    Bytes out;
    putBitmapInfoHeader(out, n, 2 * n, image.bits, imageBytes); // both halves count in the height
    for (Rgb c : image.palette) {
        putBgr(out, c);
        put8(out, 0);
    }
    putPackedRows(out, n, image.bits,
                  [&](int x, int y) { return image.at(x, y) == transparent ? 0 : image.at(x, y); });
    putPackedRows(out, n, 1, [&](int x, int y) { return image.at(x, y) == transparent ? 1 : 0; });
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
