# The Help menu opens the three information windows; each stays open on its own, and the
# program ends only when the last window is closed. Screenshots of the three windows are kept
# in $BNG_SHOTS_DIR (default /tmp/info-shots).
set -u
source "$(dirname "$0")/xvfb.sh"

program=$1
shots=${BNG_SHOTS_DIR:-/tmp/info-shots}
mkdir -p "$shots"

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
# With no window manager every window opens at the top-left corner, so the main window is
# raised first to bring its menu bar back into reach. The Options title is always leftmost on
# the menu bar; the arrow keys move on from it to the Help menu, which opens with its first
# entry highlighted, and down its entries, whatever width the titles take in the current font.
help_menu() {
    xdotool windowraise "$main"
    xdotool mousemove --window "$main" 20 9 click 1
    sleep 0.3
    xdotool key Right
    for _ in $(seq 2 "$1"); do
        xdotool key Down
    done
    xdotool key Return
}

# Saves a picture of window $1 in file $2 once it shows more than one colour, that is once
# it has painted its contents; prints nothing and fails if it never does.
shoot() {
    for _ in $(seq 100); do
        import -window "$1" "$2" 2>/dev/null &&
            [ "$(identify -format %k "$2")" -gt 1 ] && return 0
        sleep 0.1
    done
    return 1
}

# Opens Help menu entry $1, which must bring up the window titled $2, gives it the focus as a
# window manager would, and saves its picture as $3.png; prints the window's id.
open_window() {
    local id
    help_menu "$1"
    id=$(wait_window "$2") || fail "the $2 window did not open"
    xdotool windowfocus --sync "$id"
    shoot "$id" "$shots/$3.png" || fail "the $2 window shows nothing"
    echo "$id"
}

start_xvfb
"$program" &
app=$!

main=$(wait_window "Brannoch Number Guess 2002") || fail "the main window did not open"

help=$(open_window 1 Help help) || exit 1
license=$(open_window 2 License license) || exit 1
about=$(open_window 3 About about) || exit 1

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
wait_exit "$app" || fail "the program did not end after its last window closed"
[ "$EXIT_STATUS" = 0 ] || fail "the program ended with status $EXIT_STATUS"
echo "PASS: screenshots in $shots"
