#!/usr/bin/env bash
# A whole game, then Help, License and About, played from the keyboard alone with Orca running
# before the game starts, as a blind player plays it: Orca must say the window, the menu, each
# limit box by name on the way the Tab key takes, the start prompt, each answer with its count
# while the focus stays in the guess box, the question with "Yes!", and each information
# window's caption with its text; and a guess sent through the accessibility bus alone is judged.
# The game speaks the language BNG_LANGUAGE names (see harness/language.sh), in its texts and in
# its cues, heard through a private audio server as the stand-in tones of tones.py for that
# language; Orca's own words stay English.
# Usage: screen_reader.sh <program>
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../harness/session.sh"
PROGRAM=$(realpath "$1")

start_session --display --bus --screen-reader --audio
STDERR_FILE=$work/stderr
mkdir "$work/tones"
cd "$work/tones" || fail "no folder for the stand-in tones"
python3 "$harness/tones.py" make . || fail "no stand-in tones"

# The sound of cue $1 in the language.
sound() {
    echo "$SPOKEN_IN$(media_file "$1" sound)"
}

# Does what "${@:2}" does and waits until Orca says $1 of it.
says() {
    local words=$1 mark
    mark=$(spoken_count)
    shift
    "$@"
    wait_spoken "$mark" "$words"
}

says "Brannoch Number Guess 2002" open_game
says "$(w Options)" key F10
says "$(w "Standard Game")" key Return
key Return
says "$(w "Upper limit")" key Tab
type_text 5
says "$(w "Lower limit")" key Tab
type_text 5
start_recording "$work/game.raw" || fail "the audio output could not be recorded"
says "$(w "I've got the number! What's your guess?")" key Return
# Each cue is heard before the next guess, so that none cuts another before it is heard.
wait_until heard "$(sound start)" || fail "GO! was not heard"
# The first guess is typed and sent through the accessibility bus alone, as switch access and
# voice control send it: the guess box's click is its Press action.
says "$(w "My number is higher. Guesses 1")" \
    python3 "$harness/orca/press.py" brannoch-number-guess "$(w "Your guess")" 3
# The same answer again is said again, though only its count has changed.
wait_until heard 2."$(sound higher)" || fail "the first guess was not heard"
says "$(w "My number is higher. Guesses 2")" guesses 4
wait_until heard 3."$(sound higher)" || fail "the second guess was not heard"
says "$(w "My number is lower. Guesses 3")" guesses 7
wait_until heard "$(sound lower)" || fail "the third guess was not heard"
mark=$(spoken_count)
guesses 5
wait_spoken "$mark" "$(w Yes!)" "$(w "Do you want to play again?")"
wait_spoken "$mark" "$(w "You got my number! Guesses 4")"
wait_until heard "$(sound win)" whole || fail "the win was not heard whole"
stop_recording
heard_in_order "$work/game.raw" "$(sound start)" "$(sound higher)" "$(sound higher)" \
    "$(sound lower)" "$(sound win)" || fail "the game's cues were not heard, in order, in its language"

main=$window
# Each information window, opened from the Help menu, says its caption and then its text.
mark=$(spoken_count)
open_info_window "$main" 1 "$(w Help)" >/dev/null
wait_spoken "$mark" "$(w Help)" "Brannoch Number Guess 2002" "$(w "Playing the game.")" \
    "$(w "This program is a simple number guessing game")" "$(w "No upper limit")" \
    "$(w "set as high as it can go.")"
mark=$(spoken_count)
open_info_window "$main" 2 "$(w License)" >/dev/null
wait_spoken "$mark" "$(w License)" "$(w "License agreement")" "List with"
mark=$(spoken_count)
open_info_window "$main" 3 "$(w About)" >/dev/null
wait_spoken "$mark" "$(w About)" "Brannoch Number Guess 2002" \
    "$(w "Written by the Brannoch Software team")"
# No failure report, and nothing the game could not show or play.
game_lines | grep -E 'Run-time error|cannot ' && fail "the game failed with Orca running"
echo "Orca said all of a game and of the information windows:"
spoken
