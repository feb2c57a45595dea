#!/usr/bin/env python3
"""Draws Tandem's icon as PNGs, a Windows .ico and a macOS .icns.

Qt on the build machines has no SVG support, so the images Qt loads are
rasterised here, once, and kept in the tree: the build needs no Python. The
shapes below are the ones in mainwindow/icons/tandem.svg; change both
together, then run this script from anywhere.
"""

import math
import pathlib
import struct
import zlib

ROOT = pathlib.Path(__file__).resolve().parent.parent
ICON_DIR = ROOT / "mainwindow" / "icons"
ICO_PATH = ROOT / "app" / "tandem.ico"
ICNS_PATH = ROOT / "app" / "tandem.icns"
# The sizes the macOS icon format holds as PNG, with their type codes.
ICNS_TYPES = {16: b"icp4", 32: b"icp5", 64: b"icp6", 128: b"ic07", 256: b"ic08"}
SIZES = (16, 32, 48, 64, 128, 256)
VIEW_BOX = 256.0

BLUE = (0x2B, 0x6C, 0xD4)
ORANGE = (0xF0, 0x8A, 0x24)
WHITE = (0xFF, 0xFF, 0xFF)


def waveform(left, centre_y, half_heights):
    """Bars 16 wide and 32 apart: whole pixels at 16 x 16."""
    return [(left + 32 * i, centre_y - h, 16, 2 * h, 8, WHITE) for i, h in enumerate(half_heights)]


# (x, y, width, height, corner radius, colour) in the SVG's 256 x 256 view
# box, painted in this order. Edges lie on the 16-unit grid so that they
# stay sharp at 16 x 16. The white band around the second strip keeps the
# two strips apart where they overlap.
SHAPES = (
    [(16, 32, 160, 112, 32, BLUE)]
    + waveform(48, 88, (24, 40, 16))
    + [(72, 104, 176, 128, 40, WHITE), (80, 112, 160, 112, 32, ORANGE)]
    + waveform(112, 168, (24, 40, 16, 32))
)


def rounded_rect_distance(px, py, shape, scale):
    """Signed distance in pixels from a pixel centre to the shape's edge."""
    x, y, w, h, r = (v * scale for v in shape[:5])
    qx = abs(px - (x + w / 2)) - (w / 2 - r)
    qy = abs(py - (y + h / 2)) - (h / 2 - r)
    outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
    return outside + min(max(qx, qy), 0.0) - r


def render(size):
    """Straight-alpha RGBA rows; coverage is the distance to the edge, which
    anti-aliases as well as supersampling at a fraction of the cost."""
    scale = size / VIEW_BOX
    pixels = [[0.0, 0.0, 0.0, 0.0] for _ in range(size * size)]  # premultiplied
    for shape in SHAPES:
        colour = [c / 255.0 for c in shape[5]]
        x0 = max(int(shape[0] * scale) - 1, 0)
        y0 = max(int(shape[1] * scale) - 1, 0)
        x1 = min(int(math.ceil((shape[0] + shape[2]) * scale)) + 1, size)
        y1 = min(int(math.ceil((shape[1] + shape[3]) * scale)) + 1, size)
        for row in range(y0, y1):
            for column in range(x0, x1):
                distance = rounded_rect_distance(column + 0.5, row + 0.5, shape, scale)
                coverage = min(max(0.5 - distance, 0.0), 1.0)
                if coverage == 0.0:
                    continue
                pixel = pixels[row * size + column]
                keep = 1.0 - coverage
                for channel in range(3):
                    pixel[channel] = colour[channel] * coverage + pixel[channel] * keep
                pixel[3] = coverage + pixel[3] * keep
    rows = []
    for row in range(size):
        data = bytearray()
        for pixel in pixels[row * size : (row + 1) * size]:
            alpha = pixel[3]
            if alpha == 0.0:
                data += b"\0\0\0\0"
                continue
            data += bytes(round(min(pixel[c] / alpha, 1.0) * 255) for c in range(3))
            data.append(round(alpha * 255))
        rows.append(bytes(data))
    return rows


def png_chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def png(size, rows):
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)  # 8-bit RGBA
    raw = b"".join(b"\0" + row for row in rows)  # filter type 0 on every row
    return (
        b"\x89PNG\r\n\x1a\n"
        + png_chunk(b"IHDR", header)
        + png_chunk(b"IDAT", zlib.compress(raw, 9))
        + png_chunk(b"IEND", b"")
    )


def ico(images):
    """An icon directory whose entries are PNG streams, as Windows Vista and
    later read them at every size."""
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries = b""
    for size, data in images:
        side = 0 if size == 256 else size  # 0 stands for 256
        entries += struct.pack("<BBBBHHII", side, side, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return directory + entries + b"".join(data for _, data in images)


def icns(images):
    """An Apple icon family: one element per size, each a PNG stream."""
    elements = b"".join(
        ICNS_TYPES[size] + struct.pack(">I", 8 + len(data)) + data for size, data in images if size in ICNS_TYPES
    )
    return b"icns" + struct.pack(">I", 8 + len(elements)) + elements


def main():
    images = []
    for size in SIZES:
        data = png(size, render(size))
        (ICON_DIR / f"tandem-{size}.png").write_bytes(data)
        images.append((size, data))
    ICO_PATH.write_bytes(ico(images))
    ICNS_PATH.write_bytes(icns(images))


if __name__ == "__main__":
    main()
