#!/usr/bin/env bash
# A whole game, with paths typed into every box, creates, changes and deletes no file: not in
# the folder it starts in, nor in its home or XDG folders, which are temporary folders compared
# before and after, nor anywhere else, as the file system calls it makes (traced by strace)
# show; and it opens, or even looks at, no path a player typed. The configuration folder holds
# the audio server's cookie, as a desktop's does: without one, the audio client library would
# make it there. Usage: nothing_written.sh <program>
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../harness/session.sh"
PROGRAM=$(realpath "$1")

start_session --display --audio
trace=$(mktemp -d)
AT_EXIT+=('rm -rf "$trace"')
mkdir -p "$XDG_CONFIG_HOME/pulse" "$work/play" "$work/tmp"
cp "$PULSE_COOKIE" "$XDG_CONFIG_HOME/pulse/cookie"
unset PULSE_COOKIE
cd "$work/play"

listing() {
    find "$work" -printf '%p %y %s %m %T@ %C@\n' | sort
}
# A file system that keeps times to the second shows a change only once the clock has moved
# on from the second of the last change made here.
clock_moved_on() {
    [ "$(date +%s)" -gt "$(find "$work" -printf '%T@\n%C@\n' | sort -n | tail -n1 | cut -d. -f1)" ]
}
wait_until clock_moved_on || fail "the clock did not move on"
listing >"$trace/before"

# The limits read as 5 and 5; every guess but the last reads as 0.
typed=(5/etc/bng-typed-a/passwd 5../../bng-typed-b '~/bng-typed-c' file:///bng-typed-d
       'C:\bng-typed-e' /dev/bng-typed-f)
STDERR_FILE="$trace/stderr"
# The program alone gets the temporary folder: the tools that watch the screen use their own.
# LeakSanitizer, in the sanitizer build, cannot check a program that strace already traces.
open_game env TMPDIR="$work/tmp" ASAN_OPTIONS=detect_leaks=0 \
    strace -f -qq -o "$trace/calls" -e trace=%file -e signal=none
choose_standard_game
start_game "${typed[0]}" "${typed[1]}"
guesses "${typed[@]:2}" 5
wait_question || fail "the game was not won"
click_no

listing >"$trace/after"
diff "$trace/before" "$trace/after" >&2 ||
    fail "files in the home, XDG or starting folder changed"
grep -q 'plus\.ico' "$trace/calls" || fail "the trace does not show the game opening its faces"
grep -F bng-typed "$trace/calls" >&2 && fail "a path a player typed was looked at"
# Calls that would write a named file: opening one for writing, and every call that makes,
# changes or removes a name, unless it failed. Devices may be opened for writing; /dev/null is,
# by libraries.
changes=$(grep -E '^[0-9]+ +(open(at)?\(.*(O_WRONLY|O_RDWR|O_CREAT|O_TRUNC)|(mkdir|mknod|unlink|rmdir|rename|link|symlink|truncate|chmod|chown|lchown|utimes?|utimensat|setxattr|lsetxattr|removexattr)(at2?)?\()' \
    "$trace/calls" | grep -Ev '^[0-9]+ +openat?\((AT_FDCWD, )?"/dev/| = -1 ')
[ -z "$changes" ] || { echo "$changes" >&2; fail "the program wrote where it should not"; }
echo "played a game with typed paths, writing nothing and opening none of them"
