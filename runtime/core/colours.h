#pragma once

// Stored colours, and the one rule both backends follow for text on a coloured background.

#include "runtime/core/definition.h"

#include <cstdint>

namespace runtime {

struct Rgb {
    std::uint8_t red = 0, green = 0, blue = 0;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

inline constexpr ColourValue systemColourBit = 0x80000000u;

constexpr bool isSystemColour(ColourValue value) {
    return (value & systemColourBit) != 0;
}
constexpr unsigned systemColourIndex(ColourValue value) {
    return value & ~systemColourBit;
}
// Any other value is 0x00BBGGRR.
constexpr Rgb rgbOf(ColourValue value) {
    return {std::uint8_t(value & 0xFF), std::uint8_t((value >> 8) & 0xFF),
            std::uint8_t((value >> 16) & 0xFF)};
}

// Brightness as Qt's qGray weighs it, 0 to 255.
constexpr int grey(Rgb c) {
    return (c.red * 11 + c.green * 16 + c.blue * 5) / 32;
}

// The theme's text colour where it stands out from `background`; black or white where the two are
// too close in brightness to read.
constexpr Rgb readableText(Rgb background, Rgb text) {
    constexpr int least = 96;
    const int difference = grey(text) - grey(background);
    if (difference >= least || -difference >= least)
        return text;
    return grey(background) < 128 ? Rgb{255, 255, 255} : Rgb{0, 0, 0};
}

} // namespace runtime
