#pragma once

#include "runtime/core/form.h"

namespace runtime {

// Opens the start-up window of the application, runs the message loop and ends the process when
// the last window is gone. The program gets no command line: arguments are ignored.
[[noreturn]] void start(const AppDescriptor& descriptor, Platform& platform = nativePlatform());

// Builds the start-up window from its definition, connects its event table and raises its Load
// event. The window is not shown yet. Needs the platform opened.
Ref<Form> load(const AppDescriptor& descriptor, Platform& platform = nativePlatform());

} // namespace runtime
