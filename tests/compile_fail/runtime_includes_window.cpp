// The runtime knows no window of the program.
#include "window/form1.h"
