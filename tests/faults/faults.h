#pragma once

// A platform that makes one planned property set fail, wrapped around the real one: failures that
// tests plan live in the tests, and the shipped program has no switch for them.

#include "runtime/core/native.h"

#include <optional>
#include <string>
#include <vector>

namespace faults {

struct PlannedFailure {
    std::string control;  // as the error report names it, e.g. "Picture1"
    std::string property; // "Value", "Visible"
    bool value = true;
    int skip = 0; // matching sets to let through before the failing one
    runtime::Status status{};
    bool outOfMemory = false; // throws std::bad_alloc rather than returning `status`
};

class FaultyPlatform final : public runtime::Platform {
public:
    explicit FaultyPlatform(runtime::Platform& inner)
        : inner_(inner) {}

    void plan(PlannedFailure failure) { planned_ = std::move(failure); }

    std::unique_ptr<runtime::NativeApplication> open(const runtime::AppDescriptor& descriptor) override {
        return inner_.open(descriptor);
    }
    std::unique_ptr<runtime::NativeWindow> createWindow(const runtime::AppDescriptor& descriptor,
                                                        const runtime::ControlEntry& form) override;
    void showError(std::string_view title, std::string_view text) override { inner_.showError(title, text); }

    // The status a set returns instead of doing its work, if one is planned for it.
    std::optional<runtime::Status> take(std::string_view control, std::string_view property, bool value);

private:
    runtime::Platform& inner_;
    std::optional<PlannedFailure> planned_;
};

// The real platform's control inside a faulty window's wrapper, or `control` itself.
runtime::NativeControl& unwrap(runtime::NativeControl& control);

// The option buttons a host clicks once the window shows, where it watches the window itself.
inline std::vector<std::string> clicks;

// The fault host's arguments, CONTROL PROPERTY VALUE SKIP [bad_alloc] [CLICK...], as a planned
// failure of status 0x80004005, or of memory running out; the clicks go to `clicks`. Nothing where
// they do not fit.
std::optional<PlannedFailure> parse(int argc, char** argv);

} // namespace faults
