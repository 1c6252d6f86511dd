#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace diagrams {

// A pixel font drawn by hand, so that letters never depend on the fonts of the machine.
// Glyphs sit side by side in strips: every row of a strip holds one row of each glyph, '#' for ink and
// '.' for none, the glyphs parted by one space. Row 0 is the top of the capitals; rows below the
// baseline carry descenders.
struct FontStrip {
    std::string_view chars;
    std::span<const std::string_view> rows;
};

struct Font {
    int height; // rows per glyph, descenders included
    int gap;    // blank columns between two glyphs
    int space;  // advance of ' '
    std::span<const FontStrip> strips;
};

// Where a glyph lies in its strip: rows of the strip, first column and width.
struct GlyphRef {
    std::span<const std::string_view> rows;
    int column;
    int width;

    bool ink(int u, int v) const {
        return rows[static_cast<std::size_t>(v)][static_cast<std::size_t>(column + u)] == '#';
    }
};

std::optional<GlyphRef> findGlyph(const Font& font, char ch);

// Columns from the first ink column of `text` to its last one (an unknown character counts as zero).
int textWidth(const Font& font, std::string_view text);

namespace fonts {
extern const Font small;     // regular, capitals 7 high: pin names and the note
extern const Font tiny;      // regular, 5 high: pin numbers and the timer's type
extern const Font label;     // regular, 9 high: part names
extern const Font boldSmall; // bold, capitals 7 high: supply, output and trigger labels
extern const Font title;     // bold, capitals 12 high: the circuit name
} // namespace fonts

} // namespace diagrams
