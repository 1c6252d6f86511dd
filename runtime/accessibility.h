#pragma once

// What assistive technology reads of the window and its controls, beyond what Qt's widgets say
// of themselves.

#include "runtime/form.h"

class QWidget;

namespace runtime {

// Gives the widget of a definition entry its class's role, where Qt's widget would claim another
// (a window, not a filler; a picture box, an image), and the name and description the entry
// stores. Call it before anything else is set on the widget: Qt keeps the first role it reads.
void describe(QWidget& widget, const ControlEntry& entry);

// Gives every entry labelled by a row the caption of that row's label as its name.
void nameAfterLabels(const Form& form);

} // namespace runtime
