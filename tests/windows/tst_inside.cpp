// The Win32 backend from inside the program's process, under Wine: what no other process can bring
// about. Windows moves the window to a monitor of another DPI, and the user picks other system
// colours while the window is open.

#include "app/application.h"
#include "probe.h"
#include "runtime/core/startup.h"
#include "runtime/win32/window.h"
#include "window/form1.h"

#include <cstdio>
#include <string>

namespace {

using probe::check;

void pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

bool placedFor(HWND window, int dpi) {
    bool all = true;
    for (runtime::Place p = 1; p < form1::definition.size(); ++p) {
        const runtime::ControlEntry& e = form1::definition[p];
        const std::string place = probe::misplaced(window, probe::controlAt(window, p), e, dpi);
        if (!place.empty())
            std::printf("# %s at %s\n", runtime::displayName(e).c_str(), place.c_str());
        all = all && place.empty();
    }
    const std::string size = probe::missized(window, form1::definition.front(), dpi);
    if (!size.empty())
        std::printf("# client area %s\n", size.c_str());
    return all && size.empty();
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
    const HWND line = probe::controlAt(window, *runtime::placeOf(form1::definition, "Label2", 0));
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
    return probe::failures ? 1 : 0;
}
