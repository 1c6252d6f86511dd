#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace pictures {

struct Rgb {
    std::uint8_t r, g, b;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// What a pixel shows. Every role has one flat colour, so the pictures come out byte-identical everywhere.
enum class Role : std::uint8_t { Ground, Wire, Part, Label, Fill, Knob, Rule };

constexpr Rgb colourOf(Role role) {
    switch (role) {
    case Role::Ground:
        return {255, 255, 255};
    case Role::Wire: // wires, dots, supply triangle, ground bars
        return {25, 80, 22};
    case Role::Part: // timer outline, stubs, resistors, capacitors, push-button, dark-red texts
        return {55, 10, 14};
    case Role::Label: // part names, pin names and numbers
        return {0, 0, 0};
    case Role::Fill: // inside the timer and the resistors, the push-button bar
        return {173, 173, 173};
    case Role::Knob:
        return {112, 8, 18};
    case Role::Rule:
        return {236, 233, 216};
    }
    return {255, 255, 255};
}

// Pixels as the picture is shown: x counts columns from the left, y rows from the top, both from 0.
// Pixel (x, y) is the unit square whose top-left corner is (x, y); shapes are tested at its centre
// (x + 1/2, y + 1/2). Rows are kept top first here; only the BMP encoder turns them bottom-up.
class Canvas {
public:
    Canvas(int width, int height)
        : width_(width)
        , height_(height)
        , pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height),
                  colourOf(Role::Ground)) {}

    int width() const { return width_; }
    int height() const { return height_; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    Rgb at(int x, int y) const { return pixels_[index(x, y)]; }

    // Drawing outside the picture is clipped, so shapes near the edge need no care.
    void set(int x, int y, Rgb colour) {
        if (contains(x, y))
            pixels_[index(x, y)] = colour;
    }

private:
    std::size_t index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
    }

    int width_;
    int height_;
    std::vector<Rgb> pixels_;
};

} // namespace pictures
