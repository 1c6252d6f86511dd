#include "runtime/win32/system.h"

#include "runtime/win32/lookup.h"

namespace runtime::win32 {

namespace {

// A function of a newer Windows, or null. Cast through void (*)(), the one function type that
// converts to any other without a warning.
template <class F>
F newer(SystemLibrary library, const char* name) {
    return reinterpret_cast<F>(reinterpret_cast<void (*)()>(lookUp(library, name)));
}

constexpr int effectiveDpi = 0; // MDT_EFFECTIVE_DPI

} // namespace

// Fixed for the life of the process.
UINT systemDpi() {
    static const UINT dpi = [] {
        const HDC screen = GetDC(nullptr);
        const int value = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
        if (screen)
            ReleaseDC(nullptr, screen);
        return value > 0 ? static_cast<UINT>(value) : UINT{96};
    }();
    return dpi;
}

UINT dpiOf(HWND hwnd) {
    static const auto forWindow = newer<UINT(WINAPI*)(HWND)>(SystemLibrary::user32, "GetDpiForWindow");
    if (forWindow)
        if (const UINT dpi = forWindow(hwnd))
            return dpi;
    static const auto forMonitor =
        newer<HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*)>(SystemLibrary::shcore, "GetDpiForMonitor");
    UINT x = 0, y = 0;
    if (forMonitor &&
        SUCCEEDED(forMonitor(MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST), effectiveDpi, &x, &y)) && y)
        return y;
    return systemDpi();
}

LOGFONTW messageFontFor(UINT dpi) {
    static const auto forDpi = newer<BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT)>(
        SystemLibrary::user32, "SystemParametersInfoForDpi");
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (forDpi && forDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi))
        return metrics.lfMessageFont;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    metrics.lfMessageFont.lfHeight =
        MulDiv(metrics.lfMessageFont.lfHeight, static_cast<int>(dpi), static_cast<int>(systemDpi()));
    return metrics.lfMessageFont;
}

int metricFor(int index, UINT dpi) {
    static const auto forDpi =
        newer<int(WINAPI*)(int, UINT)>(SystemLibrary::user32, "GetSystemMetricsForDpi");
    if (forDpi)
        return forDpi(index, dpi);
    return MulDiv(GetSystemMetrics(index), static_cast<int>(dpi), static_cast<int>(systemDpi()));
}

std::optional<SIZE> frameSizeFor(HWND hwnd, SIZE client, UINT dpi) {
    static const auto forDpi = newer<BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT)>(
        SystemLibrary::user32, "AdjustWindowRectExForDpi");
    RECT frame{0, 0, client.cx, client.cy};
    if (!forDpi || !forDpi(&frame, static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE)), FALSE,
                           static_cast<DWORD>(GetWindowLongW(hwnd, GWL_EXSTYLE)), dpi))
        return std::nullopt;
    return SIZE{frame.right - frame.left, frame.bottom - frame.top};
}

} // namespace runtime::win32
