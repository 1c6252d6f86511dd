#pragma once

// Stored colours as the page names them.

#include "runtime/core/definition.h"

#include <string>

namespace runtime::web {

// A system colour by the CSS name of the same index; any other as rgb().
std::string cssColour(ColourValue value);

} // namespace runtime::web
