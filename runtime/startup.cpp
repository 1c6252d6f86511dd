// Start-up: the application object, the start-up window and the message loop.

#include "runtime/startup.h"

#include "runtime/text.h"

#include <QApplication>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace runtime {

namespace {

// Qt ends the process with abort() when it cannot open the window system. Turn that into one
// line and a clean exit; messages of a start-up that works are passed on afterwards.
QStringList startupMessages;

void startupMessageHandler(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtFatalMsg) {
        startupMessages << message;
        return;
    }
    QString reason = startupMessages.isEmpty() ? message.section('\n', 0, 0) : startupMessages.first();
    reason = reason.trimmed();
    if (reason.contains("connect to display") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        reason += " (no display is set)";
    std::fprintf(stderr, "%s: cannot open the window: %s\n", qPrintable(QCoreApplication::applicationName()),
                 qPrintable(reason));
    std::fflush(stderr);
    std::_Exit(EXIT_FAILURE);
}

std::unique_ptr<QApplication> openApplication(const AppDescriptor& descriptor) {
    // Qt keeps references to these for the life of the application.
    static int argc = 1;
    static char arg0[] = "tvorka1";
    static char* argv[] = {arg0, nullptr};

    QCoreApplication::setApplicationName(qstr(descriptor.name));
    QCoreApplication::setApplicationVersion(qstr(descriptor.version));
    QGuiApplication::setDesktopFileName(qstr(descriptor.desktopEntry));
    const QtMessageHandler previous = qInstallMessageHandler(startupMessageHandler);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    for (const QString& message : std::exchange(startupMessages, {}))
        std::fprintf(stderr, "%s\n", qPrintable(message));
    return app;
}

} // namespace

[[noreturn]] void start(const AppDescriptor& descriptor) {
    int status = 0;
    {
        const std::unique_ptr<QApplication> app = openApplication(descriptor);
        const Ref<Form> form = load(descriptor);
        form->window().show();
        status = QApplication::exec();
    }
    std::exit(status);
}

} // namespace runtime
