// The Windows version record as CMake generates it, and the header the
// program reads its name and version from: both must carry the same values.

#include <QFile>
#include <QRegularExpression>
#include <QtTest>
#include <tvorka1/version.h>

class tst_Version : public QObject {
    Q_OBJECT

    QString script;

    QString value(const QString& key) const {
        const QRegularExpression re("^\\s*VALUE\\s+\"" + key + "\",\\s*(.+?)\\s*$",
                                    QRegularExpression::MultilineOption);
        const auto matches = re.globalMatch(script);
        QStringList found;
        for (const auto& m : matches)
            found << m.captured(1);
        return found.size() == 1 ? found.front() : QString("<%1 times>").arg(found.size());
    }

    QString statement(const QString& keyword) const {
        const QRegularExpression re("^\\s*" + keyword + "\\s+(.+?)\\s*$",
                                    QRegularExpression::MultilineOption);
        return re.match(script).captured(1);
    }

private slots:
    void initTestCase() {
        QFile file(QStringLiteral(TVORKA1_RC_FILE));
        QVERIFY2(file.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(file.fileName()));
        script = QString::fromUtf8(file.readAll());
    }

    void fixedFields() {
        QCOMPARE(statement("FILEVERSION"), "1,0,0,0");
        QCOMPARE(statement("PRODUCTVERSION"), "1,0,0,0");
        QCOMPARE(statement("FILETYPE"), "VFT_APP");
        const QString icon = statement("1 ICON").remove('"');
        QVERIFY2(QFile::exists(icon), qPrintable(icon));
    }

    void strings() {
        // The only string table is US English, Unicode.
        QCOMPARE(script.count("BLOCK \"StringFileInfo\""), 1);
        QCOMPARE(script.count(QRegularExpression("BLOCK \"[0-9A-Fa-f]{8}\"")), 1);
        QVERIFY(script.contains("BLOCK \"040904B0\""));

        QCOMPARE(value("FileVersion"), "\"1.00\"");
        QCOMPARE(value("ProductVersion"), "\"1.00\"");
        QCOMPARE(value("ProductName"), "\"Tvorka1\"");
        QCOMPARE(value("InternalName"), "\"Tvorka1\"");
        QCOMPARE(value("OriginalFilename"), "\"Tvorka1.exe\"");
        QCOMPARE(value("Translation"), "0x0409, 1200");
    }

    void headerAgrees() {
        QCOMPARE(QString(tvorka1::version::name), "Tvorka1");
        QCOMPARE(QString(tvorka1::version::number).replace('.', ','), statement("FILEVERSION"));
        QCOMPARE('"' + QString(tvorka1::version::text) + '"', value("FileVersion"));
    }
};

QTEST_GUILESS_MAIN(tst_Version)
#include "tst_version.moc"
