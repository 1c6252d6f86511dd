// A Click bound to a picture box, which raises none.
#include "mode/circuit_mode.h"
#include "window/form1.h"

constexpr auto row = runtime::bind(form1::Picture1, runtime::Event::Click, Option2_Click);
