# Sourced by session.sh: Orca, Debian's screen reader, running in the private session before the
# game starts, as on a blind player's desktop: the accessibility bus, its registry and Orca,
# each started here and ended by its PID. Orca speaks into a recorder (orca/speech_recorder.py)
# that writes each utterance as the player would hear it, so that a test reads what is said,
# not what Qt sends. Needs the session's display and bus.

READER_PIDS=()

# True once the session bus has an owner of name $2 (on bus address $1).
_owned() {
    dbus-send --bus="$1" --print-reply=literal --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner "string:$2" 2>/dev/null | grep -q true
}

start_screen_reader() {
    local dir="$work/reader" a11y_bus launcher
    mkdir -p "$dir/prefs"
    export BNG_SPEECH_LOG="$dir/speech.log"
    : >"$BNG_SPEECH_LOG"
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
    cp "$harness/orca/speech_recorder.py" "$harness/orca/orca-customizations.py" "$dir/prefs/"
    # Only what differs from Orca's defaults; that the file exists skips Orca's first-run setup.
    cat >"$dir/prefs/user-settings.conf" <<'JSON'
{
  "general": {
    "enableSpeech": true,
    "speechServerFactory": "speech_recorder",
    "speechFactoryModules": ["speech_recorder"],
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
    python3 "$harness/orca/run_orca.py" --user-prefs "$dir/prefs" --debug-file "$dir/debug.log" \
        >"$dir/orca.log" 2>&1 &
    READER_PIDS+=($!)
    _reader_ready() { grep -q "Screen reader on" "$BNG_SPEECH_LOG"; }
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

# What Orca has said, one utterance a line, in order.
spoken() {
    awk -F'\t' '$2 != "stop" && $3 != "" { print $3 }' "$BNG_SPEECH_LOG"
}

# How many utterances Orca has made so far, a mark for wait_spoken.
spoken_count() {
    spoken | wc -l
}

# Waits until Orca says, after the first $1 utterances, a line holding $2; fails if it never
# does, showing what it said.
wait_spoken() {
    local since=$1 words=$2
    _said_after() { spoken | tail -n +$((since + 1)) | grep -qF -- "$words"; }
    wait_until _said_after || {
        echo "--- Orca said:" >&2
        spoken >&2
        fail "Orca did not say \"$words\""
    }
}
