#pragma once

#include <QStringList>

#include <optional>

namespace app {

// The game takes no arguments of its own but those every program answers: --help and
// --version print and end the program with status 0, anything else is refused with one line
// and status 2. Returns the status to end with, or nothing to play. Qt's own options (such as
// -platform) are taken out by the application object before the rest are read here.
std::optional<int> answerCommandLine(const QStringList& arguments);

// True when the arguments ask only for --help or --version, which need no display.
bool asksOnlyForInformation(int argc, char* argv[]);

} // namespace app
