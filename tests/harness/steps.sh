# Sourced by session.sh: the steps of a game, played with the keyboard and the mouse on the
# main window's client area, whose place find_client has set. Each step waits for what it must
# bring about on the screen. Places are design pixels of the client area:
#   Label1 8,8 153x17     Text1 168,8 65x19    GO! 240,8 73x41
#   Label2 8,32 153x17    Text2 168,32 65x19
#   face 8,56 57x57       Label3, the message, 64,56 249x57
#   Label6 16,120 41x17   Label5, the count, 64,120 41x33   Label4 112,120 137x17
#   Text3, the guess box, 248,120 65x33    Yes! 112,136 65x17    No. 184,136 65x17

silver="192,192,192"
black="0,0,0"
menu_area=(0 0 160 80)
message_area=(64 56 249 57)
count_area=(64 120 41 33)
face_area=(10 58 49 49)
go_area=(240 8 73 41)

# Opens the menu bar's first menu with F10 and waits until it shows.
open_menu() {
    local before
    before=$(region_print "${menu_area[@]}")
    key F10
    wait_region_change "${menu_area[@]}" "$before" || fail "F10 did not open the Options menu"
}

# Opens entry $2 of the Help menu (1 = Help, 2 = License, 3 = About) from the keyboard on the
# main window $1: F10 opens the Options menu, Right moves on to the Help menu with its first
# entry chosen. Prints the id of the window titled $3 once it shows.
open_info_window() {
    focus_window "$1"
    find_client "$1" 162
    open_menu
    local before
    before=$(region_print "${menu_area[@]}")
    key Right
    wait_region_change "${menu_area[@]}" "$before" || fail "Right did not open the Help menu"
    for _ in $(seq 2 "$2"); do
        key Down
    done
    key Return
    wait_window "$3"
}

# Options > Standard Game, reached from the keyboard.
choose_standard_game() {
    open_menu
    key Down Return
    # The message line, black, comes into view once the menu has closed.
    wait_pixel 70 60 "$black" || fail "Standard Game did not show the limit entry"
}

# Types the upper limit $1 and the lower limit $2 into their boxes, clicking into each, and
# waits until GO! is enabled by them.
type_limits() {
    local go
    go=$(region_print "${go_area[@]}")
    click_at 200 17
    type_text "$1"
    click_at 200 41
    type_text "$2"
    wait_region_change "${go_area[@]}" "$go" || fail "the limits did not enable GO!"
}

# Waits until the message line no longer shows what it showed before $1 was done.
changes_message() {
    local before
    before=$(region_print "${message_area[@]}")
    "$@"
    wait_region_change "${message_area[@]}" "$before"
}

# Starts a game with the upper limit $1 and the lower limit $2, pressing GO! with the mouse.
start_game() {
    type_limits "$1" "$2"
    changes_message click_at 276 28 || fail "GO! did not start the game"
}

# Submits each guess given with Enter and waits until the count shows it.
guesses() {
    for guess in "$@"; do
        submit_guess "$guess" key Return || fail "the guess $guess was not counted"
    done
}

# Types guess $1 into the guess box, submits it by running the rest of the arguments, and waits
# until the count changes.
submit_guess() {
    local count
    count=$(region_print "${count_area[@]}")
    type_text "$1"
    shift
    "$@"
    wait_region_change "${count_area[@]}" "$count"
}

# True while "Do you want to play again?" shows: its label's silver is the colour most seen
# there, around the text.
question_shown() {
    [ "$(python3 "$harness/contrast.py" background \
        <(grab_client 113 121 135 14 -))" = "$silver" ]
}

# Waits, for as long as a backlog of input may take, until the question shows.
wait_question() {
    wait_until question_shown
}

click_yes() {
    click_at 144 144
    _question_gone() { ! question_shown; }
    wait_until _question_gone || fail "Yes! left the question showing"
}

# Starts the program ($PROGRAM, with any arguments before it in "$@") with standard error in
# $STDERR_FILE, and waits for its main window. Sets PID and window.
open_game() {
    "$@" "$PROGRAM" 2>"$STDERR_FILE" &
    PID=$!
    window=$(wait_window "Brannoch Number Guess 2002") || fail "the main window did not open"
    find_client "$window" 162
    focus_window "$window"
    wait_until client_area_empty || fail "the main window opened with controls showing"
}

# True while the client area is all one colour, as it is before a game style is chosen.
client_area_empty() {
    [ "$(grab_client 0 0 323 162 - | convert ppm:- -unique-colors txt:- | grep -c '^[0-9]')" = 1 ]
}

# Ends the program by its PID if it still runs, as when a check failed.
stop_game() {
    [ -n "${PID:-}" ] && kill "$PID" 2>/dev/null && wait "$PID" 2>/dev/null
    PID=
}

# Ends the game with No. and checks that it ended with status 0.
click_no() {
    click_at 216 144
    wait_exit "$PID" || fail "No. did not end the program"
    PID=
    [ "$EXIT_STATUS" = 0 ] || fail "No. ended the program with status $EXIT_STATUS"
}

# Options > Exit, from the keyboard; checks that it ended the program with status 0.
choose_exit() {
    open_menu
    key Up Return
    wait_exit "$PID" || fail "Exit did not end the program"
    PID=
    [ "$EXIT_STATUS" = 0 ] || fail "Exit ended the program with status $EXIT_STATUS"
}

# Two whole games, the first with a guess above and one below the secret, "Yes!" between them,
# and "No." at the end.
play_two_games() {
    choose_standard_game
    start_game 5 5
    guesses 3 7 5
    wait_question || fail "the right guess did not ask to play again"
    click_yes
    choose_standard_game
    start_game 9 9
    guesses 9
    wait_question || fail "the second game was not won"
    click_no
}

# The game's own lines on standard error, those that begin with its name; the toolkit's and the
# libraries' warnings are theirs, and judged by no test.
game_lines() {
    grep -- "^${PROGRAM##*/}: " "$STDERR_FILE"
}

# True for a line that a loaded machine may write at any cue: a cue that could not start within
# half a second is left out, and the next one that starts says the sounds are back. Only a test
# that makes the audio server hang judges these.
loaded_machine_line() {
    [[ $1 == *"sounds are silent: the audio server does not answer"* ||
        $1 == *"sounds are back: "* ]]
}

# Fails if the game said anything on standard error besides what a loaded machine may write.
expect_no_game_lines() {
    local line said=""
    while IFS= read -r line; do
        loaded_machine_line "$line" || said+="$line"$'\n'
    done < <(game_lines)
    if [ -n "$said" ]; then
        echo "--- standard error:" >&2
        cat "$STDERR_FILE" >&2
        fail "the game said: ${said%$'\n'}"
    fi
}

# The face or the sound ($2) of cue $1 (start, lower, higher or win), as media/media.txt names
# it; fails, printing nothing, for a cue or a kind it does not name.
media_file() {
    local field
    case $2 in
        face) field=3 ;;
        sound) field=4 ;;
        *) return 1 ;;
    esac
    awk -v cue="$1" -v field="$field" '$1 == "cue" && $2 == cue { print $field; found = 1 }
        END { exit !found }' "$harness/../../media/media.txt"
}
