#pragma once

// Win32's side of the runtime: a top-level window of our class for the form, and Windows' own
// controls on it.

#include "runtime/core/native.h"

#include <map>
#include <memory>
#include <vector>
#include <windows.h>

struct IAccPropServices;

namespace runtime::win32 {

class Win32Window;

// The window classes this backend registers.
inline constexpr wchar_t formClass[] = L"Tvorka1.Form";
inline constexpr wchar_t pictureBoxClass[] = L"Tvorka1.PictureBox";
// A control's id is this plus its place in the definition: above IDOK, IDCANCEL and the other ids
// that the dialog keys send, so Enter and Escape never pass for a control's notification.
inline constexpr int controlIdBase = 100;

class Win32Control final : public NativeControl {
public:
    Win32Control(const ControlEntry& entry, HWND hwnd, Win32Window& window)
        : entry_(entry)
        , hwnd_(hwnd)
        , window_(window) {}
    ~Win32Control() override;

    const ControlEntry& entry() const { return entry_; }
    HWND hwnd() const { return hwnd_; }
    bool selected() const { return selected_; }

    Status setValue(bool value) override;
    Status setVisible(bool visible) override;
    void connect(Event event, std::function<void()> raise) override;

    // An option button that becomes selected, unless it is already: by the mouse or the keyboard
    // (Windows has checked it, or is about to) or by a set of Value. Raises Click.
    void userSelected();
    // Windows has destroyed the control, and may give its handle to another window.
    void destroyed() { hwnd_ = nullptr; }
    // The control's own font, where its caption needs a size of its own; null for the window's.
    void keepFont(HFONT font);

private:
    friend class Win32Window;
    void select(bool selected);

    const ControlEntry& entry_;
    HWND hwnd_;
    Win32Window& window_;
    bool selected_ = false;
    std::function<void()> click_;
    HFONT font_ = nullptr;
};

class Win32Window final : public NativeWindow {
public:
    Win32Window(const ControlEntry& form, HINSTANCE instance);
    ~Win32Window() override;

    HWND hwnd() const { return hwnd_; }

    std::unique_ptr<NativeControl> create(const ControlEntry& entry) override;
    void nameAfter(NativeControl& control, NativeControl& label, std::string_view caption) override;
    void setTabOrder(std::span<NativeControl* const> order) override;
    void focusFirst() override;
    void show() override;

    // The option buttons of the window's one group, in tab order: the selected one alone is a tab
    // stop, or all of them while none is selected.
    const std::vector<Win32Control*>& options() const { return options_; }
    void updateTabStops();
    // A control's record is going; its window may already be gone.
    void forget(const Win32Control& control);

    // What assistive technology reads of `hwnd` beyond what Windows' control says of itself: a
    // name, a description, and for a picture box the role of a graphic.
    void annotate(HWND hwnd, std::string_view name, std::string_view description, bool graphic);
    void clearAnnotations();

    // The window procedure of the form class.
    static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

    // Sizes the client area and places every control for `dpi`, with the font and icons at that size.
    void layout(UINT dpi);
    // The client area at the definition's size for `dpi`, in pixels.
    SIZE clientSizeFor(UINT dpi) const;
    void setIcons();
    // Every control in the system's message face, placed for the window's DPI.
    void placeControls();
    // Places one control at its twips for the window's DPI, in its font.
    void place(Win32Control& control);
    Win32Control* find(HWND hwnd) const;
    HBRUSH background(const Win32Control& control, HDC dc);

    const ControlEntry& form_;
    HINSTANCE instance_;
    HWND hwnd_ = nullptr; // null once Windows has destroyed the window
    UINT dpi_ = 96;
    HFONT font_ = nullptr;
    HICON icons_[2]{};                    // ICON_SMALL, ICON_BIG
    std::map<COLORREF, HBRUSH> brushes_;  // for stored colours that are not system colours
    std::vector<Win32Control*> controls_; // in creation order
    std::vector<Win32Control*> tabOrder_;
    std::vector<Win32Control*> options_;
    HWND focus_ = nullptr; // where the focus returns when the window is activated again
    IAccPropServices* accessibility_ = nullptr;
    std::vector<HWND> annotated_; // what assistive technology has names of ours for
};

} // namespace runtime::win32
