#pragma once

#include <QString>

namespace app {

// Makes the game speak the desktop's language: the first of the player's languages, in the
// order Qt reads them from LANGUAGE, LC_ALL, LC_MESSAGES and LANG, that the game has a catalog
// for, with Qt's own catalog for the same language. English, or a language with no catalog
// before any other, leaves every text as written. Returns the language chosen, by its
// catalog's name ("de", "pt_BR"), or an empty string for English.
QString speakDesktopLanguage();

} // namespace app
