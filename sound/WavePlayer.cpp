#include "WavePlayer.h"

#include "SoundModule.h"
#include "ui/MediaPath.h"
#include "ui/Warn.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

namespace sound {

using ui::findSpokenMedia;
using ui::warn;

// The module sits beside the program in the build folder, and in the game's own library folder
// once installed, which the build gives relative to the program's folder.
std::unique_ptr<SoundPlayer> loadSoundModule(bool saysWhenSilent) {
    const QString programDir = QCoreApplication::applicationDirPath();
    const QString fileName = QStringLiteral(BNG_SOUND_MODULE_FILE);
    const QString candidates[] = {
        programDir + QLatin1Char('/') + fileName,
        programDir + QStringLiteral("/" BNG_SOUND_MODULE_DIR "/") + fileName,
    };
    for (const QString& path : candidates) {
        if (!QFileInfo(path).isFile())
            continue;
        // The module stays loaded when its QLibrary goes, for as long as the program runs.
        QLibrary module(path);
        const auto create = reinterpret_cast<SoundModuleFactory>(module.resolve(SoundModuleEntry));
        if (!create) {
            //: A line on standard error; %1 says why the sound module could not be loaded.
            warn(QCoreApplication::translate("Problems", "cannot play sounds: %1")
                     .arg(module.errorString()));
            return nullptr;
        }
        return std::unique_ptr<SoundPlayer>(create(saysWhenSilent));
    }
    warn(
        QCoreApplication::translate("Problems", "cannot play sounds: %1 is missing").arg(fileName));
    return nullptr;
}

WavePlayer::WavePlayer() = default;

WavePlayer::~WavePlayer() = default;

void WavePlayer::stop() {
    if (effects_)
        effects_->stop();
}

void WavePlayer::close() {
    if (effects_)
        effects_->close();
}

void WavePlayer::setFileName(const QString& fileName) {
    fileName_ = fileName;
}

void WavePlayer::open() {
    const QString path = findSpokenMedia(fileName_);
    if (path.isEmpty()) {
        warn(QCoreApplication::translate("Problems", "cannot open sound %1: file not found")
                 .arg(fileName_));
        return;
    }
    if (!moduleTried_) {
        moduleTried_ = true;
        effects_ = loadSoundModule(true);
    }
    if (!effects_)
        return;
    effects_->setFileName(path);
    effects_->open();
}

// The module's player knows whether it is open on a sound; closed, it plays nothing.
void WavePlayer::play() {
    if (effects_)
        effects_->play();
}

} // namespace sound
