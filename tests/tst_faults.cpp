// Each of the program's five property sets failing in turn: the report, then the end.

#include <QFileInfo>
#include <QProcess>
#include <QTest>
#include <algorithm>

class tst_Faults : public QObject {
    Q_OBJECT

private slots:
    void failedSetEndsTheProgram_data() {
        QTest::addColumn<QStringList>("arguments"); // control, property, value, sets let through, clicks
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QString>("boxes"); // at the report
        QTest::newRow("Form_Load: Option1.Value")
            << QStringList{"Option1", "Value", "true", "0"} << false << "Picture1=visible Picture2=visible";
        QTest::newRow("Option1_Click in Load: Picture1.Visible")
            << QStringList{"Picture1", "Visible", "false", "0"} << false
            << "Picture1=visible Picture2=visible";
        QTest::newRow("Option1_Click in Load: Picture2.Visible")
            << QStringList{"Picture2", "Visible", "true", "0"} << false << "Picture1=hidden Picture2=visible";
        QTest::newRow("Option2_Click: Picture2.Visible")
            << QStringList{"Picture2", "Visible", "false", "0", "Option2"} << true
            << "Picture1=hidden Picture2=visible";
        QTest::newRow("Option2_Click: Picture1.Visible")
            << QStringList{"Picture1", "Visible", "true", "0", "Option2"} << true
            << "Picture1=hidden Picture2=hidden";
        QTest::newRow("Option1_Click: Picture1.Visible")
            << QStringList{"Picture1", "Visible", "false", "1", "Option2", "Option1"} << true
            << "Picture1=visible Picture2=hidden";
        QTest::newRow("Option1_Click: Picture2.Visible")
            << QStringList{"Picture2", "Visible", "true", "1", "Option2", "Option1"} << true
            << "Picture1=hidden Picture2=hidden";
        // Any other exception from a handler takes the same road.
        QTest::newRow("Option2_Click: out of memory")
            << QStringList{"Picture1", "Visible", "true", "0", "bad_alloc", "Option2"} << true
            << "Picture1=hidden Picture2=hidden";
    }
    void failedSetEndsTheProgram() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, shown);
        QFETCH(QString, boxes);

        QProcess program;
        program.start(QStringLiteral(FAULT_HOST), arguments);
        // Qt starts programs with clone's CLONE_PIDFD, which an emulator of another architecture
        // (qemu-user) refuses: there the program, though built, cannot be started at all.
        if (!program.waitForStarted() && QFileInfo(QStringLiteral(FAULT_HOST)).isExecutable())
            QSKIP(qPrintable("no program can be started here: " + program.errorString()));
        QVERIFY2(
            program.waitForFinished(20000 * std::max(1, qEnvironmentVariableIntValue("TVORKA1_TIME_FACTOR"))),
            qPrintable(program.errorString()));
        const QString out = QString::fromUtf8(program.readAllStandardOutput());
        const QString err = QString::fromUtf8(program.readAllStandardError());

        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 1);
        QCOMPARE(out.contains("shown"), shown);
        QVERIFY2(!out.contains("clicked"), qPrintable(out)); // nothing after the failing click ran
        const QString error =
            arguments.contains("bad_alloc")
                ? QString("run-time error 0x8007000E (-2147024882): out of memory")
                : QString("run-time error 0x80004005 (-2147467259): setting _%1.%2 on %3 failed")
                      .arg(arguments[1] == "Value" ? "OptionButton" : "PictureBox", arguments[1],
                           arguments[0]);
        QVERIFY2(out.contains("report Tvorka1 | " + error + " | " + boxes), qPrintable(out));
        QCOMPARE(err.trimmed().split('\n').filter("run-time error"), QStringList{"Tvorka1: " + error});
    }
};

QTEST_GUILESS_MAIN(tst_Faults)
#include "tst_faults.moc"
