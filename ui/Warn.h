#pragma once

#include <QString>

namespace ui {

// One clear line on standard error for a problem the game rides over (a missing face or sound).
void warn(const QString& message);

} // namespace ui
