#include "generators/pictures/bmp.h"

#include <QImage>
#include <QTest>

using pictures::Canvas;
using pictures::Rgb;

class tst_Bmp : public QObject {
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
};

// Every channel of every pixel differs, so a swapped channel order or a flipped row order shows.
static Rgb distinctPixel(int x, int y) {
    return {static_cast<std::uint8_t>(10 + 40 * x + y), static_cast<std::uint8_t>(100 + 50 * y + x),
            static_cast<std::uint8_t>(250 - 30 * x - 7 * y)};
}

void tst_Bmp::roundTrip_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("padding");
    // 3 bytes a pixel: widths 1 to 4 leave 1, 2, 3 and 0 bytes of padding.
    QTest::newRow("width 1") << 1 << 3 << 1;
    QTest::newRow("width 2") << 2 << 3 << 2;
    QTest::newRow("width 3") << 3 << 2 << 3;
    QTest::newRow("width 4") << 4 << 2 << 0;
}

void tst_Bmp::roundTrip() {
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, padding);

    Canvas canvas(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            canvas.set(x, y, distinctPixel(x, y));
    const std::vector<std::uint8_t> bytes = pictures::encodeBmp(canvas);

    const int rowBytes = 3 * width + padding;
    QCOMPARE(static_cast<int>(bytes.size()), 54 + rowBytes * height);
    for (int row = 0; row < height; ++row)
        for (int i = 0; i < padding; ++i)
            QCOMPARE(bytes[static_cast<std::size_t>(54 + row * rowBytes + 3 * width + i)], 0);

    // A decoder of its own reads back every pixel where it was drawn.
    const QImage image =
        QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size()), "BMP");
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), QSize(width, height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Rgb p = distinctPixel(x, y);
            QCOMPARE(image.pixel(x, y), qRgb(p.r, p.g, p.b));
        }
    }
}

QTEST_GUILESS_MAIN(tst_Bmp)
#include "tst_bmp.moc"
