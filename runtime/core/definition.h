#pragma once

// The window definition and the application descriptor: plain data, read once at start-up.

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace runtime {

class Form;

enum class ControlClass { Form, OptionButton, PictureBox, Label, TextBox, ComboBox };

// Positions and sizes are in twips, 1/1440 inch. A backend converts them at the dots per inch of
// its pixels: Qt's logical pixels are at 96 (15 twips a pixel) and Qt scales them to the screen;
// Windows gives each monitor its own (12 twips a pixel at 120).
struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

inline constexpr int twipsPerInch = 1440;
inline constexpr int standardDpi = 96;

// Rounds to the nearest pixel.
constexpr int toPixels(int twips, int dpi = standardDpi) {
    return (twips * dpi + twipsPerInch / 2) / twipsPerInch;
}

// An image made by the build, ready for the window system as it lies: rows top first, 32 bits a
// pixel, 0xAARRGGBB in native byte order, which is what both Qt and a Windows DIB take without a
// copy. Nothing is decoded at start.
enum class PixelFormat {
    Rgb32,  // opaque: the top byte is 0xFF and means nothing
    Argb32, // with alpha, not premultiplied
    // Opaque, as pairs of words: how many pixels in a row, then their colour as Rgb32. The browser
    // fetches the program before it can draw, and a diagram goes as a twentieth of its size so;
    // only the browser's build makes it.
    Rgb32Runs
};

struct Pixels {
    int width = 0;
    int height = 0;
    PixelFormat format = PixelFormat::Rgb32;
    const std::uint32_t* data = nullptr;
};

// Where the window first appears.
enum class StartUpPosition { Manual = 0, WindowsDefault = 3 };

// A colour whose top bit is set names a system colour by the index in its low bits.
using ColourValue = std::uint32_t;

inline constexpr int noIndex = -1;

// One entry of a window definition: the window itself or one control on it. Every property not
// stored here takes its class default.
struct ControlEntry {
    ControlClass kind = ControlClass::Form;
    std::string_view name;
    int index = noIndex; // an element of a control array, counted from 0
    int tabIndex = -1;   // the window itself has none
    TwipRect rect;       // for the window: the client area's size
    std::string_view caption{};
    const Pixels* picture = nullptr; // a picture box's picture
    std::optional<ColourValue> backColour{};
    // The label array whose element of the same index names this control to assistive technology.
    std::string_view labelledBy{};
    // What assistive technology reads where the control shows no text of its own: a picture box's
    // name and a description of what it shows, in the program's language.
    std::string_view accessibleName{};
    std::string_view description{};
    StartUpPosition startUpPosition = StartUpPosition::Manual;
};

using WindowDefinition = std::span<const ControlEntry>;

enum class Event { Load, Click };

// Every handler takes the window and returns 0.
using Handler = int (*)(Form&);

// Where a control stands: the position of its entry in the definition. The window is at 0.
using Place = std::size_t;
inline constexpr Place windowPlace = 0;

// One row of a window's event table, its control's place settled when the program is compiled
// (see bind() in controls.h).
struct EventBinding {
    Place place;
    Event event;
    Handler handler;
};

enum class Threading { SingleThreaded };

// A window module of the application: the window's definition and its event table.
struct FormModule {
    std::string_view name;
    WindowDefinition definition;
    std::span<const EventBinding> events;
};

struct AppDescriptor {
    std::string_view name{}; // also the application title
    std::string_view version{};
    std::span<const Pixels> icon{};  // the icon's images, one a size
    std::string_view desktopEntry{}; // the installed desktop entry, which desktops match windows to
    std::string_view helpFile{};
    const FormModule& startUpObject; // a window of `objects`, opened by start()
    Threading threading = Threading::SingleThreaded;
    std::span<const FormModule> objects{};
};

// Checks over definitions and event tables, meant for static_assert: mistakes in our own tables
// fail the build rather than the program.

constexpr bool formComesFirst(WindowDefinition d) {
    return !d.empty() && d.front().kind == ControlClass::Form &&
           std::none_of(d.begin() + 1, d.end(),
                        [](const ControlEntry& e) { return e.kind == ControlClass::Form; });
}

// The controls' TabIndex values are 0 to count - 1, each used once.
constexpr bool tabIndicesComplete(WindowDefinition d) {
    const auto count = static_cast<int>(d.size()) - 1;
    for (const ControlEntry& e : d.subspan(1))
        if (e.tabIndex < 0 || e.tabIndex >= count ||
            std::count_if(d.begin(), d.end(),
                          [&e](const ControlEntry& o) { return o.tabIndex == e.tabIndex; }) != 1)
            return false;
    return true;
}

constexpr bool sizesPositive(WindowDefinition d) {
    return std::all_of(d.begin(), d.end(),
                       [](const ControlEntry& e) { return e.rect.width > 0 && e.rect.height > 0; });
}

// Entries that share a name form one control array: one class, distinct indices, all or none indexed.
constexpr bool namesConsistent(WindowDefinition d) {
    for (const ControlEntry& a : d)
        for (const ControlEntry& b : d) {
            if (&a == &b || a.name != b.name)
                continue;
            if (a.kind != b.kind || a.index == noIndex || b.index == noIndex || a.index == b.index)
                return false;
        }
    return true;
}

// The place of the control `name` (an element of a control array: with its Index), if the
// definition has it: the one lookup by name, behind the members, the event table and the labels.
constexpr std::optional<Place> placeOf(WindowDefinition d, std::string_view name, int index = noIndex) {
    for (Place place = 1; place < d.size(); ++place)
        if (d[place].name == name && d[place].index == index)
            return place;
    return std::nullopt;
}

// The elements of every control array are numbered 0, 1, 2 ... without a gap.
constexpr bool arraysWithoutGaps(WindowDefinition d) {
    for (const ControlEntry& e : d)
        for (int below = 0; below < e.index; ++below)
            if (!placeOf(d, e.name, below))
                return false;
    return true;
}

// Every control labelled by an array has a label of that array at its own index.
constexpr bool labelsExist(WindowDefinition d) {
    for (const ControlEntry& e : d) {
        if (e.labelledBy.empty())
            continue;
        const std::optional<Place> label = placeOf(d, e.labelledBy, e.index);
        if (!label || d[*label].kind != ControlClass::Label)
            return false;
    }
    return true;
}

// Every picture box tells assistive technology what it shows.
constexpr bool picturesDescribed(WindowDefinition d) {
    return std::all_of(d.begin(), d.end(), [](const ControlEntry& e) {
        return e.kind != ControlClass::PictureBox || (!e.accessibleName.empty() && !e.description.empty());
    });
}

} // namespace runtime
