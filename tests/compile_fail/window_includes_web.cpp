// The window definition is data, and knows no page.
#include "runtime/web/page.h"
