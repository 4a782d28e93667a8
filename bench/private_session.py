"""A private desktop session for the benchmarks, made by the tests' own harness
(tests/harness/session.sh serve): an X display of their own, a D-Bus session bus, and either a
PulseAudio server (PipeWire's where PulseAudio is not installed) whose only output is a null
sink named "bng", or no audio server at all. Nothing of the machine's own session is seen; every
process is ended by its PID when the session closes."""

import os
import subprocess

HARNESS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "harness",
                       "session.sh")


class PrivateSession:
    def __init__(self, audio):
        command = ["bash", HARNESS, "serve", "--display", "--bus"]
        if audio:
            command += ["--audio"]
        self.harness = subprocess.Popen(command, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                        text=True)
        self.processes = []
        path = self.harness.stdout.readline().strip()
        if not path:
            self.harness.wait()
            raise RuntimeError("the private session did not start")
        with open(path, "rb") as environment:
            self.env = dict(item.decode().split("=", 1)
                            for item in environment.read().split(b"\0") if item)
        self.folder = os.path.dirname(path)
        if not audio:
            self.env["PULSE_SERVER"] = "unix:" + os.path.join(self.folder, "no-server")

    def __enter__(self):
        return self

    def __exit__(self, *_):
        self.close()

    def close(self):
        for process in reversed(self.processes):
            process.terminate()
            process.wait()
        self.processes = []
        self.harness.stdin.close()
        self.harness.wait()

    def spawn(self, command, **options):
        process = subprocess.Popen(command, env=self.env, **options)
        self.processes.append(process)
        return process
