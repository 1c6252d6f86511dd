#pragma once

#include "runtime/form.h"

namespace runtime {

// The Tab key walks the controls in TabIndex order.
void applyTabOrder(const Form& form);

// Puts the focus in the first control in tab order that can take it.
void focusFirstControl(const Form& form);

} // namespace runtime
