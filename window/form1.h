#pragma once

// The window Form1: its definition, in creation order, and the members through which handlers
// reach its controls.

#include "runtime/core/controls.h"
#include "runtime/core/definition.h"

#include <array>
#include <astable.h>
#include <monostable.h>

namespace form1 {

using runtime::ControlClass;
using runtime::ControlEntry;

// The result lines keep system colour 9, the text colour of an active title bar, as their
// background; the runtime pairs it with a text colour that reads on it, whatever the theme.
inline constexpr runtime::ColourValue resultBackground = 0x80000009;

// What a screen reader says of each diagram: the circuit's name as the diagram writes it, and its
// connections, only as far as the box shows them (the monostable note lies below its edge).
inline constexpr std::string_view monostableDescription =
    "Shema monostabilnog kola s tajmerom NE555 (U2). Napajanje 5-15V vodi na pin 8 (VCC) i na pin 4 (R). "
    "Otpornik R1 vodi od napajanja na pinove 7 (DC) i 6 (TH) i na kondenzator C1, a C1 na masu. "
    "Ulaz Trigger vodi na pin 2 (TR); dugme u isprekidanom okviru ga spaja s masom. "
    "Pin 3 (Q) je Izlaz, pin 1 (GND) je na masi, pin 5 (CV) je slobodan.";
inline constexpr std::string_view astableDescription =
    "Shema astabilnog kola s tajmerom NE555 (U1). Napajanje 5-15V vodi na pin 8 (VCC) i na pin 4 (R). "
    "Otpornik R1 vodi od napajanja na pin 7 (DC), otpornik R2 od pina 7 na pinove 6 (TH) i 2 (TR), "
    "a kondenzator C1 od pinova 6 i 2 na masu. "
    "Pin 3 (Q) je Izlaz, pin 1 (GND) je na masi, pin 5 (CV) je slobodan.";

inline constexpr ControlEntry entryField(int index, int tabIndex) {
    return {.kind = ControlClass::TextBox,
            .name = "Text1",
            .index = index,
            .tabIndex = tabIndex,
            .rect = {600, 1080 + 360 * index, 495, 285},
            .labelledBy = "Label1"};
}

inline constexpr ControlEntry selector(int index, int tabIndex) {
    return {.kind = ControlClass::ComboBox,
            .name = "Combo1",
            .index = index,
            .tabIndex = tabIndex,
            .rect = {1200, 1080 + 360 * index, 855, 315},
            .caption = "Combo1",
            .labelledBy = "Label1"};
}

inline constexpr ControlEntry entryLabel(int index, int tabIndex, std::string_view caption) {
    return {.kind = ControlClass::Label,
            .name = "Label1",
            .index = index,
            .tabIndex = tabIndex,
            .rect = {240, 1080 + 360 * index, 255, 255},
            .caption = caption};
}

inline constexpr ControlEntry resultLine(int index, int tabIndex, std::string_view caption) {
    return {.kind = ControlClass::Label,
            .name = "Label2",
            .index = index,
            .tabIndex = tabIndex,
            .rect = {240, 2280 + 360 * index, 2055, 255},
            .caption = caption,
            .backColour = resultBackground};
}

inline constexpr std::array definition{
    ControlEntry{.kind = ControlClass::Form,
                 .name = "Form1",
                 .rect = {.width = 7455, .height = 5070},
                 .caption = "Form1",
                 .startUpPosition = runtime::StartUpPosition::WindowsDefault},
    // The two diagrams share one rectangle; the circuit mode decides which is visible.
    ControlEntry{.kind = ControlClass::PictureBox,
                 .name = "Picture2",
                 .tabIndex = 17,
                 .rect = {2520, 120, 4815, 4815},
                 .picture = artwork::monostable,
                 .accessibleName = "Monostabil",
                 .description = monostableDescription},
    ControlEntry{.kind = ControlClass::PictureBox,
                 .name = "Picture1",
                 .tabIndex = 16,
                 .rect = {2520, 120, 4815, 4815},
                 .picture = artwork::astable,
                 .accessibleName = "Astabil",
                 .description = astableDescription},
    ControlEntry{.kind = ControlClass::OptionButton,
                 .name = "Option2",
                 .tabIndex = 15,
                 .rect = {120, 480, 1455, 375},
                 .caption = "ASTABIL"},
    ControlEntry{.kind = ControlClass::OptionButton,
                 .name = "Option1",
                 .tabIndex = 14,
                 .rect = {120, 120, 1575, 255},
                 .caption = "MONOSTABIL"},
    // Entry rows: nothing reads them yet.
    selector(2, 8),
    selector(1, 7),
    selector(0, 6),
    entryField(2, 5),
    entryField(1, 4),
    entryField(0, 3),
    // Result lines: placeholders that nothing rewrites yet.
    resultLine(4, 13, "RADNI CIKLUS XXX %"),
    resultLine(3, 12, "FREKFENCIJA XXXX HZ"),
    resultLine(2, 11, "DUZINA CIKLUSA XX.XX S"),
    resultLine(1, 10, "IZLAZ NIZAK XX.XX S"),
    resultLine(0, 9, "IZLAZ VISOK XX.XX S"),
    entryLabel(2, 2, "C3"),
    entryLabel(1, 1, "R2"),
    entryLabel(0, 0, "R1"),
};

static_assert(runtime::formComesFirst(definition));
static_assert(runtime::tabIndicesComplete(definition));
static_assert(runtime::sizesPositive(definition));
static_assert(runtime::namesConsistent(definition));
static_assert(runtime::arraysWithoutGaps(definition));
static_assert(runtime::labelsExist(definition));
static_assert(runtime::picturesDescribed(definition));

// The members, in the window's order. Each is settled against the definition when the program is
// compiled: a name it lacks, or a control of another class, does not build.
inline constexpr auto Label1 = runtime::member<runtime::Label>(definition, "Label1");
inline constexpr auto Text1 = runtime::member<runtime::TextBox>(definition, "Text1");
inline constexpr auto Combo1 = runtime::member<runtime::ComboBox>(definition, "Combo1");
inline constexpr auto Label2 = runtime::member<runtime::Label>(definition, "Label2");
inline constexpr auto Option1 = runtime::member<runtime::OptionButton>(definition, "Option1");
inline constexpr auto Option2 = runtime::member<runtime::OptionButton>(definition, "Option2");
inline constexpr auto Picture1 = runtime::member<runtime::PictureBox>(definition, "Picture1");
inline constexpr auto Picture2 = runtime::member<runtime::PictureBox>(definition, "Picture2");

} // namespace form1
