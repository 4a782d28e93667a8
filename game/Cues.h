#pragma once

#include "MediaList.h"

#include <QCoreApplication>
#include <QLatin1String>

namespace game {

// An answer of the game's, told three ways at once: the message line, the face picture and the
// sound, each file named by its bare name. The message is kept in English and shown in the
// player's language.
struct Cue {
    const char* source;
    QLatin1String face;
    QLatin1String sound;

    QString message() const { return QCoreApplication::translate("Cue", source); }
};

constexpr Cue cue(const char* message, media::CueMedia files) {
    return {message, QLatin1String(files.face), QLatin1String(files.sound)};
}

//: The message line when the game has drawn its number and waits for the first guess.
inline constexpr Cue StartCue =
    cue(QT_TRANSLATE_NOOP("Cue", "I've got the number! What's your guess?"), media::StartMedia);
//: The answer to a guess above the number.
inline constexpr Cue LowerCue =
    cue(QT_TRANSLATE_NOOP("Cue", "My number is lower."), media::LowerMedia);
//: The answer to a guess below the number.
inline constexpr Cue HigherCue =
    cue(QT_TRANSLATE_NOOP("Cue", "My number is higher."), media::HigherMedia);
inline constexpr Cue WinCue = cue(QT_TRANSLATE_NOOP("Cue", "You got my number!"), media::WinMedia);

// Every cue, and so every face and sound the game reads at run time.
inline constexpr Cue Cues[] = {StartCue, LowerCue, HigherCue, WinCue};

} // namespace game
