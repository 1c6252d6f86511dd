#pragma once

#include "runtime/definition.h"

#include <QColor>
#include <QPalette>

namespace runtime {

// A stored colour as the screen shows it: a system colour (top bit set) through the palette of
// the window system, any other value as 0x00BBGGRR.
QColor resolveColour(ColourValue value, const QPalette& palette);

} // namespace runtime
