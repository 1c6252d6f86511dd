#include "runtime/core/form.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace runtime {

Form::Form(const AppDescriptor& application, const FormModule& module, Platform& platform,
           std::unique_ptr<NativeWindow> native)
    : application_(application)
    , module_(module)
    , platform_(platform)
    , native_(std::move(native)) {}

// The records go before the native window, which takes the window system's controls with it.
Form::~Form() {
    controls_.clear();
}

const Control* Form::find(std::string_view name, int index) const {
    const std::optional<Place> place = placeOf(module_.definition, name, index);
    return place ? &at(*place) : nullptr;
}

// Every exception ends here, inside the window system's call that raised the event: none may
// unwind through a window system's frames, which on Windows is undefined, and on 32-bit Windows
// ends the process unreported.
void Form::raise(Handler handler) {
    try {
        handler(*this);
    } catch (...) {
        reportUntrapped(RuntimeError::from(std::current_exception()));
    }
}

void Form::reportUntrapped(const RuntimeError& error) {
    const std::string title(application_.name);
    std::fprintf(stderr, "%s: %s\n", title.c_str(), error.what());
    std::fflush(stderr);
    platform_.showError(title, error.what());
    std::_Exit(EXIT_FAILURE);
}

} // namespace runtime
