#!/usr/bin/env bash
# The program started in a read-only folder that holds the media, with a read-only home: two
# whole games play with every face and sound, and nothing is said on standard error. Folders are
# made read-only by read-only bind mounts in a mount namespace of the program's own, which even
# root cannot write through. Usage: read_only_folder.sh <program>
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../e2e/desktop.sh"
source "$here/game.sh"
BUILT_PROGRAM=$(realpath "$1")

start_session pulse
isolate_program "$work/bin"
mkdir "$work/play"
cp "$(dirname "$BUILT_PROGRAM")"/media/* "$work/play/"
cd "$work/play"

namespace=(unshare --mount --propagation private)
[ "$(id -u)" -eq 0 ] || namespace=(unshare --map-root-user --mount --propagation private)
read_only='for folder in "$HOME" "$PWD"; do mount --bind -o ro "$folder" "$folder" || exit 1; done
    exec "$@"'
"${namespace[@]}" bash -c "$read_only" - touch "$work/play/written" "$HOME/written" 2>/dev/null &&
    fail "the folders could not be made read-only"
[ -e "$work/play/written" ] && fail "the folders could not be made read-only"
STDERR_FILE="$work/stderr"
open_game "${namespace[@]}" bash -c "$read_only" -
play_two_games
expect_stderr
echo "two games played in a read-only folder with a read-only home"
