#!/usr/bin/env python3
"""Cue-latency benchmark: from a key press to the first loud sample of the cue it gives, heard
through a PulseAudio null sink in a private session.

The game is started, a Standard game with limits 5 and 5 is set up with xdotool, and Return is
pressed in the lower-limit box (GO!, the program's first cue, "I've got the number"); then a
wrong guess is typed and Return pressed in the guess box, again and again. The presses are
XTest events sent from this script, timed on the monotonic clock just before they are sent.

The sink's monitor is recorded with parec as one continuous stream. Its sample clock is tied to
the monotonic clock by the arrival of its chunks: a sample cannot arrive before it was played,
so the earliest arrival, less the samples before it, is taken as the time of sample 0. The
null sink plays in step with the clock (a silent stream of 10 ms latency keeps it so), and
renders at most a few milliseconds ahead. A cue's latency is the time of its first sample
louder than the threshold, less the time of the press.

Usage: bench/cue_latency.py [--build DIR] [--runs N] [--presses N]
"""

import argparse
import array
import ctypes
import os
import statistics
import subprocess
import sys
import threading
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from private_session import PrivateSession  # noqa: E402

RATE = 22050
LOUD = 1000
XK_RETURN = 0xFF0D


class Recorder:
    """parec on the null sink's monitor, read as it comes, with the arrival time of each chunk."""

    def __init__(self, session):
        self.process = session.spawn(
            ["parec", "-d", "bng.monitor", "--format=s16le", f"--rate={RATE}", "--channels=1",
             "--raw", "--latency-msec=10"], stdout=subprocess.PIPE)
        self.data = bytearray()
        self.arrivals = []
        self.thread = threading.Thread(target=self._read, daemon=True)
        self.thread.start()

    def _read(self):
        descriptor = self.process.stdout.fileno()
        while True:
            chunk = os.read(descriptor, 65536)
            if not chunk:
                return
            arrived = time.monotonic()
            self.data += chunk
            self.arrivals.append((arrived, len(self.data) // 2))

    def wait_running(self):
        deadline = time.monotonic() + 10
        while len(self.arrivals) < 10:
            if time.monotonic() > deadline:
                raise RuntimeError("nothing was recorded from the null sink")
            time.sleep(0.01)

    def stop(self):
        self.process.terminate()
        self.thread.join(5)
        samples = array.array("h")
        samples.frombytes(bytes(self.data[: len(self.data) // 2 * 2]))
        offsets = sorted(arrived - count / RATE for arrived, count in self.arrivals)
        # How late the chunks came after the earliest, as a measure of how well the clocks tie.
        spread_ms = (offsets[len(offsets) // 2] - offsets[0]) * 1000
        return samples, offsets[0], spread_ms


class Keyboard:
    """XTest key presses sent straight to the X server, without a process of their own."""

    def __init__(self, display_name):
        self.x11 = ctypes.CDLL("libX11.so.6")
        self.xtst = ctypes.CDLL("libXtst.so.6")
        self.x11.XOpenDisplay.restype = ctypes.c_void_p
        self.x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.x11.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        self.x11.XFlush.argtypes = [ctypes.c_void_p]
        self.x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
        self.xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int,
                                                ctypes.c_ulong]
        self.display = self.x11.XOpenDisplay(display_name.encode())
        if not self.display:
            raise RuntimeError("cannot open the display")
        self.enter = self.x11.XKeysymToKeycode(self.display, XK_RETURN)

    def press_enter(self):
        pressed = time.monotonic()
        self.xtst.XTestFakeKeyEvent(self.display, self.enter, 1, 0)
        self.xtst.XTestFakeKeyEvent(self.display, self.enter, 0, 0)
        self.x11.XFlush(self.display)
        return pressed

    def close(self):
        self.x11.XCloseDisplay(self.display)


def xdotool(session, *arguments):
    return subprocess.run(["xdotool", *arguments], env=session.env, check=True,
                          capture_output=True, text=True).stdout


def find_window(session, title):
    deadline = time.monotonic() + 20
    while time.monotonic() < deadline:
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"],
                               env=session.env, capture_output=True, text=True).stdout.split()
        if found:
            return found[0]
        time.sleep(0.05)
    raise RuntimeError(f"no window named {title}")


def click_client(session, window, x, y):
    geometry = dict(line.split("=") for line in
                    xdotool(session, "getwindowgeometry", "--shell", window).split())
    left = int(geometry["X"])
    top = int(geometry["Y"]) + int(geometry["HEIGHT"]) - 162
    xdotool(session, "mousemove", "--sync", str(left + x), str(top + y), "click", "1")


def latency_ms(samples, start, pressed, within=0.5):
    first = max(0, int((pressed - start) * RATE))
    last = min(len(samples), first + int(within * RATE))
    for index in range(first, last):
        if abs(samples[index]) > LOUD:
            return (start + index / RATE - pressed) * 1000
    return None


def run_game(build, presses):
    with PrivateSession(audio=True) as session:
        recorder = Recorder(session)
        recorder.wait_running()
        game = session.spawn([os.path.join(build, "brannoch-number-guess")], cwd=session.folder,
                             stderr=subprocess.DEVNULL)
        window = find_window(session, "Brannoch Number Guess 2002")
        xdotool(session, "windowfocus", "--sync", window)
        keyboard = Keyboard(session.env["DISPLAY"])
        xdotool(session, "key", "F10")
        time.sleep(0.3)
        xdotool(session, "key", "Down", "Return")
        time.sleep(0.3)
        click_client(session, window, 200, 17)
        xdotool(session, "type", "5")
        click_client(session, window, 200, 41)
        xdotool(session, "type", "5")
        time.sleep(0.2)
        times = [keyboard.press_enter()]
        time.sleep(1.3)
        for press in range(presses):
            xdotool(session, "type", "3" if press % 2 == 0 else "7")
            time.sleep(0.15)
            times.append(keyboard.press_enter())
            time.sleep(0.7)
        time.sleep(0.3)
        keyboard.close()
        samples, start, spread_ms = recorder.stop()
        game.terminate()
        game.wait()
    return [latency_ms(samples, start, pressed) for pressed in times], spread_ms


def show(value):
    return "silent" if value is None else f"{value:.1f}"


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default=os.path.join(here, "..", "build"))
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--presses", type=int, default=20)
    arguments = parser.parse_args()
    build = os.path.abspath(arguments.build)

    print("load before:", os.getloadavg())
    print("\n| run | GO! (first cue of the program) ms | first guess ms |"
          " guesses 2.. median ms | guesses 2.. max ms | audible | median chunk delay ms |")
    print("|---|---:|---:|---:|---:|---:|---:|")
    go, first, rest, heard, total = [], [], [], 0, 0
    for run in range(arguments.runs):
        latencies, spread_ms = run_game(build, arguments.presses)
        guesses = latencies[1:]
        later = [value for value in guesses[1:] if value is not None]
        heard += sum(value is not None for value in latencies)
        total += len(latencies)
        go.append(latencies[0])
        first.append(guesses[0])
        rest.extend(later)
        print(f"| {run + 1} | {show(latencies[0])} | {show(guesses[0])} |"
              f" {show(statistics.median(later) if later else None)} |"
              f" {show(max(later) if later else None)} |"
              f" {sum(value is not None for value in latencies)}/{len(latencies)} |"
              f" {spread_ms:.1f} |")
    audible = [value for value in first if value is not None]
    print(f"\nmedian over runs: GO! {show(statistics.median(v for v in go if v is not None))} ms,"
          f" first guess {show(statistics.median(audible) if audible else None)} ms,"
          f" guesses 2.. {show(statistics.median(rest) if rest else None)} ms;"
          f" {heard}/{total} cues audible")
    print("load after:", os.getloadavg())


if __name__ == "__main__":
    main()
