# Runs /usr/bin/orca's main() as it stands, but for three things a test needs of it, none of which
# reaches into Orca's own modules:
# - its single-instance check: otherOrcas() runs `pgrep -u UID -x orca`, which sees every Orca of
#   this user on the machine (other private sessions too), so Orca would refuse to start (and
#   --replace would kill them all). Each private session gets its own Orca.
# - its debug file, which it opens block-buffered, is opened line-buffered, so that a test reads
#   what Orca has said (its "SPEECH OUTPUT:" lines) while it runs.
# - SIGTERM: Orca's handler is Python's, which runs only when Python code next runs, and an idle
#   Orca waits in the AT-SPI main loop, in C: it would never end. Once the loop runs, after Orca
#   has installed its handlers, a GLib signal source ends it instead.
import builtins
import functools
import os
import signal
import sys
import types

from gi.repository import GLib

launcher = "/usr/bin/orca"
mod = types.ModuleType("orca_launcher")
mod.__file__ = launcher
with open(launcher, encoding="utf-8") as f:
    code = compile(f.read(), launcher, "exec")
sys.argv[0] = launcher


def end_on_sigterm():
    GLib.unix_signal_add(GLib.PRIORITY_HIGH, signal.SIGTERM, lambda: os._exit(0))
    return GLib.SOURCE_REMOVE


mod.open = functools.partial(builtins.open, buffering=1)
exec(code, mod.__dict__)          # defines main(); the __main__ guard does not fire
mod.otherOrcas = lambda: []
GLib.idle_add(end_on_sigterm)
sys.exit(mod.main())
