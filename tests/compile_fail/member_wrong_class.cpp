// A member that takes an option button for a picture box.
#include "window/form1.h"

constexpr auto Option1 = runtime::member<runtime::PictureBox>(form1::definition, "Option1");
