#pragma once

#include <QLatin1String>

namespace game {

// An answer of the game's, told three ways at once: the message line, the face picture and the
// sound, each file named by its bare name.
struct Cue {
    QLatin1String message;
    QLatin1String face;
    QLatin1String sound;
};

inline constexpr Cue StartCue{QLatin1String("I've got the number! What's your guess?"),
                              QLatin1String("face02.ico"), QLatin1String("ivegot.wav")};
inline constexpr Cue LowerCue{QLatin1String("My number is lower."), QLatin1String("minus.ico"),
                              QLatin1String("lower.wav")};
inline constexpr Cue HigherCue{QLatin1String("My number is higher."), QLatin1String("plus.ico"),
                               QLatin1String("higher.wav")};
inline constexpr Cue WinCue{QLatin1String("You got my number!"), QLatin1String("face03.ico"),
                            QLatin1String("gotit.wav")};

// Every cue, and so every medium the game reads at run time; the build copies and installs the
// files named here.
inline constexpr Cue Cues[] = {StartCue, LowerCue, HigherCue, WinCue};

} // namespace game
