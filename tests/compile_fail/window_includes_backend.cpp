// The window definition sees the runtime's core only, the same on every platform.
#include "runtime/qt/qt.h"
