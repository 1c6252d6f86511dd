// One backend never sees the other.
#include "runtime/win32/window.h"
