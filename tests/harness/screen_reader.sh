# Sourced by session.sh: Orca, Debian's screen reader, running in the private session before the
# game starts, as on a blind player's desktop: the accessibility bus, its registry and Orca,
# each started here and ended by its PID. Orca has no speech server here and writes each
# utterance to its debug log as it would have it heard (its "SPEECH OUTPUT:" lines, alike in Orca
# 43 and 48), so that a test reads what is said, not what Qt sends. Needs the session's display
# and bus.

READER_PIDS=()

# True once the session bus has an owner of name $2 (on bus address $1).
_owned() {
    dbus-send --bus="$1" --print-reply=literal --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner "string:$2" 2>/dev/null | grep -q true
}

start_screen_reader() {
    local dir="$work/reader" a11y_bus launcher
    mkdir -p "$dir/prefs"
    READER_LOG="$dir/debug.log"
    : >"$READER_LOG"
    # Settings kept in memory, and files only the local ones, so that no settings service or
    # virtual file system is started nor anything written.
    export GSETTINGS_BACKEND=memory GIO_USE_VFS=local
    # The accessibility bus, started here rather than by the session bus, so that its PID is
    # ours; it says from the start that a screen reader runs, which turns on Qt's bridge.
    /usr/libexec/at-spi-bus-launcher --launch-immediately --a11y=1 --screen-reader=1 \
        >"$dir/launcher.log" 2>&1 &
    launcher=$!
    READER_PIDS+=("$launcher")
    wait_until _owned "$DBUS_SESSION_BUS_ADDRESS" org.a11y.Bus ||
        { cat "$dir/launcher.log" >&2; fail "the accessibility bus did not start"; }
    a11y_bus=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
        org.a11y.Bus.GetAddress | tr -d ' ')
    # Its own dbus-daemon is the launcher's child, ended after it.
    READER_PIDS+=($(ps --ppid "$launcher" -o pid= -o comm= | awk '$2 == "dbus-daemon" { print $1 }'))
    # The registry, before any client could have the accessibility bus start one of its own.
    /usr/libexec/at-spi2-registryd >"$dir/registry.log" 2>&1 &
    READER_PIDS+=($!)
    wait_until _owned "$a11y_bus" org.a11y.atspi.Registry ||
        { cat "$dir/registry.log" >&2; fail "the accessibility registry did not start"; }
    # Only what differs from Orca's defaults; that the file exists skips Orca's first-run setup.
    # The speech server is one that does not exist, so that nothing is spoken aloud and no
    # speech-dispatcher is started; Orca still logs each utterance.
    cat >"$dir/prefs/user-settings.conf" <<'JSON'
{
  "general": {
    "enableSpeech": true,
    "speechServerFactory": "none",
    "speechFactoryModules": [],
    "enableBraille": false,
    "enableBrailleMonitor": false,
    "enableSpeechMonitor": false,
    "enableSound": false,
    "enableKeyEcho": false
  },
  "profiles": {"default": {"profile": ["Default", "default"]}},
  "pronunciations": {},
  "keybindings": {}
}
JSON
    python3 "$harness/orca/run_orca.py" --user-prefs "$dir/prefs" --debug-file "$READER_LOG" \
        >"$dir/orca.log" 2>&1 &
    READER_PIDS+=($!)
    _reader_ready() { spoken | grep -q "Screen reader on"; }
    wait_until _reader_ready || { tail -n 30 "$dir/orca.log" >&2; fail "Orca did not start"; }
}

# Ends Orca, then the registry and the accessibility bus, the last started first.
stop_screen_reader() {
    local i pid
    for ((i = ${#READER_PIDS[@]} - 1; i >= 0; i--)); do
        pid=${READER_PIDS[i]}
        kill "$pid" 2>/dev/null
        _reader_ended() { ! kill -0 "$pid" 2>/dev/null; }
        DEADLINE=10 wait_until _reader_ended || kill -KILL "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    READER_PIDS=()
}

# What Orca has said, one utterance a line, in order: the text between the quotes of each
# "SPEECH OUTPUT: '...'" line, which Orca follows with the voice it would use.
spoken() {
    perl -ne 'print "$1\n" if /SPEECH OUTPUT: \x27(.*?\S.*?)\x27(?: ?voice=\S*)? ?(?:None|\{.*\})?$/' \
        "$READER_LOG"
}

# How many utterances Orca has made so far, a mark for wait_spoken.
spoken_count() {
    spoken | wc -l
}

# Waits until Orca says, after the first $1 utterances, each of the rest of the arguments, in that
# order; fails if it never does, showing what it said.
wait_spoken() {
    local since=$1
    shift
    _said_after() {
        spoken | tail -n +$((since + 1)) | perl -0777 -e '
            my ($said, $at) = (scalar <STDIN>, 0);
            for (@ARGV) { $at = index($said, $_, $at); exit 1 if $at < 0; $at += length }' -- "$@"
    }
    wait_until _said_after "$@" || {
        echo "--- Orca said:" >&2
        spoken >&2
        fail "Orca did not say, in this order: $(printf '"%s" ' "$@")"
    }
}
