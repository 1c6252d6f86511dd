// Screen readers read Windows' controls through their own accessibility; Windows' dynamic
// annotation adds what a control cannot say of itself.

#include "runtime/win32/text.h"
#include "runtime/win32/window.h"

#include <initguid.h>
#include <oleacc.h>

namespace runtime::win32 {

namespace {
// Written here: oleacc's import library offers the name as an entry point, not as the GUID.
constexpr IID accPropServices = {
    0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
} // namespace

void Win32Window::annotate(HWND hwnd, std::string_view name, std::string_view description, bool graphic) {
    if (!accessibility_ &&
        FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, accPropServices,
                                reinterpret_cast<void**>(&accessibility_))))
        accessibility_ = nullptr;
    if (!accessibility_)
        return; // nothing reads the window without it
    if (!name.empty())
        accessibility_->SetHwndPropStr(hwnd, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_NAME,
                                       widen(name).c_str());
    if (!description.empty())
        accessibility_->SetHwndPropStr(hwnd, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_DESCRIPTION,
                                       widen(description).c_str());
    if (graphic) {
        VARIANT role;
        VariantInit(&role);
        role.vt = VT_I4;
        role.lVal = ROLE_SYSTEM_GRAPHIC;
        accessibility_->SetHwndProp(hwnd, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_ROLE, role);
    }
    annotated_.push_back(hwnd);
}

void Win32Window::nameAfter(NativeControl& control, NativeControl&, std::string_view caption) {
    annotate(static_cast<Win32Control&>(control).hwnd(), caption, {}, false);
}

// Windows asks that annotations go with their windows.
void Win32Window::clearAnnotations() {
    if (!accessibility_)
        return;
    MSAAPROPID properties[] = {PROPID_ACC_NAME, PROPID_ACC_DESCRIPTION, PROPID_ACC_ROLE};
    for (HWND hwnd : annotated_)
        accessibility_->ClearHwndProps(hwnd, OBJID_CLIENT, CHILDID_SELF, properties, 3);
    annotated_.clear();
    accessibility_->Release();
    accessibility_ = nullptr;
}

} // namespace runtime::win32
