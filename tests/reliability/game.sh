# Sourced by the reliability scripts after e2e/desktop.sh: the program copied into a folder of
# its own, a private audio server, a private home, and the steps of a game played with the
# keyboard and the mouse on the main window's client area (e2e/steps.sh).

source "$(dirname "${BASH_SOURCE[0]}")/../e2e/steps.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/audio.sh"

# The built program, copied with its sound module into folder $1, which holds no media folder:
# the copy finds only the media of the folder it starts in. Sets PROGRAM.
isolate_program() {
    mkdir -p "$1"
    cp "$BUILT_PROGRAM" "$1/"
    local module
    for module in "$(dirname "$BUILT_PROGRAM")"/brannoch-number-guess-*.so; do
        [ -f "$module" ] && cp "$module" "$1/"
    done
    PROGRAM="$1/$(basename "$BUILT_PROGRAM")"
}

# A home and a runtime folder of the program's own under $1, so that nothing reaches the
# tester's: HOME and every XDG folder point there.
private_home() {
    mkdir -p "$1/home" "$1/config" "$1/data" "$1/cache" "$1/state"
    mkdir -m 700 "$1/run"
    export HOME="$1/home" XDG_CONFIG_HOME="$1/config" XDG_DATA_HOME="$1/data"
    export XDG_CACHE_HOME="$1/cache" XDG_STATE_HOME="$1/state" XDG_RUNTIME_DIR="$1/run"
}

# One run's private desktop and home in a fresh folder $work, and with "pulse" its own audio
# server (BNG_AUDIO's, see e2e/audio.sh); everything is ended and removed on exit.
start_session() {
    work=$(mktemp -d)
    start_desktop
    trap 'stop_game; stop_audio; stop_desktop; rm -rf "$work"' EXIT
    private_home "$work"
    if [ "${1:-}" = pulse ]; then
        start_audio || fail "no private audio server"
    fi
}

# Starts the program ($PROGRAM, with any arguments before it in "$@") with standard error in
# $STDERR_FILE, and waits for its main window. Sets PID and window.
open_game() {
    "$@" "$PROGRAM" 2>"$STDERR_FILE" &
    PID=$!
    window=$(wait_window "Brannoch Number Guess 2002") || fail "the main window did not open"
    find_client "$window" 162
    focus_window "$window"
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

# Fails unless standard error holds exactly the lines given, one argument each.
expect_stderr() {
    local expected=""
    [ $# -gt 0 ] && expected=$(printf '%s\n' "$@")
    if [ "$(cat "$STDERR_FILE")" != "$expected" ]; then
        echo "--- standard error:" >&2
        cat "$STDERR_FILE" >&2
        echo "--- expected:" >&2
        [ -n "$expected" ] && echo "$expected" >&2
        fail "standard error is not what it should be"
    fi
}
