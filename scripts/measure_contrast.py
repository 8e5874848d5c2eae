# SPDX-License-Identifier: GPL-3.0-or-later
"""Contrast of every text box listed beside a screenshot (WCAG 2 ratio of text to background).

In each box the background is the most frequent colour, and the text's contrast is the one that
at least a few pixels reach (glyph cores; a single stray pixel does not count). Greyed labels
(options that are off) and disabled controls need 3:1, every other text, a field's placeholder
included, 4.5:1. Prints every text below its mark and the lowest ratio of each kind per folder."""
import collections
import pathlib
import subprocess
import sys

MIN_TEXT_PIXELS = 4
THRESHOLD = 4.5
GREYED_THRESHOLD = 3.0


def luminance(rgb):
    def channel(c):
        c = c / 255
        return c / 12.92 if c <= 0.03928 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = (channel(c) for c in rgb)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def ratio(a, b):
    la, lb = sorted((luminance(a), luminance(b)), reverse=True)
    return (la + 0.05) / (lb + 0.05)


def read_ppm(png):
    data = subprocess.run(["convert", str(png), "ppm:-"], check=True,
                          capture_output=True).stdout
    fields = data.split(maxsplit=4)
    width, height = int(fields[1]), int(fields[2])
    return width, height, fields[4][: width * height * 3]


def box_contrast(image, x, y, w, h):
    width, height, pixels = image
    counts = collections.Counter()
    for row in range(max(y, 0), min(y + h, height)):
        start = (row * width + max(x, 0)) * 3
        end = (row * width + min(x + w, width)) * 3
        line = pixels[start:end]
        counts.update(zip(line[0::3], line[1::3], line[2::3]))
    if not counts:
        return None
    background = counts.most_common(1)[0][0]
    reached = sorted(((ratio(c, background), n) for c, n in counts.items() if c != background), reverse=True)
    pixels = 0
    for value, n in reached:
        pixels += n
        if pixels >= MIN_TEXT_PIXELS:
            return value, background
    return None  # nothing drawn on the background: no text to read


def measure(folder):
    results = []
    for texts in sorted(pathlib.Path(folder).glob("*.texts")):
        image = read_ppm(texts.with_suffix(".png"))
        for line in texts.read_text().splitlines():
            x, y, w, h, what = line.split(" ", 4)
            found = box_contrast(image, int(x), int(y), int(w), int(h))
            if found:
                results.append((found[0], texts.stem, what, found[1]))
    return results


def main(folders):
    for folder in folders:
        results = sorted(measure(folder))
        kinds = (("enabled", lambda what: not what.endswith(("disabled", "greyed", "placeholder")), THRESHOLD),
                 ("placeholder", lambda what: what.endswith("placeholder") and " disabled" not in what, THRESHOLD),
                 ("greyed", lambda what: what.endswith("greyed"), GREYED_THRESHOLD),
                 ("disabled", lambda what: " disabled" in what, GREYED_THRESHOLD))
        print(f"{folder}: {len(results)} texts measured")
        for name, wanted, mark in kinds:
            group = [r for r in results if wanted(r[2])]
            for value, shot, what, background in group:
                if value < mark:
                    print(f"  {value:5.2f}:1  {shot}  {what}  on rgb{background}")
            if group:
                print(f"  lowest ({name}, {len(group)} texts) {group[0][0]:.2f}:1 ({group[0][1]} {group[0][2]})")


if __name__ == "__main__":
    main(sys.argv[1:])
