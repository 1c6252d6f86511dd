// What assistive technology reads of Form1 through Qt's accessibility interfaces: the role, name,
// description and states of every control, and the diagrams' states as the circuit changes. On
// the offscreen platform; tests/x11/tst_atspi.sh reads the same through AT-SPI, with the
// events a switch sends.

#include "form1_fixture.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QTest>

using namespace runtime;

class tst_Accessibility : public Form1Fixture {
    Q_OBJECT

    QAccessibleInterface* read(const QString& name) const {
        return QAccessible::queryAccessibleInterface(widget(name));
    }

private slots:
    void initTestCase() { QVERIFY(showActive()); }

    void focusStartsInTheFirstEntryField() {
        QVERIFY(read("Text1(0)")->state().focused);
        for (const char* other : {"Text1(1)", "Combo1(0)", "Option1", "Picture2"})
            QVERIFY2(!read(other)->state().focused, other);
    }

    // A frame named as its title bar is, whose children are the 18 controls.
    void windowIsAFrame() {
        QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(&window());
        QCOMPARE(frame->role(), QAccessible::Window);
        QCOMPARE(frame->text(QAccessible::Name), "Form1");
        QVERIFY(frame->state().active);
        QCOMPARE(frame->childCount(), 18);
        for (int i = 0; i < frame->childCount(); ++i)
            QCOMPARE(frame->child(i)->parent(), frame);
    }

    void controls_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QAccessible::Role>("role");
        QTest::addColumn<QString>("spoken"); // the accessible name, or for a selector its label's
        QTest::newRow("Picture2") << "Picture2" << QAccessible::Graphic << "Monostabil";
        QTest::newRow("Picture1") << "Picture1" << QAccessible::Graphic << "Astabil";
        QTest::newRow("Option1") << "Option1" << QAccessible::RadioButton << "MONOSTABIL";
        QTest::newRow("Option2") << "Option2" << QAccessible::RadioButton << "ASTABIL";
        const QStringList rows{"R1", "R2", "C3"};
        for (int i = 0; i < 3; ++i) {
            QTest::addRow("Label1(%d)", i)
                << QString("Label1(%1)").arg(i) << QAccessible::StaticText << rows[i];
            QTest::addRow("Text1(%d)", i)
                << QString("Text1(%1)").arg(i) << QAccessible::EditableText << rows[i];
            QTest::addRow("Combo1(%d)", i)
                << QString("Combo1(%1)").arg(i) << QAccessible::ComboBox << rows[i];
        }
        const QStringList results{"IZLAZ VISOK XX.XX S", "IZLAZ NIZAK XX.XX S", "DUZINA CIKLUSA XX.XX S",
                                  "FREKFENCIJA XXXX HZ", "RADNI CIKLUS XXX %"};
        for (int i = 0; i < 5; ++i)
            QTest::addRow("Label2(%d)", i)
                << QString("Label2(%1)").arg(i) << QAccessible::StaticText << results[i];
    }
    void controls() {
        QFETCH(QString, name);
        QFETCH(QAccessible::Role, role);
        QFETCH(QString, spoken);
        QAccessibleInterface* accessible = read(name);
        QCOMPARE(accessible->role(), role);
        if (role == QAccessible::ComboBox) {
            // Qt names a selector by its text and tells its row through the label relation.
            QCOMPARE(accessible->text(QAccessible::Name), "Combo1");
            const auto labels = accessible->relations(QAccessible::Label);
            QCOMPARE(labels.size(), 1);
            QCOMPARE(labels.front().first->text(QAccessible::Name), spoken);
            QVERIFY(accessible->state().expandable);
        } else {
            QCOMPARE(accessible->text(QAccessible::Name), spoken);
        }
        // Only the diagrams need telling what they show; every other control shows its text.
        QCOMPARE(accessible->text(QAccessible::Description).isEmpty(), role != QAccessible::Graphic);
        QVERIFY(!accessible->state().invisible || role == QAccessible::Graphic);
        if (role == QAccessible::EditableText || role == QAccessible::ComboBox ||
            role == QAccessible::RadioButton)
            QVERIFY(accessible->state().focusable);
        else
            QVERIFY(!accessible->state().focusable);
    }

    // Each description names its circuit and every label its diagram writes, and nothing that
    // only the other diagram, or the part below the box's edge, holds.
    void diagramsAreDescribed_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("opening");
        QTest::addColumn<QStringList>("written");
        QTest::addColumn<QStringList>("absent");
        QTest::newRow("Picture2") << "Picture2"
                                  << "Shema monostabilnog kola s tajmerom NE555"
                                  << QStringList{"U2", "R1", "C1", "5-15V", "Izlaz", "Trigger", "dugme"}
                                  << QStringList{"U1", "R2", "opcionalno", "izostavite"};
        QTest::newRow("Picture1") << "Picture1"
                                  << "Shema astabilnog kola s tajmerom NE555"
                                  << QStringList{"U1", "R1", "R2", "C1", "5-15V", "Izlaz"}
                                  << QStringList{"U2", "Trigger", "dugme"};
    }
    void diagramsAreDescribed() {
        QFETCH(QString, name);
        QFETCH(QString, opening);
        QFETCH(QStringList, written);
        QFETCH(QStringList, absent);
        const QString description = read(name)->text(QAccessible::Description);
        QVERIFY2(description.startsWith(opening), qPrintable(description));
        // Every pin, by number and by the name inside the timer.
        written << "1 (GND)"
                << "2 (TR)"
                << "3 (Q)"
                << "4 (R)"
                << "5 (CV)"
                << "6 (TH)"
                << "7 (DC)"
                << "8 (VCC)";
        for (const QString& word : written)
            QVERIFY2(description.contains(word), qPrintable(word));
        for (const QString& word : absent)
            QVERIFY2(!description.contains(word), qPrintable(word));
        // The program's alphabet: Latin letters without diacritics.
        for (const QChar c : description)
            QVERIFY2(c.unicode() < 128, qPrintable(description));
    }

    // Only the selected circuit's diagram is visible to assistive technology. (The offscreen
    // platform has no bridge to pass events to: the AT-SPI test checks the events of a switch.)
    void visibilityFollowsTheCircuit() {
        QAccessibleInterface* mono = read("Picture2");
        QAccessibleInterface* astable = read("Picture1");
        QAccessibleInterface* option1 = read("Option1");
        QAccessibleInterface* option2 = read("Option2");
        QVERIFY(!mono->state().invisible);
        QVERIFY(astable->state().invisible);
        QVERIFY(option1->state().checked);
        QVERIFY(!option2->state().checked);
        for (int round = 0; round < 2; ++round) {
            selectMode("Option2");
            QVERIFY(astable->state().invisible == false && mono->state().invisible);
            QVERIFY(option2->state().checked && !option1->state().checked);
            selectMode("Option1");
            QVERIFY(mono->state().invisible == false && astable->state().invisible);
            QVERIFY(option1->state().checked && !option2->state().checked);
        }
    }

    // An open selector reads as expanded, with an empty list that shows; closed, as collapsed.
    void openListReadsEmpty() {
        auto* combo = qobject_cast<QComboBox*>(widget("Combo1(1)"));
        combo->setFocus();
        QAccessibleInterface* accessible = read("Combo1(1)");
        QVERIFY(!accessible->state().expanded);
        combo->showPopup();
        QTRY_VERIFY(combo->view()->isVisible());
        QVERIFY(accessible->state().expanded);
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(combo->view());
        QCOMPARE(list->role(), QAccessible::List);
        QCOMPARE(list->childCount(), 0);
        QVERIFY(!list->state().invisible);
        combo->hidePopup();
        QTRY_VERIFY(!combo->view()->isVisible());
        QVERIFY(!accessible->state().expanded);
        QVERIFY(accessible->state().focused);
    }
};

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
