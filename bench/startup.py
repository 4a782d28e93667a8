#!/usr/bin/env python3
"""Start-up benchmark: the game beside the minimal Qt programs, interleaved, in a private
session, without an audio server and with a PulseAudio null sink.

Each run is timed by bng-startup-watch from the exec to the map of the main window and to the
first drawing in it, with the CPU time at the map and the memory one second after it. After
warm-up runs, each round runs the game, the minimal program with Qt Multimedia and the bare one
in a rotating order; the table gives the medians, and the medians of the per-round ratios and
differences of the game to each yardstick.

Usage: bench/startup.py [--build DIR] [--rounds N] [--warmups N] [--audio none|null-sink|both]
                        [--also NAME=PROGRAM]... [--language LANGUAGE]...

--also adds another program to each round, such as an earlier build of the game; --language
adds the game in that language (LANGUAGE set to it), as game-LANGUAGE, compared to the
yardsticks as the game is.
"""

import argparse
import os
import statistics
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from private_session import PrivateSession  # noqa: E402

FIGURES = ["map_ms", "paint_ms", "cpu_ms", "rss_kib", "anon_kib", "private_kib"]


def start_sound():
    """The start cue's sound, as media/media.txt names it: the one the minimal program readies."""
    here = os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(here, "..", "media", "media.txt")) as file:
        for line in file:
            fields = line.split()
            if fields[:2] == ["cue", "start"]:
                return fields[3]
    raise RuntimeError("media/media.txt names no start cue")


def measure(session, build, command, language=None):
    watch = os.path.join(build, "bench", "bng-startup-watch")
    env = dict(session.env, LANGUAGE=language) if language else session.env
    result = subprocess.run([watch, "--"] + command, env=env, cwd=session.folder,
                            capture_output=True, text=True, timeout=60)
    if result.returncode != 0:
        raise RuntimeError(f"{command[0]}: {result.stderr.strip()}")
    line = result.stdout.strip().splitlines()[-1]
    return {key: float(value) for key, value in (item.split("=") for item in line.split())}


def run_scenario(build, audio, rounds, warmups, also, languages):
    programs = {
        "game": [os.path.join(build, "brannoch-number-guess")],
        "minimal": [os.path.join(build, "bench", "minimal", "bng-minimal"),
                    os.path.join(build, "media", start_sound())],
        "bare": [os.path.join(build, "bench", "minimal", "bng-minimal-bare")],
    }
    # The yardstick with Qt Multimedia is built only where its development files are installed.
    if not os.path.exists(programs["minimal"][0]):
        del programs["minimal"]
    programs.update(also)
    for language in languages:
        programs[f"game-{language}"] = programs["game"]
    names = list(programs)

    def language_of(name):
        return name[len("game-"):] if name.startswith("game-") else None

    runs = {name: [] for name in names}
    with PrivateSession(audio) as session:
        for _ in range(warmups):
            for name in names:
                measure(session, build, programs[name], language_of(name))
        for round_number in range(rounds):
            order = names[round_number % len(names):] + names[:round_number % len(names)]
            for name in order:
                runs[name].append(measure(session, build, programs[name], language_of(name)))
    return runs


def report(audio, runs):
    label = "PulseAudio null sink" if audio else "no audio server"
    print(f"\n### {label} ({len(runs['game'])} rounds)\n")
    print("| program | map ms | paint ms | CPU to map ms | RSS MiB | RssAnon MiB |"
          " Private_Dirty MiB |")
    print("|---|---:|---:|---:|---:|---:|---:|")
    for name, samples in runs.items():
        medians = {key: statistics.median(s[key] for s in samples) for key in FIGURES}
        print(f"| {name} | {medians['map_ms']:.1f} | {medians['paint_ms']:.1f} |"
              f" {medians['cpu_ms']:.1f} | {medians['rss_kib'] / 1024:.2f} |"
              f" {medians['anon_kib'] / 1024:.2f} | {medians['private_kib'] / 1024:.2f} |")
    print("\n| game | against | map ratio | map diff ms | paint ratio | CPU ratio |"
          " RSS diff MiB | RssAnon diff MiB | Private_Dirty diff MiB |")
    print("|---|---|---:|---:|---:|---:|---:|---:|---:|")
    games = [name for name in runs if name == "game" or name.startswith("game-")]
    for game, yardstick in [(g, y) for g in games for y in runs if y not in games]:
        pairs = list(zip(runs[game], runs[yardstick]))

        def ratio(key):
            return statistics.median(g[key] / y[key] for g, y in pairs)

        def diff(key, scale=1.0):
            return statistics.median((g[key] - y[key]) / scale for g, y in pairs)

        print(f"| {game} | {yardstick} | {ratio('map_ms'):.3f} | {diff('map_ms'):+.1f} |"
              f" {ratio('paint_ms'):.3f} | {ratio('cpu_ms'):.3f} |"
              f" {diff('rss_kib', 1024):+.2f} | {diff('anon_kib', 1024):+.2f} |"
              f" {diff('private_kib', 1024):+.2f} |")


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default=os.path.join(here, "..", "build"))
    parser.add_argument("--rounds", type=int, default=15)
    parser.add_argument("--warmups", type=int, default=3)
    parser.add_argument("--audio", choices=["none", "null-sink", "both"], default="both")
    parser.add_argument("--also", action="append", default=[], metavar="NAME=PROGRAM")
    parser.add_argument("--language", action="append", default=[])
    arguments = parser.parse_args()
    build = os.path.abspath(arguments.build)
    also = {name: [os.path.abspath(program)]
            for name, program in (item.split("=", 1) for item in arguments.also)}

    print("load before:", os.getloadavg())
    scenarios = {"none": [False], "null-sink": [True], "both": [False, True]}[arguments.audio]
    for audio in scenarios:
        runs = run_scenario(build, audio, arguments.rounds, arguments.warmups, also,
                            arguments.language)
        report(audio, runs)
    print("\nload after:", os.getloadavg())


if __name__ == "__main__":
    main()
