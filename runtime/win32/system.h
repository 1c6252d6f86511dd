#pragma once

// What Windows gives at a DPI, on every Windows from 7 SP1 on. Each function that a newer Windows
// added is looked up at run time (lookup.h) and has its fallback:
//   a window's DPI:     GetDpiForWindow (10 1607), GetDpiForMonitor (8.1), the system's DPI;
//   the message font:   SystemParametersInfoForDpi (10 1607), SystemParametersInfoW scaled from
//                       the system's DPI;
//   a system metric:    GetSystemMetricsForDpi (10 1607), GetSystemMetrics scaled from the
//                       system's DPI;
//   a frame's size:     AdjustWindowRectExForDpi (10 1607), else none.
// The system's DPI is what Windows 7 and 8 give every monitor, and what the older functions answer in.

#include <optional>
#include <windows.h>

namespace runtime::win32 {

UINT systemDpi();
// The DPI of the monitor that `hwnd` is on, as this process sees it.
UINT dpiOf(HWND hwnd);
LOGFONTW messageFontFor(UINT dpi);
int metricFor(int index, UINT dpi);
// The outer size of `hwnd`'s frame around a client area of `client` at `dpi`, where this Windows
// can tell it for a DPI other than the window's own.
std::optional<SIZE> frameSizeFor(HWND hwnd, SIZE client, UINT dpi);

} // namespace runtime::win32
