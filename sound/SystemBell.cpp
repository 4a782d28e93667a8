#include "SystemBell.h"

#include "SoundPlayer.h"
#include "WavePlayer.h"

#include <QApplication>
#include <QStandardPaths>

#include <memory>

namespace sound {

namespace {

// The bell of the freedesktop sound theme, which every other theme falls back to, as the sound
// theme specification looks for it in the data folders.
QString themeBell() {
    for (const char* name : {"bell.oga", "bell.ogg", "bell.wav"}) {
        const QString path = QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                                    QStringLiteral("sounds/freedesktop/stereo/") +
                                                        QLatin1String(name));
        if (!path.isEmpty())
            return path;
    }
    return {};
}

} // namespace

void SystemBeep() {
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        QApplication::beep();
        return;
    }
    // The cues' player says already when sounds are silent and when they are back.
    static const std::unique_ptr<SoundPlayer> bell = loadSoundModule(false);
    static const QString sound = themeBell();
    if (bell && !sound.isEmpty())
        PlayWave(*bell, sound);
}

} // namespace sound
