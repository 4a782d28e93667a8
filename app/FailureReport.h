#pragma once

#include "RuntimeError.h"

namespace app {

// Shows the run-time error report as a modal message, then ends the program with a non-zero
// status. Every failure that escapes a handler ends up here. One that comes while the report is
// still open is added to it, so the program ends once, when the player has read them all.
void reportFailure(const RuntimeError& failure);

} // namespace app
