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

# Waits until process $1 has ended and prints its exit status.
wait_exit() {
    local status
    for _ in $(seq 200); do
        if ! kill -0 "$1" 2>/dev/null; then
            wait "$1"
            status=$?
            echo "$status"
            return 0
        fi
        sleep 0.05
    done
    echo "process $1 did not end" >&2
    kill "$1" 2>/dev/null
    return 1
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
