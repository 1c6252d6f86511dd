// One backend never sees another.
#include "runtime/win32/window.h"
