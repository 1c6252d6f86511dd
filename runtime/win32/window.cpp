// The form: its window, where each control stands at the monitor's DPI, its colours, its keyboard
// order and where the focus returns.

#include "runtime/win32/window.h"

#include "runtime/core/colours.h"
#include "runtime/win32/text.h"

#include <algorithm>
#include <commctrl.h>

namespace runtime::win32 {

namespace {

// A sizable frame with a title bar, a system menu and minimize and maximize buttons.
constexpr DWORD formStyle = WS_OVERLAPPEDWINDOW;

// The system's message face at `points` for `dpi`.
HFONT makeFont(UINT dpi, double points) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi);
    metrics.lfMessageFont.lfHeight = -static_cast<LONG>(points * dpi / 72.0 + 0.5);
    return CreateFontIndirectW(&metrics.lfMessageFont);
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

COLORREF colorref(Rgb c) {
    return RGB(c.red, c.green, c.blue);
}
Rgb rgb(COLORREF c) {
    return {GetRValue(c), GetGValue(c), GetBValue(c)};
}

// A stored colour as the screen shows it: a system colour through GetSysColor, by the very index
// the definition stores, any other value as it is.
COLORREF resolve(ColourValue value) {
    return isSystemColour(value) ? GetSysColor(static_cast<int>(systemColourIndex(value)))
                                 : colorref(rgbOf(value));
}

} // namespace

Win32Window::Win32Window(const ControlEntry& form, HINSTANCE instance)
    : form_(form) {
    const bool manual = form.startUpPosition == StartUpPosition::Manual;
    hwnd_ = CreateWindowExW(0, formClass, widen(form.caption).c_str(), formStyle, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, this);
    if (!hwnd_)
        return;
    // The frame and the taskbar show the program's icon, at the sizes of this monitor: the icon
    // of the executable's resources, where Explorer finds it too.
    dpi_ = GetDpiForWindow(hwnd_);
    for (const auto& [which, metric] : {std::pair{ICON_BIG, SM_CXICON}, std::pair{ICON_SMALL, SM_CXSMICON}}) {
        const int size = GetSystemMetricsForDpi(metric, dpi_);
        if (HANDLE icon = LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, LR_DEFAULTCOLOR))
            SendMessageW(hwnd_, WM_SETICON, which, reinterpret_cast<LPARAM>(icon));
    }
    layout(dpi_);
    if (manual)
        SetWindowPos(hwnd_, nullptr, toPixels(form.rect.left, static_cast<int>(dpi_)),
                     toPixels(form.rect.top, static_cast<int>(dpi_)), 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Win32Window::~Win32Window() {
    if (IsWindow(hwnd_))
        DestroyWindow(hwnd_);
    for (auto& [control, font] : fitted_)
        DeleteObject(font);
    for (auto& [colour, brush] : brushes_)
        DeleteObject(brush);
    if (font_)
        DeleteObject(font_);
}

void Win32Window::layout(UINT dpi) {
    dpi_ = dpi;
    const int d = static_cast<int>(dpi);
    // The client area at its twips, inside the frame as it stands, whatever Windows made of it.
    if (!IsZoomed(hwnd_) && !IsIconic(hwnd_)) {
        RECT outer, client;
        GetWindowRect(hwnd_, &outer);
        GetClientRect(hwnd_, &client);
        SetWindowPos(hwnd_, nullptr, 0, 0,
                     toPixels(form_.rect.width, d) + (outer.right - outer.left) - client.right,
                     toPixels(form_.rect.height, d) + (outer.bottom - outer.top) - client.bottom,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (font_)
        DeleteObject(font_);
    // The system's face at 8 points, the size the window's layout was made for.
    font_ = makeFont(dpi, 8);
    for (Win32Control* control : controls_)
        place(*control);
}

void Win32Window::place(Win32Control& control) {
    const ControlEntry& entry = control.entry();
    const int d = static_cast<int>(dpi_);
    const int height = toPixels(entry.rect.height, d);
    int windowHeight = height;
    HFONT font = font_;
    if (auto fitted = fitted_.find(&control); fitted != fitted_.end()) {
        DeleteObject(fitted->second);
        fitted_.erase(fitted);
    }
    if (entry.kind == ControlClass::Label) {
        // A caption wider than its label takes a smaller size of the same font rather than being cut.
        const int width = toPixels(entry.rect.width, d);
        for (double points = 7.5; textWidth(control.hwnd(), font) > width && points >= 6; points -= 0.5) {
            if (font != font_)
                DeleteObject(font);
            font = makeFont(dpi_, points);
        }
        if (font != font_)
            fitted_[&control] = font;
    }
    SendMessageW(control.hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
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
    if (auto fitted = fitted_.find(&control); fitted != fitted_.end()) {
        DeleteObject(fitted->second);
        fitted_.erase(fitted);
    }
}

std::vector<Win32Control*> Win32Window::options() const {
    std::vector<Win32Control*> options;
    for (Win32Control* control : tabOrder_)
        if (control->entry().kind == ControlClass::OptionButton)
            options.push_back(control);
    return options;
}

void Win32Window::updateTabStops() {
    const std::vector<Win32Control*> group = options();
    const bool anySelected = std::any_of(group.begin(), group.end(), [](auto* c) { return c->selected(); });
    for (Win32Control* c : group) {
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
    const COLORREF back = resolve(*control.entry().backColour);
    SetBkColor(dc, back);
    SetTextColor(dc, colorref(readableText(rgb(back), rgb(GetSysColor(COLOR_WINDOWTEXT)))));
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
    if (auto* window = reinterpret_cast<Win32Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)))
        return window->handle(message, wParam, lParam);
    return DefWindowProcW(hwnd, message, wParam, lParam);
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
        for (auto& [colour, brush] : brushes_)
            DeleteObject(brush);
        brushes_.clear();
        InvalidateRect(hwnd_, nullptr, TRUE);
        break;
    case WM_DPICHANGED: {
        // Moved to a monitor of another DPI: Windows suggests the frame, the controls follow.
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
        layout(HIWORD(wParam));
        return 0;
    }
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
