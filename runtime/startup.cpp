#include "runtime/startup.h"

#include "runtime/accessibility.h"
#include "runtime/colours.h"
#include "runtime/widgets.h"

#include <QApplication>
#include <QComboBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace runtime {

namespace {

QString qstr(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QRect pixelRect(const TwipRect& r) {
    return {pixels(r.left), pixels(r.top), pixels(r.width), pixels(r.height)};
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

// Gives an entry the caption of its row's label as the name assistive technology announces.
void nameAfterLabel(const Form& form, const Control& control) {
    const ControlEntry& entry = control.entry();
    if (entry.labelledBy.empty())
        return;
    auto* label = qobject_cast<QLabel*>(form.peek(entry.labelledBy, entry.index)->widget());
    control.widget()->setAccessibleName(label->text());
    // On Linux Qt names an editable combo box by its text and tells its label only as a relation.
    if (entry.kind == ControlClass::ComboBox)
        label->setBuddy(control.widget());
}

// The class defaults live here: whatever a definition entry does not store.
Ref<Control> createControl(const ControlEntry& entry, QWidget& window) {
    switch (entry.kind) {
    case ControlClass::OptionButton: {
        auto* w = new OptionButtonWidget(qstr(entry.caption), entry.tabIndex, &window);
        return Ref<OptionButton>::adopt(*new OptionButton(entry, *w));
    }
    case ControlClass::PictureBox: {
        auto* w = new PictureBoxWidget(qstr(entry.picture), &window);
        return Ref<PictureBox>::adopt(*new PictureBox(entry, *w));
    }
    case ControlClass::Label: {
        auto* w = new QLabel(qstr(entry.caption), &window);
        fitCaption(*w, pixels(entry.rect.width));
        if (entry.backColour)
            paintBackground(*w, resolveColour(*entry.backColour, w->palette()));
        return Ref<Label>::adopt(*new Label(entry, *w));
    }
    case ControlClass::TextBox: {
        auto* w = new QLineEdit(qstr(entry.caption), &window);
        return Ref<TextBox>::adopt(*new TextBox(entry, *w));
    }
    case ControlClass::ComboBox: {
        auto* w = new ComboBoxWidget(&window);
        w->setEditText(qstr(entry.caption));
        w->lineEdit()->setCursorPosition(0); // where the field is too narrow, show the text's start
        return Ref<ComboBox>::adopt(*new ComboBox(entry, *w));
    }
    case ControlClass::Form:
        break;
    }
    std::abort(); // the definition's checks keep the window to its first entry
}

std::vector<QWidget*> inTabOrder(const Form& form) {
    std::vector<const Control*> controls;
    for (const Ref<Control>& c : form.controls())
        controls.push_back(&*c);
    std::sort(controls.begin(), controls.end(),
              [](const Control* a, const Control* b) { return a->entry().tabIndex < b->entry().tabIndex; });
    std::vector<QWidget*> widgets;
    for (const Control* c : controls)
        widgets.push_back(c->widget());
    return widgets;
}

void connectEvents(Form& form) {
    for (const EventBinding& binding : form.object().events) {
        if (binding.event != Event::Click)
            continue;
        for (const Ref<Control>& control : form.controls()) {
            if (control->entry().name != binding.control)
                continue;
            auto* button = static_cast<OptionButtonWidget*>(control->widget());
            QObject::connect(button, &QAbstractButton::toggled, button,
                             [&form, handler = binding.handler](bool on) {
                                 if (on)
                                     raiseEvent(form, handler);
                             });
        }
    }
}

Handler loadHandler(const WindowObject& object) {
    for (const EventBinding& binding : object.events)
        if (binding.control == formEntryName && binding.event == Event::Load)
            return binding.handler;
    return nullptr;
}

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

const WindowObject& startUpObject(const AppDescriptor& descriptor) {
    for (const WindowObject& object : descriptor.objects)
        if (object.name == descriptor.startUpObject)
            return object;
    std::fprintf(stderr, "%s: the start-up window is missing\n", std::string(descriptor.name).c_str());
    std::exit(EXIT_FAILURE);
}

} // namespace

Ref<Form> load(const AppDescriptor& descriptor) {
    const WindowObject& object = startUpObject(descriptor);
    const ControlEntry& entry = object.definition.front();
    auto window = std::make_unique<QWidget>();
    describe(*window, entry);
    // The window's default font: the system's face at 8 points, the size its layout was made for.
    QFont font = window->font();
    font.setPointSize(8);
    window->setFont(font);
    window->setObjectName(qstr(entry.name));
    window->setWindowTitle(qstr(entry.caption));
    if (!descriptor.icon.empty())
        window->setWindowIcon(QIcon(qstr(descriptor.icon)));
    window->resize(pixels(entry.rect.width), pixels(entry.rect.height));
    if (entry.startUpPosition == StartUpPosition::Manual)
        window->move(pixels(entry.rect.left), pixels(entry.rect.top));

    Ref<Form> form = Ref<Form>::adopt(*new Form(object, std::move(window)));
    for (const ControlEntry& e : object.definition.subspan(1)) {
        Ref<Control> control = createControl(e, form->window());
        describe(*control->widget(), e);
        control->widget()->setObjectName(qstr(control->displayName()));
        control->widget()->setGeometry(pixelRect(e.rect));
        form->add(std::move(control));
    }
    for (const Ref<Control>& control : form->controls())
        nameAfterLabel(*form, *control);
    const std::vector<QWidget*> tabOrder = inTabOrder(*form);
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);
    connectEvents(*form);

    if (const Handler onLoad = loadHandler(object))
        raiseEvent(*form, onLoad);

    // The focus starts in the first control in tab order that can take it.
    for (QWidget* w : tabOrder)
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(&form->window()) && w->isEnabled()) {
            w->setFocus(Qt::TabFocusReason);
            break;
        }
    return form;
}

void raiseEvent(Form& window, Handler handler) {
    try {
        handler(window);
    } catch (const RuntimeError& error) {
        reportUntrapped(error);
    }
}

void reportUntrapped(const RuntimeError& error) {
    const QString title = QCoreApplication::applicationName();
    std::fprintf(stderr, "%s: %s\n", qPrintable(title), error.what());
    std::fflush(stderr);
    if (qApp) {
        QMessageBox box(QMessageBox::Critical, title, QString::fromUtf8(error.what()), QMessageBox::Ok);
        box.exec();
    }
    std::_Exit(EXIT_FAILURE);
}

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
