// One backend never sees the other.
#include "runtime/qt/window.h"
