// The form: its window, where each control stands at the monitor's DPI, its colours, its keyboard
// order and where the focus returns.

#include "runtime/win32/window.h"

#include "runtime/core/colours.h"
#include "runtime/core/font.h"
#include "runtime/win32/system.h"
#include "runtime/win32/text.h"

#include <algorithm>
#include <commctrl.h>

namespace runtime::win32 {

namespace {

// A sizable frame with a title bar, a system menu and minimize and maximize buttons. The window
// paints nothing where its controls stand, so a switch of diagram or a resize does not flicker.
constexpr DWORD formStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

// Windows 10 1703's message, which the headers of Windows 7 do not name.
constexpr UINT dpiScaledSizeMessage = 0x02E4; // WM_GETDPISCALEDSIZE

// The system's message face at `points` for `dpi`.
HFONT makeFont(UINT dpi, double points) {
    LOGFONTW face = messageFontFor(dpi);
    face.lfHeight = -static_cast<LONG>(points * dpi / 72.0 + 0.5);
    return CreateFontIndirectW(&face);
}

int textWidth(HWND hwnd, HFONT font) {
    wchar_t text[256];
    const int length = GetWindowTextW(hwnd, text, 256);
    const HDC dc = GetDC(hwnd);
    const HGDIOBJ previous = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, text, length, &size);
    SelectObject(dc, previous);
    ReleaseDC(hwnd, dc);
    return size.cx;
}

// A stored colour as the screen shows it: a system colour through GetSysColor, by the very index
// the definition stores; any other value is a COLORREF already.
COLORREF resolve(ColourValue value) {
    return isSystemColour(value) ? GetSysColor(static_cast<int>(systemColourIndex(value))) : value;
}

} // namespace

Win32Window::Win32Window(const ControlEntry& form, HINSTANCE instance)
    : form_(form)
    , instance_(instance) {
    const bool manual = form.startUpPosition == StartUpPosition::Manual;
    hwnd_ = CreateWindowExW(0, formClass, widen(form.caption).c_str(), formStyle, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, this);
    if (!hwnd_)
        return;
    layout(dpiOf(hwnd_));
    if (manual)
        SetWindowPos(hwnd_, nullptr, toPixels(form.rect.left, static_cast<int>(dpi_)),
                     toPixels(form.rect.top, static_cast<int>(dpi_)), 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Win32Window::~Win32Window() {
    if (hwnd_)
        DestroyWindow(hwnd_);
    for (HICON icon : icons_)
        if (icon)
            DestroyIcon(icon);
    for (auto& [colour, brush] : brushes_)
        DeleteObject(brush);
    if (font_)
        DeleteObject(font_);
}

// The frame and the taskbar show the program's icon at the sizes of the window's monitor: the icon
// of the executable's resources, where Explorer finds it too.
void Win32Window::setIcons() {
    for (const auto& [which, metric] : {std::pair{ICON_SMALL, SM_CXSMICON}, std::pair{ICON_BIG, SM_CXICON}}) {
        const int size = metricFor(metric, dpi_);
        const auto icon = static_cast<HICON>(
            LoadImageW(instance_, MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
        if (!icon)
            continue;
        SendMessageW(hwnd_, WM_SETICON, which, reinterpret_cast<LPARAM>(icon));
        if (icons_[which])
            DestroyIcon(icons_[which]);
        icons_[which] = icon;
    }
}

SIZE Win32Window::clientSizeFor(UINT dpi) const {
    const int d = static_cast<int>(dpi);
    return {toPixels(form_.rect.width, d), toPixels(form_.rect.height, d)};
}

void Win32Window::layout(UINT dpi) {
    dpi_ = dpi;
    // The client area at its twips, inside the frame as it stands, whatever Windows made of it; left
    // alone where it is right already, so a change of DPI sizes the window once.
    if (!IsZoomed(hwnd_) && !IsIconic(hwnd_)) {
        RECT outer, client;
        GetWindowRect(hwnd_, &outer);
        GetClientRect(hwnd_, &client);
        const SIZE wanted = clientSizeFor(dpi);
        if (client.right != wanted.cx || client.bottom != wanted.cy)
            SetWindowPos(hwnd_, nullptr, 0, 0, wanted.cx + (outer.right - outer.left) - client.right,
                         wanted.cy + (outer.bottom - outer.top) - client.bottom,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    setIcons();
    placeControls();
}

// The system's face at the size the window's layout was made for. The old font goes once no
// control holds it.
void Win32Window::placeControls() {
    const HFONT previous = font_;
    font_ = makeFont(dpi_, formFontPoints);
    for (Win32Control* control : controls_)
        place(*control);
    if (previous)
        DeleteObject(previous);
}

void Win32Window::place(Win32Control& control) {
    const ControlEntry& entry = control.entry();
    const int d = static_cast<int>(dpi_);
    const int height = toPixels(entry.rect.height, d);
    int windowHeight = height;
    HFONT font = font_;
    if (entry.kind == ControlClass::Label) {
        const int width = toPixels(entry.rect.width, d);
        const double points = captionPoints([&](double tried) {
            if (tried == formFontPoints)
                return textWidth(control.hwnd(), font_) <= width;
            const HFONT smaller = makeFont(dpi_, tried);
            const bool fits = textWidth(control.hwnd(), smaller) <= width;
            DeleteObject(smaller);
            return fits;
        });
        if (points != formFontPoints)
            font = makeFont(dpi_, points);
    }
    SendMessageW(control.hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    control.keepFont(font == font_ ? nullptr : font);
    if (entry.kind == ControlClass::ComboBox) {
        // The field is the definition's height; the window's height below it is the list's, one row
        // while the list is empty.
        const auto row = static_cast<int>(SendMessageW(control.hwnd(), CB_GETITEMHEIGHT, 0, 0));
        SendMessageW(control.hwnd(), CB_SETITEMHEIGHT, WPARAM(-1), height - 6);
        windowHeight = height + row + 2;
    }
    SetWindowPos(control.hwnd(), nullptr, toPixels(entry.rect.left, d), toPixels(entry.rect.top, d),
                 toPixels(entry.rect.width, d), windowHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(control.hwnd(), nullptr, TRUE);
}

Win32Control* Win32Window::find(HWND hwnd) const {
    const auto found = std::find_if(controls_.begin(), controls_.end(),
                                    [hwnd](const Win32Control* c) { return c->hwnd() == hwnd; });
    return found == controls_.end() ? nullptr : *found;
}

void Win32Window::forget(const Win32Control& control) {
    std::erase(controls_, &control);
    std::erase(tabOrder_, &control);
    std::erase(options_, &control);
}

void Win32Window::updateTabStops() {
    const bool anySelected =
        std::any_of(options_.begin(), options_.end(), [](auto* c) { return c->selected(); });
    for (Win32Control* c : options_) {
        if (!c->hwnd())
            continue;
        const LONG_PTR style = GetWindowLongPtrW(c->hwnd(), GWL_STYLE);
        const bool stop = !anySelected || c->selected();
        SetWindowLongPtrW(c->hwnd(), GWL_STYLE, stop ? style | WS_TABSTOP : style & ~WS_TABSTOP);
    }
}

// The dialog manager walks the z-order: the controls take it in TabIndex order. Each starts a group
// of its own but an option button that follows another, so the arrow keys move within the options.
void Win32Window::setTabOrder(std::span<NativeControl* const> order) {
    HWND previous = HWND_TOP;
    const Win32Control* before = nullptr;
    for (NativeControl* native : order) {
        auto& control = static_cast<Win32Control&>(*native);
        tabOrder_.push_back(&control);
        const ControlClass kind = control.entry().kind;
        const bool option = kind == ControlClass::OptionButton;
        if (option)
            options_.push_back(&control);
        LONG_PTR style = GetWindowLongPtrW(control.hwnd(), GWL_STYLE);
        const bool continuesGroup = option && before && before->entry().kind == ControlClass::OptionButton;
        style = continuesGroup ? style & ~WS_GROUP : style | WS_GROUP;
        if (kind == ControlClass::TextBox || kind == ControlClass::ComboBox)
            style |= WS_TABSTOP;
        SetWindowLongPtrW(control.hwnd(), GWL_STYLE, style);
        SetWindowPos(control.hwnd(), previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        previous = control.hwnd();
        before = &control;
    }
    updateTabStops();
}

void Win32Window::focusFirst() {
    for (const Win32Control* control : tabOrder_) {
        const LONG_PTR style = GetWindowLongPtrW(control->hwnd(), GWL_STYLE);
        if ((style & (WS_TABSTOP | WS_VISIBLE | WS_DISABLED)) == (WS_TABSTOP | WS_VISIBLE)) {
            focus_ = control->hwnd();
            if (GetActiveWindow() == hwnd_)
                SetFocus(focus_);
            return;
        }
    }
}

void Win32Window::show() {
    ShowWindow(hwnd_, SW_SHOWDEFAULT);
    UpdateWindow(hwnd_);
}

HBRUSH Win32Window::background(const Win32Control& control, HDC dc) {
    const ColourValue stored = *control.entry().backColour;
    const COLORREF back = resolve(stored);
    SetBkColor(dc, back);
    const Rgb text = readableText(rgbOf(back), rgbOf(GetSysColor(COLOR_WINDOWTEXT)));
    SetTextColor(dc, RGB(text.red, text.green, text.blue));
    // Windows' own brush of a system colour follows the theme by itself.
    if (isSystemColour(stored))
        return GetSysColorBrush(static_cast<int>(systemColourIndex(stored)));
    HBRUSH& brush = brushes_[back];
    if (!brush)
        brush = CreateSolidBrush(back);
    return brush;
}

LRESULT CALLBACK Win32Window::procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* window = static_cast<Win32Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        window->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
    }
    auto* window = reinterpret_cast<Win32Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!window)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    const LRESULT result = window->handle(message, wParam, lParam);
    if (message == WM_NCDESTROY)
        window->hwnd_ = nullptr; // Windows may give the handle to another window
    return result;
}

LRESULT Win32Window::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED)
            if (Win32Control* control = find(reinterpret_cast<HWND>(lParam));
                control && control->entry().kind == ControlClass::OptionButton)
                control->userSelected();
        return 0;
    case WM_CTLCOLORSTATIC:
        if (Win32Control* control = find(reinterpret_cast<HWND>(lParam));
            control && control->entry().backColour)
            return reinterpret_cast<LRESULT>(background(*control, reinterpret_cast<HDC>(wParam)));
        break;
    case WM_SYSCOLORCHANGE:
        // The stored system colours follow the theme while the window is open.
        InvalidateRect(hwnd_, nullptr, TRUE);
        break;
    case dpiScaledSizeMessage: {
        // Before a move to a monitor of another DPI (per-monitor v2): the frame that holds the
        // client area at the new DPI, so that Windows sizes the window once, and it does not bounce
        // at the seam between the monitors.
        const auto dpi = static_cast<UINT>(wParam);
        if (IsZoomed(hwnd_) || IsIconic(hwnd_))
            break;
        const std::optional<SIZE> size = frameSizeFor(hwnd_, clientSizeFor(dpi), dpi);
        if (!size)
            break;
        *reinterpret_cast<SIZE*>(lParam) = *size;
        return TRUE;
    }
    case WM_DPICHANGED: {
        // Moved to a monitor of another DPI (Windows 8.1 on): Windows suggests the frame, the
        // controls follow.
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
        layout(HIWORD(wParam));
        return 0;
    }
    case WM_SETTINGCHANGE:
        // The user chose another message font: the controls take it at once.
        if (wParam == SPI_SETNONCLIENTMETRICS)
            placeControls();
        break;
    case WM_ACTIVATE:
        // As a dialog does: the focus leaves with the window and comes back to where it was.
        if (LOWORD(wParam) == WA_INACTIVE) {
            if (HWND focus = GetFocus(); focus && IsChild(hwnd_, focus))
                focus_ = focus;
        } else if (focus_ && IsWindow(focus_)) {
            SetFocus(focus_);
            return 0;
        }
        break;
    case WM_SETFOCUS: {
        // The window itself got the focus (from a screen reader, or SetFocus from outside): it
        // hands it on to the control that had it, so typing goes somewhere.
        const auto lost = reinterpret_cast<HWND>(wParam);
        const HWND control = lost && IsChild(hwnd_, lost) ? lost : focus_;
        if (control && IsWindow(control))
            SetFocus(control);
        return 0;
    }
    case WM_DESTROY:
        clearAnnotations();
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

} // namespace runtime::win32
