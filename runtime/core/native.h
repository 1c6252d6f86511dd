#pragma once

// What the runtime asks of the window system. One backend answers it in each build: Qt on Linux,
// Win32 on Windows, the page in the browser. Everything above this line is the same code on all three.

#include "runtime/core/definition.h"
#include "runtime/core/status.h"

#include <functional>
#include <memory>
#include <span>
#include <string_view>

namespace runtime {

// One control as the window system has it. A set on a control that the window system has already
// destroyed fails with statusControlGone rather than touching it.
class NativeControl {
public:
    virtual ~NativeControl() = default;

    // Option buttons: true selects this one and clears the rest of its group.
    virtual Status setValue(bool value) = 0;
    // Picture boxes.
    virtual Status setVisible(bool visible) = 0;
    // Calls `raise` each time the control raises `event`, synchronously, inside whatever caused it.
    virtual void connect(Event event, std::function<void()> raise) = 0;
};

// The window and its controls as the window system has them.
class NativeWindow {
public:
    virtual ~NativeWindow() = default;

    // A control of the entry's class with its class defaults, on this window. Called in definition
    // order, which is the order of creation.
    virtual std::unique_ptr<NativeControl> create(const ControlEntry& entry) = 0;
    // Assistive technology names `control` by the caption of `label`, as it names an entry field.
    virtual void nameAfter(NativeControl& control, NativeControl& label, std::string_view caption) = 0;
    // Every control in TabIndex order: the order the Tab key walks.
    virtual void setTabOrder(std::span<NativeControl* const> order) = 0;
    // Puts the focus in the first control in tab order that can take it.
    virtual void focusFirst() = 0;
    virtual void show() = 0;
};

// The application's hold on the window system, from start-up to the end of its message loop.
class NativeApplication {
public:
    virtual ~NativeApplication() = default;

    // Runs the message loop until the last window is gone; returns the process's exit status.
    virtual int run() = 0;
};

class Platform {
public:
    // Connects to the window system. Where it cannot, ends the process with one line on stderr.
    virtual std::unique_ptr<NativeApplication> open(const AppDescriptor& descriptor) = 0;
    // The window of `form`, the first entry of its definition, sized and titled but not shown.
    virtual std::unique_ptr<NativeWindow> createWindow(const AppDescriptor& descriptor,
                                                       const ControlEntry& form) = 0;
    // Shows the report of a run-time error in a box titled `title` and returns when it is dismissed.
    virtual void showError(std::string_view title, std::string_view text) = 0;

protected:
    ~Platform() = default;
};

// The window system of this build: the one backend linked in.
Platform& nativePlatform();

} // namespace runtime
