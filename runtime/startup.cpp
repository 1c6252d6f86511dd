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
struct StartupMessage {
    QString category;
    QString text;
};
QList<StartupMessage> startupMessages;

// The reason is what the platform plugin said first (no display, no such plugin), not whatever
// else Qt printed on the way, such as Qt 6.8's several lines about a locale that is not UTF-8.
QString failureReason(const QString& fatal) {
    for (const StartupMessage& m : std::as_const(startupMessages))
        if (m.category.startsWith("qt.qpa"))
            return m.text.section('\n', 0, 0).trimmed();
    return fatal.section('\n', 0, 0).trimmed();
}

void startupMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtFatalMsg) {
        startupMessages.append({QString::fromUtf8(context.category), message});
        return;
    }
    QString reason = failureReason(message);
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
    for (const StartupMessage& message : std::exchange(startupMessages, {}))
        std::fprintf(stderr, "%s\n", qPrintable(message.text));
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
