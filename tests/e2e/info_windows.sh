#!/usr/bin/env bash
# The Help menu opens the three information windows; each stays open on its own, and the
# program ends only when the last window is closed; a window asked for again while covered comes
# to the front. Screenshots of the three windows are kept
# in $BNG_SHOTS_DIR if set. Usage: info_windows.sh <program>
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../harness/session.sh"
PROGRAM=$(realpath "$1")

start_session --display
shots=${BNG_SHOTS_DIR:-$work}
mkdir -p "$shots"

# Saves a picture of window $1 in file $2 once it shows more than one colour, that is once
# it has painted its contents; fails if it never does.
shoot_painted() {
    _painted() { shoot "$1" "$2" && [ "$(identify -format %k "$2")" -gt 1 ]; }
    wait_until _painted "$1" "$2"
}

# Opens Help menu entry $1, which must bring up the window titled $2, gives it the focus as a
# window manager would, and saves its picture as $3.png; prints the window's id.
open_window() {
    local id
    id=$(open_info_window "$main" "$1" "$2") || fail "the $2 window did not open"
    focus_window "$id"
    shoot_painted "$id" "$shots/$3.png" || fail "the $2 window shows nothing"
    echo "$id"
}

STDERR_FILE=$work/stderr
open_game
main=$window

# What window $1's place on the screen shows.
screen_print() {
    window_geometry "$1"
    grab "$WINDOW_X" "$WINDOW_Y" "$WINDOW_WIDTH" "$WINDOW_HEIGHT" - | md5sum
}

help=$(open_window 1 Help help) || exit 1
help_shown=$(screen_print "$help")
license=$(open_window 2 License license) || exit 1
about=$(open_window 3 About about) || exit 1

# Asked for again while the others cover it, the Help window comes to the front as it was.
[ "$(screen_print "$help")" != "$help_shown" ] || fail "the other windows do not cover Help"
[ "$(open_info_window "$main" 1 Help)" = "$help" ] || fail "Help was asked for and another came"
_help_in_front() { [ "$(screen_print "$help")" = "$help_shown" ]; }
wait_until _help_in_front || fail "the Help window, asked for again, stayed behind the others"

# A program that ended would take all its windows with it; one that closes a window on request
# is still running.
close_window "$main"
wait_gone "$main" || fail "the main window did not close"
close_window "$help"
wait_gone "$help" || fail "the Help window did not close"
window_shown "$license" && window_shown "$about" ||
    fail "the program ended with the information windows still open"

close_window "$license"
wait_gone "$license" || fail "the License window did not close"
window_shown "$about" || fail "the program ended with the About window still open"

close_window "$about"
wait_exit "$PID" || fail "the program did not end after its last window closed"
[ "$EXIT_STATUS" = 0 ] || fail "the program ended with status $EXIT_STATUS"
PID=
echo "each window stayed open on its own; the last one closed ended the program"
