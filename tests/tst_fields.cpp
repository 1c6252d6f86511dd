// The entry rows and result lines of Form1: their definition, the keyboard, and their independence
// from the circuit mode. On the offscreen platform.

#include "form1_fixture.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QStyleOptionComboBox>
#include <QTest>

using namespace runtime;

class tst_Fields : public Form1Fixture {
    Q_OBJECT

    QWidget* focus() const { return QApplication::focusWidget(); }
    QString focusName() const { return focus() ? focus()->objectName() : QString(); }
    // The middle of a selector's arrow, in the window.
    QPoint arrowOf(QComboBox* combo) const {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = true;
        option.subControls = QStyle::SC_All;
        const QRect arrow =
            combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, combo);
        return combo->mapTo(&window(), arrow.center());
    }

private slots:
    void initTestCase() { QVERIFY(showActive()); }

    void focusStartsInTheFirstEntryField() {
        // Before any other case moves it.
        QCOMPARE(focusName(), "Text1(0)");
    }

    // Created in the definition's order; round Qt's focus chain, the controls that take the focus
    // stand in TabIndex order.
    void controlsAreCreatedAndChainedInOrder() {
        QStringList created;
        for (QObject* child : window().children())
            if (child->isWidgetType())
                created << child->objectName();
        QCOMPARE(created,
                 (QStringList{"Picture2", "Picture1", "Option2", "Option1", "Combo1(2)", "Combo1(1)",
                              "Combo1(0)", "Text1(2)", "Text1(1)", "Text1(0)", "Label2(4)", "Label2(3)",
                              "Label2(2)", "Label2(1)", "Label2(0)", "Label1(2)", "Label1(1)", "Label1(0)"}));
        QStringList chained;
        QWidget* first = widget("Text1(0)");
        for (QWidget* w = first; chained.isEmpty() || w != first; w = w->nextInFocusChain())
            if (w->parentWidget() == &window() && w->focusPolicy() != Qt::NoFocus)
                chained << w->objectName();
        QCOMPARE(chained, (QStringList{"Text1(0)", "Text1(1)", "Text1(2)", "Combo1(0)", "Combo1(1)",
                                       "Combo1(2)", "Option1", "Option2"}));
    }

    // Each row where it stands (in pixels: the twips over 15), with its caption; a selector shows
    // the start of its text. What a screen reader says of them, tst_accessibility reads.
    void rows_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("pixels");
        QTest::addColumn<QString>("caption");
        const QStringList entries{"R1", "R2", "C3"};
        for (int i = 0; i < 3; ++i) {
            const int top = 72 + 24 * i;
            QTest::addRow("Label1(%d)", i)
                << QString("Label1(%1)").arg(i) << QRect(16, top, 17, 17) << entries[i];
            QTest::addRow("Text1(%d)", i) << QString("Text1(%1)").arg(i) << QRect(40, top, 33, 19) << "";
            QTest::addRow("Combo1(%d)", i)
                << QString("Combo1(%1)").arg(i) << QRect(80, top, 57, 21) << "Combo1";
        }
        const QStringList results{"IZLAZ VISOK XX.XX S", "IZLAZ NIZAK XX.XX S", "DUZINA CIKLUSA XX.XX S",
                                  "FREKFENCIJA XXXX HZ", "RADNI CIKLUS XXX %"};
        for (int i = 0; i < 5; ++i)
            QTest::addRow("Label2(%d)", i)
                << QString("Label2(%1)").arg(i) << QRect(16, 152 + 24 * i, 137, 17) << results[i];
    }
    void rows() {
        QFETCH(QString, name);
        QFETCH(QRect, pixels);
        QFETCH(QString, caption);
        QCOMPARE(widget(name)->geometry(), pixels);
        if (auto* label = qobject_cast<QLabel*>(widget(name)))
            QCOMPARE(label->text(), caption);
        else if (auto* edit = qobject_cast<QLineEdit*>(widget(name)))
            QCOMPARE(edit->text(), caption);
        else if (auto* combo = qobject_cast<QComboBox*>(widget(name))) {
            QCOMPARE(combo->currentText(), caption);
            QCOMPARE(combo->lineEdit()->cursorPosition(), 0); // "C" first, where the field is narrow
        }
    }

    void tabWalksEntriesThenSelectedOption_data() {
        QTest::addColumn<QString>("option");
        QTest::newRow("monostable") << "Option1";
        QTest::newRow("astable") << "Option2";
    }
    void tabWalksEntriesThenSelectedOption() {
        QFETCH(QString, option);
        selectMode(option);
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
        for (QLabel* label : window().findChildren<QLabel*>()) {
            QTest::mouseClick(label, Qt::LeftButton);
            QVERIFY(focus() != label);
            QCOMPARE(label->focusPolicy(), Qt::NoFocus);
        }
    }

    // Each way of opening a selector's list with each way of closing it: the list shows, empty, one
    // row high below the field and as wide as it; closing hands the focus back, the text unchanged.
    void selectorListOpensEmptyAndCloses_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("open");
        QTest::addColumn<QString>("close");
        for (const char* name : {"Combo1(0)", "Combo1(1)", "Combo1(2)"})
            for (const char* open : {"arrow", "Alt+Down", "F4"})
                for (const char* close : {"Escape", "click outside", "arrow", "F4", "Alt+Down"})
                    QTest::addRow("%s %s %s", name, open, close) << name << open << close;
    }
    void selectorListOpensEmptyAndCloses() {
        QFETCH(QString, name);
        QFETCH(QString, open);
        QFETCH(QString, close);
        auto* combo = qobject_cast<QComboBox*>(widget(name));
        QVERIFY(combo->isEditable());
        combo->setFocus();
        const QString text = combo->currentText();
        QWindow* handle = window().windowHandle();
        const auto act = [&](const QString& how) {
            if (how == "arrow")
                QTest::mouseClick(handle, Qt::LeftButton, {}, arrowOf(combo));
            else if (how == "click outside")
                QTest::mouseClick(handle, Qt::LeftButton, {}, QPoint(10, 320)); // below the result lines
            else // to the window that has the keyboard: the list's, while it is open
                QTest::keySequence(QGuiApplication::focusWindow(), QKeySequence(how));
        };

        act(open);
        QWidget* list = combo->view()->window();
        QVERIFY(list != &window());
        QTRY_VERIFY(list->isVisible());
        QCOMPARE(QApplication::activePopupWidget(), list);
        QCOMPARE(combo->count(), 0);
        QCOMPARE(combo->view()->model()->rowCount(), 0);
        QCOMPARE(list->width(), combo->width());
        QCOMPARE(list->geometry().top(), combo->mapToGlobal(QPoint(0, combo->height())).y());
        QCOMPARE(list->geometry().left(), combo->mapToGlobal(QPoint(0, 0)).x());
        const int row = combo->view()->fontMetrics().height();
        QVERIFY2(list->height() > row && list->height() < 2 * row,
                 qPrintable(QString::number(list->height())));

        act(close);
        QTRY_VERIFY(!list->isVisible());
        // A click on the arrow closes the list and does not open it again.
        QTest::qWait(50);
        QVERIFY(!list->isVisible());
        QCOMPARE(QApplication::activePopupWidget(), nullptr);
        QCOMPARE(focusName(), name);
        QCOMPARE(combo->currentText(), text);
        QCOMPARE(combo->count(), 0);
    }

    // Enter once or many times after typing, in every selector: the list stays empty and the
    // field keeps what was typed; nothing else in the window changes.
    void enterAddsNoRow() {
        const bool astable = widget("Picture1")->isVisible();
        const QString r1 = qobject_cast<QLineEdit*>(widget("Text1(0)"))->text();
        for (int i = 0; i < 3; ++i) {
            auto* combo = qobject_cast<QComboBox*>(widget(QString("Combo1(%1)").arg(i)));
            combo->setFocus();
            const QString before = combo->currentText();
            QTest::keyClick(focus(), Qt::Key_End);
            QTest::keyClicks(focus(), "4k7");
            QTest::keyClick(focus(), Qt::Key_Return);
            QCOMPARE(combo->count(), 0);
            QCOMPARE(combo->currentText(), before + "4k7");
            for (int n = 0; n < 5; ++n)
                QTest::keyClick(focus(), n % 2 ? Qt::Key_Enter : Qt::Key_Return);
            QTest::keyClick(focus(), Qt::Key_Backspace);
            QTest::keyClick(focus(), Qt::Key_Return);
            QCOMPARE(combo->count(), 0);
            QCOMPARE(combo->currentText(), before + "4k");
            QCOMPARE(focusName(), combo->objectName());
            // What was typed does not come back as a completion either.
            QTest::keyClick(focus(), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(focus(), "C");
            QCOMPARE(combo->currentText(), "C");
            combo->setEditText(before);
        }
        QCOMPARE(widget("Picture1")->isVisible(), astable);
        QCOMPARE(qobject_cast<QLineEdit*>(widget("Text1(0)"))->text(), r1);
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
        QVERIFY2(modeBroken().isEmpty(), qPrintable(modeBroken()));
    }

    // The result lines stand on system colour 9, an active title bar's text colour, with text that
    // reads on it: the theme's own where it does, else white on dark and black on light. They
    // follow a change of theme while the window is open.
    void resultLinesFollowTheTheme_data() {
        QTest::addColumn<QColor>("titleText"); // system colour 9
        QTest::addColumn<QColor>("themeText");
        QTest::addColumn<QColor>("shown");
        QTest::newRow("theme's text reads") << QColor(Qt::white) << QColor(Qt::black) << QColor(Qt::black);
        QTest::newRow("dark on dark")
            << QColor(0x20, 0x20, 0x20) << QColor(0x40, 0x40, 0x40) << QColor(Qt::white);
        QTest::newRow("light on light")
            << QColor(0xf0, 0xf0, 0xf0) << QColor(0xd0, 0xd0, 0xd0) << QColor(Qt::black);
    }
    void resultLinesFollowTheTheme() {
        QFETCH(QColor, titleText);
        QFETCH(QColor, themeText);
        QFETCH(QColor, shown);
        const QPalette original = QApplication::palette();
        QPalette theme = original;
        theme.setColor(QPalette::Active, QPalette::HighlightedText, titleText);
        theme.setColor(QPalette::WindowText, themeText);
        QApplication::setPalette(theme);
        for (int i = 0; i < 5; ++i) {
            auto* line = qobject_cast<QLabel*>(widget(QString("Label2(%1)").arg(i)));
            QVERIFY(line->autoFillBackground());
            QTRY_COMPARE(line->palette().color(QPalette::Window), titleText);
            QCOMPARE(line->palette().color(QPalette::WindowText), shown);
        }
        QApplication::setPalette(original);
    }

    // Where the screen ends below a selector, its list opens above it.
    void listOpensAboveAtTheScreensBottom() {
        const QRect screen = window().screen()->availableGeometry();
        window().move(window().x(), screen.bottom() - 110);
        auto* combo = qobject_cast<QComboBox*>(widget("Combo1(0)"));
        combo->setFocus();
        combo->showPopup();
        QWidget* list = combo->view()->window();
        QTRY_VERIFY(list->isVisible());
        QCOMPARE(list->geometry().bottom(), combo->mapToGlobal(QPoint(0, 0)).y() - 1);
        QCOMPARE(list->geometry().left(), combo->mapToGlobal(QPoint(0, 0)).x());
        combo->hidePopup();
        QTRY_VERIFY(!list->isVisible());
        window().move(window().x(), screen.top() + 50);
    }
};

QTEST_MAIN(tst_Fields)
#include "tst_fields.moc"
