"""A private desktop session for the benchmarks: an X display of their own (Xvfb), a D-Bus
session bus, and either a PulseAudio server whose only output is a null sink named "bng" or no
audio server at all. HOME and XDG_RUNTIME_DIR are a fresh temporary folder, so nothing is
written elsewhere; every process is ended by its PID when the session closes."""

import os
import shutil
import subprocess
import tempfile
import time


class PrivateSession:
    def __init__(self, audio):
        self.audio = audio
        self.processes = []
        self.folder = tempfile.mkdtemp(prefix="bng-bench-")
        home = os.path.join(self.folder, "home")
        runtime = os.path.join(self.folder, "run")
        os.mkdir(home)
        os.mkdir(runtime, 0o700)
        self.env = {
            key: value
            for key, value in os.environ.items()
            if not key.startswith(("DISPLAY", "DBUS_", "PULSE_", "XDG_", "QT_", "WAYLAND"))
        }
        self.env.update(HOME=home, XDG_RUNTIME_DIR=runtime)

    def __enter__(self):
        try:
            self._start_display()
            self._start_bus()
            if self.audio:
                self._start_pulse()
            else:
                self.env["PULSE_SERVER"] = "unix:" + os.path.join(self.folder, "no-server")
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, *_):
        self.close()

    def close(self):
        for process in reversed(self.processes):
            process.terminate()
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        self.processes = []
        shutil.rmtree(self.folder, ignore_errors=True)

    def spawn(self, command, **options):
        process = subprocess.Popen(command, env=self.env, **options)
        self.processes.append(process)
        return process

    def _start_display(self):
        read_end, write_end = os.pipe()
        self.spawn(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
             "-nolisten", "tcp"],
            pass_fds=(write_end,), stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as displayfd:
            number = displayfd.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start")
        self.env["DISPLAY"] = ":" + number

    def _start_bus(self):
        bus = self.spawn(
            ["dbus-daemon", "--session", "--nofork", "--nopidfile", "--print-address=1",
             "--address=unix:path=" + os.path.join(self.folder, "bus")],
            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        address = bus.stdout.readline().strip()
        if not address:
            raise RuntimeError("dbus-daemon did not start")
        self.env["DBUS_SESSION_BUS_ADDRESS"] = address

    def _start_pulse(self):
        native = os.path.join(self.env["XDG_RUNTIME_DIR"], "pulse", "native")
        self.env["PULSE_RUNTIME_PATH"] = os.path.dirname(native)
        self.env["PULSE_SERVER"] = "unix:" + native
        self.spawn(
            ["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--disallow-exit",
             "--use-pid-file=no", "--disable-shm=yes",
             "--load=module-null-sink sink_name=bng rate=22050 channels=1",
             "--load=module-native-protocol-unix auth-anonymous=1"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self._wait_for(lambda: self._quiet(["pactl", "info"]), "PulseAudio did not start")
        # A null sink with nothing to play renders two seconds ahead, and its monitor falls
        # silent between sounds; a silent stream of low latency keeps it in step with the clock.
        self.spawn(
            ["pacat", "--playback", "-d", "bng", "--raw", "--format=s16le", "--rate=22050",
             "--channels=1", "--latency-msec=10", "/dev/zero"])
        self._wait_for(lambda: 0 <= self.sink_latency_us() < 20000,
                       "the null sink did not settle to a low latency")

    def sink_latency_us(self):
        listing = subprocess.run(["pactl", "list", "sinks"], env=self.env, text=True,
                                 capture_output=True).stdout
        for line in listing.splitlines():
            words = line.split()
            if words[:1] == ["Latency:"]:
                return int(words[1])
        return -1

    def _quiet(self, command):
        return subprocess.run(command, env=self.env, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL).returncode == 0

    @staticmethod
    def _wait_for(ready, failure, seconds=10):
        deadline = time.monotonic() + seconds
        while not ready():
            if time.monotonic() > deadline:
                raise RuntimeError(failure)
            time.sleep(0.05)
