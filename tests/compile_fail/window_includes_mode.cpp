// The window definition sits below the circuit mode: it cannot see the handlers.
#include "mode/circuit_mode.h"
