#include "window/diagrams/font.h"

#include <algorithm>
#include <cstddef>

namespace diagrams {
namespace {

// A strip is well formed when it has `height` rows of one length, spaces in the same columns of every
// row, and one glyph per character.
constexpr bool wellFormed(int height, std::span<const FontStrip> strips) {
    for (const FontStrip& strip : strips) {
        if (strip.rows.size() != static_cast<std::size_t>(height)) {
            return false;
        }
        const std::string_view first = strip.rows[0];
        std::size_t glyphs = 1;
        for (std::size_t i = 0; i < first.size(); ++i) {
            glyphs += first[i] == ' ' ? 1 : 0;
        }
        if (glyphs != strip.chars.size()) {
            return false;
        }
        for (std::string_view row : strip.rows) {
            if (row.size() != first.size()) {
                return false;
            }
            for (std::size_t i = 0; i < row.size(); ++i) {
                const bool separator = row[i] == ' ';
                if (separator != (first[i] == ' ') || (!separator && row[i] != '#' && row[i] != '.')) {
                    return false;
                }
            }
        }
    }
    return true;
}

// clang-format off
constexpr std::string_view kSmallLower[] = {
//   a    c    e    g    h   i j  k   l   m     n    o    p    s    t   u     v     z   ,  !
    ".... .... .... .... #... # .# #... # ..... .... .... .... .... ... .... ..... .... .. #",
    ".... .... .... .... #... . .. #... # ..... .... .... .... .... .#. .... ..... .... .. #",
    ".##. .### .##. .### ###. # .# #..# # ####. ###. .##. ###. .### ### #..# #...# #### .. #",
    "...# #... #..# #..# #..# # .# #.#. # #.#.# #..# #..# #..# #... .#. #..# #...# ...# .. #",
    ".### #... #### #..# #..# # .# ##.. # #.#.# #..# #..# #..# .##. .#. #..# .#.#. .##. .. #",
    "#..# #... #... #..# #..# # .# #.#. # #.#.# #..# #..# #..# ...# .#. #..# .#.#. #... .# .",
    ".### .### .### .### #..# # .# #..# # #.#.# #..# .##. ###. ###. ..# .### ..#.. #### .# #",
    ".... .... .... ...# .... . .# .... . ..... .... .... #... .... ... .... ..... .... #. .",
    ".... .... .... .##. .... . #. .... . ..... .... .... #... .... ... .... ..... .... .. .",
};
constexpr std::string_view kSmallUpper[] = {
//   C    D    G    H    N     Q     R    T     V
    ".### ###. .### #..# #...# .###. ###. ##### #...#",
    "#... #..# #... #..# ##..# #...# #..# ..#.. #...#",
    "#... #..# #... #..# ##..# #...# #..# ..#.. #...#",
    "#... #..# #.## #### #.#.# #...# ###. ..#.. .#.#.",
    "#... #..# #..# #..# #..## #.#.# #.#. ..#.. .#.#.",
    "#... #..# #..# #..# #..## #..#. #..# ..#.. .#.#.",
    ".### ###. .### #..# #...# .##.# #..# ..#.. ..#..",
    ".... .... .... .... ..... ..... .... ..... .....",
    ".... .... .... .... ..... ..... .... ..... .....",
};
constexpr std::string_view kTiny[] = {
//   1   2   3   4   5   6   7   8   N    E
    ".#. ##. ##. #.# ### .## ### ### #..# ###",
    "##. ..# ..# #.# #.. #.. ..# #.# ##.# #..",
    ".#. .#. .#. ### ##. ### ..# ### #.## ##.",
    ".#. #.. ..# ..# ..# #.# .#. #.# #..# #..",
    "### ### ##. ..# ##. ### .#. ### #..# ###",
};
constexpr std::string_view kLabel[] = {
//   U      R      C      1     2
    "#....# #####. .####. ..#.. .####.",
    "#....# #....# #....# .##.. #....#",
    "#....# #....# #..... #.#.. .....#",
    "#....# #....# #..... ..#.. ....#.",
    "#....# #####. #..... ..#.. ...#..",
    "#....# #..#.. #..... ..#.. ..#...",
    "#....# #...#. #..... ..#.. .#....",
    "#....# #....# #....# ..#.. #.....",
    ".####. #....# .####. ##### ######",
};
constexpr std::string_view kBoldSmall[] = {
//   5    -   1   V       I  z   l  a    T      r   i  g    e
    "#### ... .## ##...## ## ... ## .... ###### ... ## .... ....",
    "##.. ... ### ##...## ## ... ## .... ..##.. ... .. .... ....",
    "###. ... .## .##.##. ## ### ## ###. ..##.. ### ## .### .##.",
    "..## ### .## .##.##. ## ..# ## ..## ..##.. ##. ## ##.# ##.#",
    "..## ... .## .##.##. ## .#. ## .### ..##.. ##. ## ##.# ####",
    "#.## ... .## ..###.. ## #.. ## ##.# ..##.. ##. ## ##.# ##..",
    ".##. ... .## ...#... ## ### ## .### ..##.. ##. ## .### .###",
    ".... ... ... ....... .. ... .. .... ...... ... .. ..## ....",
    ".... ... ... ....... .. ... .. .... ...... ... .. ###. ....",
};
constexpr std::string_view kTitle[] = {
//   M          o       n       s       t     a       b       i  l  A
    "##......## ....... ....... ....... ..... ....... ##..... ## ## ....##....",
    "###....### ....... ....... ....... .##.. ....... ##..... ## ## ...####...",
    "####..#### ....... ....... ....... .##.. ....... ##..... .. ## ...####...",
    "##.####.## .#####. ##.###. .#####. ##### .#####. ##.###. ## ## ..##..##..",
    "##..##..## ##...## ###..## ##...## .##.. ##...## ###..## ## ## ..##..##..",
    "##......## ##...## ##...## ##..... .##.. .....## ##...## ## ## .##....##.",
    "##......## ##...## ##...## .###... .##.. .###### ##...## ## ## .##....##.",
    "##......## ##...## ##...## ...###. .##.. ##...## ##...## ## ## .########.",
    "##......## ##...## ##...## .....## .##.. ##...## ##...## ## ## .########.",
    "##......## ##...## ##...## .....## .##.. ##...## ##...## ## ## ##......##",
    "##......## ##...## ##...## ##...## .##.. ##..### ###..## ## ## ##......##",
    "##......## .#####. ##...## .#####. ..### .###.## ##.###. ## ## ##......##",
};
// clang-format on

constexpr FontStrip kSmallStrips[] = {{"aceghijklmnopstuvz,!", kSmallLower}, {"CDGHNQRTV", kSmallUpper}};
constexpr FontStrip kTinyStrips[] = {{"12345678NE", kTiny}};
constexpr FontStrip kLabelStrips[] = {{"URC12", kLabel}};
constexpr FontStrip kBoldSmallStrips[] = {{"5-1VIzlaTrige", kBoldSmall}};
constexpr FontStrip kTitleStrips[] = {{"MonstabilA", kTitle}};

static_assert(wellFormed(9, kSmallStrips));
static_assert(wellFormed(5, kTinyStrips));
static_assert(wellFormed(9, kLabelStrips));
static_assert(wellFormed(9, kBoldSmallStrips));
static_assert(wellFormed(12, kTitleStrips));

} // namespace

std::optional<GlyphRef> findGlyph(const Font& font, char ch) {
    for (const FontStrip& strip : font.strips) {
        const std::size_t wanted = strip.chars.find(ch);
        if (wanted == std::string_view::npos) {
            continue;
        }
        const std::string_view row = strip.rows[0];
        std::size_t start = 0;
        for (std::size_t i = 0; i < wanted; ++i) {
            start = row.find(' ', start) + 1;
        }
        const std::size_t end = std::min(row.find(' ', start), row.size());
        return GlyphRef{strip.rows, static_cast<int>(start), static_cast<int>(end - start)};
    }
    return std::nullopt;
}

int textWidth(const Font& font, std::string_view text) {
    int width = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::optional<GlyphRef> glyph = findGlyph(font, text[i]);
        width += text[i] == ' ' ? font.space : glyph ? glyph->width : 0;
        if (i + 1 < text.size()) {
            width += font.gap;
        }
    }
    return width;
}

namespace fonts {
const Font small{9, 1, 3, kSmallStrips};
const Font tiny{5, 1, 2, kTinyStrips};
const Font label{9, 1, 3, kLabelStrips};
const Font boldSmall{9, 1, 2, kBoldSmallStrips};
const Font title{12, 2, 4, kTitleStrips};
} // namespace fonts

} // namespace diagrams
