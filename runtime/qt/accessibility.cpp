#include "runtime/qt/accessibility.h"

#include "runtime/qt/convert.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QVariant>
#include <QWidget>
#include <optional>

namespace runtime::qt {

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

void nameAfter(QWidget& control, QWidget& label, const QString& caption) {
    control.setAccessibleName(caption);
    if (auto* buddy = qobject_cast<QLabel*>(&label); buddy && qobject_cast<QComboBox*>(&control))
        buddy->setBuddy(&control);
}

} // namespace runtime::qt
