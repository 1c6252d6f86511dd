// The Win32 backend from inside the program's process, under Wine: what no other process can bring
// about or see. Windows moves the window to a monitor of another DPI, the user picks other system
// colours or another message font while the window is open, the focus leaves and comes back, and
// what the program asks of Windows' annotation service for screen readers.
// Built twice: as the program finds Windows 10, and, linked with windows7.cpp, as it finds Windows 7.

#include "app/application.h"
#include "probe.h"
#include "runtime/core/startup.h"
#include "runtime/win32/lookup.h"
#include "runtime/win32/window.h"
#include "window/form1.h"

#include <cstdio>
#include <initguid.h>
#include <oleacc.h>
#include <string>
#include <vector>

namespace {

using probe::check;

void pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

HWND control(HWND window, const char* name, int index = runtime::noIndex) {
    return probe::controlAt(window, *runtime::placeOf(form1::definition, name, index));
}

// --- What the program asks of the annotation service ------------------------------------------

struct Annotation {
    HWND hwnd;
    DWORD object, child;
    MSAAPROPID property;
    std::wstring text;
    long role = 0;
};

// Windows' annotation service as the program meets it, registered in this process in place of
// the real one (which Wine ignores): it keeps what it is asked.
class Annotations final : public IAccPropServices, public IClassFactory {
public:
    std::vector<Annotation> set;
    std::vector<HWND> cleared;

    HRESULT WINAPI QueryInterface(REFIID id, void** object) override {
        if (id == IID_IClassFactory)
            *object = static_cast<IClassFactory*>(this);
        else if (id == IID_IUnknown || id == IID_IAccPropServices)
            *object = static_cast<IAccPropServices*>(this);
        else
            return *object = nullptr, E_NOINTERFACE;
        return S_OK;
    }
    ULONG WINAPI AddRef() override { return 2; } // lives as long as the test
    ULONG WINAPI Release() override { return 1; }
    HRESULT WINAPI CreateInstance(IUnknown* outer, REFIID id, void** object) override {
        return outer ? CLASS_E_NOAGGREGATION : QueryInterface(id, object);
    }
    HRESULT WINAPI LockServer(BOOL) override { return S_OK; }

    HRESULT WINAPI SetHwndProp(HWND hwnd, DWORD object, DWORD child, MSAAPROPID property,
                               VARIANT value) override {
        set.push_back({hwnd, object, child, property, {}, value.vt == VT_I4 ? value.lVal : 0});
        return S_OK;
    }
    HRESULT WINAPI SetHwndPropStr(HWND hwnd, DWORD object, DWORD child, MSAAPROPID property,
                                  LPCWSTR text) override {
        set.push_back({hwnd, object, child, property, text, 0});
        return S_OK;
    }
    HRESULT WINAPI ClearHwndProps(HWND hwnd, DWORD, DWORD, const MSAAPROPID*, int) override {
        cleared.push_back(hwnd);
        return S_OK;
    }
    // Nothing else is the program's to ask.
    HRESULT WINAPI SetPropValue(const BYTE*, DWORD, MSAAPROPID, VARIANT) override { return E_NOTIMPL; }
    HRESULT WINAPI SetPropServer(const BYTE*, DWORD, const MSAAPROPID*, int, IAccPropServer*,
                                 AnnoScope) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI ClearProps(const BYTE*, DWORD, const MSAAPROPID*, int) override { return E_NOTIMPL; }
    HRESULT WINAPI SetHwndPropServer(HWND, DWORD, DWORD, const MSAAPROPID*, int, IAccPropServer*,
                                     AnnoScope) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI ComposeHwndIdentityString(HWND, DWORD, DWORD, BYTE**, DWORD*) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI DecomposeHwndIdentityString(const BYTE*, DWORD, HWND*, DWORD*, DWORD*) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI SetHmenuProp(HMENU, DWORD, MSAAPROPID, VARIANT) override { return E_NOTIMPL; }
    HRESULT WINAPI SetHmenuPropStr(HMENU, DWORD, MSAAPROPID, LPCWSTR) override { return E_NOTIMPL; }
    HRESULT WINAPI SetHmenuPropServer(HMENU, DWORD, const MSAAPROPID*, int, IAccPropServer*,
                                      AnnoScope) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI ClearHmenuProps(HMENU, DWORD, const MSAAPROPID*, int) override { return E_NOTIMPL; }
    HRESULT WINAPI ComposeHmenuIdentityString(HMENU, DWORD, BYTE**, DWORD*) override { return E_NOTIMPL; }
    HRESULT WINAPI DecomposeHmenuIdentityString(const BYTE*, DWORD, HMENU*, DWORD*) override {
        return E_NOTIMPL;
    }

    // What the service was told of `hwnd`'s client area, itself rather than a child of it.
    std::wstring textOf(HWND hwnd, const MSAAPROPID& property) const {
        for (const Annotation& a : set)
            if (a.hwnd == hwnd && a.object == static_cast<DWORD>(OBJID_CLIENT) && a.child == CHILDID_SELF &&
                a.property == property)
                return a.text;
        return L"<none>";
    }
    long roleOf(HWND hwnd) const {
        for (const Annotation& a : set)
            if (a.hwnd == hwnd && a.object == static_cast<DWORD>(OBJID_CLIENT) && a.child == CHILDID_SELF &&
                a.property == PROPID_ACC_ROLE)
                return a.role;
        return 0;
    }
};

void checkAnnotations(const Annotations& service, HWND window) {
    for (auto [name, index, spoken] :
         {std::tuple{"Text1", 0, L"R1"}, {"Text1", 2, L"C3"}, {"Combo1", 1, L"R2"}})
        check(service.textOf(control(window, name, index), PROPID_ACC_NAME) == spoken,
              std::string("the entry ") + name + "(" + std::to_string(index) +
                  ") is named by its label, on its client area");
    for (auto [box, spoken] : {std::pair{"Picture2", L"Monostabil"}, {"Picture1", L"Astabil"}}) {
        const HWND hwnd = control(window, box);
        check(service.textOf(hwnd, PROPID_ACC_NAME) == spoken &&
                  service.roleOf(hwnd) == ROLE_SYSTEM_GRAPHIC &&
                  service.textOf(hwnd, PROPID_ACC_DESCRIPTION).size() > 100,
              std::string(box) + " is a graphic with its name and description, on its client area");
    }
    bool controlsOnly = true;
    for (const Annotation& a : service.set)
        controlsOnly =
            controlsOnly && GetParent(a.hwnd) == window && a.object == static_cast<DWORD>(OBJID_CLIENT);
    check(controlsOnly && service.set.size() == 3 * 2 + 2 * 3,
          "nothing else is annotated, and nothing twice");
}

// --- Layout at a DPI --------------------------------------------------------------------------

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

LOGFONTW fontOf(HWND hwnd) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font;
}

LOGFONTW messageFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    return metrics.lfMessageFont;
}

// The entries and option buttons in the system's message face at 8 points for `dpi`.
bool inMessageFont(HWND window, int dpi) {
    const std::wstring face = messageFont().lfFaceName;
    bool all = true;
    for (auto [name, index] : {std::pair{"Text1", 0}, {"Combo1", 2}, {"Option1", runtime::noIndex}}) {
        const LOGFONTW font = fontOf(control(window, name, index));
        all = all && font.lfFaceName == face && font.lfHeight == -MulDiv(8, dpi, 72);
    }
    return all;
}

void checkDpiChanges(HWND window, int dpi) {
    check(placedFor(window, dpi), "every control at its twips for " + std::to_string(dpi) + " dpi");
    check(inMessageFont(window, dpi), "in the system's message face at 8 points");

    // Windows asks the size at the new DPI first (10 1703 on): the frame around the client area at
    // its twips for 144 dpi, so that the move sizes the window once. As Windows 7, which never
    // asks, the program leaves the answer to Windows.
    const bool asWindows7 = !runtime::win32::lookUp(runtime::win32::SystemLibrary::user32, "GetDpiForWindow");
    using FrameForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    const auto frameForDpi = reinterpret_cast<FrameForDpi>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi")));
    RECT frame{0, 0, probe::pixelsAt(7455, 144), probe::pixelsAt(5070, 144)};
    if (frameForDpi)
        frameForDpi(&frame, static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)), FALSE,
                    static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)), 144);
    SIZE size{};
    const LRESULT answered =
        SendMessageW(window, 0x02E4 /* WM_GETDPISCALEDSIZE */, 144, reinterpret_cast<LPARAM>(&size));
    if (asWindows7)
        check(!answered, "WM_GETDPISCALEDSIZE, which Windows 7 never sends, is left to Windows");
    else
        check(answered && size.cx == frame.right - frame.left && size.cy == frame.bottom - frame.top,
              "WM_GETDPISCALEDSIZE to 144 dpi: the frame around the client area at 144 dpi");

    // Moved to a monitor of 144 dpi: Windows suggests the frame, and every control follows. The
    // fonts of 96 dpi go: a move between monitors leaks nothing.
    std::vector<HFONT> before;
    for (runtime::Place p = 1; p < form1::definition.size(); ++p)
        before.push_back(
            reinterpret_cast<HFONT>(SendMessageW(probe::controlAt(window, p), WM_GETFONT, 0, 0)));
    RECT suggested{100, 100, 900, 700};
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    pump();
    check(placedFor(window, 144) && inMessageFont(window, 144),
          "WM_DPICHANGED to 144 dpi places the window and every control again, in the face at 144 dpi");
    bool freed = true;
    for (HFONT font : before)
        freed = freed && GetObjectType(font) == 0;
    check(freed, "the fonts of the DPI before are deleted");
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    pump();
    check(placedFor(window, dpi), "and back");
}

// The user chooses another message font: the controls take it at once.
void checkMessageFontChange(HWND window, int dpi) {
    const LOGFONTW original = messageFont();
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    lstrcpyW(metrics.lfMessageFont.lfFaceName, L"Courier New");
    SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    SendMessageW(window, WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS,
                 reinterpret_cast<LPARAM>(L"WindowMetrics"));
    pump();
    check(std::wstring(fontOf(control(window, "Text1", 1)).lfFaceName) == L"Courier New" &&
              inMessageFont(window, dpi) && placedFor(window, dpi),
          "a new message font reaches the controls at once, and they stay where they are");
    metrics.lfMessageFont = original;
    SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    SendMessageW(window, WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS,
                 reinterpret_cast<LPARAM>(L"WindowMetrics"));
}

// --- Focus, colours, painting -----------------------------------------------------------------

void checkFocus(HWND window) {
    // The window itself is given the focus: it hands it on to the control that had it.
    const HWND second = control(window, "Text1", 1);
    SetFocus(second);
    SetFocus(window);
    pump();
    check(GetFocus() == second, "the focus given to the window goes on to the control that had it");

    // Another window is activated and this one again: the focus comes back where it was.
    const HWND third = control(window, "Text1", 2);
    SetFocus(third);
    const HWND other = CreateWindowExW(0, L"Static", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr,
                                       nullptr, nullptr, nullptr);
    SetActiveWindow(other);
    pump();
    const bool left = GetFocus() != third;
    SetActiveWindow(window);
    pump();
    check(left && GetFocus() == third,
          "deactivated and activated again, the window has the focus where it was");
    DestroyWindow(other);
}

COLORREF middleOf(HWND hwnd) {
    UpdateWindow(hwnd);
    const HDC dc = GetDC(hwnd);
    const COLORREF c = GetPixel(dc, 1, 1);
    ReleaseDC(hwnd, dc);
    return c;
}

void checkSystemColour(HWND window) {
    // A dark red for system colour 9 while the window is open: the result lines follow, with their
    // text turned light to stay readable.
    const HWND line = control(window, "Label2", 0);
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
}

// A picture box never erases before it paints: its WM_PAINT covers every pixel.
void checkNoErase(HWND window) {
    const HWND box = control(window, "Picture2");
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, 8, 8);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    const RECT all{0, 0, 8, 8};
    const HBRUSH marker = CreateSolidBrush(RGB(1, 2, 3));
    FillRect(memory, &all, marker);
    const LRESULT erased = SendMessageW(box, WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory), 0);
    check(erased && GetPixel(memory, 4, 4) == RGB(1, 2, 3),
          "a picture box answers WM_ERASEBKGND without painting, so it does not flicker");
    SelectObject(memory, previous);
    DeleteObject(marker);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

} // namespace

int main() {
    runtime::Platform& platform = runtime::nativePlatform();
    const auto application = platform.open(app::descriptor);
    static Annotations service;
    DWORD registration = 0;
    CoRegisterClassObject(CLSID_AccPropServices, static_cast<IClassFactory*>(&service), CLSCTX_INPROC_SERVER,
                          REGCLS_MULTIPLEUSE, &registration);
    const runtime::Ref<runtime::Form> form = runtime::load(app::descriptor, platform);
    form->native().show();
    pump();
    const HWND window = dynamic_cast<runtime::win32::Win32Window&>(form->native()).hwnd();
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY); // Wine gives every monitor this one
    ReleaseDC(nullptr, screen);
    OSVERSIONINFOW version{sizeof version, 0, 0, 0, 0, {}};
    GetVersionExW(&version);
    std::printf("# at %d dpi, as Windows %lu.%lu\n", dpi, version.dwMajorVersion, version.dwMinorVersion);

    checkAnnotations(service, window);
    checkDpiChanges(window, dpi);
    checkMessageFontChange(window, dpi);
    checkFocus(window);
    checkSystemColour(window);
    checkNoErase(window);

    DestroyWindow(window);
    check(service.cleared.size() == 8,
          "the annotations of the six entries and two diagrams go with the window");
    CoRevokeClassObject(registration);
    return probe::failures ? 1 : 0;
}
