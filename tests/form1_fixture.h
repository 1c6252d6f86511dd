#pragma once

// The program's window built from the real descriptor, as the widget tests drive it.

#include "app/application.h"
#include "runtime/core/startup.h"
#include "runtime/qt/qt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

class Form1Fixture : public QObject {
protected:
    runtime::Ref<runtime::Form> form_ = runtime::load(app::descriptor);

    QWidget* widget(const QString& name) const {
        return runtime::qt::window(*form_).findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
    }
    void selectMode(const char* option) {
        QTest::mouseClick(qobject_cast<QAbstractButton*>(widget(option)), Qt::LeftButton);
    }
    // Shows the window and waits until it has the focus, as a user's window does.
    bool showActive() {
        runtime::qt::window(*form_).show();
        runtime::qt::window(*form_).activateWindow();
        return QTest::qWaitForWindowActive(&runtime::qt::window(*form_));
    }
};
