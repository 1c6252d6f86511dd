#pragma once

// The window object: its native window and a record for every control, in definition order.

#include "runtime/core/controls.h"

#include <memory>
#include <vector>

namespace runtime {

class Form : public Object {
public:
    Form(const AppDescriptor& application, const FormModule& module, Platform& platform,
         std::unique_ptr<NativeWindow> native);

    const AppDescriptor& application() const { return application_; }
    const FormModule& module() const { return module_; }
    NativeWindow& native() const { return *native_; }

    // A new reference to a control: a step to a place settled when the program was compiled. An
    // Index beyond the array raises a run-time error.
    template <class C>
    Ref<C> fetch(Member<C> member, int index = 0) const {
        if (index < 0 || static_cast<std::size_t>(index) >= member.count)
            raiseMissingElement(displayName(member.name, index));
        return Ref<C>::share(static_cast<C&>(at(member.places[static_cast<std::size_t>(index)])));
    }

    // The control's record at a place, without taking a reference.
    Control& at(Place place) const { return *controls_.at(place - 1); }
    // The control's record by name, for looking at it; null if there is none.
    const Control* find(std::string_view name, int index = noIndex) const;
    const std::vector<Ref<Control>>& controls() const { return controls_; }

    // Controls are added in definition order, which the members' places count on.
    void add(Ref<Control> control) { controls_.push_back(std::move(control)); }

    // Calls a bound handler. A run-time error, or any exception, that leaves it ends the program
    // through the report.
    void raise(Handler handler);

private:
    ~Form() override;

    // Tells the user of an untrapped run-time error, under the application title, and ends the process.
    [[noreturn]] void reportUntrapped(const RuntimeError& error);

    const AppDescriptor& application_;
    const FormModule& module_;
    Platform& platform_;
    std::unique_ptr<NativeWindow> native_;
    std::vector<Ref<Control>> controls_;
};

} // namespace runtime
