#include "runtime/qt/widgets.h"

#include "runtime/qt/colours.h"
#include "runtime/qt/convert.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QScopedValueRollback>
#include <QScreen>
#include <algorithm>

namespace runtime::qt {

OptionButtonWidget::OptionButtonWidget(const QString& caption, const QList<OptionButtonWidget*>& group,
                                       QWidget* parent)
    : QRadioButton(caption, parent)
    , group_(group) {
    connect(this, &QAbstractButton::toggled, this, &OptionButtonWidget::updateTabStops);
}

void OptionButtonWidget::clear() {
    if (!isChecked())
        return;
    setAutoExclusive(false);
    setChecked(false);
    setAutoExclusive(true);
}

void OptionButtonWidget::updateTabStops() {
    const QList<OptionButtonWidget*>& buttons = group_;
    const bool anySelected =
        std::any_of(buttons.begin(), buttons.end(), [](auto* b) { return b->isChecked(); });
    for (OptionButtonWidget* b : buttons)
        b->setFocusPolicy(!anySelected || b->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

void OptionButtonWidget::keyPressEvent(QKeyEvent* event) {
    int step = 0;
    switch (event->key()) {
    case Qt::Key_Down:
    case Qt::Key_Right:
        step = 1;
        break;
    case Qt::Key_Up:
    case Qt::Key_Left:
        step = -1;
        break;
    default:
        QRadioButton::keyPressEvent(event);
        return;
    }
    QList<OptionButtonWidget*> buttons = group_;
    buttons.removeIf(
        [this](OptionButtonWidget* b) { return b != this && (!b->isVisible() || !b->isEnabled()); });
    const auto count = buttons.size();
    const auto next = buttons.at((buttons.indexOf(this) + step + count) % count);
    if (next == this)
        return;
    next->setFocus(step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    next->click();
}

ComboBoxWidget::ComboBoxWidget(QWidget* parent)
    : QComboBox(parent) {
    // Editable through its own line edit: setEditable(true) would also build the drop-down list's
    // popup now, which Qt otherwise builds when the list first opens.
    auto* edit = new QLineEdit(this);
    edit->setPalette(palette()); // as setEditable(true) does: the field takes the selector's colours
    setLineEdit(edit);
    setInsertPolicy(QComboBox::NoInsert);
}

void ComboBoxWidget::showPopup() {
    if (count() > 0) {
        QComboBox::showPopup();
        return;
    }
    // Qt opens no list without rows. Show Qt's own list window by hand, one row high: Qt then
    // closes it on Escape, F4, Alt+Down, a click outside or on the arrow, and gives the focus back
    // to the field, as it does for a list with rows.
    QAbstractItemView* list = view();
    QWidget* popup = list->window(); // the list's frame, a window of its own
    if (popup == window() || popup->isVisible())
        return;
    list->installEventFilter(this); // at every opening: Qt keeps it once, ahead of its own
    const QMargins frame = popup->contentsMargins() + list->contentsMargins();
    const int rowHeight = list->fontMetrics().height() + 2; // a text row: a pixel of margin above and below
    QRect rect(mapToGlobal(QPoint(0, height())), QSize(width(), rowHeight + frame.top() + frame.bottom()));
    // Above the field where the screen ends below it.
    if (const QScreen* s = screen(); s && rect.bottom() > s->availableGeometry().bottom())
        rect.moveBottom(mapToGlobal(QPoint(0, 0)).y() - 1);
    popup->setGeometry(rect);
    popup->raise();
    popup->show();
    list->setFocus();
}

ColouredLabel::ColouredLabel(const QString& caption, ColourValue background, QWidget* parent)
    : QLabel(caption, parent)
    , background_(background) {
    setAutoFillBackground(true);
    paintBackground();
}

// A change of the theme reaches the label as a change of the palette it inherits; the palette it
// sets in turn brings one more, which changes nothing.
void ColouredLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && !painting_)
        paintBackground();
}

// Only the background and the text are the label's own; every other colour follows the window's.
void ColouredLabel::paintBackground() {
    const QScopedValueRollback guard(painting_, true);
    const QPalette inherited = parentWidget() ? parentWidget()->palette() : QApplication::palette(this);
    const QColor back = resolveColour(background_, inherited);
    QPalette own;
    own.setColor(QPalette::Window, back);
    own.setColor(QPalette::WindowText,
                 qcolor(readableText(rgb(back), rgb(inherited.color(QPalette::WindowText)))));
    setPalette(own);
}

// F4 and Alt+Down close the list. Since Qt 6.8 they also choose the list's current row, and with no
// row that empties the field; where there is nothing to choose, they only close it.
bool ComboBoxWidget::eventFilter(QObject* watched, QEvent* event) {
    if (watched != view() || (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress))
        return QComboBox::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool closes = (key->key() == Qt::Key_F4 && key->modifiers() == Qt::NoModifier) ||
                        (key->key() == Qt::Key_Down && key->modifiers() == Qt::AltModifier);
    if (!closes || view()->currentIndex().isValid())
        return QComboBox::eventFilter(watched, event);
    hidePopup();
    event->accept();
    return true;
}

PictureBoxWidget::PictureBoxWidget(const Pixels* picture, QWidget* parent)
    : QFrame(parent) {
    if (picture)
        picture_ = qimage(*picture);
    // The class's border: two pixels, sunken.
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setFocusPolicy(Qt::NoFocus);
}

void PictureBoxWidget::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (picture_.isNull())
        return;
    // One image pixel per device pixel: the image claims the widget's ratio, so Qt draws it unscaled.
    picture_.setDevicePixelRatio(devicePixelRatioF());
    QPainter painter(this);
    painter.setClipRect(contentsRect());
    painter.drawImage(contentsRect().topLeft(), picture_);
}

} // namespace runtime::qt
