#!/usr/bin/env bash
# Installs the game into a fresh prefix and checks that each file lands where desktops look for
# it; starts the installed game by its desktop entry's command from a folder that holds no
# media and has it show a face; then uninstalls it again.
# Usage: installed.sh <build folder> <application id>, with the build's install folders in
# BNG_INSTALL_BINDIR and BNG_INSTALL_MEDIADIR, and BNG_ICON_SIZES and BNG_MEDIA listing the icons'
# sizes and the faces and sounds, each language's sounds too
set -uo pipefail
source "$(dirname "$0")/../harness/session.sh"
build=$(realpath "$1")
app_id=$2

start_session --display
prefix=$work/prefix
elsewhere=$work/elsewhere
mkdir "$elsewhere"
# The uninstall target reads the manifest of the last install, which may be the user's own.
manifest=$build/install_manifest.txt
had_manifest=false
[ -f "$manifest" ] && cp "$manifest" "$work/manifest" && had_manifest=true
restore_manifest() {
    if [ "$had_manifest" = true ]; then
        cp "$work/manifest" "$manifest"
    else
        rm -f "$manifest"
    fi
}
AT_EXIT+=(restore_manifest)

cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 ||
    { cat "$work/install.log" >&2; fail "cmake --install failed"; }

expect_file() {
    [ -f "$prefix/$1" ] || fail "the install lacks $1"
}
for medium in $BNG_MEDIA; do
    expect_file "$BNG_INSTALL_MEDIADIR/$medium"
    cmp -s "$BNG_SOURCE_DIR/media/$medium" "$prefix/$BNG_INSTALL_MEDIADIR/$medium" ||
        fail "the installed $medium differs from media/$medium"
done
desktop=share/applications/$app_id.desktop
expect_file "$desktop"
expect_file "share/metainfo/$app_id.metainfo.xml"
for size in $BNG_ICON_SIZES; do
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
# Every language of the game's list reaches the menu and the software centre, and the game's name
# stays its own in all of them. gettext 0.21 tags the metainfo's languages as Debian 12's AppStream
# reads them (pt_BR), 0.23 as Debian 13's does (pt-BR).
metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
for lang in $(grep '^[a-zA-Z]' "$BNG_SOURCE_DIR/translations/LINGUAS"); do
    [ -n "$(entry "Comment\[$lang]")" ] || fail "the desktop entry has no Comment[$lang]"
    grep -Eq "<summary xml:lang=\"($lang|${lang/_/-})\">" "$metainfo" ||
        fail "the metainfo has no summary in $lang"
done
grep '^Name\[' "$prefix/$desktop" && fail "the desktop entry translates the game's name"
grep '<name xml:lang=' "$metainfo" && fail "the metainfo translates the game's name"
# The validators read the source files one at a time; only the installed tree shows whether the
# metainfo's launchable, the desktop entry and the icons find each other.
appstreamcli validate-tree --no-net "$prefix" >"$work/tree.log" 2>&1 ||
    { cat "$work/tree.log" >&2; fail "the installed tree does not validate"; }

cd "$elsewhere" || fail "cannot enter $elsewhere"
# As every program does: help and version without a display, on standard output so that a pager
# shows them, anything else refused on standard error; "guess" with the display, for the
# arguments Qt takes are known only once it has one. The other stream stays empty.
while IFS='|' read -r arguments display status stream said; do
    # shellcheck disable=SC2086
    env ${display:+-u DISPLAY} "$prefix/$BNG_INSTALL_BINDIR/$command" $arguments \
        >"$work/out" 2>"$work/err"
    got=$?
    other=out
    [ "$stream" = out ] && other=err
    [ "$got" = "$status" ] && grep -q -- "$said" "$work/$stream" && [ ! -s "$work/$other" ] ||
        { cat "$work/out" "$work/err" >&2; fail "'$command $arguments' ended with $got, not $status, or did not say '$said' on standard $stream alone"; }
done <<TABLE
--version|none|0|out|^$command $BNG_VERSION\$
--help|none|0|out|--version
-h|none|0|out|Usage:
--frobnicate||2|err|Unknown option 'frobnicate'
guess||2|err|takes no arguments, not 'guess'
TABLE
# In the desktop's language, from the catalogs installed beside the game's data: the game's own
# words, and Qt's for the rest of the page.
LANGUAGE=de "$prefix/$BNG_INSTALL_BINDIR/$command" --help >"$work/out" 2>&1
grep -q '^Errate die Zahl' "$work/out" && ! grep -q '^Usage:' "$work/out" ||
    { cat "$work/out" >&2; fail "the installed game's --help is not in German for LANGUAGE=de"; }
STDERR_FILE=$work/stderr
PROGRAM=$command
open_game env PATH="$prefix/$BNG_INSTALL_BINDIR:$PATH"
# The picture box is white until the first face is loaded into it.
face_shown() {
    [ "$(client_pixel 36 84)" != "255,255,255" ]
}

# Window lists on X11 take the icon from the window itself, which has it once its first frame
# is drawn, and match it to the desktop entry by its class.
# (grep reads all of xprop's long answer: stopping at the first line would fail the pipe.)
carries_icon() {
    xprop -id "$window" -notype _NET_WM_ICON | grep '=' >/dev/null
}
wait_until carries_icon || fail "the window carries no icon"
class=$(xprop -id "$window" -notype WM_CLASS | sed -n 's/.*, "\(.*\)"$/\1/p')
[ "$class" = "$(entry StartupWMClass)" ] ||
    fail "the window's class '$class' does not match the desktop entry's StartupWMClass"

choose_standard_game
start_game 10 1
wait_until face_shown || fail "GO showed no face"

choose_exit
if grep -q '^brannoch-number-guess: cannot' "$STDERR_FILE"; then
    cat "$STDERR_FILE" >&2
    fail "the installed game did not find its media"
fi

cmake --build "$build" --target uninstall >"$work/uninstall.log" 2>&1 ||
    { cat "$work/uninstall.log" >&2; fail "the uninstall target failed"; }
left=$(find "$prefix" ! -type d -o -name 'brannoch-number-guess')
[ -z "$left" ] || fail "uninstalling left behind: $left"
echo "installed, showed a face from an unrelated folder, and uninstalled"
