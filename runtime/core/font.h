#pragma once

// The size of the window's text, which every backend draws in the system's own face.

namespace runtime {

// The size the window's layout was made for.
inline constexpr double formFontPoints = 8;

// A caption wider than its label takes a smaller size of the same face, in half points down to 6,
// rather than being cut. `fits(points)` tells whether it fits at a size.
template <class Fits>
double captionPoints(Fits&& fits) {
    double points = formFontPoints;
    while (points > 6 && !fits(points))
        points -= 0.5;
    return points;
}

} // namespace runtime
