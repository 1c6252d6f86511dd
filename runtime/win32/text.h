#pragma once

#include <string>
#include <string_view>
#include <windows.h>

namespace runtime::win32 {

// The definition's texts are UTF-8; Windows takes UTF-16.
inline std::wstring widen(std::string_view text) {
    const int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
    return wide;
}

} // namespace runtime::win32
