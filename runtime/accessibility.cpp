#include "runtime/accessibility.h"

#include "runtime/text.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QVariant>
#include <QWidget>
#include <optional>

namespace runtime {

namespace {

// The widget property that carries the role from describe() to the factory.
constexpr char roleProperty[] = "tvorka1AccessibleRole";

std::optional<QAccessible::Role> roleOf(ControlClass kind) {
    switch (kind) {
    case ControlClass::Form:
        return QAccessible::Window;
    case ControlClass::PictureBox:
        return QAccessible::Graphic;
    case ControlClass::OptionButton:
    case ControlClass::Label:
    case ControlClass::TextBox:
    case ControlClass::ComboBox:
        break;
    }
    return std::nullopt; // Qt's own widgets say it right
}

// Asked first for every object; answers only for the widgets that describe() marked.
QAccessibleInterface* accessibleFor(const QString&, QObject* object) {
    if (!object || !object->isWidgetType())
        return nullptr;
    const QVariant role = object->property(roleProperty);
    if (!role.isValid())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), static_cast<QAccessible::Role>(role.toInt()));
}

} // namespace

void describe(QWidget& widget, const ControlEntry& entry) {
    [[maybe_unused]] static const bool installed = (QAccessible::installFactory(accessibleFor), true);
    if (const std::optional<QAccessible::Role> role = roleOf(entry.kind))
        widget.setProperty(roleProperty, static_cast<int>(*role));
    if (!entry.accessibleName.empty())
        widget.setAccessibleName(qstr(entry.accessibleName));
    if (!entry.description.empty())
        widget.setAccessibleDescription(qstr(entry.description));
}

void nameAfterLabels(const Form& form) {
    for (const Ref<Control>& control : form.controls()) {
        const ControlEntry& entry = control->entry();
        if (entry.labelledBy.empty())
            continue;
        QLabel* label = static_cast<const Label*>(form.peek(entry.labelledBy, entry.index))->widget();
        control->widget()->setAccessibleName(label->text());
        // On Linux Qt names an editable combo box by its text and tells its label only as a relation.
        if (entry.kind == ControlClass::ComboBox)
            label->setBuddy(control->widget());
    }
}

} // namespace runtime
