// Runs the real program with one property set made to fail, and tells on stdout what a user
// would see: whether the window was shown, which boxes were visible when the report came up.
// Usage: fault_host CONTROL PROPERTY VALUE SKIP [CLICK...]

#include "app/application.h"
#include "runtime/startup.h"
#include "runtime/testing.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>

namespace {

QStringList clicks;
QWidget* window = nullptr;

void say(const QString& line) {
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout); // the report ends the process without flushing
}

QString state(const char* name) {
    QWidget* box = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == "Form1")
            box = top->findChild<QWidget*>(name);
    return QString("%1=%2").arg(name, box && !box->isHidden() ? "visible" : "hidden");
}

class Watcher : public QObject {
protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() != QEvent::Show || !object->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(object);
        if (auto* box = qobject_cast<QMessageBox*>(widget)) {
            say(QString("report %1 | %2 | %3 %4")
                    .arg(box->windowTitle(), box->text(), state("Picture1"), state("Picture2")));
            QTimer::singleShot(0, box, &QMessageBox::accept);
        } else if (widget->objectName() == "Form1") {
            window = widget;
            say("shown");
            QTimer::singleShot(0, widget, [] {
                for (const QString& name : clicks)
                    window->findChild<QAbstractButton*>(name)->click();
                say("clicked");
                window->close();
            });
        }
        return false;
    }
};

void watch() {
    qApp->installEventFilter(new Watcher);
}
Q_COREAPP_STARTUP_FUNCTION(watch)

} // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: fault_host CONTROL PROPERTY VALUE SKIP [CLICK...]\n");
        return 2;
    }
    runtime::testing::planFailure({.control = argv[1],
                                   .property = argv[2],
                                   .value = QByteArray(argv[3]) == "true",
                                   .skip = QByteArray(argv[4]).toInt(),
                                   .status = {static_cast<std::int32_t>(0x80004005u)}});
    for (int i = 5; i < argc; ++i)
        clicks << argv[i];
    runtime::start(app::descriptor);
}
