// Draws the program's icon from the pixel rows below and writes it as
// tvorka1.ico (32x32 two-colour, 32x32 16-colour, 16x16 16-colour) plus
// the hicolor theme: tvorka1-N.png for N = 16, 22, 24, 32, 48, 64, 128, 256
// and tvorka1.svg.
//
// Everything is written byte by byte here (no image library, no zlib) so the
// committed files come out identical on every machine.
//
// Usage: tvorka1_icongen <output directory>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

// A white window seen at an angle (its right side further away), cyan title
// bar, grey arrowhead over the lower right corner.
//   '.' transparent   '#' black   'c' cyan   'w' white   'g' grey
constexpr std::array<std::string_view, 32> art32 = {
    "................................", //
    "................................", //
    "................................", //
    "..###...........................", //
    "..#cc####.......................", //
    "..#cccccc####...................", //
    "..#cccccccccc#####..............", //
    "..#ccccccccccccccc####..........", //
    "..#ccccccccccccccccccc###.......", //
    "..####cccccccccccccccccc#.......", //
    "..#www########cccccccccc#.......", //
    "..#wwwwwwwwwww#######ccc#.......", //
    "..#wwwwwwwwwwwwwwwwww####.......", //
    "..#wwwwwwwwwwwwwwwwwwwww#.......", //
    "..#wwwwwwwwwwwwwwwwwwwww#.......", //
    "..#wwwwwwwwwwwwwwwwwwwww#.......", //
    "..#wwwwwwwwwwwwwwwwww#ww#.......", //
    "..#wwwwwwwwwwwwwwwwww##w#.......", //
    "..#wwwwwwwwwwwwwwwwww#g##.......", //
    "..#wwwwwwwwwwwwwwwwww#gg#.......", //
    "..#wwwwwwwwwwwwwwwwww#ggg#......", //
    "..#wwwwwwwwwwwwwwwwww#gggg#.....", //
    "..#wwwwwwwwwwwwwwwwww#ggggg#....", //
    "..#wwwwwwwwwwwwwwww###gg####....", //
    "..#wwwwwwwwwwww####..#g#........", //
    "..#wwwwwwwww###......##.........", //
    "..#wwwww####.........#..........", //
    "..#w####........................", //
    "..##............................", //
    "................................", //
    "................................", //
    "................................", //
};

constexpr std::array<std::string_view, 16> art16 = {
    "................", //
    ".###............", //
    ".#cc#####.......", //
    ".#ccccccc###....", //
    ".#ccccccccc#....", //
    ".#####ccccc#....", //
    ".#wwww######....", //
    ".#wwwwwwww##....", //
    ".#wwwwwwww##....", //
    ".#wwwwwwww#g#...", //
    ".#wwwwwwww#gg#..", //
    ".#wwwwwwww#ggg#.", //
    ".#wwww#####g###.", //
    ".#w###....##....", //
    ".##.......#.....", //
    "................", //
};

struct Rgb {
    std::uint8_t r, g, b;
};

// The classic 16-colour palette, in its usual order.
constexpr std::array<Rgb, 16> palette16 = {{
    {0x00, 0x00, 0x00},
    {0x80, 0x00, 0x00},
    {0x00, 0x80, 0x00},
    {0x80, 0x80, 0x00},
    {0x00, 0x00, 0x80},
    {0x80, 0x00, 0x80},
    {0x00, 0x80, 0x80},
    {0xC0, 0xC0, 0xC0},
    {0x80, 0x80, 0x80},
    {0xFF, 0x00, 0x00},
    {0x00, 0xFF, 0x00},
    {0xFF, 0xFF, 0x00},
    {0x00, 0x00, 0xFF},
    {0xFF, 0x00, 0xFF},
    {0x00, 0xFF, 0xFF},
    {0xFF, 0xFF, 0xFF},
}};
constexpr std::array<Rgb, 2> palette2 = {{{0x00, 0x00, 0x00}, {0xFF, 0xFF, 0xFF}}};

constexpr int transparent = -1;

// Palette index of one art character in the 16-colour palette.
int index16(char c) {
    switch (c) {
    case '#':
        return 0;
    case 'g':
        return 8;
    case 'c':
        return 14;
    case 'w':
        return 15;
    default:
        return transparent;
    }
}

// The two-colour image keeps the shapes: the title bar goes black so it still
// stands apart from the white client area, the arrowhead goes white inside its
// black outline.
int index2(char c) {
    switch (c) {
    case '#':
    case 'c':
        return 0;
    case 'w':
    case 'g':
        return 1;
    default:
        return transparent;
    }
}

struct Image {
    int size;
    int bits;                // 1 or 4
    std::vector<int> pixels; // palette index or transparent, top row first
    std::vector<Rgb> palette;
    int at(int x, int y) const { return pixels[static_cast<std::size_t>(y * size + x)]; }
};

template <std::size_t N>
Image makeImage(const std::array<std::string_view, N>& art, int bits) {
    Image image{static_cast<int>(N), bits, {}, {}};
    if (bits == 1)
        image.palette.assign(palette2.begin(), palette2.end());
    else
        image.palette.assign(palette16.begin(), palette16.end());
    for (std::string_view row : art)
        for (char c : row)
            image.pixels.push_back(bits == 1 ? index2(c) : index16(c));
    return image;
}

using Bytes = std::vector<std::uint8_t>;

void put8(Bytes& out, unsigned v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
}
void put16le(Bytes& out, unsigned v) {
    put8(out, v);
    put8(out, v >> 8);
}
void put32le(Bytes& out, std::uint32_t v) {
    put16le(out, v & 0xFFFF);
    put16le(out, v >> 16);
}
void put32be(Bytes& out, std::uint32_t v) {
    put8(out, v >> 24);
    put8(out, v >> 16);
    put8(out, v >> 8);
    put8(out, v);
}

// Rows of a DIB are padded to whole 32-bit words.
int strideOf(int width, int bits) {
    return (width * bits + 31) / 32 * 4;
}

// A BITMAPINFOHEADER, palette, XOR bits and AND mask, rows bottom-up, as an
// icon directory entry points at.
Bytes dib(const Image& image) {
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

Bytes ico(const std::vector<Image>& images) {
    std::vector<Bytes> dibs;
    for (const Image& image : images)
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

// RGBA PNG with the pixel data in stored (uncompressed) deflate blocks: a few
// kilobytes at most, and no dependence on a compressor's version.
Bytes png(const Image& image) {
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

// The larger theme sizes repeat each pixel factor x factor times, so they
// stay as crisp as the drawn rows.
Image scaled(const Image& image, int factor) {
    Image out{image.size * factor, image.bits, {}, image.palette};
    for (int y = 0; y < out.size; ++y)
        for (int x = 0; x < out.size; ++x)
            out.pixels.push_back(image.at(x / factor, y / factor));
    return out;
}

// 22 and 24 are too close to 16 to scale: the 16-pixel drawing sits in the
// middle of a transparent square.
Image centred(const Image& image, int size) {
    Image out{size, image.bits, std::vector<int>(static_cast<std::size_t>(size * size), transparent),
              image.palette};
    const int offset = (size - image.size) / 2;
    for (int y = 0; y < image.size; ++y)
        for (int x = 0; x < image.size; ++x)
            out.pixels[static_cast<std::size_t>((y + offset) * size + x + offset)] = image.at(x, y);
    return out;
}

// The scalable icon: one rectangle per run of equal pixels in a row, on the
// image's own pixel grid, so it is the drawing itself at any size.
Bytes svg(const Image& image) {
    std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                       "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                       std::to_string(image.size) + "\" height=\"" + std::to_string(image.size) +
                       "\" viewBox=\"0 0 " + std::to_string(image.size) + " " + std::to_string(image.size) +
                       "\" shape-rendering=\"crispEdges\">\n";
    for (int y = 0; y < image.size; ++y)
        for (int x = 0; x < image.size;) {
            const int index = image.at(x, y);
            int end = x + 1;
            while (end < image.size && image.at(end, y) == index)
                ++end;
            if (index != transparent) {
                const Rgb c = image.palette[static_cast<std::size_t>(index)];
                char fill[8];
                std::snprintf(fill, sizeof fill, "#%02x%02x%02x", c.r, c.g, c.b);
                text += "<rect x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y) + "\" width=\"" +
                        std::to_string(end - x) + "\" height=\"1\" fill=\"" + fill + "\"/>\n";
            }
            x = end;
        }
    text += "</svg>\n";
    return Bytes(text.begin(), text.end());
}

bool write(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) {
        std::fprintf(stderr, "tvorka1_icongen: cannot write %s\n", path.string().c_str());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: tvorka1_icongen <output directory>\n");
        return 2;
    }
    const std::filesystem::path dir = argv[1];

    const Image mono32 = makeImage(art32, 1);
    const Image color32 = makeImage(art32, 4);
    const Image color16 = makeImage(art16, 4);

    const bool ok = write(dir / "tvorka1.ico", ico({mono32, color32, color16})) &&
                    write(dir / "tvorka1-32.png", png(color32)) &&
                    write(dir / "tvorka1-16.png", png(color16));
    const bool themeOk = ok && write(dir / "tvorka1-22.png", png(centred(color16, 22))) &&
                         write(dir / "tvorka1-24.png", png(centred(color16, 24))) &&
                         write(dir / "tvorka1-48.png", png(scaled(color16, 3))) &&
                         write(dir / "tvorka1-64.png", png(scaled(color32, 2))) &&
                         write(dir / "tvorka1-128.png", png(scaled(color32, 4))) &&
                         write(dir / "tvorka1-256.png", png(scaled(color32, 8))) &&
                         write(dir / "tvorka1.svg", svg(color32));
    return themeOk ? 0 : 1;
}
