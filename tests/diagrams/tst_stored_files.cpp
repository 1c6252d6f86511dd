#include "generators/diagrams/diagrams.h"
#include "generators/pictures/bmp.h"

#include <QFile>
#include <QTest>

// The pictures the program ships are the files beside the window; these tests hold them to the BMP
// layout and to the drawings they are generated from.
class tst_StoredFiles : public QObject {
    Q_OBJECT

private slots:
    void layout_data();
    void layout();
    void matchesGenerator();
};

static QByteArray stored(const QString& name) {
    QFile file(QStringLiteral(TVORKA1_DIAGRAM_DIR "/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

static quint32 u32(const QByteArray& b, int at) {
    return quint32(quint8(b[at])) | quint32(quint8(b[at + 1])) << 8 | quint32(quint8(b[at + 2])) << 16 |
           quint32(quint8(b[at + 3])) << 24;
}
static quint32 u16(const QByteArray& b, int at) {
    return quint32(quint8(b[at])) | quint32(quint8(b[at + 1])) << 8;
}

void tst_StoredFiles::layout_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("height");
    QTest::newRow("monostable") << QStringLiteral("monostable.bmp") << 342;
    QTest::newRow("astable") << QStringLiteral("astable.bmp") << 328;
}

// 329 pixels of 3 bytes make rows of 988 bytes, the last one padding.
void tst_StoredFiles::layout() {
    QFETCH(QString, file);
    QFETCH(int, height);
    const QByteArray b = stored(file);
    const int pixelBytes = 988 * height;
    QCOMPARE(b.size(), 54 + pixelBytes);
    QCOMPARE(b.left(2), QByteArray("BM"));
    QCOMPARE(u32(b, 2), quint32(b.size()));
    QCOMPARE(u32(b, 6), 0u);   // reserved
    QCOMPARE(u32(b, 10), 54u); // pixel data offset: no colour table
    QCOMPARE(u32(b, 14), 40u); // information header
    QCOMPARE(u32(b, 18), 329u);
    QCOMPARE(u32(b, 22), quint32(height)); // positive: bottom row first
    QCOMPARE(u16(b, 26), 1u);              // planes
    QCOMPARE(u16(b, 28), 24u);             // bits per pixel
    QCOMPARE(u32(b, 30), 0u);              // BI_RGB
    QCOMPARE(u32(b, 34), quint32(pixelBytes));
    QCOMPARE(u32(b, 38), 0u); // resolution
    QCOMPARE(u32(b, 42), 0u);
    QCOMPARE(u32(b, 46), 0u); // colours used, important
    QCOMPARE(u32(b, 50), 0u);
    for (int row = 0; row < height; ++row)
        if (b[54 + row * 988 + 987] != 0)
            QFAIL(qPrintable(QStringLiteral("padding of stored row %1 is not 0").arg(row)));
}

// A changed drawing needs the files rewritten: cmake --build <dir> --target tvorka1_diagrams_update
void tst_StoredFiles::matchesGenerator() {
    for (const diagrams::Diagram& diagram : {diagrams::monostable(), diagrams::astable()}) {
        const std::vector<std::uint8_t> bytes = pictures::encodeBmp(diagrams::draw(diagram));
        const QString name = QString::fromLatin1(diagram.fileName.data(), diagram.fileName.size());
        QVERIFY2(stored(name) == QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                            static_cast<qsizetype>(bytes.size())),
                 qPrintable(name + QStringLiteral(" differs from the generated picture")));
    }
}

QTEST_GUILESS_MAIN(tst_StoredFiles)
#include "tst_stored_files.moc"
