# Sourced by session.sh: a private audio server, PulseAudio or PipeWire with its PulseAudio
# server (BNG_AUDIO=pulseaudio|pipewire, or the argument of start_audio; by default PulseAudio,
# or PipeWire where PulseAudio is not installed, as beside a desktop's own PipeWire, with which
# it cannot be installed), whose outputs are null
# sinks, so that what is played can be recorded from their monitors. Everything lives in a fresh
# temporary folder, so nothing is written elsewhere and no other server is reached; the program
# finds the server through PULSE_SERVER. Every process is started here and ended by its PID.

start_audio() {
    prepare_audio "$@" && start_audio_server
}

# Everything but the server itself: its folder and its address.
prepare_audio() {
    AUDIO_KIND=${1:-${BNG_AUDIO:-}}
    if [ -z "$AUDIO_KIND" ]; then
        AUDIO_KIND=pulseaudio
        command -v pulseaudio >/dev/null || AUDIO_KIND=pipewire
    fi
    # tools/setup leaves PulseAudio out where it would displace the machine's PipeWire.
    command -v "$AUDIO_KIND" >/dev/null ||
        skip "$AUDIO_KIND is not installed here (it would replace the machine's audio server)"
    AUDIO_DIR=$(mktemp -d)
    mkdir -m 700 "$AUDIO_DIR/run" "$AUDIO_DIR/home"
    export PULSE_SERVER="unix:$AUDIO_DIR/run/pulse/native"
    export PULSE_COOKIE="$AUDIO_DIR/cookie"
    AUDIO_SERVER_PIDS=()
    AUDIO_KEEPALIVE_PIDS=()
}

# Runs "$@" in the background with the audio folder as its home and runtime folder; $! is its
# own PID, since env execs it.
audio_env() {
    env HOME="$AUDIO_DIR/home" XDG_RUNTIME_DIR="$AUDIO_DIR/run" \
        XDG_CONFIG_HOME="$AUDIO_DIR/home/.config" XDG_STATE_HOME="$AUDIO_DIR/home/.local/state" \
        XDG_DATA_HOME="$AUDIO_DIR/home/.local/share" XDG_CACHE_HOME="$AUDIO_DIR/home/.cache" \
        DBUS_SESSION_BUS_ADDRESS="unix:path=$AUDIO_DIR/run/bus" "$@" &
}

# Starts the server (again, after kill_audio_server) with one null sink, "bng", as its default
# output.
start_audio_server() {
    local log="$AUDIO_DIR/log"
    if [ "$AUDIO_KIND" = pipewire ]; then
        # WirePlumber, which links streams to outputs, needs a session bus. A bus of the
        # server's own, started and ended with it, holds no names of a server that was killed.
        rm -f "$AUDIO_DIR/run/bus"
        audio_env dbus-daemon --session --address="unix:path=$AUDIO_DIR/run/bus" --nofork \
            --nopidfile --syslog-only
        AUDIO_SERVER_PIDS+=($!)
        wait_until test -S "$AUDIO_DIR/run/bus" || { echo "no session bus for PipeWire" >&2; return 1; }
        audio_env pipewire >>"$log" 2>&1
        AUDIO_SERVER_PIDS+=($!)
        # Its session manager and pulse server give up if PipeWire does not answer yet.
        wait_until pipewire_answers || { cat "$log" >&2; echo "PipeWire did not start" >&2; return 1; }
        audio_env wireplumber >>"$log" 2>&1
        AUDIO_SERVER_PIDS+=($!)
        audio_env pipewire-pulse >>"$log" 2>&1
        AUDIO_SERVER_PIDS+=($!)
    else
        # Tests run as root in containers, where the server warns but runs.
        mkdir -p -m 700 "$AUDIO_DIR/run/pulse"
        audio_env pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit \
            --use-pid-file=no --disable-shm=yes \
            --load="module-native-protocol-unix auth-anonymous=1 socket=${PULSE_SERVER#unix:}" \
            >>"$log" 2>&1
        AUDIO_SERVER_PIDS+=($!)
    fi
    if ! wait_until pactl info >/dev/null 2>&1; then
        cat "$log" >&2
        echo "the private $AUDIO_KIND server did not start" >&2
        return 1
    fi
    add_sink bng
}

pipewire_answers() {
    XDG_RUNTIME_DIR="$AUDIO_DIR/run" timeout 10 pw-cli info 0 >/dev/null 2>&1
}

# A null sink named $1, made the default output, kept rendering in step with the clock: a null
# sink with nothing to play renders ahead and its monitor falls silent between sounds, so a
# silent stream of low latency keeps it going and its monitor records the gaps too.
add_sink() {
    pactl load-module module-null-sink "sink_name=$1" rate=22050 channels=1 >/dev/null ||
        return 1
    pacat --playback -d "$1" --raw --format=s16le --rate=22050 --channels=1 \
        --latency-msec=40 \
        /dev/zero 2>/dev/null &
    AUDIO_KEEPALIVE_PIDS+=($!)
    if ! wait_until make_default "$1" || ! wait_until stream_on_sink "$1"; then
        tail -n 20 "$AUDIO_DIR/log" >&2
        echo "the null sink $1 did not come up" >&2
        return 1
    fi
}

# PipeWire takes a default output only once its session manager is up.
make_default() {
    pactl set-default-sink "$1" 2>/dev/null && [ "$(pactl get-default-sink 2>/dev/null)" = "$1" ]
}

# True once a stream plays on sink $1.
stream_on_sink() {
    local index
    index=$(pactl list short sinks 2>/dev/null | awk -v name="$1" '$2 == name { print $1 }')
    [ -n "$index" ] && pactl list short sink-inputs | awk '{ print $2 }' | grep -qx "$index"
}

# Kills the server as a crash would, with its helpers and the streams that kept it rendering.
kill_audio_server() {
    local pid
    for pid in "${AUDIO_SERVER_PIDS[@]}" "${AUDIO_KEEPALIVE_PIDS[@]}"; do
        kill -KILL "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    AUDIO_SERVER_PIDS=()
    AUDIO_KEEPALIVE_PIDS=()
    [ -n "${AUDIO_DIR:-}" ] && rm -f "${PULSE_SERVER#unix:}" "$AUDIO_DIR/run/pipewire-0" \
        "$AUDIO_DIR/run/pipewire-0.lock"
}

stop_audio() {
    stop_recording
    kill_audio_server
    [ -n "${AUDIO_DIR:-}" ] && rm -rf "$AUDIO_DIR"
    AUDIO_DIR=
}

# Records the output of sink $2 (default bng), as raw 16-bit mono at the rate of the game's wave
# files, into file $1 until stop_recording; returns once the recording runs. It starts only once
# the output is silent, so that nothing of a sound given before can be heard in it. Meanwhile
# each cue is named in folder HEARD as soon as it is heard (see tones.py watch), for heard to
# wait on.
start_recording() {
    local sink=${2:-bng} silent
    record "$1.before" "$sink" || return 1
    wait_until test -e "$HEARD/quiet"
    silent=$?
    stop_recording
    rm -rf "$1.before" "$1.before.heard"
    [ $silent = 0 ] || { echo "the output of $sink never fell silent" >&2; return 1; }
    record "$1" "$sink"
}

record() {
    HEARD=$1.heard
    rm -rf "$HEARD"
    mkdir "$HEARD"
    : >"$1"
    parec -d "$2.monitor" --format=s16le --rate=22050 --channels=1 --raw \
        --latency-msec=40 >"$1" &
    RECORDING_PID=$!
    python3 "$harness/tones.py" watch "$1" "$HEARD" &
    WATCH_PID=$!
    wait_until test -s "$1" || { echo "nothing was recorded from $2" >&2; return 1; }
}

# True once the recording holds the stand-in tone of sound $1, and with $2 ("whole") holds it
# whole.
heard() {
    [ -e "$HEARD/$1${2:+.$2}" ]
}

# Records sink $1 while "${@:3}" runs, and waits until the recording holds sound $2 whole and
# the output is silent again; fails if it never does.
hear() {
    local sink=$1 cue=$2
    shift 2
    start_recording "$AUDIO_DIR/heard.raw" "$sink" || return 1
    "$@"
    wait_until heard "$cue" whole && wait_until test -e "$HEARD/quiet"
    local status=$?
    stop_recording
    return $status
}

# The cues recording $1 holds, one "<file> whole|cut" a line, and "stray" for sound that no cue
# explains.
cues_in() {
    python3 "$harness/tones.py" find "$1" |
        awk '$1 == "cue" { print $2, $3 } $1 == "stray" { print "stray" }'
}

# True when recording $1 holds the cues "${@:2}" in that order, and none besides; otherwise
# shows what it holds.
heard_in_order() {
    local recording=$1
    shift
    [ "$(cues_in "$recording" | cut -d' ' -f1)" = "$(printf '%s\n' "$@")" ] && return 0
    cues_in "$recording" >&2
    return 1
}

# The rings of the bell that recording $1 holds, "<start ms> <length ms>" a line.
bells_in() {
    python3 "$harness/tones.py" find "$1" | awk '$1 == "bell" { print $2, $3 }'
}

stop_recording() {
    local pid
    for pid in "${RECORDING_PID:-}" "${WATCH_PID:-}"; do
        [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    done
    RECORDING_PID= WATCH_PID=
}
