// The browser platform: the page is the window, the browser's own window its frame, and the
// browser runs the message loop.

#include "runtime/core/font.h"
#include "runtime/web/page.h"
#include "runtime/web/window.h"

#include <emscripten/emscripten.h>

namespace runtime::web {

namespace {

class WebApplication final : public NativeApplication {
public:
    // The page's events keep coming once start-up returns to the browser: the program lives on
    // until the tab closes.
    int run() override {
        emscripten_exit_with_live_runtime();
        return 0;
    }
};

class WebPlatform final : public Platform {
public:
    std::unique_ptr<NativeApplication> open(const AppDescriptor&) override {
        return std::make_unique<WebApplication>();
    }

    // The page's title and the client area at the page's top left; the page's icon is its own.
    std::unique_ptr<NativeWindow> createWindow(const AppDescriptor&, const ControlEntry& form) override {
        return std::make_unique<WebWindow>(page::window(
            form.caption, {0, 0, toPixels(form.rect.width), toPixels(form.rect.height)}, formFontPoints));
    }

    // The dialog stays open once this returns, and the program has ended beneath it.
    void showError(std::string_view title, std::string_view text) override { page::showError(title, text); }
};

} // namespace

} // namespace runtime::web

runtime::Platform& runtime::nativePlatform() {
    static web::WebPlatform platform;
    return platform;
}
