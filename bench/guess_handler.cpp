// The time the main window takes to judge one guess, from Enter in the guess box to the
// handler's return. The sound plays asynchronously and is left out: the window's sound player
// is one that does nothing. The faces are read from the media folder beside the build's
// program, as the game reads them from its current folder.
// Usage: bng-bench-guess [Qt Test options, such as -iterations N]
#include "app/WindowRegistry.h"
#include "game/Form1.h"
#include "sound/SoundPlayer.h"

#include <QApplication>
#include <QDir>
#include <QTest>

namespace {

class NoSound : public sound::SoundPlayer {
public:
    void stop() override {}
    void close() override {}
    void setFileName(const QString&) override {}
    void open() override {}
    void play() override {}
};

} // namespace

class GuessBench : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(
            QDir::setCurrent(QCoreApplication::applicationDirPath() + QStringLiteral("/../media")));
        windows_.add<Form1>([] { return new Form1; });
        form_ = static_cast<Form1*>(windows_.get<Form1>());
        form_->MMControl1 = std::make_unique<NoSound>();
        form_->Form_Load();
        form_->show();
        // Limits 5 and 5 leave one possible secret, so every other guess is wrong.
        form_->Standargame_Click();
        form_->Text1->setText(QStringLiteral("5"));
        form_->Text2->setText(QStringLiteral("5"));
        form_->Command1->click();
        QVERIFY(form_->Text3->isVisible());
    }

    void wrongGuess_data() {
        QTest::addColumn<QString>("guess");
        QTest::newRow("higher") << QStringLiteral("3");
        QTest::newRow("lower") << QStringLiteral("7");
    }

    void wrongGuess() {
        QFETCH(QString, guess);
        QBENCHMARK {
            form_->Text3->setText(guess);
            short enter = 13;
            form_->Text3_KeyPress(enter);
        }
        QVERIFY(form_->Text3->isVisible());
    }

private:
    app::WindowRegistry windows_;
    Form1* form_ = nullptr;
};

int main(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    GuessBench bench;
    return QTest::qExec(&bench, argc, argv);
}

#include "guess_handler.moc"
