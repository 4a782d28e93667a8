# Loaded by Orca 43 from its prefs dir while it reads its settings.
import signal
import orca.debug
from gi.repository import GLib

# 1. The debug file is opened with open(FILE, 'w'): block-buffered. Make it line-buffered
#    so a test can wait on it and read it while Orca runs.
if orca.debug.debugFile is not None:
    try:
        orca.debug.debugFile.reconfigure(line_buffering=True)
    except Exception:
        pass

# 2. Orca's Python SIGTERM handler only runs when Python code next runs, and the AT-SPI
#    main loop is C: an idle Orca never ends on SIGTERM. Orca installs that handler in
#    orca.main(), after this file is read, so hook a GLib signal source (it runs inside
#    the main loop) once the loop has started, replacing Python's handler.
def _on_term():
    import orca.orca
    orca.orca.shutdownOnSignal(signal.SIGTERM, None)
    return GLib.SOURCE_REMOVE

def _install_term_handler():
    GLib.unix_signal_add(GLib.PRIORITY_HIGH, signal.SIGTERM, _on_term)
    orca.debug.println(orca.debug.LEVEL_INFO, "BNG: SIGTERM handler installed", True)
    return GLib.SOURCE_REMOVE

GLib.idle_add(_install_term_handler)
