// The program's window and circuit mode, built from the real descriptor, on the offscreen platform.

#include "app/application.h"
#include "runtime/core/startup.h"
#include "runtime/qt/qt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

using namespace runtime;

class tst_Program : public QObject {
    Q_OBJECT

    Ref<Form> form_ = load(app::descriptor);

    QWidget* widget(const char* name) const { return qt::widget(*form_->find(name)); }
    QAbstractButton* option(const char* name) const { return qobject_cast<QAbstractButton*>(widget(name)); }

    // Exactly one option selected, exactly one diagram visible, and it is the selected circuit's.
    void checkMode(const char* selected) {
        const bool mono = QByteArray(selected) == "Option1";
        QCOMPARE(option("Option1")->isChecked(), mono);
        QCOMPARE(option("Option2")->isChecked(), !mono);
        QCOMPARE(widget("Picture2")->isVisible(), mono);
        QCOMPARE(widget("Picture1")->isVisible(), !mono);
        QCOMPARE(form_->refCount(), 1);
        for (const Ref<Control>& c : form_->controls())
            QCOMPARE(c->refCount(), 1);
    }

private slots:
    void initTestCase() {
        QCOMPARE(qt::window(*form_).windowTitle(), "Form1");
        // The frame carries the program's icon in both of its sizes.
        const QList<QSize> sizes = qt::window(*form_).windowIcon().availableSizes();
        QVERIFY(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(32, 32)));
        qt::window(*form_).show();
        qt::window(*form_).activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&qt::window(*form_)));
    }

    void init() {
        // Each case starts in the monostable mode, the state at start-up.
        if (!option("Option1")->isChecked())
            QTest::mouseClick(option("Option1"), Qt::LeftButton);
        checkMode("Option1");
    }

    // The layout was made for the system's face at 8 points; every control takes the window's
    // font, but a label whose caption would not fit, which takes a smaller size of it.
    void windowFontIsEightPoints() {
        QCOMPARE(qt::window(*form_).font().pointSize(), 8);
        for (const Ref<Control>& c : form_->controls()) {
            const QFont font = qt::widget(*c)->font();
            QCOMPARE(font.family(), qt::window(*form_).font().family());
            if (c->entry().kind == ControlClass::Label)
                QVERIFY(font.pointSizeF() <= 8 && font.pointSizeF() >= 6);
            else
                QCOMPARE(font.pointSizeF(), 8.0);
        }
    }

    // The window manager chooses where the window opens: the program never moves it.
    void windowManagerPlacesTheWindow() { QVERIFY(!qt::window(*form_).testAttribute(Qt::WA_Moved)); }

    void startsMonostable() {
        checkMode("Option1");
        QVERIFY(widget("Picture1")->isHidden());
    }

    void mouseSwitchesTheDiagram() {
        QTest::mouseClick(option("Option2"), Qt::LeftButton);
        checkMode("Option2");
        QTest::mouseClick(option("Option1"), Qt::LeftButton);
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

    void manySwitchesLeaveOneDiagram() {
        for (int i = 0; i < 100; ++i) {
            const bool astable = i % 2 == 0;
            QTest::mouseClick(option(astable ? "Option2" : "Option1"), Qt::LeftButton);
            checkMode(astable ? "Option2" : "Option1");
        }
    }

    void clickOnSelectedOptionChangesNothing() {
        QTest::mouseClick(option("Option1"), Qt::LeftButton);
        checkMode("Option1");
        QTest::mouseClick(option("Option2"), Qt::LeftButton);
        QTest::mouseClick(option("Option2"), Qt::LeftButton);
        checkMode("Option2");
    }

    void clicksOnOtherControlsChangeNothing() {
        QTest::mouseClick(widget("Picture2"), Qt::LeftButton);
        checkMode("Option1");
        QTest::mouseClick(option("Option2"), Qt::LeftButton);
        QTest::mouseClick(widget("Picture1"), Qt::LeftButton);
        checkMode("Option2");
    }

    // Positions in logical pixels at 96 dpi: the twips of the definition over 15.
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
        QCOMPARE(qt::window(*form_).size(), QSize(497, 338));
        QCOMPARE(widget(qPrintable(name))->geometry(), rect);
        // Resizing or maximizing the window moves nothing.
        qt::window(*form_).resize(900, 700);
        qt::window(*form_).showMaximized();
        QCOMPARE(widget(qPrintable(name))->geometry(), rect);
        qt::window(*form_).showNormal();
        qt::window(*form_).resize(497, 338);
    }

    // The visible box in device pixels, 401 at a ratio of 1.25, with its 2-pixel sunken border.
    void boxInDevicePixels() {
        const qreal ratio = widget("Picture2")->devicePixelRatioF();
        const QPixmap grab = widget("Picture2")->grab();
        QCOMPARE(grab.size(), QSize(qRound(321 * ratio), qRound(321 * ratio)));
        const QImage image = grab.toImage();
        const QPoint inner(qRound(10 * ratio), qRound(10 * ratio));
        QVERIFY(image.pixel(0, 100) != image.pixel(inner)); // the border is drawn
        if (qFuzzyCompare(ratio, 1.25))
            QCOMPARE(grab.width(), 401);
    }
};

QTEST_MAIN(tst_Program)
#include "tst_program.moc"
