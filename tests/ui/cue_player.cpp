// Gives sound cues through the game's own sound player, for the tests and benchmarks that
// listen to the audio server. Each argument is "file@delay": after waiting delay milliseconds
// from the previous cue (or from the start) the wave file is played, found as the game finds its
// media. An argument with no file only waits, so that a last cue can be heard to its end, and
// "?path" waits until the file at path exists, so that a script can act between two cues.
#include "ui/SoundPlayer.h"
#include "ui/WavePlayer.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>
#include <QTimer>

#include <cstdio>
#include <vector>

namespace {

struct Cue {
    QString fileName;
    int delayMs = 0;
    QString gate;
};

bool parse(const QStringList& arguments, std::vector<Cue>& cues) {
    for (const QString& argument : arguments) {
        if (argument.startsWith(u'?')) {
            cues.push_back({{}, 0, argument.mid(1)});
            continue;
        }
        const qsizetype at = argument.lastIndexOf(QLatin1Char('@'));
        bool ok = false;
        const int delay = at < 0 ? 0 : argument.mid(at + 1).toInt(&ok);
        if (!ok || delay < 0)
            return false;
        cues.push_back({argument.left(at), delay, {}});
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    std::vector<Cue> cues;
    if (!parse(QCoreApplication::arguments().mid(1), cues)) {
        std::fprintf(stderr, "usage: %s file@delay_ms...\n", argv[0]);
        return 2;
    }

    ui::WavePlayer player;
    std::size_t next = 0;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (!cues[next].gate.isEmpty() && !QFileInfo::exists(cues[next].gate)) {
            timer.start(10);
            return;
        }
        if (!cues[next].fileName.isEmpty())
            ui::PlayWave(player, cues[next].fileName);
        if (++next == cues.size())
            QCoreApplication::quit();
        else
            timer.start(cues[next].delayMs);
    });
    if (cues.empty())
        return 0;
    timer.start(cues.front().delayMs);
    return QCoreApplication::exec();
}
