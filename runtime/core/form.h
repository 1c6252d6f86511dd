#pragma once

// The window object: its native window and a record for every control, in definition order.

#include "runtime/core/controls.h"

#include <cassert>
#include <memory>
#include <vector>

namespace runtime {

class Form : public Object {
public:
    Form(const AppDescriptor& application, const WindowObject& object, Platform& platform,
         std::unique_ptr<NativeWindow> native);

    const AppDescriptor& application() const { return application_; }
    const WindowObject& object() const { return object_; }
    NativeWindow& native() const { return *native_; }

    // A new reference to a control: a step to a place settled when the program was compiled.
    template <class C>
    Ref<C> fetch(Member<C> member, int index = 0) const {
        assert(index >= 0 && static_cast<std::size_t>(index) < member.count);
        return Ref<C>::share(static_cast<C&>(*controls_[member.places[static_cast<std::size_t>(index)]]));
    }

    // The control's record without taking a reference, for looking at it; null if there is none.
    const Control* peek(std::string_view name, int index = noIndex) const;
    const std::vector<Ref<Control>>& controls() const { return controls_; }

    // Controls are added in definition order, which the members' places count on.
    void add(Ref<Control> control) { controls_.push_back(std::move(control)); }

    // Calls a bound handler. A run-time error that leaves it ends the program through the report.
    void raise(Handler handler);

private:
    ~Form() override;

    // Tells the user of an untrapped run-time error, under the application title, and ends the process.
    [[noreturn]] void reportUntrapped(const RuntimeError& error);

    const AppDescriptor& application_;
    const WindowObject& object_;
    Platform& platform_;
    std::unique_ptr<NativeWindow> native_;
    std::vector<Ref<Control>> controls_;
};

} // namespace runtime
