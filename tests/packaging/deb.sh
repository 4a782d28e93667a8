#!/usr/bin/env bash
# Builds the Debian package from the build folder, checks what it holds, what its control fields
# say and what lintian says of it; then unpacks it into a temporary folder and plays two games
# from there under a private display and audio server, started from an unrelated folder. Nothing
# on standard error shows that the game found its faces, sounds and sound module along the
# package's paths. Usage: deb.sh <build folder> <the game's version> <application id>, with
# BNG_ICON_SIZES listing the icons' sizes
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../harness/session.sh"
build=$(realpath "$1")
version=$2
name=brannoch-number-guess
app_id=$3

start_session --display --audio
cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; fail "cpack failed"; }
debs=("$work"/out/*.deb)
[ ${#debs[@]} = 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single package: ${debs[*]}"
deb=${debs[0]}
echo "built $(basename "$deb"), $(stat -c %s "$deb") bytes"

field() {
    dpkg-deb -f "$deb" "$1"
}
[ "$(field Package)" = "$name" ] || fail "the package is named '$(field Package)'"
[[ "$(field Version)" == "$version"-* ]] ||
    fail "the version $(field Version) is not the game's $version with a revision"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] ||
    fail "the package is for $(field Architecture)"
[ "$(field Section)" = games ] || fail "the package is in section '$(field Section)'"

dpkg-deb -c "$deb" >"$work/contents" || fail "dpkg-deb cannot list the package"
awk '{ print $6 }' "$work/contents" | sed 's|^\./||; s|/$||' | grep . >"$work/paths"
echo "--- contents:"
cat "$work/contents"
outside=$(grep -v '^usr\(/\|$\)' "$work/paths")
[ -z "$outside" ] || fail "the package installs outside /usr: $outside"
grep -n '^usr/local' "$work/paths" && fail "the package installs under /usr/local"
grep -Ei '(^|/)(CMakeFiles|_CPack_Packages|[^/]*_autogen|Testing)(/|$)|\.(o|a|cmake|txt)$|(^|/)(tests?|bench|fuzz)(/|$)|(^|/)(test|tst|bench|fuzz)_' \
    "$work/paths" && fail "the package holds files of the build, tests or benchmarks"

root=$work/root
dpkg-deb -x "$deb" "$root" || fail "dpkg-deb cannot unpack the package"
expect_file() {
    [ -f "$root/$1" ] || fail "the package lacks /$1"
}
expect_file "usr/bin/$name"
[ -x "$root/usr/bin/$name" ] || fail "/usr/bin/$name is not executable"
for size in $BNG_ICON_SIZES; do
    expect_file "usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
done
expect_file "usr/share/applications/$app_id.desktop"
expect_file "usr/share/metainfo/$app_id.metainfo.xml"
expect_file "usr/share/man/man6/$name.6.gz"
for doc in README.md copyright changelog.Debian.gz; do
    expect_file "usr/share/doc/$name/$doc"
done
grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
    "$root/usr/share/doc/$name/copyright" || fail "the copyright file is not machine-readable"
latest=$(zcat "$root/usr/share/doc/$name/changelog.Debian.gz" | sed -n '1s/^[^ ]* (\([^)]*\)).*/\1/p')
[ "$latest" = "$(field Version)" ] ||
    fail "the changelog's latest entry is for $latest, the package is $(field Version)"

# Programs: the game and the modules in its own library folder, nothing else. Every library they
# link to must come from a package named in Depends, besides what is loaded unlinked.
# Whether package $1 is among the relations of field $2, alternatives included.
relates() {
    field "$2" | tr ',|' '\n\n' | sed 's/(.*//; s/[[:space:]]//g' | grep -Fxq "$1"
}
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
modules=0
while IFS= read -r path; do
    [ -f "$root/$path" ] && [ "$(head -c 4 "$root/$path" | od -An -tx1 | tr -d ' ')" = 7f454c46 ] ||
        continue
    case $path in
        "usr/bin/$name") ;;
        usr/lib/$name/*.so | usr/lib/*/$name/*.so) modules=$((modules + 1)) ;;
        *) fail "the package holds a program it should not: /$path" ;;
    esac
    for library in $(readelf -d "$root/$path" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'); do
        owner=$(dpkg -S "*/$multiarch/$library" 2>/dev/null | head -n1 | cut -d: -f1)
        [ -n "$owner" ] || fail "no installed package holds $library, which /$path links to"
        relates "$owner" Depends || fail "Depends lacks $owner, whose $library /$path links to"
    done
done <"$work/paths"
[ "$modules" -gt 0 ] || fail "the package holds no sound module"
for package in qt6-qpa-plugins fonts-liberation; do
    relates "$package" Depends || fail "Depends lacks $package"
done
relates qt6-wayland Recommends || fail "Recommends lacks qt6-wayland"
relates pulseaudio Recommends || fail "Recommends lacks a sound server"
echo "Depends: $(field Depends)"

lintian --fail-on error,warning --display-info "$deb" >"$work/lintian" 2>&1
status=$?
echo "--- lintian:"
cat "$work/lintian"
grep -q '^[EW]: ' "$work/lintian" && fail "lintian reports errors or warnings"
[ "$status" = 0 ] || fail "lintian failed with status $status"

mkdir "$work/elsewhere"
cd "$work/elsewhere" || fail "cannot enter $work/elsewhere"
PROGRAM=$root/usr/bin/$name
STDERR_FILE=$work/stderr
open_game
play_two_games
expect_stderr
echo "the unpacked package played two games with its faces and sounds"
