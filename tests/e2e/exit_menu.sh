#!/usr/bin/env bash
# The program opens its captioned window with every control hidden, and Options > Exit ends it
# with status 0. Usage: exit_menu.sh <program>
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/desktop.sh"
source "$here/steps.sh"

start_desktop
"$1" &
pid=$!
window=$(wait_window "Brannoch Number Guess 2002") || fail "the main window did not open"
find_client "$window" 162
focus_window "$window"
# The empty client area is all one colour: no control shows.
colours=$(grab_client 0 0 323 162 - | convert ppm:- -unique-colors txt:- | grep -c '^[0-9]')
[ "$colours" = 1 ] || fail "the client area shows $colours colours, not an empty window"
kill -0 "$pid" || fail "the program ended by itself"

open_menu
key Up Return
wait_exit "$pid" || fail "Exit did not end the program"
[ "$EXIT_STATUS" = 0 ] || fail "Exit ended the program with status $EXIT_STATUS"
echo "opened empty and ended with Exit"
