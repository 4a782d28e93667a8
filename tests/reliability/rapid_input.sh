#!/usr/bin/env bash
# A hundred Enters in the guess box as fast as the keyboard sends them, and the right guess
# typed right after them, with the sound of every cue playing on an audio server: the program
# takes them all, judges the guess, wins, plays a second game and ends by Options > Exit with
# status 0, saying nothing on standard error. Usage: rapid_input.sh <program>
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../harness/session.sh"
PROGRAM=$(realpath "$1")

start_session --display --audio
mkdir "$work/play"
cd "$work/play"
STDERR_FILE="$work/stderr"
open_game
choose_standard_game
start_game 5 5
# A hundred Enters, then the right guess typed and entered at once, in the same burst: each cue
# cuts the one before while keys are still waiting, and the guess must still be judged.
burst=()
for _ in $(seq 100); do
    burst+=(Return)
done
key_burst "${burst[@]}" 5 Return
wait_question || fail "the right guess right after the Enters did not ask to play again"
click_yes
choose_standard_game
start_game 9 9
guesses 9
wait_question || fail "the second game was not won"
choose_exit
expect_no_game_lines
echo "took a hundred Enters at once, played on, and ended by Exit"
