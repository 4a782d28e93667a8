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
says "My number is lower. Guesses 2" guesses 7
says "You got my number! Guesses 3" guesses 5
wait_spoken 0 "Do you want to play again?"
wait_spoken 0 "Yes!"

main=$window
# Each information window, opened from the Help menu, says its caption and its text.
says "Brannoch Number Guess 2002" open_info_window "$main" 1 Help >/dev/null
wait_spoken 0 "This program is a simple number guessing game"
says "License dialog" open_info_window "$main" 2 License >/dev/null
wait_spoken 0 "List with 45 items"
says "About" open_info_window "$main" 3 About >/dev/null
wait_spoken 0 "Written by the Brannoch Software team"
# No failure report, and nothing the game could not show or play. (Qt itself may say that Orca,
# busy on a loaded machine, was late to answer for a key.)
grep -E 'Run-time error|cannot ' "$STDERR_FILE" && fail "the game failed with Orca running"
echo "Orca said all of a game and of the information windows:"
spoken
