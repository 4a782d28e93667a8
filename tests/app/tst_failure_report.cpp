#include <QProcess>
#include <QTest>

// A failure that escapes a handler is reported once, a further one while the report is open in
// the same report, and the program ends with a failure status.
class TestFailureReport : public QObject {
    Q_OBJECT
private slots:
    void reportsOnceAndEnds() {
        QProcess program;
        program.start(QStringLiteral(FAILING_PROGRAM), {});
        QVERIFY(program.waitForFinished(60000));
        const QString out = QString::fromLocal8Bit(program.readAllStandardOutput());
        const QString err = QString::fromLocal8Bit(program.readAllStandardError());
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 1);
        QCOMPARE(out.count(QStringLiteral("REPORT ")), 1);
        QVERIFY2(out.contains(QStringLiteral("REPORT Run-time error '6':||Overflow||"
                                             "Run-time error '51':||"
                                             "Internal error: the sound card caught fire")),
                 qPrintable(out));
        QVERIFY2(out.contains(QStringLiteral("CALLS 1")), qPrintable(out));
        QVERIFY2(err.contains(QStringLiteral("Run-time error '6': Overflow")), qPrintable(err));
        QVERIFY2(err.contains(QStringLiteral(
                     "Run-time error '51': Internal error: the sound card caught fire")),
                 qPrintable(err));
    }
};

QTEST_GUILESS_MAIN(TestFailureReport)
#include "tst_failure_report.moc"
