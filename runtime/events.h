#pragma once

#include "runtime/form.h"

namespace runtime {

// Connects every row of the window's event table but Load to the control that raises it.
void connectEvents(Form& form);

// Raises the window's Load event, if a handler is bound to it.
void raiseLoad(Form& form);

// Calls a bound handler. A run-time error that leaves it ends the program through the report.
void raiseEvent(Form& window, Handler handler);

} // namespace runtime
