#pragma once

#include <QString>

namespace sound {

// The hidden sound player: a device that is stopped, closed, given a wave file, opened on it
// and told to play. Playback runs on by itself; a command it cannot carry out does nothing.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void stop() = 0;
    virtual void close() = 0;
    virtual void setFileName(const QString& fileName) = 0;
    virtual void open() = 0;
    virtual void play() = 0;
};

// Stops whatever plays, then plays the wave file from its start.
void PlayWave(SoundPlayer& player, const QString& fileName);

} // namespace sound
