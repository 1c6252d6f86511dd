// The Win32 backend from inside the program's process, under Wine: what no other process can bring
// about. Windows moves the window to a monitor of another DPI, and the user picks other system
// colours while the window is open.

#include "app/application.h"
#include "runtime/core/startup.h"
#include "runtime/win32/window.h"
#include "window/form1.h"

#include <cstdio>
#include <string>

namespace {

int failures = 0;

void check(bool ok, const std::string& what) {
    std::printf("%s %s\n", ok ? "ok  " : "FAIL", what.c_str());
    if (!ok)
        ++failures;
}

void pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

bool placedFor(HWND window, int dpi) {
    bool all = true;
    for (const runtime::ControlEntry& e : std::span(form1::definition).subspan(1)) {
        const auto id = static_cast<int>(&e - form1::definition.data());
        RECT r;
        GetWindowRect(GetDlgItem(window, id), &r);
        MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&r), 2);
        const bool placed = r.left == runtime::toPixels(e.rect.left, dpi) &&
                            r.top == runtime::toPixels(e.rect.top, dpi) &&
                            r.right - r.left == runtime::toPixels(e.rect.width, dpi) &&
                            r.bottom - r.top == runtime::toPixels(e.rect.height, dpi);
        if (!placed)
            std::printf("# %s at (%ld, %ld, %ld x %ld)\n", runtime::displayName(e).c_str(), r.left, r.top,
                        r.right - r.left, r.bottom - r.top);
        all = all && placed;
    }
    RECT client;
    GetClientRect(window, &client);
    if (client.right != runtime::toPixels(7455, dpi) || client.bottom != runtime::toPixels(5070, dpi))
        std::printf("# client area %ld x %ld\n", client.right, client.bottom);
    return all && client.right == runtime::toPixels(7455, dpi) &&
           client.bottom == runtime::toPixels(5070, dpi);
}

COLORREF middleOf(HWND control) {
    UpdateWindow(control);
    const HDC dc = GetDC(control);
    const COLORREF c = GetPixel(dc, 1, 1);
    ReleaseDC(control, dc);
    return c;
}

} // namespace

int main() {
    runtime::Platform& platform = runtime::nativePlatform();
    const auto application = platform.open(app::descriptor);
    const runtime::Ref<runtime::Form> form = runtime::load(app::descriptor, platform);
    form->native().show();
    pump();
    const HWND window = dynamic_cast<runtime::win32::Win32Window&>(form->native()).hwnd();
    const UINT dpi = GetDpiForWindow(window);
    check(placedFor(window, static_cast<int>(dpi)),
          "every control at its twips for " + std::to_string(dpi) + " dpi");

    // Moved to a monitor of 144 dpi: Windows suggests the frame, and every control follows.
    RECT suggested{100, 100, 900, 700};
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    pump();
    check(placedFor(window, 144), "WM_DPICHANGED to 144 dpi places the window and every control again");
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    pump();
    check(placedFor(window, static_cast<int>(dpi)), "and back");

    // A dark red for system colour 9 while the window is open: the result lines follow, with their
    // text turned light to stay readable.
    const HWND line = GetDlgItem(window, 15); // Label2(0)
    const int element = COLOR_CAPTIONTEXT;
    const COLORREF red = RGB(160, 20, 20);
    SetSysColors(1, &element, &red);
    pump();
    InvalidateRect(line, nullptr, TRUE);
    check(middleOf(line) == red, "the result lines take the new system colour 9");
    bool light = false;
    const HDC dc = GetDC(line);
    for (int x = 0; x < 60 && !light; ++x)
        for (int y = 0; y < 15 && !light; ++y)
            light = GetPixel(dc, x, y) == RGB(255, 255, 255);
    ReleaseDC(line, dc);
    check(light, "and white text, which reads on it");
    DestroyWindow(window);
    return failures ? 1 : 0;
}
