#pragma once

// Functions that Windows 7 SP1 lacks are found at run time, never linked, so the one program starts
// on every Windows from 7 on. This is where they are looked up; system.cpp gives each its fallback.

#include <windows.h>

namespace runtime::win32 {

enum class SystemLibrary { user32, shcore };

// The address of `name` in the system's own copy of `library`, or null where this Windows lacks
// either. The tests take this file's place to run the program as Windows 7 would.
FARPROC lookUp(SystemLibrary library, const char* name);

} // namespace runtime::win32
