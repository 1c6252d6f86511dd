// The diagrams in their boxes: natural size, one image pixel per device pixel, anchored at the
// inner top-left corner and cut at the inner edge. Run at 96 dpi and at a ratio of 1.25.

#include "form1_fixture.h"

class tst_Pictures : public Form1Fixture {
    Q_OBJECT

    // Where the image shows in a grab of its box: the grab holds the image's visible part
    // pixel for pixel, starting at the border's width in device pixels.
    static QImage visiblePart(const QImage& grab, const QImage& image) {
        for (int border : {2, 3}) {
            const QSize size(std::min(image.width(), grab.width() - 2 * border),
                             std::min(image.height(), grab.height() - 2 * border));
            if (grab.copy(QRect(QPoint(border, border), size)) == image.copy(QRect(QPoint(), size))) {
                return image.copy(QRect(QPoint(), size));
            }
        }
        return {};
    }

private slots:
    void initTestCase() {
        window().show();
        QVERIFY(QTest::qWaitForWindowExposed(&window()));
        QCOMPARE(window().devicePixelRatioF(), askedScale());
    }

    void diagramShowsAtNaturalSize_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("file");
        QTest::newRow("monostable") << "Option1"
                                    << "Picture2" << TVORKA1_DIAGRAM_DIR "/monostable.bmp";
        QTest::newRow("astable") << "Option2"
                                 << "Picture1" << TVORKA1_DIAGRAM_DIR "/astable.bmp";
    }
    void diagramShowsAtNaturalSize() {
        QFETCH(QString, option);
        QFETCH(QString, box);
        QFETCH(QString, file);
        selectMode(option);
        const QImage image = QImage(file).convertToFormat(QImage::Format_RGB32);
        QVERIFY(!image.isNull());
        const qreal ratio = widget(box)->devicePixelRatioF();
        const QImage grab = widget(box)->grab().toImage().convertToFormat(QImage::Format_RGB32);

        const QImage shown = visiblePart(grab, image);
        QVERIFY2(!shown.isNull(), "the image is not in the box pixel for pixel");
        if (qFuzzyCompare(ratio, 1.25)) {
            // 401 device pixels: every diagram shows whole, its note included.
            QCOMPARE(grab.size(), QSize(401, 401));
            QCOMPARE(shown.size(), image.size());
        } else {
            // 321 pixels less a 2-pixel border: cut at the right and the bottom, never shrunk.
            QCOMPARE(grab.size(), QSize(321, 321));
            QCOMPARE(shown.size(), QSize(317, 317));
        }
    }
};

QTEST_MAIN(tst_Pictures)
#include "tst_pictures.moc"
