#pragma once

// Stored colours, and the one rule every backend follows for text on a coloured background.

#include "runtime/core/definition.h"

#include <algorithm>
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

// x to the power 2.4 for x in [0, 1], as x squared times the fifth root of x squared, by Newton's
// method from 1: no call into the C library, whose pow a Windows build would import from msvcrt.
constexpr double power24(double x) {
    const double square = x * x;
    if (square <= 0.0)
        return 0.0;
    double root = 1.0;
    for (int i = 0; i < 64; ++i)
        root -= (root * root * root * root * root - square) / (5.0 * root * root * root * root);
    return square * root;
}

// Relative luminance as WCAG defines it, 0 (black) to 1 (white).
constexpr double luminance(Rgb c) {
    const auto linear = [](std::uint8_t value) {
        const double v = value / 255.0;
        return v <= 0.04045 ? v / 12.92 : power24((v + 0.055) / 1.055);
    };
    return 0.2126 * linear(c.red) + 0.7152 * linear(c.green) + 0.0722 * linear(c.blue);
}

// The theme's text colour where it reads on `background`, at WCAG's contrast of at least 4.5 to 1;
// else black or white, whichever reads better. The page keeps the same rule (runtime/web/page.js).
constexpr Rgb readableText(Rgb background, Rgb text) {
    const double behind = luminance(background);
    const auto contrast = [behind](double front) {
        return (std::max(behind, front) + 0.05) / (std::min(behind, front) + 0.05);
    };
    if (contrast(luminance(text)) >= 4.5)
        return text;
    return contrast(0.0) >= contrast(1.0) ? Rgb{0, 0, 0} : Rgb{255, 255, 255};
}

// The rule's own checks: 0.5 to the power 2.4 is 0.18946..., white on mid grey reads at only 3.9 to
// 1 and turns black, and white on navy reads as it is.
static_assert(power24(0.5) > 0.189464 && power24(0.5) < 0.189465);
static_assert(readableText({128, 128, 128}, {255, 255, 255}).red == 0);
static_assert(readableText({0, 0, 128}, {255, 255, 255}).red == 255);

} // namespace runtime
