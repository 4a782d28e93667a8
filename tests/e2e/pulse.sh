# Sourced by scripts that listen to the sound: a private PulseAudio server whose only output is
# a null sink named "bng", so that what is played can be recorded from its monitor. Its runtime
# folder, and HOME, are a fresh temporary folder, so nothing is written elsewhere and no other
# server is reached. stop_pulse ends the server and its helpers by their PIDs.

start_pulse() {
    PULSE_HOME=$(mktemp -d)
    mkdir -m 700 "$PULSE_HOME/run"
    export HOME="$PULSE_HOME" XDG_RUNTIME_DIR="$PULSE_HOME/run"
    export PULSE_RUNTIME_PATH="$PULSE_HOME/run/pulse"
    export PULSE_SERVER="unix:$PULSE_RUNTIME_PATH/native"
    # Tests run as root in containers, where the server warns but runs.
    pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit --use-pid-file=no \
        --disable-shm=yes \
        --load="module-null-sink sink_name=bng rate=22050 channels=1" \
        --load="module-native-protocol-unix auth-anonymous=1" \
        >"$PULSE_HOME/log" 2>&1 &
    PULSE_PID=$!
    local started=
    for _ in $(seq 100); do
        pactl info >/dev/null 2>&1 && { started=1; break; }
        kill -0 "$PULSE_PID" 2>/dev/null || break
        sleep 0.05
    done
    if [ -z "$started" ]; then
        cat "$PULSE_HOME/log" >&2
        echo "the private PulseAudio server did not start" >&2
        return 1
    fi
    # A null sink with nothing to play renders two seconds ahead and its monitor falls silent
    # between sounds. A silent stream of low latency keeps it rendering in step with the clock,
    # so that the monitor records the gaps too; it is ready once the sound rendered ahead at
    # start has played out.
    pacat --playback -d bng --raw --format=s16le --rate=22050 --channels=1 --latency-msec=10 \
        /dev/zero &
    PULSE_KEEPALIVE_PID=$!
    local latency
    for _ in $(seq 100); do
        latency=$(pactl list sinks | sed -n 's/^\s*Latency: \([0-9]*\) usec.*/\1/p' | head -n1)
        [ -n "$latency" ] && [ "$latency" -lt 20000 ] && return 0
        sleep 0.05
    done
    echo "the null sink did not settle to a low latency" >&2
    return 1
}

stop_pulse() {
    stop_recording
    [ -n "${PULSE_KEEPALIVE_PID:-}" ] && kill "$PULSE_KEEPALIVE_PID" 2>/dev/null &&
        wait "$PULSE_KEEPALIVE_PID" 2>/dev/null
    PULSE_KEEPALIVE_PID=
    [ -n "${PULSE_PID:-}" ] && kill "$PULSE_PID" 2>/dev/null && wait "$PULSE_PID" 2>/dev/null
    PULSE_PID=
    [ -n "${PULSE_HOME:-}" ] && rm -rf "$PULSE_HOME"
    PULSE_HOME=
}

# Records the null sink's output, as raw 16-bit mono at the rate of the game's wave files, into
# file $1 until stop_recording; returns once the recording runs.
start_recording() {
    parec -d bng.monitor --format=s16le --rate=22050 --channels=1 --raw --latency-msec=10 \
        >"$1" &
    RECORDING_PID=$!
    for _ in $(seq 200); do
        [ -s "$1" ] && return 0
        sleep 0.01
    done
    echo "nothing was recorded from the null sink" >&2
    return 1
}

stop_recording() {
    [ -n "${RECORDING_PID:-}" ] && kill "$RECORDING_PID" 2>/dev/null &&
        wait "$RECORDING_PID" 2>/dev/null
    RECORDING_PID=
}
