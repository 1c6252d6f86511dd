// Each control class's widget and class defaults, and the window's keyboard order.

#include "runtime/qt/window.h"

#include "runtime/core/font.h"
#include "runtime/qt/accessibility.h"
#include "runtime/qt/convert.h"
#include "runtime/qt/qt.h"
#include "runtime/qt/widgets.h"

#include <QLabel>
#include <QLineEdit>

namespace runtime::qt {

namespace {

QRect pixelRect(const TwipRect& r) {
    return {toPixels(r.left), toPixels(r.top), toPixels(r.width), toPixels(r.height)};
}

void fitCaption(QLabel& label, int width) {
    QFont font = label.font();
    font.setPointSizeF(captionPoints([&](double points) {
        QFont tried = font;
        tried.setPointSizeF(points);
        return QFontMetrics(tried).horizontalAdvance(label.text()) <= width;
    }));
    label.setFont(font);
}

QWidget* makeWidget(const ControlEntry& entry, QWidget& parent, const QList<OptionButtonWidget*>& options) {
    switch (entry.kind) {
    case ControlClass::OptionButton:
        // Created unselected; its group is the window's.
        return new OptionButtonWidget(qstr(entry.caption), options, &parent);
    case ControlClass::PictureBox:
        return new PictureBoxWidget(entry.picture, &parent);
    case ControlClass::Label: {
        // Labels never take the focus.
        auto* label = entry.backColour ? new ColouredLabel(qstr(entry.caption), *entry.backColour, &parent)
                                       : new QLabel(qstr(entry.caption), &parent);
        fitCaption(*label, toPixels(entry.rect.width));
        return label;
    }
    case ControlClass::TextBox:
        return new QLineEdit(qstr(entry.caption), &parent);
    case ControlClass::ComboBox: {
        auto* combo = new ComboBoxWidget(&parent);
        combo->setEditText(qstr(entry.caption));
        combo->lineEdit()->setCursorPosition(0); // where the field is too narrow, show the text's start
        return combo;
    }
    case ControlClass::Form:
        break;
    }
    std::abort(); // the definition's checks keep the window to its first entry
}

} // namespace

QWidget& window(const Form& form) {
    return dynamic_cast<const QtWindow&>(form.native()).widget();
}

QWidget* widget(const Control& control) {
    return widget(control.native());
}

QWidget* widget(const NativeControl& control) {
    return dynamic_cast<const QtControl&>(control).widget();
}

Status QtControl::setValue(bool value) {
    auto* button = static_cast<OptionButtonWidget*>(widget_.data());
    if (!button)
        return statusControlGone;
    if (value)
        button->setChecked(true);
    else
        button->clear();
    return statusOk;
}

Status QtControl::setVisible(bool visible) {
    if (!widget_)
        return statusControlGone;
    widget_->setVisible(visible);
    return statusOk;
}

// Click, which only option buttons raise, comes when the button becomes selected: by the mouse, the
// keyboard or a set of Value, synchronously inside the selecting call.
void QtControl::connect(Event event, std::function<void()> raise) {
    if (event != Event::Click)
        return;
    QObject::connect(static_cast<QAbstractButton*>(widget_.data()), &QAbstractButton::toggled, widget_,
                     [raise = std::move(raise)](bool on) {
                         if (on)
                             raise();
                     });
}

std::unique_ptr<NativeControl> QtWindow::create(const ControlEntry& entry) {
    QWidget* widget = makeWidget(entry, *widget_, options_);
    describe(*widget, entry);
    widget->setObjectName(qstr(displayName(entry)));
    widget->setGeometry(pixelRect(entry.rect));
    return std::make_unique<QtControl>(entry.kind, *widget);
}

void QtWindow::nameAfter(NativeControl& control, NativeControl& label, std::string_view caption) {
    qt::nameAfter(*static_cast<QtControl&>(control).widget(), *static_cast<QtControl&>(label).widget(),
                  qstr(caption));
}

void QtWindow::setTabOrder(std::span<NativeControl* const> order) {
    for (NativeControl* native : order) {
        const auto& control = static_cast<const QtControl&>(*native);
        tabOrder_.push_back(control.widget());
        if (control.kind() == ControlClass::OptionButton)
            options_.push_back(static_cast<OptionButtonWidget*>(control.widget()));
    }
    for (std::size_t i = 1; i < tabOrder_.size(); ++i)
        QWidget::setTabOrder(tabOrder_[i - 1], tabOrder_[i]);
}

void QtWindow::focusFirst() {
    for (QWidget* w : tabOrder_)
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(widget_.get()) && w->isEnabled()) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
}

} // namespace runtime::qt
