#pragma once

// What assistive technology reads of the window and its controls, beyond what Qt's widgets say
// of themselves.

#include "runtime/core/definition.h"

class QString;
class QWidget;

namespace runtime::qt {

// Gives the widget of a definition entry its class's role, where Qt's widget would claim another
// (a window, not a filler; a picture box, an image), and the name and description the entry
// stores. Call it before Qt first reads the widget for assistive technology, which happens when
// the widget is shown: Qt keeps the role it read first.
void describe(QWidget& widget, const ControlEntry& entry);

// Names `control` after its label's caption and, for a selector, makes the label its buddy: Qt on
// Linux names an editable combo box by its text and tells its label only as a relation.
void nameAfter(QWidget& control, QWidget& label, const QString& caption);

} // namespace runtime::qt
