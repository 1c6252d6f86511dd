// Starts one program on the X display and measures, from just before the exec:
//   map_ms     until its top-level window titled "Form1" is viewable;
//   frame_ms   until its first frame is on screen: the first time the client area's pixels differ
//              from an unpainted window's. Qt gives its windows no background, so until its first
//              flush a window shows what lay beneath it. Before the start the probe maps a window
//              of its own, of the same size, that it never draws into, and keeps its pixels;
//   switch_ms  (with --click) from a fake mouse click at a client-area point until the pixels of
//              the watched client-area rectangle change, which must be their only change;
//   rss_kb     the process's peak resident memory: ru_maxrss from wait4;
//   with --soak N X2 Y2, after the switch: N more switches, clicking in turn at (X2, Y2) and at the
//   first point, each awaited until the watched pixels are those of its diagram again; then
//   soak_rss_kb_1000 and soak_rss_kb_N, the resident memory (VmRSS) after 1,000 and after N of
//   them, and soak_s, their time.
// Then it closes the window through the window manager (_NET_CLOSE_WINDOW) and reaps the process.
// The pixels are looked at every 0.5 ms, three rows and three columns of the area at a time.
// Prints one line: map_ms=.. frame_ms=.. [switch_ms=..] [soak_..] rss_kb=..
//
// Usage: tvorka1_probe --size W H [--click X Y --watch X Y W H [--soak N X2 Y2]] PROGRAM [ARG...]

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <string_view>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <vector>
#include <xcb/xcb.h>
#include <xcb/xtest.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr std::string_view title = "Form1";
constexpr auto patience = 10s;
// Between two looks at the pixels: short against a frame, long enough to leave the X server
// to the program.
constexpr auto pollGap = 500us;
// Lets start-up's trailing repaints (activation, focus, hover) finish before a click.
constexpr auto settle = 300ms;

// The program under test; a failing probe takes it down too.
pid_t child = 0;

[[noreturn]] void fail(const std::string& message) {
    if (child > 0)
        kill(child, SIGKILL);
    std::fprintf(stderr, "tvorka1_probe: %s\n", message.c_str());
    std::exit(EXIT_FAILURE);
}

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Rect {
    int x = 0, y = 0, width = 0, height = 0;
};

// xcb replies are malloc'ed.
template <typename T>
struct Reply {
    T* p;
    ~Reply() { std::free(p); }
    T* operator->() const { return p; }
    explicit operator bool() const { return p != nullptr; }
};

class Display {
public:
    Display()
        : c_(xcb_connect(nullptr, nullptr)) {
        if (xcb_connection_has_error(c_))
            fail("cannot open the display");
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c_)).data;
        root_ = screen->root;
        corner_ = {screen->width_in_pixels - 1, screen->height_in_pixels - 1};
    }
    ~Display() { xcb_disconnect(c_); }
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;

    xcb_connection_t* c() const { return c_; }
    xcb_window_t root() const { return root_; }
    // The screen's bottom-right pixel.
    std::pair<int, int> corner() const { return corner_; }

    xcb_atom_t atom(std::string_view name) const {
        Reply r{xcb_intern_atom_reply(
            c_, xcb_intern_atom(c_, 0, static_cast<uint16_t>(name.size()), name.data()), nullptr)};
        return r ? r->atom : xcb_atom_t{XCB_ATOM_NONE};
    }

    std::string name(xcb_window_t window) const {
        Reply r{xcb_get_property_reply(
            c_, xcb_get_property(c_, 0, window, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 64),
            nullptr)};
        if (!r)
            return {};
        return {static_cast<const char*>(xcb_get_property_value(r.p)),
                static_cast<std::size_t>(xcb_get_property_value_length(r.p))};
    }

    bool viewable(xcb_window_t window) const {
        Reply r{xcb_get_window_attributes_reply(c_, xcb_get_window_attributes(c_, window), nullptr)};
        return r && r->map_state == XCB_MAP_STATE_VIEWABLE;
    }

    std::pair<int, int> size(xcb_window_t window) const {
        Reply r{xcb_get_geometry_reply(c_, xcb_get_geometry(c_, window), nullptr)};
        if (!r)
            fail("the window went away");
        return {r->width, r->height};
    }

    // Three rows and three columns, at the quarters, of a rectangle of a window, as they are on
    // screen (there is no compositor). Qt puts each frame with one request (MIT-SHM PutImage), so
    // every part of a window shows it at the same moment; a look at the whole area took 4-6 ms while the
    // server was busy with a start-up, and came as much too late, where this one takes about 0.05 ms.
    std::vector<uint8_t> sample(xcb_window_t window, Rect r) const {
        std::vector<xcb_get_image_cookie_t> cookies;
        auto get = [&](int x, int y, int width, int height) {
            cookies.push_back(xcb_get_image(c_, XCB_IMAGE_FORMAT_Z_PIXMAP, window, static_cast<int16_t>(x),
                                            static_cast<int16_t>(y), static_cast<uint16_t>(width),
                                            static_cast<uint16_t>(height), ~0u));
        };
        for (int k = 1; k <= 3; ++k) {
            get(r.x, r.y + r.height * k / 4, r.width, 1);
            get(r.x + r.width * k / 4, r.y, 1, r.height);
        }
        std::vector<uint8_t> pixels;
        for (xcb_get_image_cookie_t cookie : cookies) {
            Reply reply{xcb_get_image_reply(c_, cookie, nullptr)};
            if (!reply)
                fail("cannot read the window's pixels");
            const uint8_t* data = xcb_get_image_data(reply.p);
            pixels.insert(pixels.end(), data, data + xcb_get_image_data_length(reply.p));
        }
        return pixels;
    }

    // A window's point on the screen.
    std::pair<int, int> onScreen(xcb_window_t window, int x, int y) const {
        Reply r{xcb_translate_coordinates_reply(
            c_,
            xcb_translate_coordinates(c_, window, root_, static_cast<int16_t>(x), static_cast<int16_t>(y)),
            nullptr)};
        if (!r)
            fail("the window went away");
        return {r->dst_x, r->dst_y};
    }
    // Moves the pointer to a window's point.
    void moveTo(xcb_window_t window, int x, int y) const {
        const auto [rootX, rootY] = onScreen(window, x, y);
        xcb_test_fake_input(c_, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, root_, static_cast<int16_t>(rootX),
                            static_cast<int16_t>(rootY), 0);
        xcb_flush(c_);
    }
    // Presses and releases the left button where the pointer is.
    void click() const {
        xcb_test_fake_input(c_, XCB_BUTTON_PRESS, 1, XCB_CURRENT_TIME, XCB_WINDOW_NONE, 0, 0, 0);
        xcb_test_fake_input(c_, XCB_BUTTON_RELEASE, 1, XCB_CURRENT_TIME, XCB_WINDOW_NONE, 0, 0, 0);
        xcb_flush(c_);
    }

    // Asks the window manager to close a window, as a pager or wmctrl does.
    void close(xcb_window_t window) const {
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = window;
        event.type = atom("_NET_CLOSE_WINDOW");
        event.data.data32[1] = 2; // the request comes from a pager-like tool
        xcb_send_event(c_, 0, root_,
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&event));
        xcb_flush(c_);
    }

    // The events that have come, waiting up to the given time for the first.
    std::vector<xcb_generic_event_t*> events(std::chrono::milliseconds timeout) const {
        std::vector<xcb_generic_event_t*> queued;
        auto take = [&] {
            while (xcb_generic_event_t* event = xcb_poll_for_event(c_))
                queued.push_back(event);
        };
        take();
        if (queued.empty()) {
            pollfd fd{xcb_get_file_descriptor(c_), POLLIN, 0};
            poll(&fd, 1, static_cast<int>(timeout.count()));
            take();
        }
        if (xcb_connection_has_error(c_))
            fail("lost the display");
        return queued;
    }

private:
    xcb_connection_t* c_;
    xcb_window_t root_ = XCB_WINDOW_NONE;
    std::pair<int, int> corner_;
};

// What an unpainted window of this size shows: the probe maps one that it never draws into.
std::vector<uint8_t> unpainted(const Display& d, int width, int height) {
    const xcb_window_t window = xcb_generate_id(d.c());
    xcb_create_window(d.c(), XCB_COPY_FROM_PARENT, window, d.root(), 0, 0, static_cast<uint16_t>(width),
                      static_cast<uint16_t>(height), 0, XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT,
                      0, nullptr);
    xcb_map_window(d.c(), window);
    const Clock::time_point start = Clock::now();
    while (!d.viewable(window)) {
        if (Clock::now() - start > patience)
            fail("the window manager did not map the probe's window");
        std::this_thread::sleep_for(1ms);
    }
    std::this_thread::sleep_for(50ms); // the window manager decorates it
    std::vector<uint8_t> pixels = d.sample(window, {0, 0, width, height});
    xcb_destroy_window(d.c(), window);
    xcb_flush(d.c());
    std::this_thread::sleep_for(50ms); // and forgets it
    return pixels;
}

// Finds the viewable top-level window titled "Form1". New top-level windows are created as
// children of the root; each is watched for its map.
xcb_window_t awaitWindow(const Display& d, Clock::time_point start) {
    std::vector<xcb_window_t> candidates;
    for (;;) {
        for (xcb_generic_event_t* event : d.events(5ms)) {
            const auto* created = reinterpret_cast<xcb_create_notify_event_t*>(event);
            if ((event->response_type & 0x7f) == XCB_CREATE_NOTIFY && !created->override_redirect) {
                const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
                xcb_change_window_attributes(d.c(), created->window, XCB_CW_EVENT_MASK, &mask);
                candidates.push_back(created->window);
            }
            std::free(event);
        }
        for (xcb_window_t window : candidates)
            if (d.viewable(window) && d.name(window) == title)
                return window;
        if (Clock::now() - start > patience)
            fail("no window titled Form1 appeared");
    }
}

// Looks at the pixels until they differ from the given ones; returns the new pixels.
std::vector<uint8_t> awaitChange(const Display& d, xcb_window_t window, Rect area,
                                 const std::vector<uint8_t>& before) {
    const Clock::time_point start = Clock::now();
    for (;;) {
        std::vector<uint8_t> now = d.sample(window, area);
        if (now != before)
            return now;
        if (Clock::now() - start > patience)
            fail("the window's pixels did not change");
        std::this_thread::sleep_for(pollGap);
    }
}

// The process's resident memory now, in KiB.
long residentKb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atol(line.c_str() + 6);
    fail("cannot read the program's resident memory");
}

struct Soak {
    long rssAt1000 = 0, rssAtEnd = 0;
    double seconds = 0;
};

// Switches back and forth through the mouse, `count` times: odd switches click at `first`, even
// ones at `second`. Each waits until the watched pixels are the ones its diagram showed before, so
// a switch that did not happen, or a wrong picture, stops the run.
Soak soak(const Display& d, xcb_window_t window, Rect watch, long count, std::pair<int, int> first,
          const std::vector<uint8_t>& firstPixels, std::pair<int, int> second,
          const std::vector<uint8_t>& secondPixels) {
    const auto at = [&](std::pair<int, int> p) {
        return d.onScreen(window, p.first, p.second);
    };
    const std::pair<int, int> points[] = {at(first), at(second)};
    const std::vector<uint8_t>* expected[] = {&firstPixels, &secondPixels};
    Soak result;
    const Clock::time_point start = Clock::now();
    for (long n = 1; n <= count; ++n) {
        const int k = (n - 1) % 2;
        xcb_test_fake_input(d.c(), XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, d.root(),
                            static_cast<int16_t>(points[k].first), static_cast<int16_t>(points[k].second), 0);
        d.click();
        const Clock::time_point clicked = Clock::now();
        while (d.sample(window, watch) != *expected[k]) {
            if (Clock::now() - clicked > patience)
                fail("switch " + std::to_string(n) + " of the soak did not show its diagram");
            std::this_thread::sleep_for(100us);
        }
        if (n == 1000)
            result.rssAt1000 = residentKb(child);
    }
    result.seconds = msSince(start) / 1000;
    result.rssAtEnd = residentKb(child);
    return result;
}

struct Options {
    int width = 0, height = 0;
    std::optional<std::pair<int, int>> click;
    Rect watch;
    long soak = 0;
    std::pair<int, int> back;
    std::vector<char*> command;
};

Options parse(int argc, char* argv[]) {
    Options o;
    int i = 1;
    auto number = [&] {
        if (i >= argc)
            fail("an option is missing a number");
        return std::atoi(argv[i++]);
    };
    while (i < argc && argv[i][0] == '-') {
        const std::string_view option = argv[i++];
        if (option == "--size") {
            o.width = number();
            o.height = number();
        } else if (option == "--click") {
            const int x = number();
            o.click = {{x, number()}};
        } else if (option == "--watch") {
            o.watch = {number(), number(), number(), number()};
        } else if (option == "--soak") {
            o.soak = number();
            const int x = number();
            o.back = {x, number()};
        } else {
            fail("unknown option " + std::string(option));
        }
    }
    if (i >= argc || o.width <= 0 || o.height <= 0 || (o.click && o.watch.width <= 0) || o.soak < 0 ||
        (o.soak && !o.click))
        fail("usage: tvorka1_probe --size W H [--click X Y --watch X Y W H [--soak N X2 Y2]] PROGRAM "
             "[ARG...]");
    o.command.assign(argv + i, argv + argc);
    o.command.push_back(nullptr);
    return o;
}

} // namespace

int main(int argc, char* argv[]) {
    const Options options = parse(argc, argv);
    const Display display;
    const std::vector<uint8_t> backdrop = unpainted(display, options.width, options.height);
    // Every run starts with the pointer in the same place, away from the window.
    display.moveTo(display.root(), display.corner().first, display.corner().second);
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(display.c(), display.root(), XCB_CW_EVENT_MASK, &mask);
    xcb_flush(display.c());

    const Clock::time_point start = Clock::now();
    if (posix_spawn(&child, options.command[0], nullptr, nullptr, options.command.data(), environ) != 0)
        fail(std::string("cannot start ") + options.command[0]);

    const xcb_window_t window = awaitWindow(display, start);
    const double mapMs = msSince(start);
    if (display.size(window) != std::pair{options.width, options.height})
        fail("the client area is not " + std::to_string(options.width) + "x" +
             std::to_string(options.height));
    awaitChange(display, window, {0, 0, options.width, options.height}, backdrop);
    const double frameMs = msSince(start);

    std::optional<double> switchMs;
    std::optional<Soak> soaked;
    if (options.click) {
        display.moveTo(window, options.click->first, options.click->second);
        std::this_thread::sleep_for(settle);
        const std::vector<uint8_t> before = display.sample(window, options.watch);
        const Clock::time_point clicked = Clock::now();
        display.click();
        const std::vector<uint8_t> after = awaitChange(display, window, options.watch, before);
        switchMs = msSince(clicked);
        std::this_thread::sleep_for(settle);
        if (display.sample(window, options.watch) != after)
            fail("the watched pixels changed again after the click: the first change was not the last");
        if (options.soak)
            soaked = soak(display, window, options.watch, options.soak, options.back, before, *options.click,
                          after);
    }

    display.close(window);
    const Clock::time_point closing = Clock::now();
    int status = 0;
    rusage usage{};
    while (wait4(child, &status, WNOHANG, &usage) == 0) {
        if (Clock::now() - closing > patience)
            fail("the program did not end when its window was closed");
        std::this_thread::sleep_for(1ms);
    }
    child = 0;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        fail("the program ended with status " + std::to_string(status));

    std::printf("map_ms=%.2f frame_ms=%.2f", mapMs, frameMs);
    if (switchMs)
        std::printf(" switch_ms=%.2f", *switchMs);
    if (soaked)
        std::printf(" soak_rss_kb_1000=%ld soak_rss_kb_%ld=%ld soak_s=%.1f", soaked->rssAt1000, options.soak,
                    soaked->rssAtEnd, soaked->seconds);
    std::printf(" rss_kb=%ld\n", usage.ru_maxrss);
}
