// Start-up: the window and its controls from the definition, in definition order, their events
// connected to the handlers of the event table, then Load, then the message loop.

#include "runtime/core/startup.h"

#include <algorithm>
#include <cstdlib>
#include <type_traits>

namespace runtime {

namespace {

Ref<Control> createControl(const ControlEntry& entry, NativeWindow& window) {
    return withClass(entry.kind, [&]<class C>() -> Ref<Control> {
        if constexpr (std::is_same_v<C, FormClass>)
            std::abort(); // the definition's checks keep the window to its first entry
        else
            return Ref<Control>(Ref<C>::adopt(*new C(entry, window.create(entry))));
    });
}

void nameAfterLabels(const Form& form) {
    for (const Ref<Control>& control : form.controls()) {
        const ControlEntry& entry = control->entry();
        if (entry.labelledBy.empty())
            continue;
        const Control& label = *form.find(entry.labelledBy, entry.index); // labelsExist() holds
        form.native().nameAfter(control->native(), label.native(), label.entry().caption);
    }
}

void applyTabOrder(const Form& form) {
    std::vector<const Control*> controls;
    for (const Ref<Control>& c : form.controls())
        controls.push_back(&*c);
    std::sort(controls.begin(), controls.end(),
              [](const Control* a, const Control* b) { return a->entry().tabIndex < b->entry().tabIndex; });
    std::vector<NativeControl*> order;
    for (const Control* c : controls)
        order.push_back(&c->native());
    form.native().setTabOrder(order);
}

void connectEvents(Form& form) {
    for (const EventBinding& b : form.module().events)
        if (b.place != windowPlace)
            form.at(b.place).native().connect(b.event, [&form, handler = b.handler] { form.raise(handler); });
}

// The window's own events, of which its class raises one, Load, once the controls are made.
void raiseWindowEvents(Form& form) {
    for (const EventBinding& b : form.module().events)
        if (b.place == windowPlace)
            form.raise(b.handler);
}

} // namespace

Ref<Form> load(const AppDescriptor& descriptor, Platform& platform) {
    const FormModule& module = descriptor.startUpObject;
    Ref<Form> form = Ref<Form>::adopt(*new Form(
        descriptor, module, platform, platform.createWindow(descriptor, module.definition.front())));
    for (const ControlEntry& e : module.definition.subspan(1))
        form->add(createControl(e, form->native()));
    nameAfterLabels(*form);
    applyTabOrder(*form);
    connectEvents(*form);
    raiseWindowEvents(*form);
    form->native().focusFirst();
    return form;
}

[[noreturn]] void start(const AppDescriptor& descriptor, Platform& platform) {
    int status = 0;
    {
        const std::unique_ptr<NativeApplication> application = platform.open(descriptor);
        const Ref<Form> form = load(descriptor, platform);
        form->native().show();
        status = application->run();
    }
    std::exit(status);
}

} // namespace runtime
