#include "runtime/focus.h"

#include <QWidget>
#include <algorithm>

namespace runtime {

namespace {

std::vector<QWidget*> inTabOrder(const Form& form) {
    std::vector<const Control*> controls;
    for (const Ref<Control>& c : form.controls())
        controls.push_back(&*c);
    std::sort(controls.begin(), controls.end(),
              [](const Control* a, const Control* b) { return a->entry().tabIndex < b->entry().tabIndex; });
    std::vector<QWidget*> widgets;
    for (const Control* c : controls)
        widgets.push_back(c->widget());
    return widgets;
}

} // namespace

void applyTabOrder(const Form& form) {
    const std::vector<QWidget*> order = inTabOrder(form);
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void focusFirstControl(const Form& form) {
    for (QWidget* w : inTabOrder(form))
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(&form.window()) && w->isEnabled()) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
}

} // namespace runtime
