// The program's window and circuit mode on the offscreen platform, at the scale the environment
// asks for (QT_SCALE_FACTOR 1.25 stands for 120 dpi).

#include "form1_fixture.h"

#include <QLabel>

using namespace runtime;

class tst_Program : public Form1Fixture {
    Q_OBJECT

    void checkMode(const char* selected) {
        QVERIFY2(modeBroken().isEmpty(), qPrintable(modeBroken()));
        QCOMPARE(option("Option1")->isChecked(), QByteArray(selected) == "Option1");
    }

private slots:
    void initTestCase() {
        QCOMPARE(window().windowTitle(), "Form1");
        // The frame carries the program's icon in both of its sizes.
        const QList<QSize> sizes = window().windowIcon().availableSizes();
        QVERIFY(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(32, 32)));
        QVERIFY(showActive());
        QCOMPARE(window().devicePixelRatioF(), askedScale());
    }

    void init() {
        // Each case starts in the monostable mode, the state at start-up.
        if (!option("Option1")->isChecked())
            selectMode("Option1");
        checkMode("Option1");
    }

    // The layout was made for the system's face at 8 points; every control takes the window's
    // font, but a label whose caption would not fit, which takes a smaller size of it. Every caption
    // fits its label.
    void captionsFitAtEightPoints() {
        QCOMPARE(window().font().pointSize(), 8);
        for (const Ref<Control>& c : form_->controls()) {
            const QFont font = qt::widget(*c)->font();
            QCOMPARE(font.family(), window().font().family());
            if (auto* label = qobject_cast<QLabel*>(qt::widget(*c))) {
                QVERIFY(font.pointSizeF() <= 8 && font.pointSizeF() >= 6);
                QVERIFY2(QFontMetrics(font).horizontalAdvance(label->text()) <= label->width(),
                         qPrintable(label->text()));
            } else {
                QCOMPARE(font.pointSizeF(), 8.0);
            }
        }
    }

    // The window manager chooses where the window opens: the program never moves it.
    void windowManagerPlacesTheWindow() { QVERIFY(!window().testAttribute(Qt::WA_Moved)); }

    void startsMonostable() {
        checkMode("Option1");
        QVERIFY(widget("Picture1")->isHidden());
    }

    void clicksSwitchTheDiagram() {
        for (int i = 0; i < 100; ++i) {
            const char* selected = i % 2 ? "Option1" : "Option2";
            selectMode(selected);
            checkMode(selected);
            // A click on the selected option changes nothing.
            selectMode(selected);
            checkMode(selected);
        }
        for (const char* box : {"Picture2", "Picture1"})
            QTest::mouseClick(widget(box), Qt::LeftButton);
        checkMode("Option1");
    }

    void arrowKeysSwitchTheDiagram_data() {
        QTest::addColumn<Qt::Key>("forward");
        QTest::addColumn<Qt::Key>("back");
        QTest::newRow("down, up") << Qt::Key_Down << Qt::Key_Up;
        QTest::newRow("right, left") << Qt::Key_Right << Qt::Key_Left;
        QTest::newRow("down wraps") << Qt::Key_Down << Qt::Key_Down;
        QTest::newRow("up wraps") << Qt::Key_Up << Qt::Key_Up;
    }
    void arrowKeysSwitchTheDiagram() {
        QFETCH(Qt::Key, forward);
        QFETCH(Qt::Key, back);
        option("Option1")->setFocus();
        QTest::keyClick(option("Option1"), forward);
        checkMode("Option2");
        QCOMPARE(QApplication::focusWidget(), option("Option2"));
        QTest::keyClick(option("Option2"), back);
        checkMode("Option1");
        QCOMPARE(QApplication::focusWidget(), option("Option1"));
    }

    // Positions in logical pixels, the twips of the definition over 15, which Qt scales. Resizing
    // or maximizing the window moves nothing.
    void geometry_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rect");
        QTest::newRow("Option1") << "Option1" << QRect(8, 8, 105, 17);
        QTest::newRow("Option2") << "Option2" << QRect(8, 32, 97, 25);
        QTest::newRow("Picture1") << "Picture1" << QRect(168, 8, 321, 321);
        QTest::newRow("Picture2") << "Picture2" << QRect(168, 8, 321, 321);
    }
    void geometry() {
        QFETCH(QString, name);
        QFETCH(QRect, rect);
        QCOMPARE(window().size(), QSize(497, 338));
        for (int round = 0; round < 3; ++round) {
            QCOMPARE(widget(name)->geometry(), rect);
            if (round == 0)
                window().resize(900, 700);
            else if (round == 1)
                window().showMaximized();
        }
        window().showNormal();
        window().resize(497, 338);
    }

    // The visible box: 321 pixels square times the scale (401 at 120 dpi), in a two-pixel sunken
    // border that runs all the way round: a dark top and left, a light bottom and right.
    void boxHasItsBorderAllRound() {
        const QImage box = widget("Picture2")->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(box.size(), QSize(qRound(321 * askedScale()), qRound(321 * askedScale())));
        const int last = box.width() - 1;
        QRgb top = box.pixel(0, 0), bottom = box.pixel(last, last);
        for (int i = 1; i < last; ++i) {
            QCOMPARE(box.pixel(i, 0), top);
            QCOMPARE(box.pixel(0, i), top);
            QCOMPARE(box.pixel(i, last), bottom);
            QCOMPARE(box.pixel(last, i), bottom);
        }
        QVERIFY(qGray(top) < qGray(bottom));
    }
};

QTEST_MAIN(tst_Program)
#include "tst_program.moc"
