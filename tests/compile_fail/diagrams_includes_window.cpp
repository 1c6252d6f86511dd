// The diagrams are drawn from their own element lists; they reach none of the program's layers.
#include "window/form1.h"
