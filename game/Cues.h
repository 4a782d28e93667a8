#pragma once

#include "MediaList.h"

#include <QLatin1String>

namespace game {

// An answer of the game's, told three ways at once: the message line, the face picture and the
// sound, each file named by its bare name.
struct Cue {
    QLatin1String message;
    QLatin1String face;
    QLatin1String sound;
};

constexpr Cue cue(const char* message, media::CueMedia files) {
    return {QLatin1String(message), QLatin1String(files.face), QLatin1String(files.sound)};
}

inline constexpr Cue StartCue = cue("I've got the number! What's your guess?", media::StartMedia);
inline constexpr Cue LowerCue = cue("My number is lower.", media::LowerMedia);
inline constexpr Cue HigherCue = cue("My number is higher.", media::HigherMedia);
inline constexpr Cue WinCue = cue("You got my number!", media::WinMedia);

// Every cue, and so every face and sound the game reads at run time.
inline constexpr Cue Cues[] = {StartCue, LowerCue, HigherCue, WinCue};

} // namespace game
