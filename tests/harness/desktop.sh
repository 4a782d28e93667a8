# Sourced by session.sh: a private desktop for this test alone, started and stopped by PID, and
# the means to see and drive it. BNG_DESKTOP picks the desktop:
#   x11                          Xvfb at 96 DPI with Qt's default light palette (the default)
#   x11-dark                     the same with Qt's KDE theme reading a dark colour scheme
#   wayland                      Qt's native Wayland platform in a headless sway
#   scale-125, -150, -200        Xvfb with QT_SCALE_FACTOR 1.25, 1.5 or 2
#   dpi-120, -144, -192          Xvfb with an X server resolution (and Xft.dpi) of 120, 144 or 192
# Places within a window are given in design pixels, as the game's layout is; the functions
# here turn them into screen pixels at the desktop's scale (SCALE_PERCENT).

DESKTOP=${BNG_DESKTOP:-x11}
# How long any wait may last, in seconds: long enough for a loaded machine, which may only make
# a test slower, never fail it.
DEADLINE=${BNG_DEADLINE:-60}
DESKTOP_PID=
DESKTOP_DIR=
SCHEME_WINDOW_COLOUR=

case "$DESKTOP" in
    x11 | x11-dark | wayland) SCALE_PERCENT=100 ;;
    scale-125 | dpi-120) SCALE_PERCENT=125 ;;
    scale-150 | dpi-144) SCALE_PERCENT=150 ;;
    scale-200 | dpi-192) SCALE_PERCENT=200 ;;
    *)
        echo "unknown desktop '$DESKTOP'" >&2
        exit 2
        ;;
esac

# A length in design pixels, in screen pixels at the desktop's scale.
scaled() {
    echo $((($1 * SCALE_PERCENT + 50) / 100))
}

start_desktop() {
    DESKTOP_DIR=$(mktemp -d)
    case "$DESKTOP" in
        wayland) start_sway ;;
        *) start_x11 ;;
    esac
}

stop_desktop() {
    [ -n "${SEAT_DEVICES_PID:-}" ] && kill "$SEAT_DEVICES_PID" 2>/dev/null &&
        wait "$SEAT_DEVICES_PID" 2>/dev/null
    SEAT_DEVICES_PID=
    [ -n "$DESKTOP_PID" ] && kill "$DESKTOP_PID" 2>/dev/null && wait "$DESKTOP_PID" 2>/dev/null
    DESKTOP_PID=
    [ -n "$DESKTOP_DIR" ] && rm -rf "$DESKTOP_DIR"
    DESKTOP_DIR=
}

# --- X11: Xvfb, driven by xdotool, seen through ImageMagick's import ----------------------------

start_x11() {
    local dpi=96 size=1024x768
    case "$DESKTOP" in dpi-*) dpi=${DESKTOP#dpi-} ;; esac
    [ "$SCALE_PERCENT" -gt 150 ] && size=2048x1536
    # -noreset keeps the resources set below when the last client leaves.
    Xvfb -displayfd 3 -screen 0 "${size}x24" -dpi "$dpi" -noreset -nolisten tcp \
        3>"$DESKTOP_DIR/display" 2>"$DESKTOP_DIR/log" &
    DESKTOP_PID=$!
    wait_until test -s "$DESKTOP_DIR/display" || fail "the X server did not start"
    DISPLAY=":$(head -n1 "$DESKTOP_DIR/display")"
    export DISPLAY QT_QPA_PLATFORM=xcb
    unset WAYLAND_DISPLAY
    case "$DESKTOP" in
        # Qt takes the font resolution, and with it its scale, from Xft.dpi as desktops set it.
        dpi-*) xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "Xft.dpi:	$dpi
" ;;
        scale-*) export QT_SCALE_FACTOR=$((SCALE_PERCENT / 100)).$((SCALE_PERCENT % 100)) ;;
        x11-dark) dark_scheme ;;
    esac
}

# Breeze Dark's colours in the configuration that Qt's KDE theme reads, as in a Plasma session.
# SCHEME_WINDOW_COLOUR is the colour windows take from it.
dark_scheme() {
    SCHEME_WINDOW_COLOUR="49,54,59"
    mkdir "$DESKTOP_DIR/config"
    cat >"$DESKTOP_DIR/config/kdeglobals" <<'EOF'
[General]
ColorScheme=BreezeDark

[Colors:Button]
BackgroundNormal=49,54,59
ForegroundNormal=239,240,241

[Colors:Selection]
BackgroundNormal=61,174,233
ForegroundNormal=239,240,241

[Colors:Tooltip]
BackgroundNormal=49,54,59
ForegroundNormal=239,240,241

[Colors:View]
BackgroundNormal=35,38,41
ForegroundNormal=239,240,241
ForegroundLink=41,128,185
ForegroundVisited=127,140,141

[Colors:Window]
BackgroundNormal=49,54,59
ForegroundNormal=239,240,241
EOF
    export XDG_CONFIG_HOME="$DESKTOP_DIR/config" XDG_CURRENT_DESKTOP=KDE KDE_SESSION_VERSION=5
}

# --- Wayland: headless sway, driven by wtype and sway's seat commands, seen through grim ---------

start_sway() {
    mkdir -m 700 "$DESKTOP_DIR/run" "$DESKTOP_DIR/client"
    # Every window floats, centred where it opens, at the size it asks for, without borders.
    cat >"$DESKTOP_DIR/config" <<'EOF'
xwayland disable
output HEADLESS-1 resolution 1024x768 position 0 0 bg #336699 solid_color
default_border none
default_floating_border none
focus_follows_mouse no
for_window [app_id=".*"] floating enable
EOF
    # wlroots compositors refuse to run as root: as root (in a container, say) sway runs as
    # nobody, and the game, as root, may still use its socket. Anyone else runs it as themselves.
    local as_user=()
    if [ "$(id -u)" = 0 ]; then
        chown nobody:"$(id -gn nobody)" "$DESKTOP_DIR/run"
        chmod 755 "$DESKTOP_DIR"
        as_user=(setpriv --reuid=nobody --regid="$(id -gn nobody)" --clear-groups)
    fi
    env -i PATH="$PATH" HOME="$DESKTOP_DIR" XDG_RUNTIME_DIR="$DESKTOP_DIR/run" \
        BNG_RUN="${BNG_RUN:-}" BNG_SUITE="${BNG_SUITE:-}" \
        WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
        "${as_user[@]}" sway -c "$DESKTOP_DIR/config" >"$DESKTOP_DIR/log" 2>&1 &
    DESKTOP_PID=$!
    _sway_ready() {
        SWAYSOCK=$(ls "$DESKTOP_DIR"/run/sway-ipc.*.sock 2>/dev/null | head -n1)
        [ -n "$SWAYSOCK" ] && SWAYSOCK=$SWAYSOCK swaymsg -t get_version >/dev/null 2>&1
    }
    wait_until _sway_ready || { cat "$DESKTOP_DIR/log" >&2; fail "sway did not start"; }
    # The socket sway picked: the one in its runtime folder that is not a lock.
    WAYLAND_DISPLAY=$(ls "$DESKTOP_DIR"/run/wayland-* | grep -v '\.lock$' | head -n1)
    export SWAYSOCK WAYLAND_DISPLAY QT_QPA_PLATFORM=wayland
    export XDG_RUNTIME_DIR="$DESKTOP_DIR/client"
    # sway draws window frames itself (here none). Without decorations of its own Qt also does
    # not start EGL, which the game's widgets never use and whose software driver, started on
    # a machine without a GPU, leaks under the sanitizer build.
    export QT_WAYLAND_DISABLE_WINDOWDECORATION=1
    unset DISPLAY
    python3 "$harness/seat_devices.py" >"$DESKTOP_DIR/seat" 2>&1 &
    SEAT_DEVICES_PID=$!
    wait_until grep -qs ready "$DESKTOP_DIR/seat" ||
        { cat "$DESKTOP_DIR/seat" >&2; fail "the seat got no keyboard and pointer"; }
}

# Prints "id x y width height app_id" of each window that sway shows whose title is $1, or
# with "--id", whose sway id is $1. The size is the one the window took itself: sway may make
# a window's frame larger than the window would be, and then centres the window inside it.
sway_windows() {
    swaymsg -t get_tree | python3 -c '
import json, sys
key, value = sys.argv[1:]
def walk(node):
    if node.get("pid") and str(node[key]) == value:
        frame, inside, size = node["rect"], node["window_rect"], node["geometry"]
        x = frame["x"] + inside["x"] + (inside["width"] - size["width"]) // 2
        y = frame["y"] + inside["y"] + (inside["height"] - size["height"]) // 2
        print(node["id"], x, y, size["width"], size["height"], node.get("app_id"))
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        walk(child)
walk(json.load(sys.stdin))' "$([ "$1" = --id ] && echo id || echo name)" "${2:-$1}"
}

sway_window() {
    sway_windows --id "$1"
}

# --- The same operations on every desktop --------------------------------------------------------

# Prints the id of a shown window whose title is exactly $1, once there is one.
wait_window() {
    local id
    _find_window() {
        case "$DESKTOP" in
            wayland) id=$(sway_windows "$1" | awk 'NR == 1 { print $1 }') ;;
            *) id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1) ;;
        esac
        [ -n "$id" ]
    }
    wait_until _find_window "$1" || { echo "no window named '$1' appeared" >&2; return 1; }
    echo "$id"
}

# True while window $1 is shown.
window_shown() {
    case "$DESKTOP" in
        wayland) [ -n "$(sway_window "$1")" ] ;;
        *) xwininfo -id "$1" 2>/dev/null | grep -q IsViewable ;;
    esac
}

wait_gone() {
    _window_gone() { ! window_shown "$1"; }
    wait_until _window_gone "$1"
}

# Sets WINDOW_X, WINDOW_Y, WINDOW_WIDTH and WINDOW_HEIGHT to window $1's place on the screen, in
# screen pixels, the title bar and borders (if any) left out.
window_geometry() {
    case "$DESKTOP" in
        wayland)
            read -r _ WINDOW_X WINDOW_Y WINDOW_WIDTH WINDOW_HEIGHT _ < <(sway_window "$1") ;;
        *)
            local X Y WIDTH HEIGHT SCREEN WINDOW
            eval "$(xdotool getwindowgeometry --shell "$1")"
            WINDOW_X=$X WINDOW_Y=$Y WINDOW_WIDTH=$WIDTH WINDOW_HEIGHT=$HEIGHT ;;
    esac
}

# The application id of window $1: on Wayland the one the desktop matches to the desktop entry,
# on X11 the class of WM_CLASS, its counterpart there.
window_app_id() {
    case "$DESKTOP" in
        wayland) sway_window "$1" | awk '{ print $6 }' ;;
        *) xprop -id "$1" -notype WM_CLASS | sed -n 's/.*, "\(.*\)"$/\1/p' ;;
    esac
}

# Sets CLIENT_X and CLIENT_Y to the screen position of window $1's client area, which lies
# below the menu bar: $2 design pixels high (162 for the main window) at the window's bottom.
find_client() {
    window_geometry "$1"
    CLIENT_X=$WINDOW_X
    CLIENT_Y=$((WINDOW_Y + WINDOW_HEIGHT - $(scaled "${2:-0}")))
}

# Makes window $1 the active window, raised and holding the keyboard, as a click on it would.
focus_window() {
    case "$DESKTOP" in
        wayland) swaymsg "[con_id=$1] focus" >/dev/null ;;
        *) xdotool windowraise "$1" windowfocus --sync "$1" ;;
    esac
}

# Asks window $1 to close, as its title bar's close button does.
close_window() {
    case "$DESKTOP" in
        wayland) swaymsg "[con_id=$1] kill" >/dev/null ;;
        *) x11_close "$1" ;;
    esac
}

# Sends WM_DELETE_WINDOW to window $1, so that the program sees an ordinary close request.
# (xdotool's windowclose destroys the window behind the program's back instead.)
x11_close() {
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

# True if window $1 keeps its size: on Wayland the compositor, asked to make it larger, leaves
# it as it is; on X11 it tells window managers a minimum size equal to its maximum size.
fixed_size() {
    case "$DESKTOP" in
        wayland)
            window_geometry "$1"
            local width=$WINDOW_WIDTH height=$WINDOW_HEIGHT
            swaymsg "[con_id=$1] resize set width $((width + 50)) px height $((height + 50)) px" \
                >/dev/null
            window_geometry "$1"
            # The frame stays as large as asked; it is brought back to the window's size.
            swaymsg "[con_id=$1] resize set width $width px height $height px" >/dev/null
            [ "$WINDOW_WIDTH" = "$width" ] && [ "$WINDOW_HEIGHT" = "$height" ] ;;
        *)
            local hints minimum maximum
            hints=$(xprop -id "$1" WM_NORMAL_HINTS)
            minimum=$(sed -n 's/.*minimum size: //p' <<<"$hints")
            maximum=$(sed -n 's/.*maximum size: //p' <<<"$hints")
            [ -n "$minimum" ] && [ "$minimum" = "$maximum" ] ;;
    esac
}

# Presses and releases each key named (X keysym names: F10, Down, Return, Tab...) in turn.
key() {
    case "$DESKTOP" in
        wayland) wtype $(printf -- '-k %s ' "$@") ;;
        *) xdotool key "$@" ;;
    esac
}

# Presses and releases the keys named as fast as the keyboard can send them, all in one go.
key_burst() {
    case "$DESKTOP" in
        wayland) wtype $(printf -- '-k %s ' "$@") ;;
        *) xdotool key --delay 0 "$@" ;;
    esac
}

# Types text $1 on the keyboard.
type_text() {
    case "$DESKTOP" in
        wayland) wtype "$1" ;;
        *) xdotool type --delay 20 "$1" ;;
    esac
}

# Presses the left mouse button $3 times (once by default) at the point $1,$2 of the client
# area, all sent at once, so that twice is a double click however slowly the tools run. On Wayland the pointer then leaves the
# windows, since the compositor draws it into screen grabs.
click_at() {
    local x y times=${3:-1}
    x=$((CLIENT_X + $(scaled "$1")))
    y=$((CLIENT_Y + $(scaled "$2")))
    case "$DESKTOP" in
        wayland)
            local clicks="seat - cursor set $x $y"
            for _ in $(seq "$times"); do
                clicks+="; seat - cursor press button1; seat - cursor release button1"
            done
            swaymsg "$clicks; seat - cursor set 0 0" >/dev/null ;;
        *) xdotool mousemove "$x" "$y" click --repeat "$times" --delay 0 1 ;;
    esac
}

double_click_at() {
    click_at "$1" "$2" 2
}

# Saves the screen rectangle x,y (screen pixels) of width $3 and height $4 in file $5 as a
# binary PPM picture; with file "-", writes it to standard output.
grab() {
    case "$DESKTOP" in
        wayland) grim -t ppm -g "$1,$2 $3x$4" "$5" ;;
        *) import -silent -window root -crop "$3x$4+$1+$2" +repage -depth 8 ppm:"$5" 2>/dev/null ;;
    esac
}

# The same for the rectangle x,y,width,height given in design pixels of the client area.
grab_client() {
    grab $((CLIENT_X + $(scaled "$1"))) $((CLIENT_Y + $(scaled "$2"))) "$(scaled "$3")" \
        "$(scaled "$4")" "$5"
}

# A fingerprint of the client rectangle x,y,width,height (design pixels), to see it change.
region_print() {
    grab_client "$@" - | md5sum
}

# Waits until the client rectangle x,y,width,height no longer has the fingerprint $5.
wait_region_change() {
    local rect=("$1" "$2" "$3" "$4") before=$5
    _region_changed() { [ "$(region_print "${rect[@]}")" != "$before" ]; }
    wait_until _region_changed
}

# The colour of one screen pixel as "r,g,b".
pixel() {
    grab "$1" "$2" 1 1 - | tail -c 3 | od -An -tu1 | awk '{ print $1 "," $2 "," $3 }'
}

# The colour of the point x,y of the client area (design pixels).
client_pixel() {
    pixel $((CLIENT_X + $(scaled "$1"))) $((CLIENT_Y + $(scaled "$2")))
}

# Waits until the point x,y of the client area shows colour $3 ("r,g,b").
wait_pixel() {
    local x=$1 y=$2 colour=$3
    _pixel_shows() { [ "$(client_pixel "$x" "$y")" = "$colour" ]; }
    wait_until _pixel_shows
}

# Saves window $1 as the PNG picture $2.
shoot() {
    case "$DESKTOP" in
        wayland)
            window_geometry "$1"
            grim -g "$WINDOW_X,$WINDOW_Y ${WINDOW_WIDTH}x$WINDOW_HEIGHT" "$2" ;;
        *) import -silent -window "$1" "$2" 2>/dev/null ;;
    esac
}

# Waits until process $1, a child of this shell, has ended and sets EXIT_STATUS to its status.
# It must run in the program's parent shell, not inside $(...), to collect that status.
wait_exit() {
    local pid=$1
    _process_ended() { ! kill -0 "$pid" 2>/dev/null; }
    if ! wait_until _process_ended; then
        echo "process $pid did not end" >&2
        kill "$pid" 2>/dev/null
        return 1
    fi
    wait "$pid"
    EXIT_STATUS=$?
}

# Ends the test with a message, keeping a picture of the main window in $shots if one is kept.
fail() {
    [ -n "${shots:-}" ] && [ -n "${window:-}" ] && window_shown "$window" &&
        shoot "$window" "$shots/failure.png"
    echo "FAIL: $*" >&2
    exit 1
}

# Ends the test as skipped (ctest's skip status), saying why.
skip() {
    echo "SKIP: $*"
    exit 77
}
