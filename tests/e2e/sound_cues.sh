#!/usr/bin/env bash
# The game's sound player, heard through a private audio server: a cue sounds whole, in the
# player's language where that has it, a cue cuts the one still playing, a cue repeated quickly
# sounds every time, and without an audio server or without the sound module the cues are silent
# with one line of explanation, a cue too large for the server is refused with one, and a program
# ended while its cue plays ends cleanly, time after time.
# Usage: sound_cues.sh <program>; the cue player is beside the program. It plays the stand-in
# tones of tones.py, from the folder it starts in. The audio server is BNG_AUDIO's (see
# harness/audio.sh).
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../harness/session.sh"
player="$(dirname "$(realpath "$1")")/bng-cue-player"

start_session --audio
mkdir "$work/tones"
python3 "$harness/tones.py" make "$work/tones" || fail "no stand-in tones"
cd "$work/tones"
start_sound=$(media_file start sound) && lower_sound=$(media_file lower sound) &&
    higher_sound=$(media_file higher sound) || fail "media/media.txt does not name the cues' sounds"

# Gives the cues "$@" with the cue player (see cue_player.cpp) while recording the audio output;
# a gate "?<file>", "?N.<file>", or either with ".whole", waits until that file is heard (as the
# N-th cue), or is heard whole (see tones.py watch). Afterwards $heard holds the cues heard, one "<file> whole|cut" a line, and "stray"
# for sound no cue explains.
listen() {
    local cues=("${@/#\?/?$work/recording.raw.heard/}")
    start_recording "$work/recording.raw" || fail "the audio output could not be recorded"
    timeout "$DEADLINE" "$player" "${cues[@]}" 2>"$work/stderr"
    local status=$?
    stop_recording
    if [ $status != 0 ]; then
        cat "$work/stderr" >&2
        python3 "$harness/tones.py" find "$work/recording.raw" >&2
        fail "the cue player failed, or a cue was never heard, for $*"
    fi
    [ -s "$work/stderr" ] && { cat "$work/stderr" >&2; fail "the cue player complained for $*"; }
    heard=$(cues_in "$work/recording.raw")
}

expect() {
    if [ "$heard" != "$1" ]; then
        printf 'heard:\n%s\nexpected:\n%s\n' "$heard" "$1" >&2
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

listen "$start_sound" "?1.$start_sound.whole"
expect "$start_sound whole" "a cue was not heard whole"

# A cue is spoken in the player's language where its folder holds it, else in English.
listen @de "$higher_sound" "?1.de/$higher_sound.whole" \
    @xx "$higher_sound" "?2.$higher_sound.whole"
expect "de/$higher_sound whole
$higher_sound whole" "a cue was not said in its language, nor in English where that lacks it"

# Given at once, the second cue leaves nothing of the first but what began before it.
listen "$lower_sound" "$higher_sound" "?$higher_sound.whole"
[[ $heard == "$higher_sound whole" || $heard == "$lower_sound cut"$'\n'"$higher_sound whole" ]] ||
    { printf 'heard:\n%s\n' "$heard" >&2; fail "a second cue given at once did not cut the first"; }

# long.wav lasts far longer than the tests wait, so the next cue must cut it.
listen long.wav '?1.long.wav' "$higher_sound" "?2.$higher_sound.whole"
expect "long.wav cut
$higher_sound whole" "a cue did not cut the one still playing, or left some of it behind"

# Each repeat is given once the one before is heard, while it still plays. Twenty quick cuts on
# a loaded machine may leave a glitch of stray sound; what a cut leaves behind is judged above.
cues=()
for n in $(seq 20); do cues+=("$lower_sound" "?$n.$lower_sound"); done
listen "${cues[@]}" "?20.$lower_sound.whole"
heard=$(grep -vx stray <<<"$heard")
[ "$(grep -c "^$lower_sound " <<<"$heard")" = 20 ] && [ "$(grep -vc "^$lower_sound " <<<"$heard")" = 0 ] ||
    { printf 'heard:\n%s\n' "$heard" >&2; fail "a cue given twenty times was not heard twenty times alone"; }
[ "$(tail -n1 <<<"$heard")" = "$lower_sound whole" ] || fail "the last repeated cue was cut short"

# Ended while its cue plays: closing the connection cuts the stream, and the
# program exits cleanly every time.
for run in $(seq 200); do
    "$player" "$lower_sound" 2>"$work/stderr" || fail "run $run ended with status $? after a cue"
    [ -s "$work/stderr" ] && { cat "$work/stderr" >&2; fail "run $run complained at its end"; }
done

# A cue larger than the server holds is refused, with one line, rather than cut off.
python3 -c 'import sys, wave; w = wave.open(sys.argv[1], "wb"); w.setnchannels(1)
w.setsampwidth(2); w.setframerate(22050); w.writeframes(bytes(15 << 20))' huge.wav
# The server's limit is known once the cue's stream is made: the player waits for the line.
(wait_until test -s "$work/stderr" && touch "$work/said") &
waiter=$!
timeout "$DEADLINE" "$player" huge.wav "?$work/said" 2>"$work/stderr" ||
    fail "the cue player failed for a cue too large, or said nothing"
wait "$waiter"
said_once 'cannot play sound .*huge.wav: it is larger than the audio server holds' \
    "a cue too large for the server was not refused with one line"

# No audio server: the cues are silent, the player goes on, and says so once.
stop_audio
export PULSE_SERVER="unix:$XDG_RUNTIME_DIR/none"
"$player" "$lower_sound" "$higher_sound" "$lower_sound" 2>"$work/stderr" ||
    fail "the cue player failed without an audio server"
said_once 'sounds are silent: no audio server' \
    "without an audio server the player did not say so on one line"

# No sound module beside the player: the same, once.
mkdir "$work/alone"
cp "$player" "$work/alone/"
"$work/alone/bng-cue-player" "$lower_sound" "$higher_sound" 2>"$work/stderr" ||
    fail "the cue player failed without the sound module"
said_once 'cannot play sounds: .*missing' \
    "without the sound module the player did not say so on one line"
echo "on $AUDIO_KIND: cues heard whole, cut by the next, twenty of twenty repeats;" \
    "200 clean ends during a cue; one line for a cue too large, and silent with one line" \
    "without a server or the module"
