#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the sample skin's images and packs examples/sample-skin/ into sample-skin.zip.

The images are plain shapes drawn here pixel by pixel, so the sample needs nothing but
Python. Run it again after editing the XML layouts.
"""
import os
import struct
import zipfile
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
FOLDER = os.path.join(HERE, "sample-skin")
ARCHIVE = os.path.join(HERE, "sample-skin.zip")


def write_png(path, width, height, pixel):
    """pixel(x, y) -> (r, g, b, a)"""
    rows = bytearray()
    for y in range(height):
        rows.append(0)
        for x in range(width):
            rows.extend(pixel(x, y))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", header))
        f.write(chunk(b"IDAT", zlib.compress(bytes(rows), 9)))
        f.write(chunk(b"IEND", b""))


def inside(x, y, left, top, width, height):
    return left <= x < left + width and top <= y < top + height


# Custom browser icons: 8 icons of 32 x 32, 4 a row, at (832, 536); see <customicons>.
ICONS = (832, 536, 32, 4, 8)


def icon_pixel(x, y):
    left, top, size, per_row, count = ICONS
    col, row = (x - left) // size, (y - top) // size
    if row * per_row + col >= count:
        return None
    cx, cy = x - left - col * size - size // 2, y - top - row * size - size // 2
    hue = [(230, 90, 60), (240, 180, 60), (90, 200, 120), (70, 160, 230)][col]
    shape = row * per_row + col
    hit = (cx * cx + cy * cy <= 144) if shape % 2 == 0 else (abs(cx) <= 10 and abs(cy) <= 10)
    return hue + (255,) if hit else (0, 0, 0, 0)


def skin_pixel(x, y):
    if inside(x, y, ICONS[0], ICONS[1], ICONS[2] * ICONS[3], ICONS[2] * ICONS[4] // ICONS[3]):
        pixel = icon_pixel(x, y)
        if pixel:
            return pixel
    for left in (10, 490):  # the two decks
        if inside(x, y, left, 10, 460, 200):
            edge = x in (left, left + 459) or y in (10, 209)
            shade = 70 if edge else 34 + (y - 10) // 10
            return (shade, shade, shade + 12, 255)
    if inside(x, y, 10, 220, 940, 310):  # where the browser sits
        return (18, 18, 22, 255)
    return (26, 26, 30, 255)


def window_pixel(x, y):
    if y < 22:
        return (60, 60, 72, 255)
    edge = x in (0, 239) or y == 119
    return (90, 90, 100, 255) if edge else (30, 30, 36, 235)


def main():
    write_png(os.path.join(FOLDER, "sample.png"), 960, 600, skin_pixel)
    write_png(os.path.join(FOLDER, "sample-window.png"), 240, 120, window_pixel)
    names = sorted(n for n in os.listdir(FOLDER) if n.endswith((".xml", ".png")))
    with zipfile.ZipFile(ARCHIVE, "w", zipfile.ZIP_DEFLATED) as archive:
        for name in names:
            info = zipfile.ZipInfo(name, date_time=(2024, 1, 1, 0, 0, 0))
            info.compress_type = zipfile.ZIP_DEFLATED
            info.external_attr = 0o644 << 16
            with open(os.path.join(FOLDER, name), "rb") as f:
                archive.writestr(info, f.read())
    print("wrote", ARCHIVE)


if __name__ == "__main__":
    main()
