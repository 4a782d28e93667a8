#!/usr/bin/env python3
"""Measures the text in a screen grab of one control (a binary PPM picture).

contrast.py contrast <grab>  prints "<ratio> <background> <text>": WCAG's contrast ratio of the
                             pixel that stands out most from the background, the grab's most
                             common colour, against it
contrast.py ink <grab>       prints "<left> <top> <right> <bottom> <lines> <pixels>": the box
                             around the ink (the pixels nearer in colour to the text than to
                             the background, the most common colour of the grab's edges), the
                             number of runs of rows holding ink (lines of text) and how many
                             pixels it has; or "none"
contrast.py background <grab>  prints the grab's most common colour as "r,g,b"
"""

import collections
import sys


def read_ppm(path):
    with open(path, "rb") as file:
        data = file.read()
    fields = []
    position = 0
    while len(fields) < 4:
        while data[position:position + 1].isspace():
            position += 1
        if data[position:position + 1] == b"#":
            position = data.index(b"\n", position)
            continue
        start = position
        while not data[position:position + 1].isspace():
            position += 1
        fields.append(data[start:position])
    if fields[0] != b"P6" or int(fields[3]) != 255:
        sys.exit(path + " is not an 8-bit binary PPM picture")
    width, height = int(fields[1]), int(fields[2])
    pixels = data[position + 1:position + 1 + 3 * width * height]
    rows = [[tuple(pixels[3 * (y * width + x):3 * (y * width + x) + 3]) for x in range(width)]
            for y in range(height)]
    return rows


def luminance(colour):
    def linear(channel):
        channel /= 255
        return channel / 12.92 if channel <= 0.03928 else ((channel + 0.055) / 1.055) ** 2.4

    red, green, blue = (linear(channel) for channel in colour)
    return 0.2126 * red + 0.7152 * green + 0.0722 * blue


def ratio(first, second):
    lighter, darker = sorted((luminance(first), luminance(second)), reverse=True)
    return (lighter + 0.05) / (darker + 0.05)


def background(rows):
    return collections.Counter(colour for row in rows for colour in row).most_common(1)[0][0]


def text_colour(rows, back):
    return max({colour for row in rows for colour in row}, key=lambda colour: ratio(colour, back))


def difference(first, second):
    return max(abs(a - b) for a, b in zip(first, second))


def contrast(rows):
    back = background(rows)
    text = text_colour(rows, back)
    print("%.2f %s %s" % (ratio(text, back), ",".join(map(str, back)), ",".join(map(str, text))))


def ink(rows):
    # The edges of a grab show the background even where it is shaded, as a button's is.
    back = background([rows[0], rows[-1], [row[0] for row in rows], [row[-1] for row in rows]])
    # Pixels nearer the text's colour than the background's, so that the shading does not count.
    threshold = max(difference(text_colour(rows, back), back) / 2, 4)
    inked = [[difference(colour, back) > threshold for colour in row] for row in rows]
    # A frame's edge that the grab takes in is a line of ink from end to end, which no text is:
    # it is passed over, rows first, then columns (the rows of the picture turned).
    for _ in range(2):
        while len(inked) > 2 and all(inked[0]):
            inked = inked[1:]
        while len(inked) > 2 and all(inked[-1]):
            inked = inked[:-1]
        inked = [list(column) for column in zip(*inked)]
    ys = [y for y, row in enumerate(inked) if any(row)]
    if not ys:
        print("none")
        return
    xs = [x for row in inked for x, on in enumerate(row) if on]
    lines = sum(1 for index, y in enumerate(ys) if index == 0 or ys[index - 1] != y - 1)
    print(min(xs), ys[0], max(xs), ys[-1], lines, len(xs))


def most_common(rows):
    print(",".join(map(str, background(rows))))


if __name__ == "__main__":
    modes = {"contrast": contrast, "ink": ink, "background": most_common}
    if len(sys.argv) != 3 or sys.argv[1] not in modes:
        sys.exit(__doc__)
    modes[sys.argv[1]](read_ppm(sys.argv[2]))
