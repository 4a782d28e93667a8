#!/usr/bin/env bash
# No audio server at all, and none to start: two whole games play on in silence with every
# face, and standard error says once, in one line, that the sounds are silent and why.
# Usage: no_audio_server.sh <program>
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../e2e/desktop.sh"
source "$here/game.sh"
BUILT_PROGRAM=$(realpath "$1")
PROGRAM=$BUILT_PROGRAM

start_session
# The runtime folder has no server socket, the named server does not exist, and the client may
# not start one of its own.
echo "autospawn = no" >"$work/client.conf"
export PULSE_CLIENTCONFIG="$work/client.conf" PULSE_SERVER="unix:$work/run/no-server"
mkdir "$work/play"
cd "$work/play"
STDERR_FILE="$work/stderr"
open_game
play_two_games
[ "$(wc -l <"$STDERR_FILE")" = 1 ] && grep -Eq '^brannoch-number-guess: .*sound' "$STDERR_FILE" || {
    cat "$STDERR_FILE" >&2
    fail "standard error does not say in one line of the game's that the sounds are silent"
}
echo "two games played with no audio server: $(cat "$STDERR_FILE")"
