// Tvorka1 as a Windows user meets it, seen from another process through the Win32 API: the window
// and its controls, the keyboard, the mouse's clicks, the pixels on the screen, typing, closing,
// two instances, the resources, and the report of a failed set. Run under Wine by tst_windows.sh.
// Usage: wintest program EXE ICO MONOSTABLE_BMP ASTABLE_BMP
//        wintest names EXE            (skipped, 77, where annotations are ignored, as under Wine)
//        wintest fault FAULT_HOST
//        wintest shots EXE FOLDER     (pictures of the window in both modes, for the eye)

#include "probe.h"
#include "window/form1.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <oleacc.h>
#include <span>
#include <string>
#include <tuple>
#include <vector>
#include <windows.h>

namespace {

using runtime::ControlClass;
using runtime::ControlEntry;

using probe::check;
using probe::skipped;
using runtime::displayName;

std::string narrow(const std::wstring& text) {
    std::string out;
    for (wchar_t c : text)
        out += c < 128 ? static_cast<char>(c) : '?';
    return out;
}

std::wstring wide(std::string_view text) {
    return {text.begin(), text.end()};
}

std::wstring textOf(HWND hwnd) {
    wchar_t text[512] = L"";
    // WM_GETTEXT rather than GetWindowText, which reads no control of another process.
    SendMessageTimeoutW(hwnd, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000,
                        nullptr);
    return text;
}

std::wstring classOf(HWND hwnd) {
    wchar_t name[64] = L"";
    GetClassNameW(hwnd, name, 64);
    return name;
}

// Waits up to `ms` for `done`, giving the program time to repaint or react. The wait ends as soon
// as `done` holds, so a long limit costs nothing where the machine is quick; on a loaded one, input
// through Wine's server and a repaint can take seconds.
template <class F>
bool waitFor(F done, int ms = 10000) {
    for (int waited = 0; waited < ms; waited += 20) {
        if (done())
            return true;
        Sleep(20);
    }
    return done();
}

struct Program {
    PROCESS_INFORMATION process{};
    HWND window = nullptr;
};

Program launch(const std::wstring& exe, const std::wstring& arguments = L"") {
    Program p;
    std::wstring command = L"\"" + exe + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &p.process))
        std::printf("FAIL cannot start %s\n", narrow(exe).c_str());
    return p;
}

struct WindowSearch {
    DWORD process;
    const wchar_t* windowClass;
    HWND found = nullptr;
};

BOOL CALLBACK matchWindow(HWND hwnd, LPARAM data) {
    auto& s = *reinterpret_cast<WindowSearch*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner != s.process || !IsWindowVisible(hwnd) || (s.windowClass && classOf(hwnd) != s.windowClass))
        return TRUE;
    s.found = hwnd;
    return FALSE;
}

// The first visible top-level window of `process` of the given class (or any class).
HWND windowOf(DWORD process, const wchar_t* windowClass) {
    WindowSearch search{process, windowClass};
    EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

DWORD exitCode(Program& p, int ms = 5000) {
    DWORD code = STILL_ACTIVE;
    if (WaitForSingleObject(p.process.hProcess, static_cast<DWORD>(ms)) == WAIT_OBJECT_0)
        GetExitCodeProcess(p.process.hProcess, &code);
    return code;
}

void end(Program& p) {
    if (WaitForSingleObject(p.process.hProcess, 0) != WAIT_OBJECT_0)
        TerminateProcess(p.process.hProcess, 99);
    CloseHandle(p.process.hProcess);
    CloseHandle(p.process.hThread);
}

// --- The window as the definition describes it ----------------------------------------------------

struct Shown {
    HWND window;
    int dpi;
    std::map<std::string, HWND> controls; // by display name, "Text1(0)"
    HWND operator[](const std::string& name) const { return controls.at(name); }
};

const wchar_t* windowsClassOf(ControlClass kind) {
    switch (kind) {
    case ControlClass::OptionButton:
        return L"Button";
    case ControlClass::PictureBox:
        return L"Tvorka1.PictureBox";
    case ControlClass::Label:
        return L"Static";
    case ControlClass::TextBox:
        return L"Edit";
    case ControlClass::ComboBox:
        return L"ComboBox";
    case ControlClass::Form:
        break;
    }
    return L"";
}

// The DPI the user chose, which Windows gives every monitor here: LogPixels, 96 unless set.
int chosenDpi() {
    DWORD dpi = 96, size = sizeof dpi;
    RegGetValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels", RRF_RT_REG_DWORD, nullptr, &dpi,
                 &size);
    return static_cast<int>(dpi);
}

// Finds the controls by their ids.
Shown identify(HWND window) {
    Shown shown{window, chosenDpi(), {}};
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (const runtime::Place place = probe::placeOfId(GetDlgCtrlID(child)); place != runtime::windowPlace)
            shown.controls[displayName(form1::definition[place])] = child;
    return shown;
}

void checkWindow(const Shown& s) {
    const int dpi = s.dpi;
    check(classOf(s.window) == L"Tvorka1.Form" && textOf(s.window) == L"Form1", "the window is a Form1");
    const LONG_PTR style = GetWindowLongPtrW(s.window, GWL_STYLE);
    const LONG_PTR frame = WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    check((style & frame) == frame, "sizable frame, title bar, system menu, minimize and maximize buttons");
    check(style & WS_CLIPCHILDREN, "the window paints nothing where its controls stand");
    const std::string size = probe::missized(s.window, form1::definition.front(), dpi);
    check(size.empty(), "the client area is 7455 x 5070 twips at " + std::to_string(dpi) + " dpi" +
                            (size.empty() ? "" : ", not " + size));
}

// As the window opens, in the monostable mode.
void checkControls(const Shown& s) {
    check(s.controls.size() == form1::definition.size() - 1, "18 controls, ids 101 to 118 in creation order");
    for (const ControlEntry& e : std::span(form1::definition).subspan(1)) {
        const std::string name = displayName(e);
        const HWND hwnd = s.controls.count(name) ? s[name] : nullptr;
        if (!hwnd) {
            check(false, name + " exists");
            continue;
        }
        const std::string place = probe::misplaced(s.window, hwnd, e, s.dpi);
        check(place.empty(), name + " stands at its twips" + (place.empty() ? "" : ", not at " + place));
        check(classOf(hwnd) == windowsClassOf(e.kind), name + " is a " + narrow(windowsClassOf(e.kind)));
        const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
        switch (e.kind) {
        case ControlClass::OptionButton:
            check((style & BS_TYPEMASK) == BS_AUTORADIOBUTTON, name + " is an automatic option button");
            break;
        case ControlClass::TextBox:
            check(!(style & ES_MULTILINE), name + " holds a single line");
            break;
        case ControlClass::ComboBox: {
            check((style & 3) == CBS_DROPDOWN, name + " is an editable field with a drop-down list");
            // Its field shows "Combo1" from the start, nothing selected, until the focus comes.
            const HWND field = GetWindow(hwnd, GW_CHILD);
            const auto selection = static_cast<DWORD>(SendMessageW(field, EM_GETSEL, 0, 0));
            const auto first = SendMessageW(field, EM_GETFIRSTVISIBLELINE, 0, 0);
            check(selection == 0 && first == 0,
                  name + "'s field shows its text from the first letter, unselected");
            break;
        }
        case ControlClass::PictureBox:
        case ControlClass::Label:
            check(!(style & WS_TABSTOP), name + " never takes the focus");
            break;
        case ControlClass::Form:
            break;
        }
        if (e.kind != ControlClass::PictureBox)
            check(textOf(hwnd) == wide(e.caption), name + " reads \"" + std::string(e.caption) + "\"");
        const bool visible = e.kind != ControlClass::PictureBox || e.name == "Picture2";
        check((IsWindowVisible(hwnd) != 0) == visible, name + (visible ? " is visible" : " is hidden"));
    }
    // The z-order, which the dialog manager walks with Tab, is the keyboard's order of all 18.
    std::string order;
    for (HWND child = GetWindow(s.window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        (order += ' ') += displayName(form1::definition[probe::placeOfId(GetDlgCtrlID(child))]);
    check(order == " Label1(0) Label1(1) Label1(2) Text1(0) Text1(1) Text1(2) Combo1(0) Combo1(1) Combo1(2) "
                   "Label2(0) Label2(1) Label2(2) Label2(3) Label2(4) Option1 Option2 Picture1 Picture2",
          "the controls lie in the keyboard's order:" + order);
}

// --- Keyboard and mouse ---------------------------------------------------------------------------

HWND focusOf(const Shown& s) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(s.window, nullptr), &info);
    HWND focus = info.hwndFocus;
    // A selector's field is an edit control inside it.
    if (focus && GetParent(focus) != s.window && GetParent(focus) && GetParent(GetParent(focus)) == s.window)
        focus = GetParent(focus);
    return focus;
}

std::string focusName(const Shown& s) {
    const HWND focus = focusOf(s);
    for (const auto& [name, hwnd] : s.controls)
        if (hwnd == focus)
            return name;
    return focus ? "something else" : "nothing";
}

// Waits until the focus settles on `name`; returns where it is.
std::string waitFocus(const Shown& s, const std::string& name) {
    waitFor([&] { return focusName(s) == name; });
    return focusName(s);
}

// Posted to one control: for a field that takes the key itself (Enter).
void press(HWND hwnd, UINT key) {
    PostMessageW(hwnd, WM_KEYDOWN, key, 1);
    PostMessageW(hwnd, WM_KEYUP, key, 0xC0000001);
}

enum class Shift { up, held };

// A key pressed and released on the keyboard, with Shift held where asked: Windows gives it to the
// control with the focus in the window in front, after every key pressed before it, and the dialog
// manager sees Shift as held. The window must be in front.
void pressOnKeyboard(WORD key, Shift shift = Shift::up) {
    std::vector<INPUT> keys;
    auto add = [&](WORD code, DWORD flags) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = code;
        input.ki.dwFlags = flags;
        keys.push_back(input);
    };
    if (shift == Shift::held)
        add(VK_SHIFT, 0);
    add(key, 0);
    add(key, KEYEVENTF_KEYUP);
    if (shift == Shift::held)
        add(VK_SHIFT, KEYEVENTF_KEYUP);
    SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
}

bool checked(HWND option) {
    return SendMessageW(option, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// Exactly one option selected and only its diagram visible.
bool inMode(const Shown& s, bool monostable) {
    return checked(s["Option1"]) == monostable && checked(s["Option2"]) == !monostable &&
           (IsWindowVisible(s["Picture2"]) != 0) == monostable &&
           (IsWindowVisible(s["Picture1"]) != 0) == !monostable;
}

// Each key waits for what the one before did, so that none reaches a control it was not meant for.
void checkKeyboard(const Shown& s) {
    check(waitFocus(s, "Text1(0)") == "Text1(0)", "the focus starts in Text1(0), not " + focusName(s));
    SetForegroundWindow(s.window);
    check(waitFor([&] { return GetForegroundWindow() == s.window; }), "the window comes to the front");
    std::string walked;
    for (const char* next :
         {"Text1(1)", "Text1(2)", "Combo1(0)", "Combo1(1)", "Combo1(2)", "Option1", "Text1(0)"}) {
        pressOnKeyboard(VK_TAB);
        (walked += ' ') += waitFocus(s, next);
    }
    check(walked == " Text1(1) Text1(2) Combo1(0) Combo1(1) Combo1(2) Option1 Text1(0)",
          "Tab walks the entries, then the selected option only, and wraps:" + walked);

    std::string back;
    for (const char* next : {"Option1", "Combo1(2)"}) {
        pressOnKeyboard(VK_TAB, Shift::held);
        (back += ' ') += waitFocus(s, next);
    }
    check(back == " Option1 Combo1(2)", "Shift+Tab walks back:" + back);

    pressOnKeyboard(VK_TAB);
    waitFocus(s, "Option1");
    // The option group is the two buttons alone: from either, an arrow either way goes to the other,
    // as the dialog manager wraps within a group.
    for (auto [key, name] :
         {std::pair{VK_DOWN, "Down"}, {VK_RIGHT, "Right"}, {VK_UP, "Up"}, {VK_LEFT, "Left"}}) {
        const bool toAstable = checked(s["Option1"]);
        const char* from = toAstable ? "Option1" : "Option2";
        const char* to = toAstable ? "Option2" : "Option1";
        pressOnKeyboard(key);
        const bool switched = waitFor([&] { return inMode(s, !toAstable) && focusName(s) == to; });
        check(switched, std::string(name) + " on " + from + " selects " + to +
                            " and switches the diagram, as a click does (the focus is on " + focusName(s) +
                            ")");
    }
    check(inMode(s, true), "back in the monostable mode");
}

void checkClicks(const Shown& s) {
    SendMessageW(s["Option2"], BM_CLICK, 0, 0);
    check(waitFor([&] { return inMode(s, false); }), "a click on ASTABIL shows the astable diagram alone");
    SendMessageW(s["Option2"], BM_CLICK, 0, 0);
    check(waitFor([&] { return inMode(s, false); }), "a click on the selected ASTABIL changes nothing");
    SendMessageW(s["Option1"], BM_CLICK, 0, 0);
    check(waitFor([&] { return inMode(s, true); }),
          "a click on MONOSTABIL shows the monostable diagram alone");
    // Assistive technology selects a button by checking it.
    SendMessageW(s["Option2"], BM_SETCHECK, BST_CHECKED, 0);
    const bool astable = waitFor([&] { return inMode(s, false); });
    SendMessageW(s["Option1"], BM_SETCHECK, BST_CHECKED, 0);
    check(astable && waitFor([&] { return inMode(s, true); }),
          "a selection by BM_SETCHECK switches the diagram as a click does, both ways");
}

// --- What the screen shows ------------------------------------------------------------------------

struct Bitmap {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels; // 0x00RRGGBB, rows top first
    std::uint32_t at(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * width + x] & 0xFFFFFF;
    }
};

std::vector<unsigned char> readFile(const std::wstring& path) {
    std::ifstream in(path.c_str(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A 24-bit BMP as the files are stored: rows bottom first, each padded to four bytes.
Bitmap readBmp(const std::wstring& path) {
    const std::vector<unsigned char> b = readFile(path);
    Bitmap bmp;
    if (b.size() < 54)
        return bmp;
    auto u32 = [&](std::size_t at) {
        return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | unsigned(b[at + 3]) << 24;
    };
    bmp.width = static_cast<int>(u32(18));
    bmp.height = static_cast<int>(u32(22));
    const std::size_t stride = (static_cast<std::size_t>(bmp.width) * 3 + 3) / 4 * 4;
    for (int y = 0; y < bmp.height; ++y)
        for (int x = 0; x < bmp.width; ++x) {
            const std::size_t p = u32(10) + stride * static_cast<std::size_t>(bmp.height - 1 - y) + 3u * x;
            bmp.pixels.push_back(b[p + 2] << 16 | b[p + 1] << 8 | b[p]);
        }
    return bmp;
}

// A rectangle of the screen as it shows it.
Bitmap grabScreen(const RECT& r) {
    const int width = r.right - r.left, height = r.bottom - r.top;
    Bitmap shot{width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height)};
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const HBITMAP dib = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ previous = SelectObject(memory, dib);
    BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    std::memcpy(shot.pixels.data(), bits, shot.pixels.size() * 4);
    SelectObject(memory, previous);
    DeleteObject(dib);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return shot;
}

// The client area of `hwnd`.
Bitmap grab(HWND hwnd) {
    RECT r;
    GetClientRect(hwnd, &r);
    MapWindowPoints(hwnd, HWND_DESKTOP, reinterpret_cast<POINT*>(&r), 2);
    return grabScreen(r);
}

// The box's inner area holds the picture 1:1 from its top-left, cut at the inner edge.
bool showsOneToOne(HWND box, const Bitmap& picture, int& shownWidth, int& shownHeight) {
    const Bitmap shot = grab(box);
    shownWidth = std::min(shot.width, picture.width);
    shownHeight = std::min(shot.height, picture.height);
    for (int y = 0; y < shownHeight; ++y)
        for (int x = 0; x < shownWidth; ++x)
            if (shot.at(x, y) != picture.at(x, y))
                return false;
    return shownWidth > 0;
}

void checkPixels(const Shown& s, const Bitmap& monostable, const Bitmap& astable) {
    for (auto [option, box, picture, name] : {std::tuple{"Option2", "Picture1", &astable, "astable"},
                                              {"Option1", "Picture2", &monostable, "monostable"}}) {
        SendMessageW(s[option], BM_CLICK, 0, 0);
        int w = 0, h = 0;
        const bool same = waitFor([&] { return showsOneToOne(s[box], *picture, w, h); });
        RECT inner;
        GetClientRect(s[box], &inner);
        const bool whole = w == picture->width && h == picture->height;
        // At 96 dpi the box's inside is 317 pixels square and cuts the diagrams; from 120 dpi on
        // each shows whole.
        const bool expectedPart = s.dpi >= 120 ? whole : (w == 317 && h == 317 && inner.right == 317);
        check(same && expectedPart, std::string("the ") + name +
                                        " diagram shows pixel for pixel from the inner corner, " +
                                        std::to_string(w) + " x " + std::to_string(h) + " of it");
        if (s.dpi >= 120) {
            // Beside the diagram, the box's own button face.
            const Bitmap shot = grab(s[box]);
            const COLORREF face = GetSysColor(COLOR_BTNFACE);
            const std::uint32_t rgb = GetRValue(face) << 16 | GetGValue(face) << 8 | GetBValue(face);
            check(shot.at(shot.width - 1, shot.height - 1) == rgb,
                  std::string("beside the ") + name + " diagram, the button face");
        }
    }
    // The result lines on system colour 9 with text that reads on it.
    const Bitmap line = grab(s["Label2(0)"]);
    const std::uint32_t back = GetSysColor(COLOR_CAPTIONTEXT);
    const std::uint32_t backRgb = (back & 0xFF) << 16 | (back & 0xFF00) | (back >> 16 & 0xFF);
    int backPixels = 0, farPixels = 0;
    auto grey = [](std::uint32_t c) {
        return ((c >> 16 & 0xFF) * 11 + (c >> 8 & 0xFF) * 16 + (c & 0xFF) * 5) / 32;
    };
    for (std::uint32_t p : line.pixels) {
        backPixels += (p & 0xFFFFFF) == backRgb;
        farPixels += std::abs(int(grey(p & 0xFFFFFF)) - int(grey(backRgb))) >= 96;
    }
    check(backPixels > static_cast<int>(line.pixels.size()) / 2 && farPixels > 20,
          "the result lines stand on system colour 9 with text that reads on it");
}

// The 16-pixel image of the stored ICO (its third): 16 colours and a mask, -1 where transparent.
std::vector<int> smallIcon(const std::vector<unsigned char>& ico) {
    std::vector<int> pixels;
    if (ico.size() < 6 + 16 * 3)
        return pixels;
    auto u32 = [&](std::size_t at) {
        return ico[at] | ico[at + 1] << 8 | ico[at + 2] << 16 | unsigned(ico[at + 3]) << 24;
    };
    const std::size_t image = u32(6 + 16 * 2 + 12), palette = image + 40, xorRows = palette + 16 * 4;
    const std::size_t andRows = xorRows + 16 * 8;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const std::size_t row = 15 - static_cast<std::size_t>(y);
            const bool transparent = ico[andRows + row * 4 + x / 8] >> (7 - x % 8) & 1;
            const unsigned index = ico[xorRows + row * 8 + x / 2] >> (x % 2 ? 0 : 4) & 0xF;
            pixels.push_back(transparent ? -1 : static_cast<int>(u32(palette + 4 * index) & 0xFFFFFF));
        }
    return pixels;
}

// The title bar shows the program's small icon: at 96 dpi its 16-pixel image as it is stored,
// at other sizes at least its cyan title bar.
void checkIcon(const Shown& s, const std::vector<unsigned char>& ico) {
    const std::vector<int> icon = smallIcon(ico);
    const auto shown = [&] {
        RECT frame;
        GetWindowRect(s.window, &frame);
        POINT client{0, 0};
        ClientToScreen(s.window, &client);
        const int width = 48, height = client.y - frame.top;
        const Bitmap strip = grabScreen({frame.left, frame.top, frame.left + width, client.y});
        bool found = false, cyan = false;
        for (std::uint32_t p : strip.pixels)
            cyan = cyan || (p & 0xFFFFFF) == 0x00FFFF; // Wine 10 fills the top byte
        if (s.dpi != 96)
            return cyan;
        for (int top = 0; !found && top + 16 <= height; ++top)
            for (int left = 0; !found && left + 16 <= width; ++left) {
                bool same = true;
                for (int i = 0; same && i < 256; ++i)
                    same = icon[i] < 0 ||
                           strip.at(left + i % 16, top + i / 16) == static_cast<std::uint32_t>(icon[i]);
                found = same;
            }
        return found;
    };
    // The frame is painted after the window appears.
    check(icon.size() == 256 && waitFor(shown), "the title bar shows the program's icon");
}

// --- Typing, lists, accessibility ----------------------------------------------------------------

struct State {
    std::map<std::string, std::wstring> texts;
    std::map<std::string, bool> visible, selected;
    bool operator==(const State&) const = default;
};

State stateOf(const Shown& s, const std::string& except) {
    State state;
    for (const auto& [name, hwnd] : s.controls)
        if (name != except) {
            state.texts[name] = textOf(hwnd);
            state.visible[name] = IsWindowVisible(hwnd) != 0;
            state.selected[name] = checked(hwnd);
        }
    return state;
}

void type(HWND hwnd, const wchar_t* text) {
    for (const wchar_t* c = text; *c; ++c)
        PostMessageW(hwnd, WM_CHAR, *c, 1);
}

void checkTyping(const Shown& s) {
    for (const char* name : {"Text1(1)", "Combo1(2)"}) {
        const State before = stateOf(s, name);
        const std::wstring old = textOf(s[name]);
        HWND field = s[name];
        if (classOf(field) == L"ComboBox") {
            field = GetWindow(field, GW_CHILD); // the selector's own edit field
            PostMessageW(field, EM_SETSEL, old.size(), old.size());
        }
        type(field, L"4k7");
        press(field, VK_RETURN);
        const bool typed = waitFor([&] { return textOf(s[name]) == old + L"4k7"; });
        check(typed && stateOf(s, name) == before,
              std::string("typing into ") + name + " changes it and nothing else");
    }
    // A selector's list opens empty, and Enter adds no row.
    SendMessageW(s["Combo1(0)"], CB_SHOWDROPDOWN, TRUE, 0);
    DWORD process = 0;
    GetWindowThreadProcessId(s.window, &process);
    HWND list = nullptr;
    waitFor([&] { return (list = windowOf(process, L"ComboLBox")) != nullptr; });
    RECT r{}, field{};
    GetWindowRect(list, &r);
    GetWindowRect(s["Combo1(0)"], &field);
    check(list && r.top == field.bottom && r.right - r.left == field.right - field.left &&
              r.bottom - r.top > 2 && SendMessageW(s["Combo1(0)"], CB_GETCOUNT, 0, 0) == 0,
          "Combo1(0)'s list opens below it, as wide, empty: " + std::to_string(r.right - r.left) + " x " +
              std::to_string(r.bottom - r.top));
    SendMessageW(s["Combo1(0)"], CB_SHOWDROPDOWN, FALSE, 0);
    check(SendMessageW(s["Combo1(2)"], CB_GETCOUNT, 0, 0) == 0, "Enter in a selector adds no row");
}

struct Accessible {
    std::wstring name, description;
    long role = 0;
};

// What a screen reader reads of a window's client, through Windows' accessibility.
Accessible readAccessible(HWND hwnd) {
    Accessible a;
    IAccessible* accessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(hwnd, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&accessible))))
        return a;
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    for (auto [get, into] : {std::pair{&IAccessible::get_accName, &a.name},
                             {&IAccessible::get_accDescription, &a.description}}) {
        BSTR text = nullptr;
        if (SUCCEEDED((accessible->*get)(self, &text)) && text)
            *into = text;
        SysFreeString(text);
    }
    VARIANT role;
    VariantInit(&role);
    if (SUCCEEDED(accessible->get_accRole(self, &role)) && role.vt == VT_I4)
        a.role = role.lVal;
    accessible->Release();
    return a;
}

// Whether this Windows honours dynamic annotation: Wine 8's service accepts it and does nothing.
bool annotationWorks() {
    constexpr IID services = {0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
    constexpr CLSID servicesClass = {
        0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
    constexpr GUID name = {0x608d3df8, 0x8128, 0x4aa7, {0xa4, 0x28, 0xf5, 0x5e, 0x49, 0x26, 0x72, 0x91}};
    IAccPropServices* annotations = nullptr;
    if (FAILED(CoCreateInstance(servicesClass, nullptr, CLSCTX_INPROC_SERVER, services,
                                reinterpret_cast<void**>(&annotations))))
        return false;
    const HWND probe =
        CreateWindowExW(0, L"Static", L"before", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    annotations->SetHwndPropStr(probe, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, name, L"after");
    const bool works = readAccessible(probe).name == L"after";
    DestroyWindow(probe);
    annotations->Release();
    return works;
}

// What the window's own text does not tell a screen reader: the entries' and diagrams' names.
void checkNames(const Shown& s) {
    for (auto [control, spoken] : {std::pair{"Text1(0)", L"R1"}, {"Text1(2)", L"C3"}, {"Combo1(1)", L"R2"}}) {
        const Accessible a = readAccessible(s[control]);
        check(a.name == spoken,
              std::string("a screen reader names ") + control + " by its label: " + narrow(a.name));
    }
    for (auto [box, spoken] : {std::pair{"Picture2", L"Monostabil"}, {"Picture1", L"Astabil"}}) {
        const Accessible a = readAccessible(s[box]);
        check(a.role == ROLE_SYSTEM_GRAPHIC && a.name == spoken && a.description.size() > 100,
              std::string("a screen reader reads ") + box + " as a graphic named " + narrow(a.name) +
                  ", described");
    }
}

// --- Resources ------------------------------------------------------------------------------------

std::wstring versionString(const std::vector<unsigned char>& block, const wchar_t* key) {
    wchar_t* value = nullptr;
    UINT size = 0;
    const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + key;
    if (!VerQueryValueW(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &size))
        return L"<none>";
    return value;
}

#pragma pack(push, 2)
struct GroupEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bits;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

void checkResources(const std::wstring& exe, const std::wstring& ico) {
    const DWORD size = GetFileVersionInfoSizeW(exe.c_str(), nullptr);
    std::vector<unsigned char> block(size);
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    const bool read = size && GetFileVersionInfoW(exe.c_str(), 0, size, block.data()) &&
                      VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length);
    check(read && fixed->dwFileVersionMS == 0x10000 && fixed->dwFileVersionLS == 0 &&
              fixed->dwProductVersionMS == 0x10000 && fixed->dwProductVersionLS == 0,
          "file and product version 1.0.0.0");
    if (read) {
        DWORD* translation = nullptr;
        VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation),
                       &length);
        check(translation && *translation == MAKELONG(0x0409, 1200), "US English, code page 1200");
        for (auto [key, value] : {std::pair{L"FileVersion", L"1.00"},
                                  {L"ProductVersion", L"1.00"},
                                  {L"ProductName", L"Tvorka1"},
                                  {L"InternalName", L"Tvorka1"},
                                  {L"OriginalFilename", L"Tvorka1.exe"}})
            check(versionString(block, key) == value, narrow(key) + " " + narrow(versionString(block, key)));
    }

    // The icon group holds the stored ICO's three images as they are, in its order.
    const std::vector<unsigned char> file = readFile(ico);
    const HMODULE module = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    const HRSRC group = module ? FindResourceW(module, MAKEINTRESOURCEW(1), RT_GROUP_ICON) : nullptr;
    const auto* header =
        group ? static_cast<const WORD*>(LockResource(LoadResource(module, group))) : nullptr;
    bool same = header && file.size() > 6 && header[2] == 3 && file[4] == 3;
    for (int i = 0; same && i < 3; ++i) {
        const auto& entry = reinterpret_cast<const GroupEntry*>(header + 3)[i];
        const unsigned char* dir = file.data() + 6 + 16 * i;
        const DWORD offset = dir[12] | dir[13] << 8 | dir[14] << 16 | DWORD(dir[15]) << 24;
        const HRSRC image = FindResourceW(module, MAKEINTRESOURCEW(entry.id), RT_ICON);
        same = image && SizeofResource(module, image) == entry.bytes && entry.width == dir[0] &&
               std::memcmp(LockResource(LoadResource(module, image)), file.data() + offset, entry.bytes) == 0;
    }
    check(same, "the icon group holds the stored ICO's three images, 32 two-colour, 32 and 16 in 16 colours");
    const HRSRC manifest =
        module ? FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24)) : nullptr;
    const std::string text =
        manifest ? std::string(static_cast<const char*>(LockResource(LoadResource(module, manifest))),
                               SizeofResource(module, manifest))
                 : "";
    check(text.find("PerMonitorV2") != std::string::npos && text.find("true/pm") != std::string::npos &&
              text.find("Microsoft.Windows.Common-Controls") != std::string::npos,
          "the manifest asks for per-monitor DPI and common controls 6");
    const std::string architecture = sizeof(void*) == 8 ? "amd64" : "x86";
    check(text.find("processorArchitecture=\"" + architecture + "\"/>") != std::string::npos,
          "the manifest names the program's own architecture, " + architecture);
    int supported = 0;
    for (const char* windows :
         {"35138b9a-5d96-4fbd-8e2d-a2440225f93a", "4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38",
          "1f676c76-80e1-4239-95bb-83d0f6d0da78", "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"})
        supported += text.find(std::string("<supportedOS Id=\"{") + windows + "}\"/>") != std::string::npos;
    check(supported == 4, "the manifest lists Windows 7, 8, 8.1 and 10/11 as supported");
    if (module)
        FreeLibrary(module);
}

// --- The whole program ------------------------------------------------------------------------------

HWND waitWindow(Program& p) {
    waitFor([&] { return (p.window = windowOf(p.process.dwProcessId, L"Tvorka1.Form")) != nullptr; }, 15000);
    return p.window;
}

int program(const std::wstring& exe, const std::wstring& ico, const std::wstring& mono,
            const std::wstring& astable) {
    if (chosenDpi() == 96) // the same file at every DPI
        checkResources(exe, ico);
    Program first = launch(exe);
    if (!waitWindow(first)) {
        check(false, "Form1 appears");
        end(first);
        return 1;
    }
    const Shown s = identify(first.window);
    std::printf("# at %d dpi\n", s.dpi);
    checkWindow(s);
    checkIcon(s, readFile(ico));
    check(waitFor([&] { return inMode(s, true); }), "the window opens in the monostable mode");
    checkControls(s);
    checkKeyboard(s);
    checkClicks(s);
    checkPixels(s, readBmp(mono), readBmp(astable));
    checkTyping(s);
    check(readAccessible(s.window).name == L"Form1", "a screen reader reads the window as Form1");

    // A second instance is a window of its own: a switch in one leaves the other as it is.
    Program second = launch(exe);
    check(waitWindow(second) && second.window != first.window, "a second instance opens its own window");
    if (second.window) {
        const Shown t = identify(second.window);
        SendMessageW(t["Option2"], BM_CLICK, 0, 0);
        check(waitFor([&] { return inMode(t, false); }) && inMode(s, true),
              "switching the second window leaves the first as it was");
        PostMessageW(second.window, WM_CLOSE, 0, 0);
        check(exitCode(second) == 0, "the second instance ends with 0 when closed");
    }
    PostMessageW(first.window, WM_CLOSE, 0, 0);
    check(exitCode(first) == 0, "closing the window ends the process with 0");
    end(first);
    end(second);
    return probe::failures ? 1 : 0;
}

// The names our annotations give, where this Windows honours them; else the test is skipped.
int names(const std::wstring& exe) {
    if (!annotationWorks()) {
        std::printf("SKIP: this Windows ignores accessibility annotations\n");
        return skipped;
    }
    Program p = launch(exe);
    if (waitWindow(p))
        checkNames(identify(p.window));
    else
        check(false, "Form1 appears");
    end(p);
    return probe::failures ? 1 : 0;
}

// The fault host's report box: titled Tvorka1, the run-time error's wording; OK ends the process
// with a failure.
int fault(const std::wstring& host) {
    struct Case {
        const wchar_t* arguments;
        bool clickAstable;
        const char* text; // of the report
    };
    for (const Case& c :
         {Case{L"Option1 Value true 0", false,
               "run-time error 0x80004005 (-2147467259): setting _OptionButton.Value on Option1 failed"},
          Case{L"Picture1 Visible true 0", true,
               "run-time error 0x80004005 (-2147467259): setting _PictureBox.Visible on Picture1 failed"},
          // Any other exception from a handler takes the same road.
          Case{L"Picture1 Visible true 0 bad_alloc", true,
               "run-time error 0x8007000E (-2147024882): out of memory"}}) {
        Program p = launch(host, c.arguments);
        if (c.clickAstable && waitWindow(p))
            PostMessageW(identify(p.window)["Option2"], BM_CLICK, 0, 0);
        HWND box = nullptr;
        waitFor([&] { return (box = windowOf(p.process.dwProcessId, L"#32770")) != nullptr; }, 15000);
        std::wstring text;
        for (HWND child = box ? GetWindow(box, GW_CHILD) : nullptr; child;
             child = GetWindow(child, GW_HWNDNEXT))
            if (classOf(child) == L"Static" && textOf(child).size() > text.size())
                text = textOf(child);
        check(box && textOf(box) == L"Tvorka1" && narrow(text) == c.text,
              "the report box Tvorka1 says: " + narrow(text));
        if (!c.clickAstable)
            check(!windowOf(p.process.dwProcessId, L"Tvorka1.Form"),
                  "a failure in Form_Load ends the program before the window shows");
        if (box)
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        const DWORD code = exitCode(p);
        check(code != 0 && code != STILL_ACTIVE, "OK ends the process with " + std::to_string(code));
        end(p);
    }
    return probe::failures ? 1 : 0;
}

// Pictures of the whole window in both modes, as BMP files in `folder`: shots at DPI.
void writeBmp(const std::wstring& path, const Bitmap& image) {
    const std::uint32_t stride = (static_cast<std::uint32_t>(image.width) * 3 + 3) & ~3u;
    std::vector<unsigned char> file(54 + static_cast<std::size_t>(stride) * image.height);
    auto put = [&](std::size_t at, std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            file[at + i] = static_cast<unsigned char>(value >> 8 * i);
    };
    file[0] = 'B', file[1] = 'M';
    put(2, static_cast<std::uint32_t>(file.size()), 4), put(10, 54, 4), put(14, 40, 4);
    put(18, static_cast<std::uint32_t>(image.width), 4), put(22, static_cast<std::uint32_t>(image.height), 4);
    put(26, 1, 2), put(28, 24, 2);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            put(54 + static_cast<std::size_t>(stride) * (image.height - 1 - y) + 3u * x, image.at(x, y), 3);
    std::ofstream(path.c_str(), std::ios::binary)
        .write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
}

Bitmap grabWindow(HWND hwnd) {
    RECT r;
    GetWindowRect(hwnd, &r);
    return grabScreen(r);
}

int shots(const std::wstring& exe, const std::wstring& folder) {
    Program p = launch(exe);
    if (!waitWindow(p))
        return 1;
    const Shown s = identify(p.window);
    waitFor([&] { return inMode(s, true); });
    Sleep(500);
    const std::wstring dpi = std::to_wstring(s.dpi);
    writeBmp(folder + L"\\tvorka1-" + dpi + L"dpi-monostable.bmp", grabWindow(p.window));
    SendMessageW(s["Option2"], BM_CLICK, 0, 0);
    waitFor([&] { return inMode(s, false); });
    Sleep(500);
    writeBmp(folder + L"\\tvorka1-" + dpi + L"dpi-astable.bmp", grabWindow(p.window));
    PostMessageW(p.window, WM_CLOSE, 0, 0);
    exitCode(p);
    end(p);
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    // Device pixels, as the program sees them; Wine gives every monitor the system's DPI.
    SetProcessDPIAware();
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const std::wstring mode = argc > 1 ? argv[1] : L"";
    if (mode == L"program" && argc == 6)
        return program(argv[2], argv[3], argv[4], argv[5]);
    if (mode == L"names" && argc == 3)
        return names(argv[2]);
    if (mode == L"fault" && argc == 3)
        return fault(argv[2]);
    if (mode == L"shots" && argc == 4)
        return shots(argv[2], argv[3]);
    std::fprintf(stderr, "usage: wintest program EXE ICO MONOSTABLE_BMP ASTABLE_BMP | wintest names EXE | "
                         "wintest fault FAULT_HOST\n");
    return 2;
}
