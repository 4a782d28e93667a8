#!/usr/bin/env bash
# A hundred Enters in the guess box as fast as xdotool sends them, with the sound of every cue
# playing on an audio server: the program takes them all, answers the next guess, wins, plays a
# second game and ends normally, saying nothing on standard error. Usage: rapid_input.sh <program>
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../e2e/xvfb.sh"
source "$here/game.sh"
BUILT_PROGRAM=$(realpath "$1")
PROGRAM=$BUILT_PROGRAM

start_session pulse
mkdir "$work/play"
cd "$work/play"
STDERR_FILE="$work/stderr"
open_game
choose_standard_game
start_game 5 5
enters=()
for _ in $(seq 100); do
    enters+=(Return)
done
xdotool key --delay 0 "${enters[@]}"
kill -0 "$PID" 2>/dev/null || fail "the program ended under the Enters"
question_shown && fail "an empty guess won"
guesses 5
wait_question || fail "the right guess after the Enters did not ask to play again"
click_yes
choose_standard_game
start_game 9 9
guesses 9
wait_question || fail "the second game was not won"
click_no
expect_stderr
echo "took a hundred Enters at once and played on"
