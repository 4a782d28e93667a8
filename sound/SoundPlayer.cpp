#include "SoundPlayer.h"

namespace sound {

void PlayWave(SoundPlayer& player, const QString& fileName) {
    player.stop();
    player.close();
    player.setFileName(fileName);
    player.open();
    player.play();
}

} // namespace sound
