// The core cannot see the backend that answers it.
#include "runtime/web/window.h"
