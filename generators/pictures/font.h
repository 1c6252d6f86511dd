#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace pictures {

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

// A strip is well formed when it has `height` rows of one length, spaces in the same columns of every
// row, and one glyph per character.
constexpr bool wellFormed(int height, std::span<const FontStrip> strips) {
    for (const FontStrip& strip : strips) {
        if (strip.rows.size() != static_cast<std::size_t>(height))
            return false;
        const std::string_view first = strip.rows[0];
        std::size_t glyphs = 1;
        for (std::size_t i = 0; i < first.size(); ++i)
            glyphs += first[i] == ' ' ? 1 : 0;
        if (glyphs != strip.chars.size())
            return false;
        for (std::string_view row : strip.rows) {
            if (row.size() != first.size())
                return false;
            for (std::size_t i = 0; i < row.size(); ++i) {
                const bool separator = row[i] == ' ';
                if (separator != (first[i] == ' ') || (!separator && row[i] != '#' && row[i] != '.'))
                    return false;
            }
        }
    }
    return true;
}

} // namespace pictures
