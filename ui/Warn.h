#pragma once

#include <QString>

namespace ui {

// One clear line on standard error, after the program's name: for a problem the game rides over
// (a missing face or sound), and for the run-time error that ends it.
void warn(const QString& message);

} // namespace ui
