#pragma once

#include "SoundPlayer.h"

namespace ui {

// The sound module holds the player on Qt Multimedia, so that the program loads Qt Multimedia
// and the sound system's libraries only when the first cue is given. Its one exported function
// makes a SoundPlayer, owned by the caller, whose file names are full paths.
inline constexpr char SoundModuleEntry[] = "bngCreateSoundPlayer";
using SoundModuleFactory = SoundPlayer* (*)();

} // namespace ui
