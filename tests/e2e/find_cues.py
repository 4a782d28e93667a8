#!/usr/bin/env python3
"""Finds the game's sound cues in a recording of the audio output.

Usage: find_cues.py <recording> <wave file>...

The recording is raw signed 16-bit little-endian mono at the wave files' rate. A cue is found
where the loudness of the recording follows the start of one of the wave files, and it lasts
for as long as the loudness keeps following that file. Prints, in order of time:

    cue <file> whole|cut <start ms> <played ms>   for each cue heard
    stray <start ms> <length ms>                  for each stretch of sound no cue explains
    span <first loud ms> <last loud ms>           or "span none" for a silent recording
"""

import array
import os
import sys
import wave

WINDOW_MS = 10
TEMPLATE_WINDOWS = 12
MIN_LIKENESS = 0.9
LOUD = 1000


class Loudness:
    """Mean absolute sample value over windows of a fixed length, from any start."""

    def __init__(self, samples, window):
        self.window = window
        self.length = len(samples)
        sums = array.array("q", [0]) * (len(samples) + 1)
        total = 0
        for i, sample in enumerate(samples):
            total += abs(sample)
            sums[i + 1] = total
        self.sums = sums

    def at(self, start):
        end = min(start + self.window, self.length)
        if start >= end:
            return 0.0
        return (self.sums[end] - self.sums[start]) / self.window


def likeness(a, b):
    n = len(a)
    mean_a = sum(a) / n
    mean_b = sum(b) / n
    cov = sum((x - mean_a) * (y - mean_b) for x, y in zip(a, b))
    var_a = sum((x - mean_a) ** 2 for x in a)
    var_b = sum((y - mean_b) ** 2 for y in b)
    if var_a == 0 or var_b == 0:
        return 0.0
    return cov / (var_a * var_b) ** 0.5


def read_wave(path):
    with wave.open(path) as file:
        if file.getsampwidth() != 2 or file.getnchannels() != 1:
            sys.exit(f"{path}: not 16-bit mono")
        samples = array.array("h", file.readframes(file.getnframes()))
        return file.getframerate(), samples


def find_onsets(recording, sound, rate):
    """Starts, in samples and in order, where the recording follows the start of the sound."""
    window = recording.window
    template = [sound.at(k * window) for k in range(TEMPLATE_WINDOWS)]
    template_total = sum(template)
    hop = rate // 1000
    scored = []
    for start in range(0, recording.length - TEMPLATE_WINDOWS * window, hop):
        heard = [recording.at(start + k * window) for k in range(TEMPLATE_WINDOWS)]
        total = sum(heard)
        if not 0.5 * template_total <= total <= 2 * template_total:
            continue
        score = likeness(template, heard)
        if score >= MIN_LIKENESS:
            scored.append((start, score))
    # Neighbouring starts match the same cue; the best of each run of them is its onset.
    onsets = []
    previous = None
    for start, score in scored:
        if previous is not None and start - previous <= rate * 30 // 1000:
            if score > onsets[-1][1]:
                onsets[-1] = (start, score)
        else:
            onsets.append((start, score))
        previous = start
    return onsets


def played_length(recording, sound, start):
    """How many samples from start the recording follows the sound, and whether to its end.

    A loaded machine may drop a few milliseconds of the recording, which shifts what follows by
    as much, so each window may match half a window early or late, and a cue counts as ended
    only after three windows in a row that do not follow it."""
    window = recording.window
    misses = 0
    offset = 0
    followed = 0
    while offset < sound.length:
        expected = sound.at(offset)
        if any(abs(recording.at(start + offset + shift) - expected) <= 0.25 * expected + LOUD / 4
               for shift in (0, -window // 2, window // 2)):
            misses = 0
            followed = min(offset + window, sound.length)
        else:
            misses += 1
            if misses == 3:
                return followed, False
        offset += window
    return followed, followed >= sound.length


def mismatch(recording, sound, start, offset):
    """How far the recording from start strays from the sound from offset, over a template."""
    window = recording.window
    return sum(abs(recording.at(start + k * window) - sound.at(offset + k * window))
               for k in range(TEMPLATE_WINDOWS))


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    rate = None
    sounds = {}
    for path in sys.argv[2:]:
        sound_rate, samples = read_wave(path)
        if rate is not None and sound_rate != rate:
            sys.exit(f"{path}: rate {sound_rate}, not {rate}")
        rate = sound_rate
        sounds[os.path.basename(path)] = samples
    window = rate * WINDOW_MS // 1000
    with open(sys.argv[1], "rb") as file:
        data = file.read()
    # A recorder that is ended may leave half a sample at the end.
    recording = Loudness(array.array("h", data[: len(data) // 2 * 2]), window)
    loudness = {name: Loudness(samples, window) for name, samples in sounds.items()}

    candidates = []
    for name, sound in loudness.items():
        for start, score in find_onsets(recording, sound, rate):
            candidates.append((start, score, name))
    # Where two files match the same stretch, the likelier one was heard.
    candidates.sort()
    onsets = []
    for start, score, name in candidates:
        if onsets and start - onsets[-1][0] < rate * 30 // 1000:
            if score > onsets[-1][1]:
                onsets[-1] = (start, score, name)
        else:
            onsets.append((start, score, name))

    # A stretch of a sound can look like the start of another, or of itself; an onset inside a
    # cue counts only where the recording follows the new start clearly better than the rest of
    # that cue, as when a cue is cut and the next starts with no gap between them.
    ms = 1000 / rate
    covered = []
    for start, _, name in onsets:
        if covered and start < covered[-1][1] - 2 * window:
            before, before_start, _ = covered[-1][2], covered[-1][0], covered[-1][1]
            if mismatch(recording, loudness[name], start, 0) * 2 >= mismatch(
                    recording, loudness[before], start, start - before_start):
                continue
            covered[-1] = (before_start, start, before, False)
        played, whole = played_length(recording, loudness[name], start)
        # A start that the recording stops following at once only looked like one.
        if played < 3 * window:
            continue
        covered.append((start, start + played, name, whole))
    for start, end, name, whole in covered:
        print(f"cue {name} {'whole' if whole else 'cut'} {start * ms:.0f} {(end - start) * ms:.0f}")
    covered = [(start, end) for start, end, _, _ in covered]

    loud = [t for t in range(0, recording.length, window) if recording.at(t) > LOUD]
    stray_start = None
    for t in loud + [None]:
        explained = t is not None and any(a - window < t < b for a, b in covered)
        if stray_start is not None and (t is None or explained or t != stray_end):
            print(f"stray {stray_start * ms:.0f} {(stray_end - stray_start) * ms:.0f}")
            stray_start = None
        if t is not None and not explained:
            if stray_start is None:
                stray_start = t
            stray_end = t + window
    if loud:
        print(f"span {loud[0] * ms:.0f} {(loud[-1] + window) * ms:.0f}")
    else:
        print("span none")


if __name__ == "__main__":
    main()
