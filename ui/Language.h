#pragma once

#include <QString>

namespace ui {

// The language the game's texts and spoken cues are in, by its catalog's name ("de", "pt_BR"),
// as start-up chose it; empty for English, in which everything was laid out and recorded.
const QString& language();
void setLanguage(const QString& name);

} // namespace ui
