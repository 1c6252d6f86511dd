#pragma once

// The window object: its top-level widget and a record for every control, in definition order.

#include "runtime/controls.h"

#include <memory>
#include <vector>

namespace runtime {

class Form : public Object {
public:
    Form(const WindowObject& object, std::unique_ptr<QWidget> window);

    // The window's own class defaults: its title, size, font and start-up position.
    static std::unique_ptr<QWidget> create(const ControlEntry& entry);

    const WindowObject& object() const { return object_; }
    QWidget& window() const { return *window_; }

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

private:
    ~Form() override;

    const WindowObject& object_;
    std::unique_ptr<QWidget> window_;
    std::vector<Ref<Control>> controls_;
};

} // namespace runtime
