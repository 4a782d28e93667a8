#pragma once

#include "RuntimeError.h"

namespace app {

// Shows the run-time error report as a modal message, then ends the program with a non-zero
// status. Every failure that escapes a handler ends up here, once.
void reportFailure(const RuntimeError& failure);

} // namespace app
