#!/usr/bin/env bash
# The program alone in its folder, started from a folder without media: two whole games play on
# with no faces and no sounds, and each cue says on standard error, in one line for the face and
# one for the sound, that its file is not found. Usage: folder_without_media.sh <program>
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../e2e/desktop.sh"
source "$here/game.sh"
BUILT_PROGRAM=$(realpath "$1")

start_session pulse
isolate_program "$work/bin"
mkdir "$work/play"
cd "$work/play"
STDERR_FILE="$work/stderr"
open_game
play_two_games

missing() {
    echo "brannoch-number-guess: cannot load picture $1: file not found"
    echo "brannoch-number-guess: cannot open sound $2: file not found"
}
mapfile -t expected < <(missing face02.ico ivegot.wav; missing plus.ico higher.wav
    missing minus.ico lower.wav; missing face03.ico gotit.wav
    missing face02.ico ivegot.wav; missing face03.ico gotit.wav)
expect_stderr "${expected[@]}"
echo "two games played without media, each missing file named once per cue"
