// Each control class as a Windows control: its window class, styles and class defaults, and the
// option buttons' selection and Click.

#include "runtime/win32/text.h"
#include "runtime/win32/window.h"

#include <commctrl.h>

namespace runtime::win32 {

namespace {

// Every control tells its record when Windows destroys it. And Windows checks an automatic option
// button itself, by the mouse or, as the dialog manager moves the focus with the arrow keys, by the
// keyboard; not every way of it sends BN_CLICKED after the check, so the check itself tells too
// that a button became selected.
LRESULT CALLBACK watch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    auto* control = reinterpret_cast<Win32Control*>(data);
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(hwnd, watch, 0);
        control->destroyed();
        return DefSubclassProc(hwnd, message, wParam, lParam);
    }
    const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
    if (message == BM_SETCHECK && wParam == BST_CHECKED &&
        control->entry().kind == ControlClass::OptionButton)
        control->userSelected();
    return result;
}

struct NativeClass {
    const wchar_t* name;
    DWORD style;
    DWORD extendedStyle;
};

// Every control is a visible child; WS_TABSTOP and WS_GROUP follow from the tab order.
NativeClass nativeClass(ControlClass kind) {
    switch (kind) {
    case ControlClass::OptionButton:
        // Created unselected.
        return {WC_BUTTONW, BS_AUTORADIOBUTTON, 0};
    case ControlClass::PictureBox:
        // A two-pixel sunken border; the picture at its natural size, never the focus.
        return {pictureBoxClass, 0, WS_EX_CLIENTEDGE};
    case ControlClass::Label:
        // Never the focus; an ampersand is a character like any other.
        return {WC_STATICW, SS_LEFT | SS_NOPREFIX, 0};
    case ControlClass::TextBox:
        // A single line.
        return {WC_EDITW, ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlClass::ComboBox:
        // An editable field with a drop-down list, which adds nothing of what is typed.
        return {WC_COMBOBOXW, CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL, 0};
    case ControlClass::Form:
        break;
    }
    return {};
}

} // namespace

std::unique_ptr<NativeControl> Win32Window::create(const ControlEntry& entry) {
    const NativeClass native = nativeClass(entry.kind);
    // Controls are created in definition order, the window at place 0.
    const auto id = static_cast<INT_PTR>(controlIdBase + controls_.size() + 1);
    const HWND hwnd =
        CreateWindowExW(native.extendedStyle, native.name, widen(entry.caption).c_str(),
                        WS_CHILD | WS_VISIBLE | native.style, 0, 0, 0, 0, hwnd_, reinterpret_cast<HMENU>(id),
                        GetModuleHandleW(nullptr), const_cast<Pixels*>(entry.picture));
    auto control = std::make_unique<Win32Control>(entry, hwnd, *this);
    controls_.push_back(control.get());
    SetWindowSubclass(hwnd, watch, 0, reinterpret_cast<DWORD_PTR>(control.get()));
    place(*control);
    if (entry.kind == ControlClass::ComboBox) {
        // A combo box takes no text when created; where its field is narrow, it shows the text's start.
        SetWindowTextW(hwnd, widen(entry.caption).c_str());
        SendMessageW(hwnd, CB_SETEDITSEL, 0, MAKELPARAM(0, 0));
    }
    if (!entry.accessibleName.empty() || !entry.description.empty())
        annotate(hwnd, entry.accessibleName, entry.description, entry.kind == ControlClass::PictureBox);
    return control;
}

Win32Control::~Win32Control() {
    if (hwnd_)
        RemoveWindowSubclass(hwnd_, watch, 0);
    keepFont(nullptr);
    window_.forget(*this);
}

void Win32Control::keepFont(HFONT font) {
    if (font_)
        DeleteObject(font_);
    font_ = font;
}

Status Win32Control::setValue(bool value) {
    if (!hwnd_)
        return statusControlGone;
    if (value) {
        userSelected();
    } else if (selected_) {
        select(false);
        window_.updateTabStops();
    }
    return statusOk;
}

void Win32Control::userSelected() {
    if (selected_)
        return;
    for (Win32Control* other : window_.options())
        if (other != this && other->hwnd_)
            other->select(false);
    select(true);
    window_.updateTabStops();
    if (click_)
        click_();
}

void Win32Control::select(bool selected) {
    selected_ = selected;
    SendMessageW(hwnd_, BM_SETCHECK, selected ? BST_CHECKED : BST_UNCHECKED, 0);
}

Status Win32Control::setVisible(bool visible) {
    if (!hwnd_)
        return statusControlGone;
    ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE);
    return statusOk;
}

// Click, which only option buttons raise, comes when the button becomes selected (userSelected).
void Win32Control::connect(Event event, std::function<void()> raise) {
    if (event == Event::Click)
        click_ = std::move(raise);
}

} // namespace runtime::win32
