// A control array numbered 0, 1, 3: a member of it would quietly fetch the wrong element.
#include "runtime/core/controls.h"

#include <array>

using namespace runtime;
constexpr std::array gapped{
    ControlEntry{.kind = ControlClass::Form, .name = "F", .rect = {0, 0, 15, 15}},
    ControlEntry{.kind = ControlClass::Label, .name = "L", .index = 0, .tabIndex = 0, .rect = {0, 0, 15, 15}},
    ControlEntry{.kind = ControlClass::Label, .name = "L", .index = 1, .tabIndex = 1, .rect = {0, 0, 15, 15}},
    ControlEntry{.kind = ControlClass::Label, .name = "L", .index = 3, .tabIndex = 2, .rect = {0, 0, 15, 15}},
};
constexpr auto L = member<Label>(gapped, "L");
