#include "runtime/controls.h"

#include "runtime/colours.h"
#include "runtime/testing.h"
#include "runtime/text.h"
#include "runtime/widgets.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <cmath>

namespace runtime {

namespace {

std::string displayNameOf(const ControlEntry& entry) {
    std::string name(entry.name);
    if (entry.index != noIndex)
        name += "(" + std::to_string(entry.index) + ")";
    return name;
}

// Fills a label's background, keeping its text readable: where the theme's text colour is too
// close to the background, black or white takes its place.
void paintBackground(QLabel& label, const QColor& background) {
    QPalette palette = label.palette();
    palette.setColor(QPalette::Window, background);
    const QColor text = palette.color(QPalette::WindowText);
    if (std::abs(qGray(text.rgb()) - qGray(background.rgb())) < 96)
        palette.setColor(QPalette::WindowText, qGray(background.rgb()) < 128 ? Qt::white : Qt::black);
    label.setPalette(palette);
    label.setAutoFillBackground(true);
}

// A caption wider than its label takes a smaller size of the same font rather than being cut.
void fitCaption(QLabel& label, int width) {
    QFont font = label.font();
    while (QFontMetrics(font).horizontalAdvance(label.text()) > width && font.pointSizeF() > 6)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    label.setFont(font);
}

} // namespace

Control::Control(const ControlEntry& entry, QWidget& widget)
    : entry_(entry)
    , displayName_(displayNameOf(entry))
    , widget_(&widget) {}

QWidget* Control::widget() const {
    return widget_;
}

void Control::connect(Event, std::function<void()>) {}

template <class W>
W* ControlOf<W>::widget() const {
    return static_cast<W*>(Control::widget());
}

template <class C>
Ref<Control> makeControl(const ControlEntry& entry, QWidget& parent) {
    return Ref<C>::adopt(*new C(entry, C::create(entry, parent)));
}

template class ControlOf<OptionButtonWidget>;
template class ControlOf<PictureBoxWidget>;
template class ControlOf<QLabel>;
template class ControlOf<QLineEdit>;
template class ControlOf<QComboBox>;
template Ref<Control> makeControl<OptionButton>(const ControlEntry&, QWidget&);
template Ref<Control> makeControl<PictureBox>(const ControlEntry&, QWidget&);
template Ref<Control> makeControl<Label>(const ControlEntry&, QWidget&);
template Ref<Control> makeControl<TextBox>(const ControlEntry&, QWidget&);
template Ref<Control> makeControl<ComboBox>(const ControlEntry&, QWidget&);

Status Control::precheck(std::string_view property, bool value) const {
    if (const auto planned = testing::takePlannedFailure(displayName_, property, value))
        return *planned;
    return widget_ ? statusOk : statusControlGone;
}

// Option buttons: one group per container, created unselected.
OptionButtonWidget& OptionButton::create(const ControlEntry& entry, QWidget& parent) {
    return *new OptionButtonWidget(qstr(entry.caption), entry.tabIndex, &parent);
}

Status OptionButton::setValue(bool value) {
    if (const Status status = precheck(Value.name, value); status.failed())
        return status;
    if (value)
        widget()->setChecked(true);
    else
        widget()->clear();
    return statusOk;
}

// Click is raised when the button becomes selected, by the mouse, the keyboard or a set of
// Value, synchronously inside the selecting call.
void OptionButton::connect(Event event, std::function<void()> raise) {
    if (event != Event::Click)
        return;
    QObject::connect(widget(), &QAbstractButton::toggled, widget(), [raise = std::move(raise)](bool on) {
        if (on)
            raise();
    });
}

// Picture boxes: a two-pixel sunken border, no focus, the picture at its natural size.
PictureBoxWidget& PictureBox::create(const ControlEntry& entry, QWidget& parent) {
    return *new PictureBoxWidget(entry.picture, &parent);
}

Status PictureBox::setVisible(bool visible) {
    if (const Status status = precheck(Visible.name, visible); status.failed())
        return status;
    widget()->setVisible(visible);
    return statusOk;
}

// Labels never take the focus; a stored background colour keeps its text readable.
QLabel& Label::create(const ControlEntry& entry, QWidget& parent) {
    auto* label = new QLabel(qstr(entry.caption), &parent);
    fitCaption(*label, pixels(entry.rect.width));
    if (entry.backColour)
        paintBackground(*label, resolveColour(*entry.backColour, label->palette()));
    return *label;
}

// Text boxes hold a single line.
QLineEdit& TextBox::create(const ControlEntry& entry, QWidget& parent) {
    return *new QLineEdit(qstr(entry.caption), &parent);
}

// Combo boxes: an editable field with a drop-down list that opens even while it is empty, and
// takes no row from what is typed.
QComboBox& ComboBox::create(const ControlEntry& entry, QWidget& parent) {
    auto* combo = new ComboBoxWidget(&parent);
    combo->setEditText(qstr(entry.caption));
    combo->lineEdit()->setCursorPosition(0); // where the field is too narrow, show the text's start
    return *combo;
}

} // namespace runtime
