#!/usr/bin/env bash
# The audio server comes and goes during a game, as when it starts late after log-in, crashes or
# is restarted by an update, hangs for a while, and the default output changes: the game plays
# on, every cue after the server is back is heard on the output that is the default then, a cue
# given while the server hangs is never heard late, and standard error says once that the sounds
# are silent and once that they are back, each time. A whole game afterwards is heard cue by
# cue, in order, and the game ends at once while the server hangs. The sounds are the stand-in
# tones of tones.py, in the folder the program starts in.
# Usage: audio_server_restart.sh <program>; the server is BNG_AUDIO's (see harness/audio.sh).
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../harness/session.sh"
PROGRAM=$(realpath "$1")

start_session --display
prepare_audio || fail "no folder for the audio server"
mkdir "$work/play"
cd "$work/play"
python3 "$harness/tones.py" make . || fail "no stand-in tones"
# The desktop's sound theme, for the bell where the display has no bell request.
mkdir -p "$work/data/sounds/freedesktop/stereo"
mv bell.wav "$work/data/sounds/freedesktop/stereo/"
export XDG_DATA_DIRS="$work/data"
STDERR_FILE="$work/stderr"
start_sound=$(media_file start sound) && lower_sound=$(media_file lower sound) &&
    higher_sound=$(media_file higher sound) && win_sound=$(media_file win sound) ||
    fail "media/media.txt does not name the cues' sounds"

# Standard error's lines up to here have been judged.
judged=0

# Only the game's own lines are judged (game_lines), in order.
# True once a line not yet judged matches $1, with none before it but those a loaded machine may
# write at any cue (see loaded_machine_line); the lines up to it are then judged.
_said() {
    local line number=$judged
    while IFS= read -r line; do
        number=$((number + 1))
        if grep -q "$1" <<<"$line"; then
            judged=$number
            return 0
        fi
        loaded_machine_line "$line" || return 1
    done < <(game_lines | tail -n +$((judged + 1)))
    return 1
}

# Fails unless every line not yet judged is one a loaded machine may write; all are then judged.
nothing_else_said() {
    local line
    while IFS= read -r line; do
        loaded_machine_line "$line" || { cat "$STDERR_FILE" >&2; fail "standard error said: $line"; }
        judged=$((judged + 1))
    done < <(game_lines | tail -n +$((judged + 1)))
}

# True once file $1 is larger than $2 bytes.
larger() {
    [ "$(stat -c %s "$1")" -gt "$2" ]
}

# Waits until standard error says $1 as the next line that matters.
said() {
    wait_until _said "$1" || { cat "$STDERR_FILE" >&2; fail "standard error did not say next: $1"; }
}

# Where the display has a bell request (X11), each one is counted.
if [ "$DESKTOP" != wayland ]; then
    python3 "$harness/bells.py" "$work/bells" &
    AT_EXIT+=("kill $! 2>/dev/null; wait $! 2>/dev/null")
    wait_until test -e "$work/bells" || fail "the bell requests could not be watched"
fi
rung() {
    [ "$(wc -l <"$work/bells")" = "$1" ]
}

open_game
choose_standard_game
# GO! with no server yet: the first cue is silent.
start_game 5 5
said 'sounds are silent: no audio server'

start_audio_server || fail "the audio server did not start"
hear bng "$higher_sound" guesses 3 || fail "the first cue with a server was not heard"
said 'sounds are back'

kill_audio_server
said 'sounds are silent: the audio server went away'
guesses 7
start_audio_server || fail "the audio server did not start again"
hear bng "$higher_sound" guesses 3 || fail "the first cue after a restart was not heard"
said 'sounds are back'

add_sink bng2 || fail "no second output"
hear bng2 "$lower_sound" guesses 7 || fail "a cue was not heard on the new default output"

# The server hangs: the cue of a guess is dropped, and once the server answers again it is not
# heard late, in the second of output before the next guess's cue (44100 bytes recorded).
start_recording "$work/hung.raw" bng2 || fail "the output could not be recorded"
# Only the hang may say now that the server does not answer.
nothing_else_said
kill -STOP "${AUDIO_SERVER_PIDS[@]}"
guesses 7
said 'sounds are silent: the audio server does not answer'
kill -CONT "${AUDIO_SERVER_PIDS[@]}"
wait_until larger "$work/hung.raw" $(($(stat -c %s "$work/hung.raw") + 44100)) ||
    fail "no output after a hang"
guesses 3
wait_until heard "$higher_sound" || fail "the first cue after a hang was not heard"
stop_recording
heard_in_order "$work/hung.raw" "$higher_sound" ||
    fail "a cue given while the server hung was heard late"
said 'sounds are back'

# The win is heard to its end, so that none of it is heard in the game below.
hear bng2 "$win_sound" guesses 5 || fail "the win was not heard"
wait_question || fail "the right guess did not ask to play again"
click_yes

# A whole game, heard on the default output: "I've got it" at GO!, then "higher", "lower" and
# "got it", each cue once, in this order, the last one whole, and the bell once with the last:
# on X11 one bell request, on Wayland the sound theme's bell.
choose_standard_game
type_limits 5 5
start_recording "$work/game.raw" bng2 || fail "the audio output could not be recorded"
# Each guess waits for the cue before, so that no cue cuts another before it is heard.
changes_message click_at 276 28 || fail "GO! did not start the game"
wait_until heard "$start_sound" || fail "GO! was not heard"
guesses 3
wait_until heard "$higher_sound" || fail "the guess below was not heard"
guesses 7
wait_until heard "$lower_sound" || fail "the guess above was not heard"
[ "$DESKTOP" = wayland ] || rung 1 || fail "the bell rang $(wc -l <"$work/bells") times at the first win"
guesses 5
wait_until heard "$win_sound" whole || fail "the win was not heard whole"
if [ "$DESKTOP" = wayland ]; then
    wait_until heard bell || fail "the bell did not ring at the win"
else
    wait_until rung 2 || fail "the bell did not ring at the win"
fi
wait_until test -e "$HEARD/quiet" || fail "the output did not fall silent after the win"
stop_recording
heard_in_order "$work/game.raw" "$start_sound" "$higher_sound" "$lower_sound" "$win_sound" ||
    fail "the game's cues were not heard in order"
if [ "$DESKTOP" = wayland ]; then
    # Once, as the win's cue starts.
    read -r win _ < <(python3 "$harness/tones.py" find "$work/game.raw" | awk -v sound="$win_sound" '$2 == sound { print $4 }')
    bells=$(bells_in "$work/game.raw")
    [ "$(wc -l <<<"$bells")" = 1 ] && [ "${bells%% *}" -ge $((win - 100)) ] &&
        [ "${bells%% *}" -le $((win + 200)) ] ||
        { printf 'the win at %s ms; the bell:\n%s\n' "$win" "$bells" >&2; fail "the bell did not ring once with the win"; }
else
    # The bell request alone: the sound theme's bell beside it would ring twice.
    [ -z "$(bells_in "$work/game.raw")" ] || fail "the sound theme's bell rang beside the X bell"
fi

# The game ends at once while the server hangs.
kill -STOP "${AUDIO_SERVER_PIDS[@]}"
click_no
kill -CONT "${AUDIO_SERVER_PIDS[@]}"
nothing_else_said
[ "$DESKTOP" = wayland ] || rung 2 || fail "the bell rang $(wc -l <"$work/bells") times in two wins"
echo "on $AUDIO_KIND: sounds came back after a late start, a restart and a hang, followed the" \
    "default output, and a whole game was heard in order:"
cat "$STDERR_FILE"
