# Sourced after xvfb.sh: the steps of a game, played with the keyboard and the mouse on the main
# window's client area, whose place find_client has set.

silver="192,192,192"

# Options > Standard Game, reached from the keyboard.
choose_standard_game() {
    xdotool key F10
    sleep 0.3
    xdotool key Down Return
    sleep 0.3
}

start_game() {
    click_at 200 17
    xdotool type --delay 20 "$1"
    click_at 200 41
    xdotool type --delay 20 "$2"
    click_at 276 28
    sleep 0.3
}

guesses() {
    for guess in "$@"; do
        xdotool type --delay 20 "$guess"
        xdotool key Return
        sleep 0.2
    done
}

# True while "Do you want to play again?" shows.
question_shown() {
    [ "$(pixel $((CLIENT_X + 113)) $((CLIENT_Y + 121)))" = "$silver" ]
}

# Waits, for as long as a backlog of input may take, until the question shows.
wait_question() {
    for _ in $(seq 100); do
        question_shown && return 0
        sleep 0.1
    done
    return 1
}

click_yes() {
    click_at 144 144
    sleep 0.3
}

