#pragma once

#include "runtime/core/form.h"

namespace runtime {

// The frame that every handler shares: it holds the window from entry to exit, and each property
// set fetches its control, calls the setter, checks the status and releases the control again.
// The references are scoped, so a run-time error passing through releases them too.
class HandlerFrame {
public:
    explicit HandlerFrame(Form& form)
        : form_(Ref<Form>::share(form)) {}

    template <class C>
    void set(Member<C> member, BoolProperty<C> property, bool value) {
        const Ref<C> control = form_->fetch(member);
        raiseIfFailed(((*control).*property.setter)(value), control->displayName(), C::interfaceName,
                      property.name);
    }

private:
    Ref<Form> form_;
};

} // namespace runtime
