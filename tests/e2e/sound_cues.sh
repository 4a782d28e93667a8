#!/usr/bin/env bash
# The game's sound player, heard through a private audio server: a cue sounds whole, a cue cuts
# the one still playing, a cue repeated quickly sounds every time, and without an audio server
# or without the sound module the cues are silent with one line of explanation, and a program
# ended while its cue plays ends cleanly, time after time.
# Usage: sound_cues.sh <program>; the cue player is beside the program. It plays the stand-in
# tones of tones.py, from the folder it starts in. The audio server is BNG_AUDIO's (see audio.sh).
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/audio.sh"
folder=$(dirname "$(realpath "$1")")
player="$folder/bng-cue-player"
work=$(mktemp -d)
trap 'stop_audio; rm -rf "$work"' EXIT
media="$work/tones"
mkdir "$media"
python3 "$here/tones.py" make "$media" || { echo "FAIL: no stand-in tones" >&2; exit 1; }
cd "$media"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Gives the cues "$@" with the cue player while recording the audio output; afterwards $heard
# holds the cues heard, one "<file> whole|cut" a line, and "stray" for sound no cue explains.
listen() {
    start_recording "$work/recording.raw" || fail "the audio output could not be recorded"
    "$player" "$@" 2>"$work/stderr" || fail "the cue player failed for $*"
    stop_recording
    [ -s "$work/stderr" ] && { cat "$work/stderr" >&2; fail "the cue player complained for $*"; }
    python3 "$here/tones.py" find "$work/recording.raw" >"$work/found" ||
        fail "the recording could not be analysed"
    heard=$(awk '$1 == "cue" { print $2, $3 } $1 == "stray" { print "stray" }' "$work/found")
}

expect() {
    if [ "$heard" != "$1" ]; then
        printf 'heard:\n%s\nexpected:\n%s\n' "$heard" "$1" >&2
        cat "$work/found" >&2
        fail "$2"
    fi
}

# The player's standard error holds exactly one line, and it matches $1.
said_once() {
    [ "$(wc -l <"$work/stderr")" = 1 ] && grep -q "$1" "$work/stderr" || {
        cat "$work/stderr" >&2
        fail "$2"
    }
}

start_audio || fail "no private audio server"

listen ivegot.wav@0 @1500
expect "ivegot.wav whole" "a cue was not heard whole"

listen lower.wav@0 higher.wav@0 @1000
expect "higher.wav whole" "a second cue given at once did not cut the first"
read -r first last < <(awk '$1 == "span" { print $2, $3 }' "$work/found")
[ $((last - first)) -le 450 ] ||
    fail "the sound lasted $((last - first)) ms, longer than higher.wav alone"

listen lower.wav@0 higher.wav@150 @1000
expect "lower.wav cut
higher.wav whole" "a cue did not cut the one still playing, or left some of it behind"

cues=()
for _ in $(seq 20); do cues+=(lower.wav@250); done
listen "${cues[@]}" @1000
times=$(grep -c '^lower.wav ' <<<"$heard")
[ "$times" = 20 ] || { cat "$work/found" >&2; fail "a cue given twenty times was heard $times times"; }
[ "$(grep -vc "^lower.wav " <<<"$heard")" = 0 ] ||
    { cat "$work/found" >&2; fail "a repeated cue left stray sound"; }
[ "$(tail -n1 <<<"$heard")" = "lower.wav whole" ] || fail "the last repeated cue was cut short"

# Ended while its cue plays: closing the connection cuts the stream, and the
# program exits cleanly every time.
for run in $(seq 200); do
    "$player" lower.wav@0 2>"$work/stderr" || fail "run $run ended with status $? after a cue"
    [ -s "$work/stderr" ] && { cat "$work/stderr" >&2; fail "run $run complained at its end"; }
done

# No audio server: the cues are silent, the player goes on, and says so once.
stop_audio
mkdir -m 700 "$work/run"
export HOME="$work" XDG_RUNTIME_DIR="$work/run" PULSE_SERVER="unix:$work/run/none"
"$player" lower.wav@0 higher.wav@100 lower.wav@100 @100 2>"$work/stderr" ||
    fail "the cue player failed without an audio server"
said_once 'sounds are silent: no audio server' \
    "without an audio server the player did not say so on one line"

# No sound module beside the player: the same, once.
mkdir "$work/alone"
cp "$player" "$work/alone/"
"$work/alone/bng-cue-player" lower.wav@0 higher.wav@100 @100 2>"$work/stderr" ||
    fail "the cue player failed without the sound module"
said_once 'cannot play sounds: .*missing' \
    "without the sound module the player did not say so on one line"
echo "on $AUDIO_KIND: cues heard whole, cut by the next, twenty of twenty repeats;" \
    "200 clean ends during a cue; silent with one line without a server or the module"
