#!/usr/bin/env bash
# The audio server is killed in the middle of a game: the game plays on, in silence, through to
# a second game, and standard error says so in one line of the game's.
# Usage: audio_server_killed.sh <program>
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
guesses 3
pactl list short sink-inputs | grep -q . || fail "the game's sound did not reach the server"
if [ -s "$STDERR_FILE" ]; then
    cat "$STDERR_FILE" >&2
    fail "the game complained before the audio server was killed"
fi
{
    kill -KILL "$PULSE_PID"
    wait "$PULSE_PID"
} 2>/dev/null
PULSE_PID=
guesses 7 2 5
wait_question || fail "the right guess did not ask to play again"
click_yes
choose_standard_game
start_game 9 9
guesses 9
wait_question || fail "the second game was not won"
click_no
[ "$(wc -l <"$STDERR_FILE")" = 1 ] && grep -Eq '^brannoch-number-guess: .*sound' "$STDERR_FILE" || {
    cat "$STDERR_FILE" >&2
    fail "standard error does not say in one line of the game's that the sounds were lost"
}
echo "played on after the audio server was killed: $(cat "$STDERR_FILE")"
