#pragma once

#include "SoundPlayer.h"

namespace sound {

// The sound module holds the player on the audio server's client library, so that the program
// loads that library only when the first cue is given. Its one exported function
// makes a SoundPlayer, owned by the caller, whose file names are full paths; a player that is
// not to say when sounds fall silent and come back leaves that to the cues' own player.
inline constexpr char SoundModuleEntry[] = "bngCreateSoundPlayer";
using SoundModuleFactory = SoundPlayer* (*)(bool saysWhenSilent);

} // namespace sound
