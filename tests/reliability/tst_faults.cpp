#include "MediaList.h"
#include "SoakGame.h"

#include <QApplication>
#include <QDialog>
#include <QImageReader>
#include <QRegularExpression>
#include <QTest>

using namespace reliability;

namespace {

enum class Fault { Missing, Text, Truncated, Empty, Folder };

bool isFace(const QString& file) {
    return file.endsWith(QStringLiteral(".ico"));
}

// How many times one whole game and one quick game give the cue of each file.
int cuesUsing(const QString& file) {
    for (const media::CueMedia& twice : {media::StartMedia, media::WinMedia})
        if (file == QLatin1String(twice.face) || file == QLatin1String(twice.sound))
            return 2;
    return 1;
}

bool makeFault(const QString& folder, const QString& file, Fault fault) {
    const QString path = folder + u'/' + file;
    QFile target(path);
    switch (fault) {
    case Fault::Missing:
        return true;
    case Fault::Text:
        return target.open(QIODevice::WriteOnly) &&
               target.write("These are not the faces or sounds of the game.\n") > 0;
    case Fault::Truncated: {
        QFile original(sourceMediaFolder() + u'/' + file);
        if (!original.open(QIODevice::ReadOnly) || !target.open(QIODevice::WriteOnly))
            return false;
        const QByteArray whole = original.readAll();
        return target.write(whole.left(whole.size() / 2)) == whole.size() / 2;
    }
    case Fault::Empty:
        return target.open(QIODevice::WriteOnly);
    case Fault::Folder:
        return QDir(folder).mkdir(file);
    }
    return false;
}

bool dialogShown() {
    if (QApplication::activeModalWidget())
        return true;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && qobject_cast<QDialog*>(window))
            return true;
    return false;
}

} // namespace

Q_DECLARE_METATYPE(Fault)

// Each of the eight media files missing or broken in each way: the game plays on, the cue of the
// broken file keeps the previous face or stays silent, and each failed cue says why in one line
// on standard error, with no dialog.
class TestFaults : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void brokenMediaLeaveTheGameGoing_data();
    void brokenMediaLeaveTheGameGoing();
};

void TestFaults::initTestCase() {
    QCoreApplication::setApplicationName(QStringLiteral("brannoch-number-guess"));
    QVERIFY2(audioServerStreams(), "no audio server answers: run the test in a session with one");
}

void TestFaults::brokenMediaLeaveTheGameGoing_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<Fault>("fault");
    const std::pair<Fault, const char*> faults[] = {{Fault::Missing, "missing"},
                                                    {Fault::Text, "a text file"},
                                                    {Fault::Truncated, "cut in half"},
                                                    {Fault::Empty, "empty"},
                                                    {Fault::Folder, "a folder"}};
    for (const QString& file : allMedia())
        for (const auto& [fault, name] : faults)
            QTest::addRow("%s %s", qPrintable(file), name) << file << fault;
}

void TestFaults::brokenMediaLeaveTheGameGoing() {
    QFETCH(QString, file);
    QFETCH(Fault, fault);
    QStringList others = allMedia();
    others.removeAll(file);
    StderrCapture errors;
    {
        SoakGame game(sourceMediaFolder(), others);
        QVERIFY(game.ready);
        QVERIFY(makeFault(game.folder.path(), file, fault));
        Form1& form = *game.form;
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));

        qint64 face = form.Image1->pixmap().cacheKey();
        const auto cue = [&](const QString& message, const QString& faceFile) {
            SoakGame::settle();
            QCOMPARE(form.Label3->text(), message);
            const qint64 shown = form.Image1->pixmap().cacheKey();
            QCOMPARE(shown == face, faceFile == file);
            face = shown;
            QVERIFY(!dialogShown());
        };
        const auto guess = [&](double value) {
            QTest::keyClicks(form.Text3, QString::number(value));
            QTest::keyClick(form.Text3, Qt::Key_Return);
        };

        form.Standargame->trigger();
        QTest::keyClicks(form.Text1, QStringLiteral("9"));
        QTest::keyClicks(form.Text2, QStringLiteral("1"));
        QTest::mouseClick(form.Command1, Qt::LeftButton);
        cue(QStringLiteral("I've got the number! What's your guess?"), media::StartMedia.face);
        const double secret = form.gu;
        guess(secret + 1);
        cue(QStringLiteral("My number is lower."), media::LowerMedia.face);
        guess(secret - 1);
        cue(QStringLiteral("My number is higher."), media::HigherMedia.face);
        guess(secret);
        cue(QStringLiteral("You got my number!"), media::WinMedia.face);
        QCOMPARE(form.Label5->text(), QStringLiteral("3"));
        QVERIFY(form.Command2->isVisible());
        QTest::mouseClick(form.Command2, Qt::LeftButton);
        SoakGame::settle();
        QCOMPARE(form.Label5->text(), QStringLiteral("0"));

        form.Dynamic->trigger();
        QTest::keyClicks(form.Text1, QStringLiteral("4"));
        QTest::keyClicks(form.Text2, QStringLiteral("4"));
        QTest::mouseClick(form.Command1, Qt::LeftButton);
        cue(QStringLiteral("I've got the number! What's your guess?"), media::StartMedia.face);
        guess(4);
        cue(QStringLiteral("You got my number!"), media::WinMedia.face);
        QVERIFY(form.Command3->isVisible());
    }
    errors.restore();
    const QStringList lines = errors.lines();
    QCOMPARE(lines.size(), cuesUsing(file));
    const QRegularExpression clear(
        QStringLiteral("^brannoch-number-guess: cannot %1 (\\S*/)?%2: \\S.*$")
            .arg(isFace(file) ? QStringLiteral("load picture")
                              : QStringLiteral("(open|play) sound"),
                 QRegularExpression::escape(file)));
    for (const QString& line : lines)
        QVERIFY2(clear.match(line).hasMatch(), qPrintable(line));
}

QTEST_MAIN(TestFaults)
#include "tst_faults.moc"
