#!/usr/bin/env bash
# A whole game played on the built program, started from a folder that holds no media, is heard
# through a private audio server: "I've got it" at GO!, then "higher", "lower" and "got it" for
# the guesses, in this order and the last one whole. Usage: game_sound.sh <program>
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/xvfb.sh"
source "$here/audio.sh"
program=$(realpath "$1")
media="$(dirname "$program")/media"

start_xvfb
work=$(mktemp -d)
trap 'stop_audio; stop_xvfb; rm -rf "$work"' EXIT
start_audio || fail "no private audio server"
mkdir -m 700 "$work/run"
export XDG_RUNTIME_DIR="$work/run"
cd "$work"
"$program" 2>"$work/stderr" &
pid=$!

window=$(wait_window "Brannoch Number Guess 2002") || fail "the main window did not open"
find_client "$window" 162
xdotool windowfocus --sync "$window"
xdotool key F10
sleep 0.3
xdotool key Down Return
sleep 0.3
# Limits 5 and 5 leave one possible secret.
click_at 200 17
xdotool type --delay 20 5
click_at 200 41
xdotool type --delay 20 5
start_recording "$work/recording.raw" || fail "the audio output could not be recorded"
click_at 276 28
sleep 0.5
for guess in 3 7 5; do
    xdotool type --delay 20 "$guess"
    xdotool key Return
    sleep 0.5
done
sleep 1
stop_recording

python3 "$here/find_cues.py" "$work/recording.raw" \
    "$media/ivegot.wav" "$media/lower.wav" "$media/higher.wav" "$media/gotit.wav" \
    >"$work/found" || fail "the recording could not be analysed"
heard=$(awk '$1 == "cue" { print $2 } $1 == "stray" { print "stray" }' "$work/found")
expected="ivegot.wav
higher.wav
lower.wav
gotit.wav"
if [ "$heard" != "$expected" ] || ! tail -n2 "$work/found" | grep -q '^cue gotit.wav whole'; then
    cat "$work/found" >&2
    fail "the game's cues were not heard in order, the last one whole"
fi

click_at 216 144
wait_exit "$pid" || fail "No. did not end the program"
[ "$EXIT_STATUS" = 0 ] || fail "No. ended the program with status $EXIT_STATUS"
if [ -s "$work/stderr" ]; then
    cat "$work/stderr" >&2
    fail "the game complained while playing its sounds"
fi
echo "heard a whole game: I've got it, higher, lower, got it"
