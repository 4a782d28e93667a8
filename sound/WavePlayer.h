#pragma once

#include "SoundPlayer.h"

#include <QString>

#include <memory>

namespace sound {

// The game's sound player. The player on the audio server lives in the sound module, which is
// loaded at the first open, so that start-up neither loads the sound library nor waits for the
// audio server. Without the module every cue is silent, and this is said once.
// The sound module's player, loaded on first use, or null, with a line that says why.
std::unique_ptr<SoundPlayer> loadSoundModule(bool saysWhenSilent);

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
    bool moduleTried_ = false;
    std::unique_ptr<SoundPlayer> effects_;
};

} // namespace sound
