// Gives sound cues through the game's own sound player, for the tests that listen to the audio
// server. Each argument is a wave file, played at once and found as the game finds its media;
// "?path", which waits until the file at path exists, so that the test decides when the next
// cue comes; or "@language", which has the cues after it found in that language's folder first,
// as the game's chosen language does. The player ends right after the last argument, cutting any
// cue still playing.
#include "sound/SoundPlayer.h"
#include "sound/WavePlayer.h"
#include "ui/Language.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>
#include <QTimer>

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    sound::WavePlayer player;
    qsizetype next = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        for (; next < arguments.size(); ++next) {
            const QString& argument = arguments[next];
            if (argument.startsWith(u'@'))
                ui::setLanguage(argument.mid(1));
            else if (!argument.startsWith(u'?'))
                sound::PlayWave(player, argument);
            else if (!QFileInfo::exists(argument.mid(1)))
                return;
        }
        QCoreApplication::quit();
    });
    timer.start(10);
    return QCoreApplication::exec();
}
