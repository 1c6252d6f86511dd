// Alone in its file, so that a test build can link its own lookUp in its place (tests/windows).

#include "runtime/win32/lookup.h"

#include <string>

namespace runtime::win32 {

namespace {

// shcore.dll (Windows 8.1 on) from the system folder by its full path: a program started from a
// download folder must not load a library of that name lying beside it. The full path rather than
// LOAD_LIBRARY_SEARCH_SYSTEM32, which Windows 7 knows only with an update. Loaded once, for good.
HMODULE shcore() {
    static const HMODULE module = [] {
        wchar_t folder[MAX_PATH];
        const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
        if (length == 0 || length >= MAX_PATH)
            return HMODULE{};
        return LoadLibraryW((std::wstring(folder, length) + L"\\shcore.dll").c_str());
    }();
    return module;
}

} // namespace

FARPROC lookUp(SystemLibrary library, const char* name) {
    const HMODULE module = library == SystemLibrary::user32 ? GetModuleHandleW(L"user32.dll") : shcore();
    return module ? GetProcAddress(module, name) : nullptr;
}

} // namespace runtime::win32
