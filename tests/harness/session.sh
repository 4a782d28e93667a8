# The one way a test gets a private session: an environment of its own, in which nothing of the
# machine's own desktop session is seen (its display, session bus, audio server, runtime folder
# and home), and the display, session bus and audio server that the test asks for, each started
# here and ended by its PID.
#
# Sourced by every end-to-end script, which then calls start_session. Run as a command:
#   session.sh run [--suite ID] [--display] [--bus] [--screen-reader] [--audio KIND] -- ...
#       runs COMMAND in a private session; fails if anything COMMAND started outlives it.
#   session.sh serve [--display] [--bus] [--audio KIND]
#       starts a private session, prints the path of a file holding its environment (as
#       NUL-separated NAME=VALUE) once it is ready, and ends it when standard input closes.
#   session.sh leftovers ID
#       fails if any process started in a session of suite ID still runs, and ends it.
# KIND is pulseaudio or pipewire. Every process started in a session carries BNG_RUN (the session)
# and BNG_SUITE (the suite) in its environment, so that what outlives them can be found.

harness=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# Debian's own programs, which tools/setup installs, come first: the shim of a Python version
# manager, say, would cost up to a second at each of the hundreds of calls a test makes.
export PATH=/usr/bin:/bin:$PATH
source "$harness/desktop.sh"
source "$harness/audio.sh"
source "$harness/steps.sh"
source "$harness/screen_reader.sh"
source "$harness/language.sh"

BUS_PID=

# Runs "$@" every tenth of a second until it succeeds; fails once DEADLINE seconds have passed.
wait_until() {
    local end=$((SECONDS + DEADLINE))
    until "$@"; do
        [ "$SECONDS" -ge "$end" ] && return 1
        sleep 0.1
    done
}

# Forgets every variable through which a program finds a desktop session, its servers or its
# user's folders, and gives it a home, XDG folders and a runtime folder of its own under $1. A
# program that wants a session bus and finds none would start one that outlives it, so there is
# none unless the test starts one.
private_environment() {
    local name
    for name in $(compgen -e); do
        case $name in
            DISPLAY | XAUTHORITY | WAYLAND_* | SWAYSOCK | I3SOCK | DBUS_* | AT_SPI_* | PULSE_* | \
                PIPEWIRE_* | XDG_* | HOME | SESSION_MANAGER | DESKTOP_SESSION | KDE_* | GNOME_* | \
                GTK_* | GDK_* | QT_* | LANGUAGE | LC_*)
                unset "$name" ;;
        esac
    done
    mkdir -p "$1/home" "$1/config" "$1/data" "$1/cache" "$1/state"
    mkdir -m 700 "$1/run"
    export HOME="$1/home" XDG_CONFIG_HOME="$1/config" XDG_DATA_HOME="$1/data"
    export XDG_CACHE_HOME="$1/cache" XDG_STATE_HOME="$1/state" XDG_RUNTIME_DIR="$1/run"
    export DBUS_SESSION_BUS_ADDRESS=disabled: LANG=C.UTF-8
}

# A session bus of the session's own.
start_bus() {
    dbus-daemon --session --address="unix:path=$work/bus" --nofork --nopidfile --syslog-only &
    BUS_PID=$!
    wait_until test -S "$work/bus" || fail "the session bus did not start"
    export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/bus"
}

stop_bus() {
    [ -n "$BUS_PID" ] && kill "$BUS_PID" 2>/dev/null && wait "$BUS_PID" 2>/dev/null
    BUS_PID=
}

# Makes the session in a fresh folder $work: the private environment, then what the options ask
# for: --display (the desktop BNG_DESKTOP names, see desktop.sh), --bus, --audio [KIND] (the
# audio server, BNG_AUDIO's by default, see audio.sh). Everything is ended, and $work removed,
# when the script exits; a script adds its own clean-up to AT_EXIT.
start_session() {
    work=$(mktemp -d)
    AT_EXIT=()
    trap stop_session EXIT
    trap 'exit 143' TERM
    trap 'exit 130' INT
    private_environment "$work/session"
    while [ $# -gt 0 ]; do
        case $1 in
            --display) start_desktop ;;
            --bus) start_bus ;;
            # A screen reader needs the display and a bus, started before it.
            --screen-reader) start_screen_reader ;;
            --audio)
                if [[ ${2:-} == [a-z]* ]]; then
                    start_audio "$2" || fail "no private audio server"
                    shift
                else
                    start_audio || fail "no private audio server"
                fi ;;
            *) fail "start_session: unknown option $1" ;;
        esac
        shift
    done
    use_language
}

stop_session() {
    local command
    for command in "${AT_EXIT[@]}"; do
        eval "$command"
    done
    stop_game
    stop_screen_reader
    stop_audio
    stop_bus
    stop_desktop
    rm -rf "$work"
}

# Prints "PID command line" for every process but this one whose environment holds $1
# ("NAME=VALUE").
marked_processes() {
    python3 - "$1" <<'PY'
import os
import sys

mark = sys.argv[1].encode()
for name in os.listdir("/proc"):
    if not name.isdigit() or int(name) == os.getpid():
        continue
    try:
        with open(f"/proc/{name}/environ", "rb") as environ:
            if mark not in environ.read().split(b"\0"):
                continue
        with open(f"/proc/{name}/cmdline", "rb") as cmdline:
            print(name, cmdline.read().replace(b"\0", b" ").decode(errors="replace").strip())
    except OSError:
        pass
PY
}

# Fails if a process marked with $1 still runs, naming it, and ends it.
nothing_left() {
    local left
    left=$(marked_processes "$1")
    [ -z "$left" ] && return 0
    echo "FAIL: still running after the test:" >&2
    echo "$left" >&2
    kill -KILL $(cut -d' ' -f1 <<<"$left") 2>/dev/null
    return 1
}

session_command() {
    local mode=$1 suite=none options=()
    shift
    if [ "$mode" = leftovers ]; then
        nothing_left "BNG_SUITE=$1"
        return
    fi
    # Everything before "--" but the suite is start_session's.
    while [ $# -gt 0 ] && [ "$1" != -- ]; do
        if [ "$1" = --suite ]; then
            suite=$2
            shift
        else
            options+=("$1")
        fi
        shift
    done
    shift
    # The marks are set before anything is started, so that everything started carries them.
    BNG_RUN=$(mktemp -u) BNG_SUITE=$suite
    export BNG_RUN BNG_SUITE
    start_session "${options[@]}"
    case $mode in
        run)
            env "$@" &
            local child=$! status
            wait "$child"
            status=$?
            stop_session
            trap - EXIT
            nothing_left "BNG_RUN=$BNG_RUN" || status=1
            return $status ;;
        serve)
            env -0 >"$work/environment"
            echo "$work/environment"
            cat >/dev/null ;;
        *) echo "usage: see $0" >&2; return 2 ;;
    esac
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
    set -uo pipefail
    session_command "$@"
    exit
fi
