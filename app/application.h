#pragma once

#include "runtime/core/definition.h"

namespace app {

// The application descriptor, handed whole to the runtime at start-up.
extern const runtime::AppDescriptor descriptor;

} // namespace app
