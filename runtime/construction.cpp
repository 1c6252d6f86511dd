// Window construction: the window and its controls from the definition, in definition order.

#include "runtime/accessibility.h"
#include "runtime/events.h"
#include "runtime/focus.h"
#include "runtime/startup.h"
#include "runtime/text.h"

#include <QIcon>
#include <QPixmap>
#include <QWidget>
#include <type_traits>

namespace runtime {

namespace {

QRect pixelRect(const TwipRect& r) {
    return {pixels(r.left), pixels(r.top), pixels(r.width), pixels(r.height)};
}

Ref<Control> createControl(const ControlEntry& entry, QWidget& window) {
    return withClass(entry.kind, [&]<class C>() -> Ref<Control> {
        if constexpr (std::is_same_v<C, FormClass>)
            std::abort(); // the definition's checks keep the window to its first entry
        else
            return makeControl<C>(entry, window);
    });
}

} // namespace

Ref<Form> load(const AppDescriptor& descriptor) {
    const WindowObject& object = descriptor.startUpObject;
    std::unique_ptr<QWidget> window = Form::create(object.definition.front());
    if (!descriptor.icon.empty()) {
        // Ready pixels: no image plugin to find and load, nothing to decode.
        QIcon icon;
        for (const Pixels& p : descriptor.icon)
            icon.addPixmap(QPixmap::fromImage(
                QImage(reinterpret_cast<const uchar*>(p.data), p.width, p.height, QImage::Format_ARGB32)));
        window->setWindowIcon(icon);
    }

    Ref<Form> form = Ref<Form>::adopt(*new Form(object, std::move(window)));
    for (const ControlEntry& e : object.definition.subspan(1)) {
        Ref<Control> control = createControl(e, form->window());
        describe(*control->widget(), e);
        control->widget()->setObjectName(qstr(control->displayName()));
        control->widget()->setGeometry(pixelRect(e.rect));
        form->add(std::move(control));
    }
    nameAfterLabels(*form);
    applyTabOrder(*form);
    connectEvents(*form);
    raiseLoad(*form);
    focusFirstControl(*form);
    return form;
}

} // namespace runtime
