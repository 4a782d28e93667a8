#!/usr/bin/env bash
# Installs the game into a fresh prefix and checks that each file lands where desktops look for
# it; starts the installed game by its desktop entry's command from a folder that holds no
# media and has it show a face; then uninstalls it again.
# Usage: installed.sh <build folder> <application id>, with the build's install folders in
# BNG_INSTALL_BINDIR and BNG_INSTALL_MEDIADIR.
set -uo pipefail
source "$(dirname "$0")/../e2e/desktop.sh"
source "$(dirname "$0")/../e2e/steps.sh"
build=$(realpath "$1")
app_id=$2

work=$(mktemp -d)
prefix=$work/prefix
elsewhere=$work/elsewhere
mkdir "$elsewhere"
# The uninstall target reads the manifest of the last install, which may be the user's own.
manifest=$build/install_manifest.txt
had_manifest=false
[ -f "$manifest" ] && cp "$manifest" "$work/manifest" && had_manifest=true
cleanup() {
    stop_desktop
    if [ "$had_manifest" = true ]; then
        cp "$work/manifest" "$manifest"
    else
        rm -f "$manifest"
    fi
    rm -rf "$work"
}
trap cleanup EXIT

cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 ||
    { cat "$work/install.log" >&2; fail "cmake --install failed"; }

expect_file() {
    [ -f "$prefix/$1" ] || fail "the install lacks $1"
}
for medium in face02.ico minus.ico plus.ico face03.ico ivegot.wav lower.wav higher.wav gotit.wav; do
    expect_file "$BNG_INSTALL_MEDIADIR/$medium"
    cmp -s "$BNG_SOURCE_DIR/media/$medium" "$prefix/$BNG_INSTALL_MEDIADIR/$medium" ||
        fail "the installed $medium differs from media/$medium"
done
desktop=share/applications/$app_id.desktop
expect_file "$desktop"
expect_file "share/metainfo/$app_id.metainfo.xml"
for size in 16 32 48 64 128 256; do
    icon=share/icons/hicolor/${size}x${size}/apps/$app_id.png
    expect_file "$icon"
    [ "$(identify -format '%wx%h' "$prefix/$icon")" = "${size}x${size}" ] ||
        fail "$icon is not $size pixels square"
done
[ -f "$BNG_SOURCE_DIR/README.md" ] && expect_file share/doc/brannoch-number-guess/README.md

entry() {
    sed -n "s/^$1=//p" "$prefix/$desktop"
}
[ "$(entry Icon)" = "$app_id" ] || fail "the desktop entry names the icon '$(entry Icon)'"
command=$(entry Exec)
[ -x "$prefix/$BNG_INSTALL_BINDIR/$command" ] ||
    fail "the desktop entry runs '$command', which is not installed"
# The validators read the source files one at a time; only the installed tree shows whether the
# metainfo's launchable, the desktop entry and the icons find each other.
appstreamcli validate-tree --no-net "$prefix" >"$work/tree.log" 2>&1 ||
    { cat "$work/tree.log" >&2; fail "the installed tree does not validate"; }

start_desktop
trap cleanup EXIT
cd "$elsewhere" || fail "cannot enter $elsewhere"
PATH="$prefix/$BNG_INSTALL_BINDIR:$PATH" QT_QPA_PLATFORM=xcb "$command" 2>"$work/stderr" &
pid=$!

window=$(wait_window "Brannoch Number Guess 2002") || fail "the installed game did not open"
find_client "$window" 162
focus_window "$window"
# The picture box is white until the first face is loaded into it.
face_shown() {
    [ "$(client_pixel 36 84)" != "255,255,255" ]
}

# Window lists on X11 take the icon from the window itself and match it to the desktop entry
# by its class.
xprop -id "$window" -notype _NET_WM_ICON | grep -q '=' || fail "the window carries no icon"
class=$(xprop -id "$window" -notype WM_CLASS | sed -n 's/.*, "\(.*\)"$/\1/p')
[ "$class" = "$(entry StartupWMClass)" ] ||
    fail "the window's class '$class' does not match the desktop entry's StartupWMClass"

choose_standard_game
start_game 10 1
wait_until face_shown || fail "GO showed no face"

open_menu
key Up Return
wait_exit "$pid" || fail "Exit did not end the installed game"
[ "$EXIT_STATUS" = 0 ] || fail "Exit ended the installed game with status $EXIT_STATUS"
if grep -q '^brannoch-number-guess: cannot' "$work/stderr"; then
    cat "$work/stderr" >&2
    fail "the installed game did not find its media"
fi

cmake --build "$build" --target uninstall >"$work/uninstall.log" 2>&1 ||
    { cat "$work/uninstall.log" >&2; fail "the uninstall target failed"; }
left=$(find "$prefix" ! -type d -o -name 'brannoch-number-guess')
[ -z "$left" ] || fail "uninstalling left behind: $left"
echo "installed, showed a face from an unrelated folder, and uninstalled"
