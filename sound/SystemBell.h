#pragma once

namespace sound {

// Rings the system's bell once, at once, and returns without waiting for it. On X11 that is the
// display's bell request, which the desktop sounds or flashes as its user set it up. Qt sends
// nothing on Wayland, which has no such request, so there the bell is the sound the desktop's
// sound theme gives it, played beside the cues on a player of its own that no cue cuts.
void SystemBeep();

} // namespace sound
