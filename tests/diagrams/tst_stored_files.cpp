#include "generators/diagrams/diagrams.h"
#include "generators/pictures/bmp.h"

#include <QFile>
#include <QTest>

// The pictures the program ships are the files beside the drawings; these tests hold them to the
// BMP layout and to the drawings they are generated from.
class tst_StoredFiles : public QObject {
    Q_OBJECT

private slots:
    void header_data();
    void header();
    void rowPaddingIsZero_data();
    void rowPaddingIsZero();
    void matchesGenerator_data();
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

static void addFiles() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("height");
    QTest::newRow("monostable") << QStringLiteral("monostable.bmp") << 342;
    QTest::newRow("astable") << QStringLiteral("astable.bmp") << 328;
}

void tst_StoredFiles::header_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("fileSize");
    QTest::addColumn<int>("pixelBytes");
    // Only the file size, the height and the pixel data size differ between the two.
    QTest::newRow("monostable") << QStringLiteral("monostable.bmp") << 342 << 337950 << 337896;
    QTest::newRow("astable") << QStringLiteral("astable.bmp") << 328 << 324118 << 324064;
}

void tst_StoredFiles::header() {
    QFETCH(QString, file);
    QFETCH(int, height);
    QFETCH(int, fileSize);
    QFETCH(int, pixelBytes);

    const QByteArray b = stored(file);
    QCOMPARE(b.size(), fileSize);
    QCOMPARE(b.left(2), QByteArray("BM"));
    QCOMPARE(u32(b, 2), quint32(fileSize));
    QCOMPARE(u16(b, 6), 0u); // reserved
    QCOMPARE(u16(b, 8), 0u);
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
    QCOMPARE(54 + 988 * height, fileSize);
}

void tst_StoredFiles::rowPaddingIsZero_data() {
    addFiles();
}

void tst_StoredFiles::rowPaddingIsZero() {
    QFETCH(QString, file);
    QFETCH(int, height);
    const QByteArray b = stored(file);
    QCOMPARE(b.size(), 54 + 988 * height);
    for (int row = 0; row < height; ++row)
        if (b[54 + row * 988 + 987] != 0)
            QFAIL(qPrintable(QStringLiteral("padding of stored row %1 is not 0").arg(row)));
}

void tst_StoredFiles::matchesGenerator_data() {
    QTest::addColumn<int>("which");
    QTest::newRow("monostable") << 0;
    QTest::newRow("astable") << 1;
}

// A changed drawing needs the files rewritten: cmake --build <dir> --target tvorka1_diagrams_update
void tst_StoredFiles::matchesGenerator() {
    QFETCH(int, which);
    const diagrams::Diagram diagram = which == 0 ? diagrams::monostable() : diagrams::astable();
    const std::vector<std::uint8_t> bytes = diagrams::encodeBmp(diagrams::draw(diagram));
    const QByteArray fresh(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
    const QByteArray file = stored(QString::fromLatin1(diagram.fileName.data(), diagram.fileName.size()));
    QCOMPARE(file.size(), fresh.size());
    QVERIFY2(file == fresh, "stored picture differs from the generated one");
}

QTEST_GUILESS_MAIN(tst_StoredFiles)
#include "tst_stored_files.moc"
