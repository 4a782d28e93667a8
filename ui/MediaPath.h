#pragma once

#include <QString>

namespace ui {

// Where a media file named by its bare name is found: the current folder first, then the
// media folder beside the program, then the installed share folder. Empty when none holds it.
QString findMedia(const QString& bareName);

// The language the cues are spoken in, by the name of the catalog chosen at start-up ("de",
// "pt_BR"), which names its folder of sounds; empty for English. Nothing is looked up here, so
// start-up pays nothing for it.
void setMediaLanguage(const QString& folder);

// A spoken cue's sound: the language's own where findMedia finds one, else the English one, so
// that a language missing a sound still says that cue.
QString findSpokenMedia(const QString& bareName);

} // namespace ui
