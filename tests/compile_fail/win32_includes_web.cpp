// One backend never sees another.
#include "runtime/web/window.h"
