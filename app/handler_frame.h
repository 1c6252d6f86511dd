#pragma once

#include "runtime/controls.h"

// The frame that every handler shares: it holds the window from entry to exit, and each property
// set fetches its control, calls the setter, checks the status and releases the control again.
// The references are scoped, so a run-time error passing through releases them too.
class HandlerFrame {
public:
    explicit HandlerFrame(runtime::Form& window)
        : window_(runtime::Ref<runtime::Form>::share(window)) {}

    template <class C>
    void set(runtime::Member<C> member, runtime::BoolProperty<C> property, bool value) {
        const runtime::Ref<C> control = window_->fetch(member);
        runtime::raiseIfFailed(((*control).*property.setter)(value), control->displayName(), C::interfaceName,
                               property.name);
    }

private:
    runtime::Ref<runtime::Form> window_;
};
