// One backend never sees another.
#include "runtime/qt/window.h"
