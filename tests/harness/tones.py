#!/usr/bin/env python3
"""Stand-ins for the game's sounds that a recording shows plainly, and the finder of them.

Each stand-in is a 16-bit mono wave file at 22,050 Hz under the name media/media.txt gives
one of the game's sounds: 40 ms of a marker tone, then a body tone, for as long as the real
sound lasts. The tones differ from file to file, so a recording of the audio output tells which
file played, where each one started (its marker, even right after the same sound was cut) and
for how long its body was heard, however the server resampled it and though a loaded machine
drops a few milliseconds here and there.

Each language of translations/LINGUAS has its stand-ins too, in a folder of its own as the game
has its sounds, each with a marker of its own and the body of the same cue in English; they are
named by their path in the folder, de/higher.wav say.

The system bell has a stand-in too, bell.wav: a tone of its own for as long as a desktop's
bell rings, told apart even while a cue plays with it, as the bell of a win does.

Usage:
    tones.py make <folder>          writes the stand-ins into folder, each language's into its
                                    own folder in it
    tones.py find <recording>       prints what a raw 16-bit mono 22,050 Hz recording holds:
        cue <file> whole|cut <start ms> <played ms>   for each cue heard, in order of time
        stray <start ms> <length ms>                  for each stretch no cue explains
        bell <start ms> <length ms>                   for each ring of the bell
    tones.py watch <recording> <folder>
        follows a recording as it grows, until it is ended: for the n-th cue whose body is
        heard it makes the files <n>.<file> and <file> in folder, and <n>.<file>.whole and
        <file>.whole once that cue is heard whole, so that a test can wait for a cue, or give
        the next one only once the last is heard; <n>.bell and bell for the n-th ring of the
        bell once it has rung for BELL_MS; the file quiet is there while the last
        QUIET_MS of the recording are silent
"""

import array
import itertools
import math
import os
import sys
import time
import wave

RATE = 22050
WINDOW = RATE // 100  # 10 ms
MARKER_MS = 40
# cue: (marker Hz, body Hz, length in ms, as the game's own sound)
TONES = {
    "start": (1100, 500, 950),
    "lower": (1400, 800, 410),
    "higher": (1700, 2300, 400),
    "win": (2000, 2600, 660),
    # Not one of the game's: a sound so long that the next cue is sure to cut it.
    "long": (2900, 3300, 8000),
}


# The bell's stand-in: a tone unlike any cue's, long enough to outlast the win's cue.
BELL = (4400, 1200)
SOURCE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")


def cue_sounds():
    """Each cue's sound file, as media/media.txt names it."""
    with open(os.path.join(SOURCE, "media", "media.txt")) as file:
        fields = [line.split() for line in file]
    return {line[1]: line[3] for line in fields if line[:1] == ["cue"]}


def languages():
    """The languages translations/LINGUAS lists beside English."""
    with open(os.path.join(SOURCE, "translations", "LINGUAS")) as file:
        return [line.strip() for line in file if line[:1].isalpha()]


# file: the tones of its stand-in. A cue the list gives and TONES does not fails here, before a
# test could take a sound it cannot tell apart for another.
SOUNDS = {file: TONES[cue] for cue, file in {**cue_sounds(), "long": "long.wav"}.items()}


def language_sounds():
    """Each language's stand-ins, as long as the English ones. Their markers lie above the English
    tones, 200 Hz apart: two of the finder's 100 Hz steps, where its window leaves nothing of
    the neighbour's tone; they keep the English tones' 300 Hz from the bell. Below where the
    audio path still carries a tone there is no room for a body of each one's own as well."""
    markers = (hz for hz in itertools.count(3600, 200) if abs(hz - BELL[0]) >= 300)
    sounds = {}
    for language, (cue, file) in itertools.product(languages(), cue_sounds().items()):
        sounds[f"{language}/{file}"] = (next(markers),) + TONES[cue][1:]
    return sounds


SOUNDS.update(language_sounds())
BELL_MS = 100  # rung for this long, the bell counts
LOUD = 500  # mean absolute sample value of a window that is not silence
GAP = 3  # windows of something else that a cue's body may hold and still go on
QUIET_MS = 150  # silence that no sound, not even one cut for a moment by a loaded machine, holds


def make(folder):
    tones = {name: (marker, body, length) for name, (marker, body, length) in SOUNDS.items()}
    tones["bell.wav"] = (BELL[0], BELL[0], BELL[1])
    for name, (marker, body, length) in tones.items():
        os.makedirs(os.path.join(folder, os.path.dirname(name)), exist_ok=True)
        samples = array.array("h")
        for i in range(length * RATE // 1000):
            frequency = marker if i < MARKER_MS * RATE // 1000 else body
            samples.append(int(12000 * math.sin(2 * math.pi * frequency * i / RATE)))
        with wave.open(os.path.join(folder, name), "wb") as file:
            file.setnchannels(1)
            file.setsampwidth(2)
            file.setframerate(RATE)
            file.writeframes(samples.tobytes())


HANN = [0.5 - 0.5 * math.cos(2 * math.pi * i / WINDOW) for i in range(WINDOW)]


def power(window, frequency):
    coefficient = 2 * math.cos(2 * math.pi * frequency / RATE)
    s1 = s2 = 0.0
    for sample, weight in zip(window, HANN):
        s1, s2 = sample * weight + coefficient * s1 - s2, s1
    return s1 * s1 + s2 * s2 - coefficient * s1 * s2


def labels(samples):
    """For each 10 ms window: ("marker", file), ("body", Hz), "bell" for the bell alone, "loud"
    for other sound, or None; and for each window whether the bell rings in it. The bell is left
    out when telling the cues apart, so that a cue keeps its name while the bell rings with it."""
    tones = [(marker, "marker", name) for name, (marker, _, _) in SOUNDS.items()]
    tones += [(body, "body", body) for body in {body for _, body, _ in SOUNDS.values()}]
    result = []
    rings = []
    for start in range(0, len(samples) - WINDOW + 1, WINDOW):
        window = samples[start:start + WINDOW]
        if sum(abs(s) for s in window) / WINDOW < LOUD:
            result.append(None)
            rings.append(False)
            continue
        powers = sorted(((power(window, f), kind, name) for f, kind, name in tones), reverse=True)
        best, second = powers[0], powers[1]
        bell = power(window, BELL[0])
        rings.append(bell > powers[0][0] / 4)
        if bell > 4 * best[0]:
            result.append("bell")
        elif best[0] > 4 * second[0]:
            result.append((best[1], best[2]))
        else:
            # Where the bell stops inside a window, its tone spreads to the markers nearest it.
            result.append("bell" if rings[-1] else "loud")
    return result, rings


def bells(rings):
    """The rings of the bell, as (start ms, length ms); a ring goes on over a dropout of up to
    GAP windows, as a loaded machine makes."""
    found = []
    start = end = None
    for k, ringing in enumerate(rings + [False] * (GAP + 1)):
        if ringing:
            start = k if start is None else start
            end = k + 1
        elif start is not None and k - end >= GAP:
            if (end - start) * 10 >= BELL_MS:
                found.append((start * 10, (end - start) * 10))
            start = end = None
    return found


def cues(marks):
    """The cues the window labels show, in order of time, as (file, whole, start ms, played ms),
    and for each window whether a cue explains it."""
    explained = [False] * len(marks)
    found = []
    i = 0
    while i < len(marks):
        mark = marks[i]
        if not (isinstance(mark, tuple) and mark[0] == "marker"):
            i += 1
            continue
        name = mark[1]
        start = i
        # The window where one sound gives way to the next holds a little of both.
        if start > 0 and not explained[start - 1]:
            explained[start - 1] = True
        while i < len(marks) and marks[i] == ("marker", name):
            explained[i] = True
            i += 1
        end = i
        misses = 0
        body = False
        while i < len(marks) and misses <= GAP:
            if marks[i] == ("body", SOUNDS[name][1]):
                misses = 0
                end = i + 1
                body = True
            elif marks[i] == ("marker", name) and not body:
                # A dropout inside the marker, as a loaded machine makes: the same cue goes on.
                misses = 0
                end = i + 1
                explained[i] = True
            elif isinstance(marks[i], tuple) and marks[i][0] == "marker":
                break
            else:
                misses += 1
            i += 1
        # So does the window where a sound ends.
        for k in range(start, min(end + 1, len(marks))):
            explained[k] = explained[k] or marks[k] is not None
        i = end
        played = (end - start) * 10
        found.append((name, played >= SOUNDS[name][2] - 30, start * 10, played))
    return found, explained


def find(path):
    with open(path, "rb") as file:
        data = file.read()
    marks, rings = labels(array.array("h", data[: len(data) // 2 * 2]))
    found, explained = cues(marks)
    for start, length in bells(rings):
        print(f"bell {start} {length}")
    explained = [seen or mark == "bell" for seen, mark in zip(explained, marks)]
    for name, whole, start, played in found:
        print(f"cue {name} {'whole' if whole else 'cut'} {start} {played}")
    stray = None
    for k, mark in enumerate(marks + [None]):
        if mark is not None and not explained[k]:
            stray = stray if stray is not None else k
        elif stray is not None:
            print(f"stray {stray * 10} {(k - stray) * 10}")
            stray = None


def watch(path, folder):
    marks = []
    rings = []
    offset = 0
    pending = b""
    made = set()
    while True:
        with open(path, "rb") as file:
            file.seek(offset)
            data = file.read()
        offset += len(data)
        pending += data
        usable = len(pending) // (2 * WINDOW) * (2 * WINDOW)
        if usable:
            more, ringing = labels(array.array("h", pending[:usable]))
            marks += more
            rings += ringing
            pending = pending[usable:]
            # A cue counts once its body is heard: a marker cut short would run into the marker
            # of the same sound given next and read as one cue with it.
            heard = [cue for cue in cues(marks)[0] if cue[3] > MARKER_MS]
            for number, (name, whole, _, _) in enumerate(heard, 1):
                names = [f"{number}.{name}", name]
                names += [f"{number}.{name}.whole", f"{name}.whole"] if whole else []
                for heard in names:
                    if heard not in made:
                        os.makedirs(os.path.join(folder, os.path.dirname(heard)), exist_ok=True)
                        open(os.path.join(folder, heard), "w").close()
                        made.add(heard)
            for number, _ in enumerate(bells(rings), 1):
                for heard in (f"{number}.bell", "bell"):
                    if heard not in made:
                        open(os.path.join(folder, heard), "w").close()
                        made.add(heard)
            quiet = os.path.join(folder, "quiet")
            if len(marks) * 10 >= QUIET_MS and not any(marks[-QUIET_MS // 10:]):
                open(quiet, "w").close()
            elif os.path.exists(quiet):
                os.remove(quiet)
        time.sleep(0.05)


if __name__ == "__main__":
    commands = {"make": (make, 3), "find": (find, 3), "watch": (watch, 4)}
    if sys.argv[1:2] and sys.argv[1] in commands and len(sys.argv) == commands[sys.argv[1]][1]:
        commands[sys.argv[1]][0](*sys.argv[2:])
    else:
        sys.exit(__doc__)
