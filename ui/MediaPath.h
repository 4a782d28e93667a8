#pragma once

#include <QString>

namespace ui {

// Where a media file named by its bare name is found: the current folder first, then the
// media folder beside the program, then the installed share folder. Empty when none holds it.
QString findMedia(const QString& bareName);

} // namespace ui
