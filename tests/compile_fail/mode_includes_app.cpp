// The circuit mode sits below the application: it cannot see the descriptor.
#include "app/application.h"
