#pragma once

#include "SoundPlayer.h"

#include <QString>

#include <memory>

class QSoundEffect;

namespace ui {

// The sound player on Qt Multimedia. The audio output is set up at the first open, not when
// the window is built, so start-up does not wait for the sound system.
class WavePlayer : public SoundPlayer {
public:
    WavePlayer();
    ~WavePlayer() override;

    void stop() override;
    void close() override;
    void setFileName(const QString& fileName) override;
    void open() override;
    void play() override;

private:
    QString fileName_;
    bool opened_ = false;
    std::unique_ptr<QSoundEffect> effect_;
};

} // namespace ui
