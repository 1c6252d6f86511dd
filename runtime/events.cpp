#include "runtime/events.h"

#include "runtime/report.h"

namespace runtime {

void connectEvents(Form& form) {
    for (const EventBinding& binding : form.object().events) {
        if (binding.control == formEntryName)
            continue;
        for (const Ref<Control>& control : form.controls())
            if (control->entry().name == binding.control)
                control->connect(binding.event,
                                 [&form, &handler = binding.handler] { raiseEvent(form, handler); });
    }
}

void raiseLoad(Form& form) {
    for (const EventBinding& binding : form.object().events)
        if (binding.control == formEntryName && binding.event == Event::Load)
            raiseEvent(form, binding.handler);
}

void raiseEvent(Form& window, Handler handler) {
    try {
        handler(window);
    } catch (const RuntimeError& error) {
        reportUntrapped(error);
    }
}

} // namespace runtime
