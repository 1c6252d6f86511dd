// Windows 7 as the program finds it: none of the functions that a later Windows added. Linked into
// test builds in place of runtime/win32/lookup.cpp, which the linker then never takes from the
// runtime's library; the shipped program has no such switch.

#include "runtime/win32/lookup.h"

namespace runtime::win32 {

FARPROC lookUp(SystemLibrary, const char*) {
    return nullptr;
}

} // namespace runtime::win32
