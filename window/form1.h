#pragma once

// The window Form1: its definition, in creation order, and the members through which handlers
// reach its controls.

#include "runtime/controls.h"
#include "runtime/definition.h"

#include <array>

namespace form1 {

using runtime::ControlClass;
using runtime::ControlEntry;

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
                 .rect = {2520, 120, 4815, 4815}},
    ControlEntry{.kind = ControlClass::PictureBox,
                 .name = "Picture1",
                 .tabIndex = 16,
                 .rect = {2520, 120, 4815, 4815}},
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
};

static_assert(runtime::formComesFirst(definition));
static_assert(runtime::tabIndicesUnique(definition));
static_assert(runtime::sizesPositive(definition));
static_assert(runtime::namesConsistent(definition));

inline constexpr runtime::Member<runtime::OptionButton> Option1{"Option1"};
inline constexpr runtime::Member<runtime::OptionButton> Option2{"Option2"};
inline constexpr runtime::Member<runtime::PictureBox> Picture1{"Picture1"};
inline constexpr runtime::Member<runtime::PictureBox> Picture2{"Picture2"};

static_assert(runtime::defines(definition, Option1.name, runtime::OptionButton::kind));
static_assert(runtime::defines(definition, Option2.name, runtime::OptionButton::kind));
static_assert(runtime::defines(definition, Picture1.name, runtime::PictureBox::kind));
static_assert(runtime::defines(definition, Picture2.name, runtime::PictureBox::kind));

} // namespace form1
