#include "WavePlayer.h"

#include "MediaPath.h"
#include "Warn.h"

#include <QSoundEffect>
#include <QUrl>

namespace ui {

WavePlayer::WavePlayer() = default;

WavePlayer::~WavePlayer() = default;

void WavePlayer::stop() {
    if (effect_)
        effect_->stop();
}

void WavePlayer::close() {
    // Clearing the source, not only stopping, is what makes a repeated cue sound every time.
    if (effect_)
        effect_->setSource(QUrl());
    opened_ = false;
}

void WavePlayer::setFileName(const QString& fileName) { fileName_ = fileName; }

void WavePlayer::open() {
    const QString path = findMedia(fileName_);
    if (path.isEmpty()) {
        warn(QStringLiteral("cannot open sound %1: file not found").arg(fileName_));
        return;
    }
    if (!effect_) {
        effect_ = std::make_unique<QSoundEffect>();
        QObject::connect(effect_.get(), &QSoundEffect::statusChanged, effect_.get(), [this] {
            if (effect_->status() == QSoundEffect::Error)
                warn(QStringLiteral("cannot play sound %1: not a playable wave file")
                         .arg(fileName_));
        });
    }
    effect_->setSource(QUrl::fromLocalFile(path));
    opened_ = true;
}

void WavePlayer::play() {
    if (opened_)
        effect_->play();
}

} // namespace ui
