#!/usr/bin/env python3
"""Draws docs/placement.svg for the README: the clips of each track of a
combined session, as recorded and after File 1 with a gap, taken from what
tandem-append really writes for the engine tests' "after-gap" pair.

Usage: placement-diagram.py TANDEM_APPEND OUTPUT.svg
"""
import html
import os
import re
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
PAIR = os.path.join(HERE, "..", "tests", "engine", "data", "after-gap")


def clips(tool, options):
    """[(track name, [(start, end, from File 2)])] in track order."""
    with tempfile.TemporaryDirectory() as target:
        subprocess.run([tool, "--no-verify", "--keep-relative-paths", "--target", target] + options +
                       [os.path.join(PAIR, "One.sesx"), os.path.join(PAIR, "Two.sesx")],
                       check=True, stdout=subprocess.DEVNULL)
        text = open(os.path.join(target, "One + Two.sesx"), encoding="utf-8").read()
    # File 1's tracks come first, as many as it has.
    first = open(os.path.join(PAIR, "One.sesx"), encoding="utf-8").read().count("<audioTrack ")
    tracks = []
    for track in re.finditer(r'<audioTrack [^>]*id="(\d+)"[^>]*>(.*?)</audioTrack>', text, re.S):
        name = re.search(r"<name>(.*?)</name>", track.group(2)).group(1)
        spans = [(int(re.search(r'startPoint="(\d+)"', c).group(1)), int(re.search(r'endPoint="(\d+)"', c).group(1)))
                 for c in re.findall(r"<audioClip [^>]*>", track.group(2))]
        tracks.append((name, spans, len(tracks) >= first))
    return tracks


def diagram(panels, rate=48000):
    width, left, row, top = 760, 170, 26, 34
    end = max(e for _, tracks in panels for _, spans, _ in tracks for _, e in spans)
    scale = (width - left - 20) / end
    parts, y = [], 10
    for title, tracks in panels:
        parts.append(f'<text x="10" y="{y + 14}" font-weight="bold">{html.escape(title)}</text>')
        y += top - 10
        for name, spans, second in tracks:
            label = ("File 2: " if second else "File 1: ") + name
            parts.append(f'<text x="10" y="{y + 16}">{html.escape(label)}</text>')
            colour = "#d9822b" if second else "#3b7dd8"
            for start, stop in spans:
                parts.append(f'<rect x="{left + start * scale:.1f}" y="{y + 3}" width="{(stop - start) * scale:.1f}" '
                             f'height="{row - 8}" rx="3" fill="{colour}"/>')
            y += row
        y += 12
    for second in range(0, int(end / rate) + 1, 5):
        x = left + second * rate * scale
        parts.append(f'<line x1="{x:.1f}" y1="{y - 6}" x2="{x:.1f}" y2="{y}" stroke="#555"/>'
                     f'<text x="{x:.1f}" y="{y + 14}" text-anchor="middle">{second} s</text>')
    height = y + 24
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" '
            f'font-family="sans-serif" font-size="13">\n<rect width="100%" height="100%" fill="white"/>\n'
            + "\n".join(parts) + "\n</svg>\n")


def main():
    tool, output = sys.argv[1:3]
    panels = [('As recorded (the default): File 2 starts where it was recorded', clips(tool, [])),
              ('After File 1, 2 s gap: File 2 follows the end of File 1\'s last clip', clips(tool, ["--after", "2"]))]
    with open(output, "w", encoding="utf-8") as svg:
        svg.write(diagram(panels))


if __name__ == "__main__":
    main()
