#include "SoundPlayer.h"

namespace ui {

void PlayWave(SoundPlayer& player, const QString& fileName) {
    player.stop();
    player.close();
    player.setFileName(fileName);
    player.open();
    player.play();
}

} // namespace ui
