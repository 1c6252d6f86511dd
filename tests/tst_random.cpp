// A long run of random mouse and keyboard input on the program's window. After every event the
// window must still be in one of its two modes, with every caption as defined and no reference
// left taken. The seed is printed; TVORKA1_SEED replays a run, TVORKA1_EVENTS changes its length.

#include "form1_fixture.h"

#include <QKeySequence>
#include <QLabel>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <deque>
#include <functional>
#include <random>

using namespace runtime;

namespace {

quint64 seedFromEnvironment() {
    bool ok = false;
    const quint64 seed = qEnvironmentVariable("TVORKA1_SEED").toULongLong(&ok);
    return ok ? seed : std::random_device{}();
}

int eventsFromEnvironment() {
    bool ok = false;
    const int events = qEnvironmentVariableIntValue("TVORKA1_EVENTS", &ok);
    return ok && events > 0 ? events : 20000;
}

// The offscreen platform cannot raise a window or grab the keyboard for an open list, and says
// so each time; nothing else is silenced.
QtMessageHandler qtTestHandler = nullptr;
void dropPlatformLimits(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!message.startsWith("This plugin does not support"))
        qtTestHandler(type, context, message);
}

} // namespace

class tst_Random : public Form1Fixture {
    Q_OBJECT

    std::mt19937_64 random_;
    std::deque<QString> recent_; // the last events, for the failure message

    int uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    template <class T, std::size_t N>
    T pick(const T (&choices)[N]) {
        return choices[uniform(0, N - 1)];
    }

    // Where a click lands: anywhere in the window, or inside a control or an open list, so that
    // small targets such as the selectors' arrows are hit often.
    std::pair<QWidget*, QPoint> clickTarget() {
        QWidget* target = &window();
        if (QWidget* popup = QApplication::activePopupWidget(); popup && uniform(0, 1))
            target = popup;
        else if (uniform(0, 1))
            target = qt::widget(*form_->controls()[uniform(0, int(form_->controls().size()) - 1)]);
        return {target, QPoint(uniform(0, target->width() - 1), uniform(0, target->height() - 1))};
    }

    // One event: what the failure message calls it, and how it is sent.
    struct Step {
        QString said;
        std::function<void()> send;
    };

    Step click() {
        const auto [target, at] = clickTarget();
        const Qt::MouseButton button =
            pick({Qt::LeftButton, Qt::LeftButton, Qt::LeftButton, Qt::RightButton});
        const bool twice = uniform(0, 5) == 0;
        // Through the window system to the window under the pointer, as a real click comes.
        QWidget* topLevel = target->window();
        QWindow* handle = topLevel->windowHandle();
        QPoint inWindow = topLevel->mapFromGlobal(target->mapToGlobal(at));
        if (!topLevel->rect().contains(inWindow)) // the control lies beyond a shrunken window
            inWindow = QPoint(uniform(0, topLevel->width() - 1), uniform(0, topLevel->height() - 1));
        return {QString("%1 %2 at (%3,%4) of %5")
                    .arg(twice ? "double-click" : "click", button == Qt::LeftButton ? "left" : "right")
                    .arg(at.x())
                    .arg(at.y())
                    .arg(target->objectName()),
                [=] {
                    if (twice)
                        QTest::mouseDClick(handle, button, {}, inWindow);
                    else
                        QTest::mouseClick(handle, button, {}, inWindow);
                }};
    }

    Step key() {
        static constexpr Qt::Key keys[] = {
            Qt::Key_Left,  Qt::Key_Right,     Qt::Key_Up,     Qt::Key_Down,     Qt::Key_Tab, Qt::Key_Backtab,
            Qt::Key_Space, Qt::Key_Return,    Qt::Key_Enter,  Qt::Key_Escape,   Qt::Key_F4,  Qt::Key_Home,
            Qt::Key_End,   Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_PageDown,
        };
        static constexpr Qt::KeyboardModifiers modifiers[] = {
            Qt::NoModifier,    Qt::NoModifier,  Qt::NoModifier,
            Qt::ShiftModifier, Qt::AltModifier, Qt::ControlModifier,
        };
        const Qt::Key k = pick(keys);
        const Qt::KeyboardModifiers m = pick(modifiers);
        QWindow* handle = window().windowHandle();
        return {"key " + QKeySequence(m | k).toString(), [=] {
                    QTest::keyClick(handle, k, m);
                }};
    }

    Step type() {
        static constexpr char characters[] = "0123456789.,kKmMuRCnp x-+";
        const char c = characters[uniform(0, sizeof characters - 2)];
        const Qt::KeyboardModifiers m = uniform(0, 9) ? Qt::NoModifier : Qt::ControlModifier;
        QWindow* handle = window().windowHandle();
        return {QString("type %1%2").arg(m ? "Ctrl+" : "").arg(c), [=] {
                    QTest::keyClick(handle, c, m);
                }};
    }

    Step resize() {
        const QSize size(uniform(120, 900), uniform(80, 700));
        return {QString("resize %1x%2").arg(size.width()).arg(size.height()), [this, size] {
                    window().resize(size);
                }};
    }

    Step randomEvent() {
        switch (uniform(0, 9)) {
        case 0:
        case 1:
        case 2:
        case 3:
            return click();
        case 4:
        case 5:
        case 6:
            return key();
        case 7:
        case 8:
            return type();
        default:
            return resize();
        }
    }

    // What must hold after every event: one of the two modes, every caption as the definition
    // gives it, no reference left taken.
    QString broken() const {
        if (const QString fault = modeBroken(); !fault.isEmpty())
            return fault;
        for (const ControlEntry& e : form1::definition) {
            const QString name = QString::fromStdString(displayName(e));
            QString now;
            if (auto* label = qobject_cast<QLabel*>(widget(name)))
                now = label->text();
            else if (auto* button = qobject_cast<QAbstractButton*>(widget(name)))
                now = button->text();
            else
                continue;
            if (now != QString::fromUtf8(e.caption.data(), static_cast<qsizetype>(e.caption.size())))
                return QString("the caption of %1 changed to '%2'").arg(name, now);
        }
        return {};
    }

    // The state of one run.
    quint64 seed_ = 0;
    int events_ = 0;
    int sent_ = 0;
    int sending_ = 0; // the event being sent, 0 between events
    int switches_ = 0;
    int lists_ = 0;
    QString failure_;

    void check(int n) {
        if (const QString fault = broken(); !fault.isEmpty() && failure_.isEmpty())
            failure_ = QString("seed %1, after event %2: %3\nlast events:\n  %4")
                           .arg(seed_)
                           .arg(n)
                           .arg(fault, QStringList(recent_.begin(), recent_.end()).join("\n  "));
    }

    // Sends events until the run is over; inside a menu's own loop, only until the menu is gone.
    void drive(bool insideMenu) {
        while (sent_ < events_ && failure_.isEmpty()) {
            if (insideMenu && !QApplication::activePopupWidget())
                return;
            sendOne();
        }
        while (QWidget* popup = QApplication::activePopupWidget())
            popup->close(); // lets a menu's own loop return
    }

    void sendOne() {
        const int n = ++sent_;
        const bool astable = !widget("Picture1")->isHidden();
        const bool listOpen = QApplication::activePopupWidget() != nullptr;
        const Step step = randomEvent();
        recent_.push_back(QString("#%1 %2").arg(n).arg(step.said));
        if (recent_.size() > 8)
            recent_.pop_front();
        // Some menus (a scroll bar's) run a loop of their own until closed: the run goes on in there.
        watchForMenuLoop(n, QThread::currentThread()->loopLevel());
        const int outer = std::exchange(sending_, n);
        step.send();
        sending_ = outer;
        QCoreApplication::processEvents();
        check(n);
        lists_ += !listOpen && QApplication::activePopupWidget();
        switches_ += astable == widget("Picture1")->isHidden();
    }

    void watchForMenuLoop(int n, int level) {
        QTimer::singleShot(0, this, [this, n, level] {
            if (sending_ != n)
                return;
            if (QThread::currentThread()->loopLevel() > level)
                drive(true);
            // Still sending: look again at the next turn (a double click can open a second menu).
            watchForMenuLoop(n, level);
        });
    }

private slots:
    void initTestCase() {
        qtTestHandler = qInstallMessageHandler(dropPlatformLimits);
        QVERIFY(showActive());
    }

    void randomInputKeepsTheWindowConsistent() {
        seed_ = seedFromEnvironment();
        events_ = eventsFromEnvironment();
        random_.seed(seed_);
        qInfo("seed %llu, %d events (replay with TVORKA1_SEED=%llu)", seed_, events_, seed_);
        drive(false);
        QVERIFY2(failure_.isEmpty(), qPrintable(failure_));

        // A run that never switched or never opened a list would prove little.
        qInfo("%d switches of circuit, %d lists or menus opened", switches_, lists_);
        QVERIFY(switches_ > events_ / 100);
        QVERIFY(lists_ > events_ / 100);
    }
};

QTEST_MAIN(tst_Random)
#include "tst_random.moc"
