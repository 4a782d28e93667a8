#pragma once

namespace app {

// Ends the program at once: no further event reaches a handler, the event loop returns with
// the given status, and start-up then tears down every window (and with them the sound device).
void endProgram(int status = 0);

// True once endProgram has been called.
bool programEnded();

int exitStatus();

} // namespace app
