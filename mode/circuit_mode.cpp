#include "mode/circuit_mode.h"

#include "runtime/core/handler_frame.h"
#include "window/form1.h"

using namespace form1;
using runtime::HandlerFrame;
using runtime::Value;
using runtime::Visible;

// Every start begins with the monostable circuit; selecting it runs Option1_Click at once.
int Form_Load(runtime::Form& form) {
    HandlerFrame frame(form);
    frame.set(Option1, Value, true);
    return 0;
}

// Each Click first hides the other circuit's diagram, then shows its own.
int Option1_Click(runtime::Form& form) {
    HandlerFrame frame(form);
    frame.set(Picture1, Visible, false);
    frame.set(Picture2, Visible, true);
    return 0;
}

int Option2_Click(runtime::Form& form) {
    HandlerFrame frame(form);
    frame.set(Picture2, Visible, false);
    frame.set(Picture1, Visible, true);
    return 0;
}
