#include "runtime/controls.h"

#include "runtime/testing.h"
#include "runtime/widgets.h"

#include <QWidget>
#include <cassert>
#include <cstdlib>

namespace runtime {

namespace {

std::string displayNameOf(const ControlEntry& entry) {
    std::string name(entry.name);
    if (entry.index != noIndex)
        name += "(" + std::to_string(entry.index) + ")";
    return name;
}

} // namespace

Control::Control(const ControlEntry& entry, QWidget& widget)
    : entry_(entry)
    , displayName_(displayNameOf(entry))
    , widget_(&widget) {}

QWidget* Control::widget() const {
    return widget_;
}

Status Control::precheck(std::string_view property, bool value) const {
    if (const auto planned = testing::takePlannedFailure(displayName_, property, value))
        return *planned;
    return widget_ ? statusOk : statusControlGone;
}

Status OptionButton::setValue(bool value) {
    if (const Status status = precheck(Value.name, value); status.failed())
        return status;
    auto* button = static_cast<OptionButtonWidget*>(widget());
    if (value)
        button->setChecked(true);
    else
        button->clear();
    return statusOk;
}

Status PictureBox::setVisible(bool visible) {
    if (const Status status = precheck(Visible.name, visible); status.failed())
        return status;
    widget()->setVisible(visible);
    return statusOk;
}

Form::Form(const WindowObject& object, std::unique_ptr<QWidget> window)
    : object_(object)
    , window_(std::move(window)) {}

Form::~Form() {
    controls_.clear();
}

const Control* Form::peek(std::string_view name, int index) const {
    return lookup(name, index);
}

Control* Form::lookup(std::string_view name, int index) const {
    for (const Ref<Control>& control : controls_) {
        const ControlEntry& e = control->entry();
        if (e.name == name && e.index == index)
            return &*control;
    }
    return nullptr;
}

Control& Form::find(std::string_view name, int index, ControlClass kind) const {
    Control* control = lookup(name, index);
    // Members are checked against the definition when the program is built, so a miss here is
    // a mistake in the runtime itself.
    assert(control && control->entry().kind == kind);
    if (!control || control->entry().kind != kind)
        std::abort();
    return *control;
}

} // namespace runtime
