#include "runtime/form.h"

#include "runtime/accessibility.h"
#include "runtime/text.h"

#include <QWidget>

namespace runtime {

Form::Form(const WindowObject& object, std::unique_ptr<QWidget> window)
    : object_(object)
    , window_(std::move(window)) {}

Form::~Form() {
    controls_.clear();
}

std::unique_ptr<QWidget> Form::create(const ControlEntry& entry) {
    auto window = std::make_unique<QWidget>();
    describe(*window, entry);
    // The system's face at 8 points, the size the window's layout was made for.
    QFont font = window->font();
    font.setPointSize(8);
    window->setFont(font);
    window->setObjectName(qstr(entry.name));
    window->setWindowTitle(qstr(entry.caption));
    window->resize(pixels(entry.rect.width), pixels(entry.rect.height));
    // Left alone, the window manager places the window, as it does any new one.
    if (entry.startUpPosition == StartUpPosition::Manual)
        window->move(pixels(entry.rect.left), pixels(entry.rect.top));
    return window;
}

const Control* Form::peek(std::string_view name, int index) const {
    for (const Ref<Control>& control : controls_)
        if (control->entry().name == name && control->entry().index == index)
            return &*control;
    return nullptr;
}

} // namespace runtime
