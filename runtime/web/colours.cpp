#include "runtime/web/colours.h"

#include "runtime/core/colours.h"

#include <array>
#include <string_view>

namespace runtime::web {

namespace {

// CSS's system colours keep the old index order: 9 is CaptionText, the text of an active title
// bar. The browser maps each to its own colours of the page's scheme, light or dark.
constexpr std::array<std::string_view, 25> systemColours{
    "Scrollbar",       "Background",       "ActiveCaption",     "InactiveCaption", "Menu",
    "Window",          "WindowFrame",      "MenuText",          "WindowText",      "CaptionText",
    "ActiveBorder",    "InactiveBorder",   "AppWorkspace",      "Highlight",       "HighlightText",
    "ButtonFace",      "ButtonShadow",     "GrayText",          "ButtonText",      "InactiveCaptionText",
    "ButtonHighlight", "ThreeDDarkShadow", "ThreeDLightShadow", "InfoText",        "InfoBackground",
};

} // namespace

std::string cssColour(ColourValue value) {
    if (isSystemColour(value)) {
        const unsigned index = systemColourIndex(value);
        // An index the page lacks falls back to the window colour.
        return std::string(index < systemColours.size() ? systemColours[index] : "ButtonFace");
    }
    const Rgb c = rgbOf(value);
    return "rgb(" + std::to_string(c.red) + "," + std::to_string(c.green) + "," + std::to_string(c.blue) +
           ")";
}

} // namespace runtime::web
