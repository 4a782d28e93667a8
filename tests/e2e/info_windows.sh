# The Help menu opens the three information windows; each stays open on its own, and the
# program ends only when the last window is closed. Screenshots of the three windows are kept
# in $BNG_SHOTS_DIR (default /tmp/info-shots).
set -u
source "$(dirname "$0")/xvfb.sh"

program=$1
shots=${BNG_SHOTS_DIR:-/tmp/info-shots}
mkdir -p "$shots"

# Asks a window to close the way a window manager's close button does, with WM_DELETE_WINDOW,
# so that the program sees an ordinary close request. (xdotool's windowclose destroys the
# window behind the program's back instead.)
close_window() {
    python3 - "$1" <<'PY'
import ctypes
import sys

x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XInternAtom.restype = ctypes.c_ulong
x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                           ctypes.c_void_p]
x11.XFlush.argtypes = [ctypes.c_void_p]
x11.XCloseDisplay.argtypes = [ctypes.c_void_p]


class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("data", ctypes.c_long * 5)]


class Event(ctypes.Union):
    _fields_ = [("xclient", ClientMessage), ("pad", ctypes.c_long * 24)]


CLIENT_MESSAGE = 33
display = x11.XOpenDisplay(None)
if not display:
    sys.exit("cannot open the display")
window = int(sys.argv[1])
event = Event()
event.xclient.type = CLIENT_MESSAGE
event.xclient.window = window
event.xclient.message_type = x11.XInternAtom(display, b"WM_PROTOCOLS", 0)
event.xclient.format = 32
event.xclient.data[0] = x11.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
x11.XSendEvent(display, window, 0, 0, ctypes.byref(event))
x11.XFlush(display)
x11.XCloseDisplay(display)
PY
}

# Waits until window $1 is no longer mapped.
wait_gone() {
    for _ in $(seq 200); do
        xwininfo -id "$1" 2>/dev/null | grep -q "IsViewable" || return 0
        sleep 0.05
    done
    return 1
}

alive() { kill -0 "$app" 2>/dev/null; }

# Opens the Help menu and picks its entry $1 (1 = first entry, the separator not counted).
# The Options title is always leftmost on the menu bar; the arrow keys move on from it to the
# Help menu and down its entries, whatever width the titles take in the current font.
help_menu() {
    xdotool mousemove --window "$main" 20 9 click 1
    sleep 0.3
    xdotool key Right
    for _ in $(seq "$1"); do
        xdotool key Down
    done
    xdotool key Return
}

# Waits for window $1 to show, then saves its picture once it has painted.
open_and_shoot() {
    local id
    help_menu "$1"
    id=$(wait_window "$2") || fail "the $2 window did not open"
    sleep 0.5
    import -window "$id" "$shots/$3.png" || fail "no screenshot of the $2 window"
    echo "$id"
}

start_xvfb
"$program" &
app=$!

main=$(wait_window "Brannoch Number Guess 2002") || fail "the main window did not open"

help=$(open_and_shoot 1 Help help) || exit 1
license=$(open_and_shoot 2 License license) || exit 1
about=$(open_and_shoot 3 About about) || exit 1

close_window "$main"
wait_gone "$main" || fail "the main window did not close"
sleep 0.3
alive || fail "the program ended with the information windows still open"

close_window "$help"
close_window "$license"
wait_gone "$help" || fail "the Help window did not close"
wait_gone "$license" || fail "the License window did not close"
sleep 0.3
alive || fail "the program ended with the About window still open"

close_window "$about"
status=$(wait_exit "$app") || fail "the program did not end after its last window closed"
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "PASS: screenshots in $shots"
