#include "generators/pictures/font.h"

#include <algorithm>

namespace pictures {

std::optional<GlyphRef> findGlyph(const Font& font, char ch) {
    for (const FontStrip& strip : font.strips) {
        const std::size_t wanted = strip.chars.find(ch);
        if (wanted == std::string_view::npos)
            continue;
        const std::string_view row = strip.rows[0];
        std::size_t start = 0;
        for (std::size_t i = 0; i < wanted; ++i)
            start = row.find(' ', start) + 1;
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
        if (i + 1 < text.size())
            width += font.gap;
    }
    return width;
}

} // namespace pictures
