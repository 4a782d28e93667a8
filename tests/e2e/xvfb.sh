# Sourced by end-to-end scripts: a private X display for this test alone, stopped by its PID.
# Afterwards DISPLAY names it, and stop_xvfb (also run on exit) ends it.

start_xvfb() {
    local fdfile
    fdfile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fdfile" 2>/dev/null &
    XVFB_PID=$!
    for _ in $(seq 100); do
        [ -s "$fdfile" ] && break
        sleep 0.05
    done
    DISPLAY=":$(head -n1 "$fdfile")"
    export DISPLAY
    rm -f "$fdfile"
    trap stop_xvfb EXIT
}

stop_xvfb() {
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
    XVFB_PID=
}

# Waits for a visible window whose title is exactly $1 and prints its id.
wait_window() {
    local id
    for _ in $(seq 200); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.05
    done
    echo "no window named '$1' appeared" >&2
    return 1
}

# Waits until process $1, a child of this shell, has ended and sets EXIT_STATUS to its status.
# It must run in the program's parent shell, not inside $(...), to collect that status.
wait_exit() {
    for _ in $(seq 200); do
        if ! kill -0 "$1" 2>/dev/null; then
            wait "$1"
            EXIT_STATUS=$?
            return 0
        fi
        sleep 0.05
    done
    echo "process $1 did not end" >&2
    kill "$1" 2>/dev/null
    return 1
}

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

fail() {
    [ -n "${shots:-}" ] && [ -n "${window:-}" ] && import -window "$window" "$shots/failure.png"
    echo "FAIL: $*" >&2
    exit 1
}

# The colour of one screen pixel as "r,g,b".
pixel() {
    import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null |
        sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p' | tail -n1
}

# Sets CLIENT_X and CLIENT_Y to the screen position of window $1's client area, which lies
# below the menu bar: $2 pixels high at the window's bottom.
find_client() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    CLIENT_X=$X
    CLIENT_Y=$((Y + HEIGHT - $2))
}

# Clicks the point x,y of the client area.
click_at() {
    xdotool mousemove --sync $((CLIENT_X + $1)) $((CLIENT_Y + $2)) click 1
}
