#pragma once

#include <QString>

namespace ui {

// Where a media file named by its bare name is found: the current folder first, then the
// media folder beside the program, then the installed share folder. Empty when none holds it.
QString findMedia(const QString& bareName);

// A spoken cue's sound: the one in the folder named for the player's language (see Language.h)
// where findMedia finds one, else the English one, so that a language missing a sound still
// says that cue.
QString findSpokenMedia(const QString& bareName);

} // namespace ui
