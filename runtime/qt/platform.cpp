// The Qt platform: the application object and its message loop, the window, and the error box.

#include "runtime/core/font.h"
#include "runtime/qt/accessibility.h"
#include "runtime/qt/convert.h"
#include "runtime/qt/window.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QPixmap>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <utility>

namespace runtime::qt {

namespace {

// Qt ends the process with abort() when it cannot open the window system. Turn that into one
// line and a clean exit; messages of a start-up that works are passed on afterwards. Qt may write
// them from threads of its own.
struct StartupMessage {
    QString category;
    QString text;
};
std::mutex startupMutex;
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
    const std::lock_guard lock(startupMutex);
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

class QtApplication final : public NativeApplication {
public:
    explicit QtApplication(const AppDescriptor& descriptor) {
        QCoreApplication::setApplicationName(qstr(descriptor.name));
        QCoreApplication::setApplicationVersion(qstr(descriptor.version));
        QGuiApplication::setDesktopFileName(qstr(descriptor.desktopEntry));
        const QtMessageHandler previous = qInstallMessageHandler(startupMessageHandler);
        application_ = std::make_unique<QApplication>(argc, argv);
        qInstallMessageHandler(previous);
        const std::lock_guard lock(startupMutex);
        for (const StartupMessage& message : std::exchange(startupMessages, {}))
            std::fprintf(stderr, "%s\n", qPrintable(message.text));
    }

    int run() override { return QApplication::exec(); }

private:
    // Qt keeps references to these for the life of the application.
    static inline int argc = 1;
    static inline char arg0[] = "tvorka1";
    static inline char* argv[] = {arg0, nullptr};
    std::unique_ptr<QApplication> application_;
};

class QtPlatform final : public Platform {
public:
    std::unique_ptr<NativeApplication> open(const AppDescriptor& descriptor) override {
        return std::make_unique<QtApplication>(descriptor);
    }

    // The window's own class defaults: its title, size, font, icon and start-up position.
    std::unique_ptr<NativeWindow> createWindow(const AppDescriptor& descriptor,
                                               const ControlEntry& form) override {
        auto window = std::make_unique<QWidget>();
        describe(*window, form);
        // The system's face at the size the window's layout was made for.
        QFont font = window->font();
        font.setPointSizeF(formFontPoints);
        window->setFont(font);
        window->setObjectName(qstr(form.name));
        window->setWindowTitle(qstr(form.caption));
        window->resize(toPixels(form.rect.width), toPixels(form.rect.height));
        // Left alone, the window manager places the window, as it does any new one.
        if (form.startUpPosition == StartUpPosition::Manual)
            window->move(toPixels(form.rect.left), toPixels(form.rect.top));
        if (!descriptor.icon.empty()) {
            QIcon icon;
            for (const Pixels& p : descriptor.icon)
                icon.addPixmap(QPixmap::fromImage(qimage(p)));
            window->setWindowIcon(icon);
        }
        return std::make_unique<QtWindow>(std::move(window));
    }

    void showError(std::string_view title, std::string_view text) override {
        if (!qApp)
            return;
        QMessageBox box(QMessageBox::Critical, qstr(title), qstr(text), QMessageBox::Ok);
        box.exec();
    }
};

} // namespace

} // namespace runtime::qt

runtime::Platform& runtime::nativePlatform() {
    static qt::QtPlatform platform;
    return platform;
}
