// Draws the program's icon from the pixel rows below and writes it as
// tvorka1.ico (32x32 two-colour, 32x32 16-colour, 16x16 16-colour) plus
// the hicolor theme: tvorka1-N.png for N = 16, 22, 24, 32, 48, 64, 128, 256
// and tvorka1.svg.
//
// The picture library writes every byte itself, so the committed files come out
// identical on every machine.
//
// Usage: tvorka1_icongen <output directory>

#include "generators/pictures/file.h"
#include "generators/pictures/ico.h"
#include "generators/pictures/indexed.h"
#include "generators/pictures/png.h"
#include "generators/pictures/svg.h"

#include <array>
#include <cstdio>
#include <string_view>

using namespace pictures;

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

template <std::size_t N>
IndexedImage makeImage(const std::array<std::string_view, N>& art, int bits) {
    IndexedImage image{static_cast<int>(N), bits, {}, {}};
    if (bits == 1)
        image.palette.assign(palette2.begin(), palette2.end());
    else
        image.palette.assign(palette16.begin(), palette16.end());
    for (std::string_view row : art)
        for (char c : row)
            image.pixels.push_back(bits == 1 ? index2(c) : index16(c));
    return image;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: tvorka1_icongen <output directory>\n");
        return 2;
    }
    const std::filesystem::path dir = argv[1];

    const IndexedImage mono32 = makeImage(art32, 1);
    const IndexedImage color32 = makeImage(art32, 4);
    const IndexedImage color16 = makeImage(art16, 4);

    const bool ok = writeFile(dir / "tvorka1.ico", encodeIco({mono32, color32, color16})) &&
                    writeFile(dir / "tvorka1-32.png", encodePng(color32)) &&
                    writeFile(dir / "tvorka1-16.png", encodePng(color16)) &&
                    // 22 and 24 are too close to 16 to scale; 48 and up stay crisp at whole scales.
                    writeFile(dir / "tvorka1-22.png", encodePng(centred(color16, 22))) &&
                    writeFile(dir / "tvorka1-24.png", encodePng(centred(color16, 24))) &&
                    writeFile(dir / "tvorka1-48.png", encodePng(scaled(color16, 3))) &&
                    writeFile(dir / "tvorka1-64.png", encodePng(scaled(color32, 2))) &&
                    writeFile(dir / "tvorka1-128.png", encodePng(scaled(color32, 4))) &&
                    writeFile(dir / "tvorka1-256.png", encodePng(scaled(color32, 8))) &&
                    writeFile(dir / "tvorka1.svg", encodeSvg(color32));
    return ok ? 0 : 1;
}
