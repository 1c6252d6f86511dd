#pragma once

#include "runtime/core/colours.h"

#include <QColor>
#include <QPalette>

namespace runtime::qt {

// A stored colour as the screen shows it: a system colour through the palette of the window
// system, any other value as it is.
QColor resolveColour(ColourValue value, const QPalette& palette);

} // namespace runtime::qt
