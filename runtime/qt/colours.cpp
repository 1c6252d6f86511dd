#include "runtime/qt/colours.h"

#include "runtime/qt/convert.h"

#include <array>

namespace runtime::qt {

namespace {

struct SystemColour {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The system colours by index, each on the palette colour that plays the same part here.
constexpr std::array<SystemColour, 25> systemColours{{
    {QPalette::Active, QPalette::Button},            // 0 scroll bar
    {QPalette::Active, QPalette::Window},            // 1 desktop
    {QPalette::Active, QPalette::Highlight},         // 2 active title bar
    {QPalette::Inactive, QPalette::Highlight},       // 3 inactive title bar
    {QPalette::Active, QPalette::Window},            // 4 menu
    {QPalette::Active, QPalette::Base},              // 5 window background
    {QPalette::Active, QPalette::Shadow},            // 6 window frame
    {QPalette::Active, QPalette::WindowText},        // 7 menu text
    {QPalette::Active, QPalette::Text},              // 8 window text
    {QPalette::Active, QPalette::HighlightedText},   // 9 active title bar text
    {QPalette::Active, QPalette::Window},            // 10 active border
    {QPalette::Inactive, QPalette::Window},          // 11 inactive border
    {QPalette::Active, QPalette::Dark},              // 12 application workspace
    {QPalette::Active, QPalette::Highlight},         // 13 highlight
    {QPalette::Active, QPalette::HighlightedText},   // 14 highlighted text
    {QPalette::Active, QPalette::Button},            // 15 button face
    {QPalette::Active, QPalette::Dark},              // 16 button shadow
    {QPalette::Disabled, QPalette::Text},            // 17 grey text
    {QPalette::Active, QPalette::ButtonText},        // 18 button text
    {QPalette::Inactive, QPalette::HighlightedText}, // 19 inactive title bar text
    {QPalette::Active, QPalette::Light},             // 20 button highlight
    {QPalette::Active, QPalette::Shadow},            // 21 dark 3-D shadow
    {QPalette::Active, QPalette::Midlight},          // 22 light 3-D face
    {QPalette::Active, QPalette::ToolTipText},       // 23 tooltip text
    {QPalette::Active, QPalette::ToolTipBase},       // 24 tooltip background
}};

} // namespace

QColor resolveColour(ColourValue value, const QPalette& palette) {
    if (isSystemColour(value)) {
        const unsigned index = systemColourIndex(value);
        // An index the window system lacks falls back to the window colour.
        if (index >= systemColours.size())
            return palette.color(QPalette::Active, QPalette::Window);
        return palette.color(systemColours[index].group, systemColours[index].role);
    }
    return qcolor(rgbOf(value));
}

} // namespace runtime::qt
