#pragma once

// The Qt widgets behind the runtime's control classes, where Qt's own need a change.

#include "runtime/core/definition.h"

#include <QComboBox>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QRadioButton>

namespace runtime::qt {

// An option button of the window's one group. Tab reaches only the selected button of the group
// (or every button while none is selected), and the arrow keys move the selection through the
// group in tab order, wrapping, as Windows does, rather than by Qt's geometric scoring.
class OptionButtonWidget : public QRadioButton {
public:
    // `group` lists the window's option buttons in tab order; it outlives them.
    OptionButtonWidget(const QString& caption, const QList<OptionButtonWidget*>& group, QWidget* parent);

    // Clears the selection even though Qt keeps the checked button of an exclusive group checked.
    void clear();

protected:
    // The whole rectangle answers the mouse, not only the indicator and the caption's ink.
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
    void keyPressEvent(QKeyEvent* event) override;

private:
    void updateTabStops();

    const QList<OptionButtonWidget*>& group_;
};

// A label that stands on a stored colour, a system colour among them, with its text in a colour
// that reads on it. Both follow a change of the theme while the window is open.
class ColouredLabel : public QLabel {
public:
    ColouredLabel(const QString& caption, ColourValue background, QWidget* parent);

protected:
    void changeEvent(QEvent* event) override;

private:
    void paintBackground();

    ColourValue background_;
    bool painting_ = false;
};

// A selector: an editable field with a drop-down list. Its list opens even while empty, as a
// one-row-high blank list below the field, and Enter never adds what was typed to it.
class ComboBoxWidget : public QComboBox {
public:
    explicit ComboBoxWidget(QWidget* parent);

    void showPopup() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// A picture box: shows its picture at natural size, one image pixel per device pixel, anchored at
// the inner top-left corner and cut off at the inner edge. The pixels come ready from the build:
// Qt draws them where they lie, without a copy.
class PictureBoxWidget : public QFrame {
public:
    PictureBoxWidget(const Pixels* picture, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};

} // namespace runtime::qt
