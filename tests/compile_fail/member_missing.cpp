// A member that names a control the window does not define.
#include "window/form1.h"

constexpr auto Label9 = runtime::member<runtime::Label>(form1::definition, "Label9");
