#pragma once

// The Qt widgets behind a window object and its controls, for code that drives them as a user
// would: tests and tools.

#include "runtime/core/form.h"

class QWidget;

namespace runtime::qt {

QWidget& window(const Form& form);
// Null once the widget is gone.
QWidget* widget(const Control& control);
QWidget* widget(const NativeControl& control);

} // namespace runtime::qt
