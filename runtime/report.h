#pragma once

#include "runtime/status.h"

namespace runtime {

// Tells the user of an untrapped run-time error, under the application title, and ends the process.
[[noreturn]] void reportUntrapped(const RuntimeError& error);

} // namespace runtime
