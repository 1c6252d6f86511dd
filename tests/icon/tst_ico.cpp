// The program icon: ICO layout and decoding, the motif's colours, the
// hicolor PNG exports and the compiled-in window icon.

#include "app/application.h"
#include "runtime/core/startup.h"
#include "runtime/qt/qt.h"

#include <QFile>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QtEndian>
#include <QtTest>
#include <algorithm>
#include <utility>

namespace {

const QString iconDir = QStringLiteral(TVORKA1_ICON_DIR);

const QRgb black = qRgb(0, 0, 0), white = qRgb(255, 255, 255), cyan = qRgb(0, 255, 255),
           grey = qRgb(128, 128, 128);

QImage iconImage(int index) {
    QImageReader reader(iconDir + "/tvorka1.ico", "ico");
    reader.jumpToImage(index);
    return reader.read().convertToFormat(QImage::Format_ARGB32);
}

bool opaque(const QImage& image, int x, int y) {
    return image.rect().contains(x, y) && qAlpha(image.pixel(x, y)) == 255;
}

} // namespace

class tst_Ico : public QObject {
    Q_OBJECT

private slots:
    void layoutAndDecoding() {
        QFile file(iconDir + "/tvorka1.ico");
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray data = file.readAll();
        const auto* bytes = reinterpret_cast<const uchar*>(data.constData());
        auto u16 = [&](qsizetype at) {
            return qFromLittleEndian<quint16>(bytes + at);
        };
        auto u32 = [&](qsizetype at) {
            return qFromLittleEndian<quint32>(bytes + at);
        };

        QVERIFY(data.size() >= 6 + 3 * 16);
        QCOMPARE(u16(0), 0); // reserved
        QCOMPARE(u16(2), 1); // icon
        QCOMPARE(u16(4), 3);

        struct Expected {
            int size, colours, bits;
        };
        const Expected expected[] = {{32, 2, 1}, {32, 16, 4}, {16, 16, 4}};
        quint32 next = 6 + 3 * 16;
        for (int i = 0; i < 3; ++i) {
            const qsizetype entry = 6 + 16 * i;
            QCOMPARE(int(bytes[entry]), expected[i].size);
            QCOMPARE(int(bytes[entry + 1]), expected[i].size);
            QCOMPARE(int(bytes[entry + 2]), expected[i].colours);
            QCOMPARE(u16(entry + 4), 1); // planes
            QCOMPARE(int(u16(entry + 6)), expected[i].bits);
            // Images follow each other without gaps and end with the file.
            QCOMPARE(u32(entry + 12), next);
            next += u32(entry + 8);

            const qsizetype dib = u32(entry + 12);
            QCOMPARE(u32(dib), 40u);
            QCOMPARE(int(u32(dib + 4)), expected[i].size);
            QCOMPARE(int(u32(dib + 8)), 2 * expected[i].size); // colour bits and mask
            QCOMPARE(int(u16(dib + 14)), expected[i].bits);
            QCOMPARE(u32(dib + 16), 0u); // uncompressed

            const QImage image = iconImage(i);
            QCOMPARE(image.size(), QSize(expected[i].size, expected[i].size));
        }
        QCOMPARE(qsizetype(next), data.size());
    }

    void motif_data() {
        QTest::addColumn<int>("index");
        QTest::newRow("32x32 16 colours") << 1;
        QTest::newRow("16x16 16 colours") << 2;
    }

    void motif() {
        QFETCH(int, index);
        const QImage image = iconImage(index);
        const int n = image.width();

        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(n - 1, n - 1)), 0);

        int greyCount = 0, cyanCount = 0;
        QList<int> windowHeight(n, 0); // cyan and white pixels per column
        for (int y = 0; y < n; ++y) {
            for (int x = 0; x < n; ++x) {
                if (!opaque(image, x, y))
                    continue;
                const QRgb c = image.pixel(x, y) | 0xFF000000;
                QVERIFY2(c == black || c == white || c == cyan || c == grey,
                         qPrintable(QStringLiteral("stray colour at %1,%2").arg(x).arg(y)));
                if (c == black)
                    continue;
                // Every coloured area sits inside a black outline.
                for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
                    QVERIFY2(opaque(image, x + dx, y + dy),
                             qPrintable(QStringLiteral("open outline at %1,%2").arg(x).arg(y)));
                if (c == cyan || c == white)
                    ++windowHeight[x];
                if (c == cyan) {
                    ++cyanCount;
                    // The title bar is on top: nothing white above it.
                    for (int above = 0; above < y; ++above)
                        QVERIFY(image.pixel(x, above) != white);
                }
                if (c == grey) {
                    ++greyCount;
                    QVERIFY2(x >= n / 2 && y >= n / 2, "the arrowhead belongs at the lower right");
                }
            }
        }
        QVERIFY(cyanCount > 0);
        QVERIFY(greyCount > 0);

        // Perspective: the window's near (left) side is taller than its far side.
        const auto first = std::find_if(windowHeight.cbegin(), windowHeight.cend(), [](int h) { return h; });
        const auto last = std::find_if(windowHeight.crbegin(), windowHeight.crend(), [](int h) { return h; });
        QVERIFY(*first > *last + 2);
    }

    void monoKeepsTheShapes() {
        const QImage mono = iconImage(0), colour = iconImage(1);
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                QCOMPARE(qAlpha(mono.pixel(x, y)), qAlpha(colour.pixel(x, y)));
                const QRgb m = mono.pixel(x, y) | 0xFF000000, c = colour.pixel(x, y) | 0xFF000000;
                if (qAlpha(mono.pixel(x, y)) == 255)
                    QCOMPARE(m, (c == black || c == cyan) ? black : white);
            }
        }
    }

    void pngExportsMatch_data() {
        QTest::addColumn<QString>("png");
        QTest::addColumn<int>("index");
        QTest::newRow("32") << "tvorka1-32.png" << 1;
        QTest::newRow("16") << "tvorka1-16.png" << 2;
    }

    void pngExportsMatch() {
        QFETCH(QString, png);
        QFETCH(int, index);
        const QImage exported(iconDir + "/" + png, "png");
        QVERIFY(!exported.isNull());
        QCOMPARE(exported.convertToFormat(QImage::Format_ARGB32), iconImage(index));
    }

    void windowIcon() {
        // What the window frame and task bar get: the colour images win over
        // the two-colour one at 32 pixels.
        const runtime::Ref<runtime::Form> form = runtime::load(app::descriptor);
        const QIcon icon = runtime::qt::window(*form).windowIcon();
        QCOMPARE(icon.availableSizes(), (QList<QSize>{{32, 32}, {16, 16}}));
        QCOMPARE(icon.pixmap(32).toImage().convertToFormat(QImage::Format_ARGB32), iconImage(1));
        QCOMPARE(icon.pixmap(16).toImage().convertToFormat(QImage::Format_ARGB32), iconImage(2));
    }
};

QTEST_MAIN(tst_Ico)
#include "tst_ico.moc"
