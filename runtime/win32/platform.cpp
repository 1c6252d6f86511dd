// The Win32 platform: the window classes, the message loop with the dialog manager's keyboard, and
// the error box.

#include "runtime/win32/text.h"
#include "runtime/win32/window.h"

#include <commctrl.h>
#include <cstdio>
#include <cstdlib>
#include <objbase.h>

namespace runtime::win32 {

namespace {

// A picture box shows its picture at natural size, one image pixel per device pixel, from the
// top-left of its inner area; Windows cuts it at the inner edge. It paints every pixel of its inner
// area once, the picture and the button face beside it, and never erases first: no flicker.
LRESULT CALLBACK pictureBoxProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCREATE:
        SetWindowLongPtrW(
            hwnd, GWLP_USERDATA,
            reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
        break;
    case WM_ERASEBKGND:
        return 1; // WM_PAINT covers it all
    case WM_PAINT: {
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(hwnd, &paint);
        if (const auto* p = reinterpret_cast<const Pixels*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA))) {
            BITMAPINFO info{};
            info.bmiHeader.biSize = sizeof info.bmiHeader;
            info.bmiHeader.biWidth = p->width;
            info.bmiHeader.biHeight = -p->height; // rows top first, as the pixels lie
            info.bmiHeader.biPlanes = 1;
            info.bmiHeader.biBitCount = 32;
            info.bmiHeader.biCompression = BI_RGB;
            SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(p->width), static_cast<DWORD>(p->height), 0, 0, 0,
                              static_cast<UINT>(p->height), p->data, &info, DIB_RGB_COLORS);
            ExcludeClipRect(dc, 0, 0, p->width, p->height);
        }
        FillRect(dc, &paint.rcPaint, GetSysColorBrush(COLOR_BTNFACE));
        EndPaint(hwnd, &paint);
        return 0;
    }
    default:
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// The window classes of the form and the picture box, registered once.
void registerClasses(HINSTANCE instance) {
    static const bool registered = [instance] {
        WNDCLASSEXW form{};
        form.cbSize = sizeof form;
        form.lpfnWndProc = Win32Window::procedure;
        form.hInstance = instance;
        form.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
        form.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
        form.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        form.lpszClassName = formClass;
        WNDCLASSEXW picture = form;
        picture.lpfnWndProc = pictureBoxProcedure;
        picture.hIcon = nullptr;
        picture.hbrBackground = nullptr;
        picture.lpszClassName = pictureBoxClass;
        return RegisterClassExW(&form) && RegisterClassExW(&picture);
    }();
    (void)registered;
}

// Ends the process with the reason where the window system refuses the window.
[[noreturn]] void cannotOpen(std::string_view name) {
    wchar_t reason[512] = L"";
    FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, GetLastError(), 0,
                   reason, 512, nullptr);
    const std::wstring title = widen(name);
    const std::wstring text = L"cannot open the window: " + std::wstring(reason);
    std::fwprintf(stderr, L"%ls: %ls\n", title.c_str(), text.c_str());
    MessageBoxW(nullptr, text.c_str(), title.c_str(), MB_OK | MB_ICONERROR);
    std::_Exit(EXIT_FAILURE);
}

// Keys go to the dialog manager of the form they are typed in; true where it has handled one.
bool handledAsDialogKey(MSG& message) {
    if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST)
        return false;
    const HWND top = GetAncestor(message.hwnd, GA_ROOT);
    wchar_t className[32] = L"";
    return top && GetClassNameW(top, className, 32) && lstrcmpW(className, formClass) == 0 &&
           IsDialogMessageW(top, &message);
}

class Win32Application final : public NativeApplication {
public:
    Win32Application() {
        const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&controls);
        // Windows' accessibility annotations are COM objects of this thread.
        comInitialized_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    }
    ~Win32Application() override {
        if (comInitialized_)
            CoUninitialize();
    }

    // The dialog manager gives each form its keyboard: Tab and Shift+Tab through the tab stops,
    // the arrow keys within a group of option buttons.
    int run() override {
        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            if (handledAsDialogKey(message))
                continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        return static_cast<int>(message.wParam);
    }

private:
    bool comInitialized_ = false;
};

class Win32Platform final : public Platform {
public:
    std::unique_ptr<NativeApplication> open(const AppDescriptor&) override {
        return std::make_unique<Win32Application>();
    }

    std::unique_ptr<NativeWindow> createWindow(const AppDescriptor& descriptor,
                                               const ControlEntry& form) override {
        registerClasses(GetModuleHandleW(nullptr));
        auto window = std::make_unique<Win32Window>(form, GetModuleHandleW(nullptr));
        if (!window->hwnd())
            cannotOpen(descriptor.name);
        return window;
    }

    void showError(std::string_view title, std::string_view text) override {
        MessageBoxW(nullptr, widen(text).c_str(), widen(title).c_str(), MB_OK | MB_ICONERROR | MB_TASKMODAL);
    }
};

} // namespace

} // namespace runtime::win32

runtime::Platform& runtime::nativePlatform() {
    static win32::Win32Platform platform;
    return platform;
}
