#pragma once

// What both Windows test programs need: a checked line of output, and where a control of Form1
// stands against where its twips put it, rounded as Windows itself rounds rather than by the
// runtime's own conversion, which the programs are testing.

// The program's headers go before Windows', which define `interface` as a keyword.
#include "window/form1.h"

#include <cstdio>
#include <string>
#include <windows.h>

namespace probe {

inline int failures = 0;
// The exit status of a test that cannot run here, which CTest reports as skipped.
inline constexpr int skipped = 77;

inline void check(bool ok, const std::string& what) {
    std::printf("%s %s\n", ok ? "ok  " : "FAIL", what.c_str());
    std::fflush(stdout);
    if (!ok)
        ++failures;
}

// A child window's rectangle in its parent's client coordinates.
inline RECT clientRectOf(HWND parent, HWND child) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// The program gives each control the id 100 plus its place in the definition.
inline constexpr int controlIdBase = 100;

// The place in the definition of the control with `id`, or 0 (the window's) for none.
inline runtime::Place placeOfId(int id) {
    const int place = id - controlIdBase;
    return place >= 1 && place < static_cast<int>(form1::definition.size())
               ? static_cast<runtime::Place>(place)
               : runtime::windowPlace;
}

inline HWND controlAt(HWND window, runtime::Place place) {
    return GetDlgItem(window, controlIdBase + static_cast<int>(place));
}

inline int pixelsAt(int twips, int dpi) {
    return MulDiv(twips, dpi, 1440);
}

// Empty where `control` stands where `entry` puts it at `dpi`; else where it stands.
inline std::string misplaced(HWND window, HWND control, const runtime::ControlEntry& entry, int dpi) {
    const RECT r = clientRectOf(window, control);
    const runtime::TwipRect& t = entry.rect;
    if (r.left == pixelsAt(t.left, dpi) && r.top == pixelsAt(t.top, dpi) &&
        r.right - r.left == pixelsAt(t.width, dpi) && r.bottom - r.top == pixelsAt(t.height, dpi))
        return {};
    char place[96];
    std::snprintf(place, sizeof place, "(%ld, %ld, %ld x %ld)", r.left, r.top, r.right - r.left,
                  r.bottom - r.top);
    return place;
}

// Empty where the window's client area is the definition's size at `dpi`; else its size.
inline std::string missized(HWND window, const runtime::ControlEntry& form, int dpi) {
    RECT client;
    GetClientRect(window, &client);
    if (client.right == pixelsAt(form.rect.width, dpi) && client.bottom == pixelsAt(form.rect.height, dpi))
        return {};
    return std::to_string(client.right) + " x " + std::to_string(client.bottom);
}

} // namespace probe
