#pragma once

// The program's window built from the real descriptor, as every widget test of it drives it.

#include "app/application.h"
#include "references.h"
#include "runtime/core/startup.h"
#include "runtime/qt/qt.h"
#include "window/form1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

class Form1Fixture : public QObject {
protected:
    runtime::Ref<runtime::Form> form_ = runtime::load(app::descriptor);

    QWidget& window() const { return runtime::qt::window(*form_); }
    // The device pixel ratio the test was started at; the 1.25 runs stand for 120 dpi.
    static qreal askedScale() { return qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble(); }

    // A control's widget by the name the error report gives it: "Picture1", "Text1(2)".
    QWidget* widget(const QString& name) const {
        const int index = name.contains('(') ? name.section('(', 1).chopped(1).toInt() : runtime::noIndex;
        const runtime::Control* control = form_->find(name.section('(', 0, 0).toStdString(), index);
        return control ? runtime::qt::widget(*control) : nullptr;
    }
    QAbstractButton* option(const QString& name) const {
        return qobject_cast<QAbstractButton*>(widget(name));
    }
    void selectMode(const QString& name) { QTest::mouseClick(option(name), Qt::LeftButton); }

    // Shows the window and waits until it has the focus, as a user's window does.
    bool showActive() {
        window().show();
        window().activateWindow();
        return QTest::qWaitForWindowActive(&window());
    }

    // Exactly one option selected and one diagram visible, the selected circuit's. Empty when so.
    QString modeBroken() const {
        const bool mono = option("Option1")->isChecked();
        if (mono == option("Option2")->isChecked())
            return "not exactly one option button selected";
        if (widget("Picture1")->isHidden() == widget("Picture2")->isHidden())
            return "not exactly one picture box visible";
        if (widget("Picture2")->isHidden() == mono)
            return "the visible picture box is not the selected circuit's";
        return referencesTaken(*form_);
    }
};
