// The entry rows and result lines of Form1: their definition, the keyboard, and their independence
// from the circuit mode. On the offscreen platform.

#include "app/application.h"
#include "runtime/startup.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace runtime;

class tst_Fields : public QObject {
    Q_OBJECT

    Ref<Form> form_ = load(app::descriptor);

    QWidget* widget(const QString& name) const {
        return form_->window().findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
    }
    QWidget* focus() const { return QApplication::focusWidget(); }
    QString focusName() const { return focus() ? focus()->objectName() : QString(); }
    void selectMode(const char* option) {
        QTest::mouseClick(qobject_cast<QAbstractButton*>(widget(option)), Qt::LeftButton);
    }

private slots:
    void initTestCase() {
        form_->window().show();
        QApplication::setActiveWindow(&form_->window());
        QVERIFY(QTest::qWaitForWindowActive(&form_->window()));
    }

    void focusStartsInTheFirstEntryField() {
        // Before any other case moves it.
        QCOMPARE(focusName(), "Text1(0)");
    }

    void controlsAreCreatedInDefinitionOrder() {
        QStringList names;
        for (QObject* child : form_->window().children())
            if (child->isWidgetType())
                names << child->objectName();
        const QStringList expected{"Picture2",  "Picture1",  "Option2",   "Option1",   "Combo1(2)",
                                   "Combo1(1)", "Combo1(0)", "Text1(2)",  "Text1(1)",  "Text1(0)",
                                   "Label2(4)", "Label2(3)", "Label2(2)", "Label2(1)", "Label2(0)",
                                   "Label1(2)", "Label1(1)", "Label1(0)"};
        QCOMPARE(names, expected);
        QList<int> tabIndices;
        for (const Ref<Control>& c : form_->controls())
            tabIndices << c->entry().tabIndex;
        std::sort(tabIndices.begin(), tabIndices.end());
        for (int i = 0; i < 18; ++i)
            QCOMPARE(tabIndices.at(i), i);
    }

    void rows_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QRect>("pixels");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("spoken"); // the name assistive technology announces
        const QStringList entries{"R1", "R2", "C3"};
        for (int i = 0; i < 3; ++i) {
            const int top = 1080 + 360 * i;
            QTest::addRow("Label1(%d)", i) << QString("Label1(%1)").arg(i) << QRect(240, top, 255, 255)
                                           << QRect(16, top / 15, 17, 17) << entries[i] << entries[i];
            QTest::addRow("Text1(%d)", i) << QString("Text1(%1)").arg(i) << QRect(600, top, 495, 285)
                                          << QRect(40, top / 15, 33, 19) << "" << entries[i];
            QTest::addRow("Combo1(%d)", i) << QString("Combo1(%1)").arg(i) << QRect(1200, top, 855, 315)
                                           << QRect(80, top / 15, 57, 21) << "Combo1" << entries[i];
        }
        const QStringList results{"IZLAZ VISOK XX.XX S", "IZLAZ NIZAK XX.XX S", "DUZINA CIKLUSA XX.XX S",
                                  "FREKFENCIJA XXXX HZ", "RADNI CIKLUS XXX %"};
        for (int i = 0; i < 5; ++i) {
            const int top = 2280 + 360 * i;
            QTest::addRow("Label2(%d)", i) << QString("Label2(%1)").arg(i) << QRect(240, top, 2055, 255)
                                           << QRect(16, top / 15, 137, 17) << results[i] << results[i];
        }
    }
    void rows() {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        QFETCH(QRect, pixels);
        QFETCH(QString, caption);
        QFETCH(QString, spoken);
        const QString array = name.section('(', 0, 0);
        const int index = name.section('(', 1).chopped(1).toInt();
        const ControlEntry& entry = form_->peek(array.toStdString(), index)->entry();
        QCOMPARE(QRect(entry.rect.left, entry.rect.top, entry.rect.width, entry.rect.height), twips);
        QCOMPARE(widget(name)->geometry(), pixels);
        if (auto* label = qobject_cast<QLabel*>(widget(name)))
            QCOMPARE(label->text(), caption);
        else if (auto* edit = qobject_cast<QLineEdit*>(widget(name)))
            QCOMPARE(edit->text(), caption);
        else
            QCOMPARE(qobject_cast<QComboBox*>(widget(name))->currentText(), caption);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget(name));
        if (array == "Combo1") {
            // Qt on Linux names a selector by its text and announces its label through a relation.
            const auto labels = accessible->relations(QAccessible::Label);
            QCOMPARE(labels.size(), 1);
            QCOMPARE(labels.front().first->text(QAccessible::Name), spoken);
        } else {
            QCOMPARE(accessible->text(QAccessible::Name), spoken);
        }
    }

    void tabWalksEntriesThenSelectedOption_data() {
        QTest::addColumn<QString>("option");
        QTest::newRow("monostable") << "Option1";
        QTest::newRow("astable") << "Option2";
    }
    void tabWalksEntriesThenSelectedOption() {
        QFETCH(QString, option);
        selectMode(qPrintable(option));
        widget("Text1(0)")->setFocus();
        const QStringList cycle{"Text1(1)",  "Text1(2)", "Combo1(0)", "Combo1(1)",
                                "Combo1(2)", option,     "Text1(0)"};
        QStringList walked;
        for (int i = 0; i < cycle.size(); ++i) {
            QTest::keyClick(focus(), Qt::Key_Tab);
            walked << focusName();
        }
        QCOMPARE(walked, cycle);
        QStringList back;
        for (int i = 0; i < cycle.size(); ++i) {
            QTest::keyClick(focus(), Qt::Key_Backtab);
            back << focusName();
        }
        QStringList reversed{option,     "Combo1(2)", "Combo1(1)", "Combo1(0)",
                             "Text1(2)", "Text1(1)",  "Text1(0)"};
        QCOMPARE(back, reversed);
    }

    void labelsNeverTakeFocus() {
        for (QLabel* label : form_->window().findChildren<QLabel*>()) {
            QTest::mouseClick(label, Qt::LeftButton);
            QVERIFY(focus() != label);
            QCOMPARE(label->focusPolicy(), Qt::NoFocus);
        }
    }

    void selectorsAreEditableWithEmptyLists() {
        for (int i = 0; i < 3; ++i) {
            auto* combo = qobject_cast<QComboBox*>(widget(QString("Combo1(%1)").arg(i)));
            QVERIFY(combo->isEditable());
            QCOMPARE(combo->count(), 0);
            combo->showPopup();
            QCOMPARE(combo->view()->model()->rowCount(), 0);
            combo->hidePopup();
            QCOMPARE(combo->currentText(), "Combo1");
        }
    }

    void typedTextSurvivesModeSwitches() {
        widget("Text1(1)")->setFocus();
        QTest::keyClicks(focus(), "4k7");
        auto* combo = qobject_cast<QComboBox*>(widget("Combo1(2)"));
        combo->setFocus();
        QTest::keyClick(focus(), Qt::Key_End);
        QTest::keyClicks(focus(), " uF");
        for (int i = 0; i < 10; ++i)
            selectMode(i % 2 ? "Option1" : "Option2");
        QCOMPARE(qobject_cast<QLineEdit*>(widget("Text1(1)"))->text(), "4k7");
        QCOMPARE(combo->currentText(), "Combo1 uF");
        QCOMPARE(combo->count(), 0);
        QCOMPARE(qobject_cast<QLabel*>(widget("Label2(3)"))->text(), "FREKFENCIJA XXXX HZ");
        // Typing never touches the mode either.
        QVERIFY(qobject_cast<QAbstractButton*>(widget("Option2"))->isChecked() ==
                widget("Picture1")->isVisible());
    }

    void resultLinesReadOnTheirBackground() {
        for (int i = 0; i < 5; ++i) {
            auto* line = qobject_cast<QLabel*>(widget(QString("Label2(%1)").arg(i)));
            QVERIFY(line->autoFillBackground());
            const QColor back = line->palette().color(QPalette::Window);
            QCOMPARE(back, QApplication::palette().color(QPalette::Active, QPalette::HighlightedText));
            const QColor text = line->palette().color(QPalette::WindowText);
            QVERIFY(std::abs(qGray(text.rgb()) - qGray(back.rgb())) >= 96);
        }
    }
};

QTEST_MAIN(tst_Fields)
#include "tst_fields.moc"
