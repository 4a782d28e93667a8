#!/usr/bin/env bash
# A whole game, then Help, License and About, played from the keyboard alone with Orca running
# before the game starts, as a blind player plays it: Orca must say the window, the menu, each
# limit box by name on the way the Tab key takes, the start prompt, each answer with its count
# while the focus stays in the guess box, the question with "Yes!", and each information
# window's caption with its text; and a guess sent through the accessibility bus alone is judged.
# Usage: screen_reader.sh <program>
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../harness/session.sh"
PROGRAM=$(realpath "$1")

start_session --display --bus --screen-reader
STDERR_FILE=$work/stderr

# Does what "${@:2}" does and waits until Orca says $1 of it.
says() {
    local words=$1 mark
    mark=$(spoken_count)
    shift
    "$@"
    wait_spoken "$mark" "$words"
}

says "Brannoch Number Guess 2002" open_game
says "Options" key F10
says "Standard Game" key Return
key Return
says "Upper limit" key Tab
type_text 5
says "Lower limit" key Tab
type_text 5
says "I've got the number! What's your guess?" key Return
# The first guess is typed and sent through the accessibility bus alone, as switch access and
# voice control send it: the guess box's click is its Press action.
says "My number is higher. Guesses 1" \
    python3 "$harness/orca/press.py" brannoch-number-guess "Your guess" 3
# The same answer again is said again, though only its count has changed.
says "My number is higher. Guesses 2" guesses 4
says "My number is lower. Guesses 3" guesses 7
mark=$(spoken_count)
guesses 5
wait_spoken "$mark" "Yes!" "Do you want to play again?"
wait_spoken "$mark" "You got my number! Guesses 4"

main=$window
# Each information window, opened from the Help menu, says its caption and then its text.
mark=$(spoken_count)
open_info_window "$main" 1 Help >/dev/null
wait_spoken "$mark" "Help" "Brannoch Number Guess 2002" "Playing the game." \
    "This program is a simple number guessing game" "No upper limit" \
    "set as high as it can go."
mark=$(spoken_count)
open_info_window "$main" 2 License >/dev/null
wait_spoken "$mark" "License" "License agreement" "List with"
mark=$(spoken_count)
open_info_window "$main" 3 About >/dev/null
wait_spoken "$mark" "About" "Brannoch Number Guess 2002" "Written by the Brannoch Software team"
# No failure report, and nothing the game could not show or play.
game_lines | grep -E 'Run-time error|cannot ' && fail "the game failed with Orca running"
echo "Orca said all of a game and of the information windows:"
spoken
