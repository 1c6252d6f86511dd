// The forms runtime on its own, with a window definition and handlers made for the test.

#include "faults/faults.h"
#include "references.h"
#include "runtime/core/handler_frame.h"
#include "runtime/core/startup.h"
#include "runtime/qt/qt.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <array>

using namespace runtime;

namespace {

// The handlers tell each run; the cases count the runs with a QSignalSpy.
class HandlerLog : public QObject {
    Q_OBJECT

signals:
    void ran(const QString& what);
};
HandlerLog* handlerLog = nullptr;

// Three options in one group, in tab order C, A, B; OptC has no handler.
constexpr std::array definition{
    ControlEntry{.kind = ControlClass::Form, .name = "Test", .rect = {.width = 4500, .height = 3000}},
    ControlEntry{
        .kind = ControlClass::OptionButton, .name = "OptA", .tabIndex = 1, .rect = {0, 300, 1500, 300}},
    ControlEntry{
        .kind = ControlClass::OptionButton, .name = "OptB", .tabIndex = 2, .rect = {0, 600, 1500, 300}},
    ControlEntry{
        .kind = ControlClass::OptionButton, .name = "OptC", .tabIndex = 0, .rect = {0, 0, 1500, 300}},
    ControlEntry{
        .kind = ControlClass::PictureBox, .name = "Pic", .tabIndex = 3, .rect = {1500, 0, 1500, 1500}},
    ControlEntry{.kind = ControlClass::Label, .name = "Lab", .tabIndex = 4, .rect = {0, 1500, 1500, 300}},
    ControlEntry{.kind = ControlClass::TextBox, .name = "Txt", .tabIndex = 5, .rect = {0, 1800, 1500, 300}},
};
constexpr Member<OptionButton> OptA = member<OptionButton>(definition, "OptA");
constexpr Member<OptionButton> OptB = member<OptionButton>(definition, "OptB");
constexpr Member<PictureBox> Pic = member<PictureBox>(definition, "Pic");

int onLoad(Form& form) {
    emit handlerLog->ran("Load{");
    HandlerFrame frame(form);
    frame.set(OptA, Value, true);
    emit handlerLog->ran("}");
    return 0;
}

int onClickA(Form& form) {
    // The group is settled before Click arrives.
    const auto* b = qobject_cast<QRadioButton*>(qt::widget(faults::unwrap(form.at(OptB.places[0]).native())));
    emit handlerLog->ran(b->isChecked() ? "A!" : "A");
    return 0;
}

int onClickB(Form&) {
    emit handlerLog->ran("B");
    return 0;
}

int hidePicture(Form& form) {
    HandlerFrame frame(form);
    frame.set(Pic, Visible, false);
    return 0;
}

constexpr EventBinding events[] = {
    bind(formItself, Event::Load, onLoad),
    bind(OptA, Event::Click, onClickA),
    bind(OptB, Event::Click, onClickB),
};
constexpr FormModule objects[] = {{.name = "Test", .definition = definition, .events = events}};
constexpr AppDescriptor object{.name = "Test", .startUpObject = objects[0], .objects = objects};

// Mistakes in a definition or an event table fail the build (and tests/compile_fail/).
constexpr std::array unnamedWindowFirst{
    ControlEntry{.kind = ControlClass::Label, .name = "L", .tabIndex = 0, .rect = {0, 0, 15, 15}},
    ControlEntry{.kind = ControlClass::Form, .name = "F", .rect = {0, 0, 15, 15}},
};
constexpr std::array tabIndexTwice{
    definition[0],
    ControlEntry{.kind = ControlClass::Label, .name = "L", .index = 0, .tabIndex = 0, .rect = {0, 0, 15, 15}},
    ControlEntry{.kind = ControlClass::Label, .name = "L", .index = 1, .tabIndex = 0, .rect = {0, 0, 15, 15}},
};
constexpr std::array arrayMixesClasses{
    definition[0],
    ControlEntry{.kind = ControlClass::Label, .name = "L", .index = 0, .tabIndex = 0, .rect = {0, 0, 15, 15}},
    ControlEntry{
        .kind = ControlClass::TextBox, .name = "L", .index = 1, .tabIndex = 1, .rect = {0, 0, 15, 15}},
};
constexpr std::array nameTwiceWithoutIndex{
    definition[0],
    ControlEntry{.kind = ControlClass::Label, .name = "L", .tabIndex = 0, .rect = {0, 0, 15, 15}},
    ControlEntry{.kind = ControlClass::Label, .name = "L", .tabIndex = 1, .rect = {0, 0, 15, 15}},
};
constexpr std::array arrayWithGap{
    definition[0],
    ControlEntry{.kind = ControlClass::Label, .name = "L", .index = 0, .tabIndex = 0, .rect = {0, 0, 15, 15}},
    ControlEntry{.kind = ControlClass::Label, .name = "L", .index = 2, .tabIndex = 1, .rect = {0, 0, 15, 15}},
};
static_assert(formComesFirst(definition) && !formComesFirst(unnamedWindowFirst));
static_assert(tabIndicesComplete(definition) && !tabIndicesComplete(tabIndexTwice));
static_assert(namesConsistent(definition) && namesConsistent(tabIndexTwice));
static_assert(!namesConsistent(arrayMixesClasses) && !namesConsistent(nameTwiceWithoutIndex));
static_assert(arraysWithoutGaps(definition) && !arraysWithoutGaps(arrayWithGap));
constexpr EventBinding boundTwice[] = {bind(OptA, Event::Click, onClickA),
                                       bind(OptA, Event::Click, onClickB)};
static_assert(eachBoundOnce(events) && !eachBoundOnce(boundTwice));

} // namespace

class tst_Runtime : public QObject {
    Q_OBJECT

    Ref<Form> showWindow() {
        Ref<Form> form = load(object);
        qt::window(*form).show();
        qt::window(*form).activateWindow();
        if (!QTest::qWaitForWindowActive(&qt::window(*form)))
            qWarning("window not active");
        return form;
    }
    static QRadioButton* option(const Form& form, const char* name) {
        return qobject_cast<QRadioButton*>(qt::widget(*form.find(name)));
    }
    static QString selected(const Form& form) {
        QString names;
        for (const char* name : {"OptA", "OptB", "OptC"})
            if (option(form, name)->isChecked())
                names += name;
        return names;
    }
    static void checkResting(const Form& form) {
        QVERIFY2(referencesTaken(form).isEmpty(), qPrintable(referencesTaken(form)));
    }

    HandlerLog log_;
    std::unique_ptr<QSignalSpy> spy_;
    // What the handlers ran since the last clear, in order.
    QString ran() const {
        QString runs;
        for (const QList<QVariant>& run : *spy_)
            runs += run.front().toString();
        return runs;
    }

private slots:
    void init() {
        handlerLog = &log_;
        spy_ = std::make_unique<QSignalSpy>(&log_, &HandlerLog::ran);
    }

    void loadRaisesClickInsideTheSelectingSet() {
        Ref<Form> form = load(object);
        QCOMPARE(ran(), "Load{A}");
        QCOMPARE(selected(*form), "OptA");
        QVERIFY(!qt::window(*form).isVisible());
        checkResting(*form);
    }

    void valueSetsSelectAndClear() {
        Ref<Form> form = load(object);
        spy_->clear();
        Ref<OptionButton> b = form->fetch(OptB);
        QCOMPARE(b->setValue(true), statusOk);
        QCOMPARE(ran(), "B");
        QCOMPARE(selected(*form), "OptB");
        // Selecting the selected button again raises nothing.
        QCOMPARE(b->setValue(true), statusOk);
        QCOMPARE(ran(), "B");
        // False clears it, even though Qt keeps an exclusive group's checked button, and the group
        // stays one: selecting two in turn leaves the second alone selected.
        QCOMPARE(b->setValue(false), statusOk);
        QCOMPARE(selected(*form), "");
        QCOMPARE(ran(), "B");
        QCOMPARE(b->refCount(), 2);
        QCOMPARE(form->fetch(OptA)->setValue(true), statusOk);
        QCOMPARE(b->setValue(true), statusOk);
        QCOMPARE(selected(*form), "OptB");
    }

    void mouseSelectsAndRaisesClickOnce() {
        Ref<Form> form = showWindow();
        spy_->clear();
        QTest::mouseClick(option(*form, "OptB"), Qt::LeftButton);
        QCOMPARE(ran(), "B");
        QCOMPARE(selected(*form), "OptB");
        // A click on the selected button changes nothing and raises nothing.
        QTest::mouseClick(option(*form, "OptB"), Qt::LeftButton);
        QCOMPARE(ran(), "B");
        QTest::mouseClick(option(*form, "OptC"), Qt::LeftButton);
        QCOMPARE(selected(*form), "OptC");
        QCOMPARE(ran(), "B");
        checkResting(*form);
    }

    void arrowKeysWalkTheGroupInTabOrder() {
        Ref<Form> form = showWindow();
        spy_->clear();
        QCOMPARE(QApplication::focusWidget(), option(*form, "OptA"));
        const auto press = [](Qt::Key key) {
            QTest::keyClick(QApplication::focusWidget(), key);
        };
        press(Qt::Key_Down);
        QCOMPARE(selected(*form), "OptB");
        press(Qt::Key_Right); // wraps past the end to the first in tab order
        QCOMPARE(selected(*form), "OptC");
        press(Qt::Key_Up);
        QCOMPARE(selected(*form), "OptB");
        press(Qt::Key_Left);
        QCOMPARE(selected(*form), "OptA");
        QCOMPARE(ran(), "BBA");
        QCOMPARE(QApplication::focusWidget(), option(*form, "OptA"));
    }

    void tabReachesOnlyTheSelectedOption() {
        Ref<Form> form = showWindow();
        QCOMPARE(QApplication::focusWidget(), option(*form, "OptA"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), "Txt");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), option(*form, "OptA"));
        QTest::mouseClick(option(*form, "OptB"), Qt::LeftButton);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget()->objectName(), "Txt");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), option(*form, "OptB"));
    }

    void failedSetRaisesNamedErrorAndReleases() {
        faults::FaultyPlatform faulty(nativePlatform());
        Ref<Form> form = load(object, faulty);
        faulty.plan({.control = "Pic", .property = "Visible", .value = false, .status = {-5}});
        try {
            hidePicture(*form);
            QFAIL("no run-time error");
        } catch (const RuntimeError& e) {
            QCOMPARE(e.status(), Status{-5});
            QCOMPARE(e.control(), "Pic");
            QCOMPARE(e.interface(), "_PictureBox");
            QCOMPARE(e.property(), "Visible");
            QVERIFY(QByteArray(e.what()).contains("_PictureBox.Visible on Pic"));
            QVERIFY(QByteArray(e.what()).contains("0xFFFFFFFB (-5)"));
        }
        checkResting(*form);
        // The planned failure is used up: the next set succeeds.
        QCOMPARE(hidePicture(*form), 0);
        QVERIFY(qt::widget(faults::unwrap(form->find("Pic")->native()))->isHidden());
    }

    void setOnVanishedWidgetFails() {
        Ref<Form> form = load(object);
        Ref<PictureBox> pic = form->fetch(Pic);
        delete qt::widget(*pic);
        QCOMPARE(pic->setVisible(true), statusControlGone);
    }

    // In every build, not only where asserts are on.
    void fetchBeyondTheArrayRaises() {
        Ref<Form> form = load(object);
        try {
            form->fetch(OptA, 1);
            QFAIL("no run-time error");
        } catch (const RuntimeError& e) {
            QCOMPARE(e.status(), statusNoSuchElement);
            QCOMPARE(QByteArray(e.what()),
                     "run-time error 0x800A0154 (-2146827948): the control array element "
                     "OptA(1) does not exist");
        }
    }

    void unboundEventsChangeNothing() {
        Ref<Form> form = showWindow();
        spy_->clear();
        QTest::mouseClick(qt::widget(*form->find("Pic")), Qt::LeftButton);
        QTest::mouseClick(qt::widget(*form->find("Lab")), Qt::LeftButton);
        QTest::keyClicks(qt::widget(*form->find("Txt")), "typed");
        qt::window(*form).resize(900, 700);
        QTest::qWait(10);
        QCOMPARE(ran(), "");
        QCOMPARE(selected(*form), "OptA");
        QCOMPARE(qt::widget(*form->find("Pic"))->geometry(), QRect(100, 0, 100, 100));
        checkResting(*form);
    }
};

QTEST_MAIN(tst_Runtime)
#include "tst_runtime.moc"
