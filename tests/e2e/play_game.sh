#!/usr/bin/env bash
# Plays whole games with the keyboard and mouse on the built program, started from a folder
# that holds no media, and ends it with "No.". Usage: play_game.sh <program>
set -uo pipefail
source "$(dirname "$0")/xvfb.sh"
source "$(dirname "$0")/steps.sh"
program=$(realpath "$1")
shots=${BNG_SCREENSHOTS:-}

start_xvfb
elsewhere=$(mktemp -d)
trap 'stop_xvfb; rm -rf "$elsewhere"' EXIT
cd "$elsewhere"
"$program" 2>"$elsewhere/stderr" &
pid=$!

window=$(wait_window "Brannoch Number Guess 2002") || fail "the main window did not open"
find_client "$window" 162
xdotool windowfocus --sync "$window"
[ -n "$shots" ] && import -window "$window" "$shots/start.png"

choose_standard_game
# Limits 5 and 5 leave one possible secret.
start_game 5 5
face_before=$(pixel $((CLIENT_X + 36)) $((CLIENT_Y + 84)))
guesses 3
face_higher=$(pixel $((CLIENT_X + 36)) $((CLIENT_Y + 84)))
[ "$face_higher" != "$face_before" ] || fail "the face did not change for a guess"
guesses 7
[ -n "$shots" ] && import -window "$window" "$shots/playing.png"
question_shown && fail "the question showed before the right guess"
guesses 5
wait_question || fail "the right guess did not ask to play again"
[ -n "$shots" ] && import -window "$window" "$shots/won.png"

click_yes
question_shown && fail "Yes! left the question showing"

choose_standard_game
start_game 9 9
guesses 1 9
wait_question || fail "the second game was not won"

click_at 216 144
wait_exit "$pid" || fail "No. did not end the program"
[ "$EXIT_STATUS" = 0 ] || fail "No. ended the program with status $EXIT_STATUS"
if grep -v 'XDG_RUNTIME_DIR' "$elsewhere/stderr" | grep -q 'cannot'; then
    cat "$elsewhere/stderr" >&2
    fail "media were not found from an unrelated folder"
fi
echo "played two games and ended with No."
