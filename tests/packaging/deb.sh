#!/usr/bin/env bash
# Builds the Debian package with tools/setup package, in the build folder's deb/, its apt-get and
# dpkg-query replaced by stand-ins that install nothing, and checks what it leaves out and asks
# apt for, what the package holds, what its control fields say, how its programs were built and
# what lintian says of it; then unpacks it into a temporary folder and plays two games from there
# under a private display and audio server, started from an unrelated folder. Nothing on standard
# error shows that the game found its faces, sounds and sound module along the package's paths.
# Usage: deb.sh <build folder> <the game's version> <application id>, with BNG_ICON_SIZES listing
# the icons' sizes and BNG_INSTALL_MEDIADIR the media's folder under the prefix
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../harness/session.sh"
build=$(realpath "$1")
version=$2
name=brannoch-number-guess
app_id=$3

start_session --display --audio
rm -f "$build"/deb/*.deb
# Stand-ins that install nothing tell tools/setup that cmake and dpkg-dev are missing and that
# installing dpkg-dev would remove a package: it must leave dpkg-dev out and ask apt for cmake.
mkdir "$work/stand-ins"
: >"$work/asked"
cat >"$work/stand-ins/dpkg-query" <<EOF
#!/bin/sh
case "\$1 \$3" in "-W cmake" | "-W dpkg-dev") exit 1 ;; esac
exec $(command -v dpkg-query) "\$@"
EOF
cat >"$work/stand-ins/apt-get" <<EOF
#!/bin/sh
case " \$* " in
    *" -s "*" dpkg-dev "*) echo "Remv bng-displaced [1.0]" ;;
    *" -s "* | *" update "*) ;;
    *) printf '%s\n' "\$@" | grep -v '^-\|^install$' >>"$work/asked" ;;
esac
EOF
printf '#!/bin/sh\nexec "$@"\n' >"$work/stand-ins/sudo"
chmod +x "$work"/stand-ins/*
PATH=$work/stand-ins:$PATH "$here/../../tools/setup" package "$build/deb" >"$work/package.log" 2>&1 ||
    { cat "$work/package.log" >&2; fail "tools/setup package failed"; }
grep -q '^Leaving out dpkg-dev: installing it would remove bng-displaced$' "$work/package.log" &&
    [ "$(cat "$work/asked")" = cmake ] ||
    { cat "$work/package.log" >&2; fail "tools/setup asked apt for $(xargs <"$work/asked"), not cmake alone"; }
debs=("$build"/deb/*.deb)
[ ${#debs[@]} = 1 ] && [ -f "${debs[0]}" ] || fail "no single package was made: ${debs[*]}"
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
# Debian's games live in /usr/games.
expect_file "usr/games/$name"
[ -x "$root/usr/games/$name" ] || fail "/usr/games/$name is not executable"
for size in $BNG_ICON_SIZES; do
    expect_file "usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
done
expect_file "usr/share/applications/$app_id.desktop"
expect_file "usr/share/metainfo/$app_id.metainfo.xml"
expect_file "usr/share/man/man6/$name.6.gz"
# Each language's catalog, and its cues spoken from a folder of its own.
for language in $(grep -E '^[a-zA-Z]' "$here/../../translations/LINGUAS"); do
    expect_file "usr/share/$name/translations/${name}_$language.qm"
    for cue in start lower higher win; do
        expect_file "usr/$BNG_INSTALL_MEDIADIR/$language/$(media_file "$cue" sound)"
    done
done
for doc in README.md copyright changelog.Debian.gz; do
    expect_file "usr/share/doc/$name/$doc"
done
grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
    "$root/usr/share/doc/$name/copyright" || fail "the copyright file is not machine-readable"
latest=$(zcat "$root/usr/share/doc/$name/changelog.Debian.gz" | sed -n '1s/^[^ ]* (\([^)]*\)).*/\1/p')
[ "$latest" = "$(field Version)" ] ||
    fail "the changelog's latest entry is for $latest, the package is $(field Version)"
# The manual page's list of files names the package's own folders.
for path in $(zcat "$root/usr/share/man/man6/$name.6.gz" | sed -n 's|^\.I \(/.*\)|\1|p'); do
    [ -e "$root$path" ] || fail "the manual page names $path, which the package lacks"
done
# Its files are dated by the last commit, not by the build, so that two builds of one commit
# are the same to the byte.
dates=$(dpkg-deb --fsys-tarfile "$deb" | TZ=UTC tar -tv --full-time | awk '{ print $4, $5 }' |
    sort -u)
commit=$(TZ=UTC git -C "$here" log -1 --date=format-local:'%F %T' --format=%cd)
[ "$dates" = "$commit" ] || fail "the package's files are dated $dates, not by the last commit"

# Programs: the game and the modules in its own library folder, nothing else, built with
# Debian's hardening flags (whether fortified functions are called where they could be is
# lintian's to say, below). Every library they link to must come from a package named in
# Depends, besides what is loaded unlinked.
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
        "usr/games/$name")
            readelf -d "$root/$path" | grep 'FLAGS_1.* PIE' >/dev/null || fail "/$path is no PIE" ;;
        usr/lib/$name/*.so | usr/lib/*/$name/*.so) modules=$((modules + 1)) ;;
        *) fail "the package holds a program it should not: /$path" ;;
    esac
    # Whole outputs are read (no grep -q), so that no readelf dies of a closed pipe.
    readelf -d "$root/$path" | grep 'FLAGS.*BIND_NOW' >/dev/null || fail "/$path lacks BIND_NOW"
    readelf -lW "$root/$path" | grep GNU_RELRO >/dev/null || fail "/$path lacks RELRO"
    readelf --dyn-syms -W "$root/$path" | grep ' __stack_chk_fail@' >/dev/null ||
        fail "/$path has no stack protector"
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

lintian --pedantic --display-info --fail-on error,warning,info,pedantic "$deb" \
    >"$work/lintian" 2>&1
status=$?
echo "--- lintian:"
cat "$work/lintian"
grep -q '^[EWIP]: ' "$work/lintian" && fail "lintian has remarks on the package"
[ "$status" = 0 ] || fail "lintian failed with status $status"

mkdir "$work/elsewhere"
cd "$work/elsewhere" || fail "cannot enter $work/elsewhere"
PROGRAM=$root/usr/games/$name
STDERR_FILE=$work/stderr
open_game
play_two_games
expect_no_game_lines
echo "the unpacked package played two games with its faces and sounds"
