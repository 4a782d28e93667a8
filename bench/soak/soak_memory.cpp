// The game's resident memory after 1,000 and after 10,000 cues, each a real face and a real
// sound given by the main window's handlers for a typed guess or GO!, so that growth over a long
// session shows: 1 MB or more from the first figure to the second counts as growth, and the
// status is then 1. The sound plays on the private audio server of the session it runs in.
// Usage: tests/harness/session.sh run --audio pulseaudio -- build/bench/soak/bng-bench-soak-memory
#include "tests/reliability/SoakGame.h"

#include <QApplication>
#include <QTest>

#include <cstdio>

using reliability::SoakGame;

namespace {

constexpr int FirstMeasure = 1000;
constexpr int LastMeasure = 10000;
constexpr long GrowthLimitKb = 1024;

long residentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("brannoch-number-guess"));
    if (!reliability::audioServerStreams()) {
        std::fprintf(stderr, "no audio server answers: run this through tests/harness/session.sh "
                             "run --audio pulseaudio\n");
        return 2;
    }
    SoakGame game(QCoreApplication::applicationDirPath() + QStringLiteral("/media"));
    if (!game.ready) {
        std::fprintf(stderr, "the media beside the program could not be copied\n");
        return 2;
    }
    Form1& form = *game.form;

    long firstKb = 0;
    long lastKb = 0;
    int cues = 0;
    const auto cue = [&] {
        SoakGame::settle();
        ++cues;
        if (cues == FirstMeasure)
            firstKb = residentKb();
        if (cues == LastMeasure)
            lastKb = residentKb();
    };
    // Limits 1 and 100. The first guess is the top, then the guesses sweep up from the bottom,
    // so each game gives lower (unless the secret is 100), higher and got it.
    while (cues < LastMeasure) {
        form.Standargame->trigger();
        QTest::keyClicks(form.Text1, QStringLiteral("100"));
        QTest::keyClicks(form.Text2, QStringLiteral("1"));
        QTest::mouseClick(form.Command1, Qt::LeftButton);
        cue();
        for (int guess = 100; form.Text3->isVisible() && cues < LastMeasure;
             guess = guess == 100 ? 1 : guess + 7) {
            const bool past = guess != 100 && guess > form.gu;
            QTest::keyClicks(form.Text3, QString::number(past ? form.gu : guess));
            QTest::keyClick(form.Text3, Qt::Key_Return);
            cue();
        }
        QTest::mouseClick(form.Command2, Qt::LeftButton);
    }

    const long growthKb = lastKb - firstKb;
    std::printf("resident memory after %d cues: %ld kB\n", FirstMeasure, firstKb);
    std::printf("resident memory after %d cues: %ld kB\n", LastMeasure, lastKb);
    std::printf("growth: %ld kB (%s)\n", growthKb,
                growthKb < GrowthLimitKb ? "under 1 MB" : "1 MB or more");
    return growthKb < GrowthLimitKb ? 0 : 1;
}
