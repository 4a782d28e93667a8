#include <QProcess>
#include <QTest>

// A window operation that fails inside a handler of the real main window, with no memory or
// with any other failure, is reported once under its classic number with the failure's own text,
// a further failure while the report is open joins the same report, and the program ends with a
// failure status.
class TestWindowFailure : public QObject {
    Q_OBJECT
private slots:
    void reportedOnceAndEnds_data() {
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QString>("report");
        QTest::newRow("no memory") << "bad_alloc"
                                   << "Run-time error '7':||Out of memory";
        QTest::newRow("other failure")
            << "exception"
            << "Run-time error '51':||Internal error: the window could not be made";
        QTest::newRow("a second failure while the report is open")
            << "twice"
            << "Run-time error '6':||Overflow||"
               "Run-time error '51':||Internal error: the sound card caught fire";
    }

    void reportedOnceAndEnds() {
        QFETCH(QString, failure);
        QFETCH(QString, report);
        QProcess program;
        program.start(QStringLiteral(WINDOW_FAILURE_PROGRAM), {failure});
        QVERIFY(program.waitForFinished(60000));
        const QString out = QString::fromLocal8Bit(program.readAllStandardOutput());
        const QString err = QString::fromLocal8Bit(program.readAllStandardError());
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 1);
        QCOMPARE(out, QStringLiteral("REPORT ") + report + u'\n');
        for (const QString& each : report.split(QStringLiteral("||Run-time")))
            QVERIFY2(err.contains(QString(each).replace(QStringLiteral("||"), QStringLiteral(" "))),
                     qPrintable(err));
    }
};

QTEST_GUILESS_MAIN(TestWindowFailure)
#include "tst_window_failure.moc"
