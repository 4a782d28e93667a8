#!/usr/bin/env bash
# A whole game played on the built program is heard through a private audio server: "I've got
# it" at GO!, then "higher", "lower" and "got it" for the guesses, in this order and the last one
# whole. The program plays the stand-in tones of tones.py, which lie in the folder it starts
# in, and finds its faces beside itself. Usage: game_sound.sh <program>
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/desktop.sh"
source "$here/../reliability/game.sh"
BUILT_PROGRAM=$(realpath "$1")
PROGRAM=$BUILT_PROGRAM

start_session pulse
mkdir "$work/play"
cd "$work/play"
python3 "$here/tones.py" make . || fail "no stand-in tones"
STDERR_FILE="$work/stderr"
open_game
choose_standard_game
# Limits 5 and 5 leave one possible secret.
type_limits 5 5
start_recording "$work/recording.raw" || fail "the audio output could not be recorded"
changes_message click_at 276 28 || fail "GO! did not start the game"
guesses 3 7 5
wait_question || fail "the right guess did not ask to play again"
wait_until cue_recorded "$work/recording.raw" gotit.wav whole || fail "the win was not heard whole"
stop_recording

python3 "$here/tones.py" find "$work/recording.raw" >"$work/found" ||
    fail "the recording could not be analysed"
heard=$(awk '$1 == "cue" { print $2 } $1 == "stray" { print "stray" }' "$work/found")
expected="ivegot.wav
higher.wav
lower.wav
gotit.wav"
[ "$heard" = "$expected" ] || { cat "$work/found" >&2; fail "the game's cues were not heard in order"; }

click_no
expect_stderr
echo "heard a whole game: I've got it, higher, lower, got it"
