# SPDX-License-Identifier: GPL-3.0-or-later
"""The skins run_bench.py builds: written fresh on every run from a fixed seed, so every run and
every machine times the same bytes, and no skin of anyone else's is needed."""
import random
import struct
import zipfile
import zlib
from dataclasses import dataclass, field


@dataclass
class Skin:
    path: str
    summary: str
    # Entries the build is meant to rewrite: every layout and the image each one names.
    changed: set = field(default_factory=set)

    @property
    def changed_images(self):
        return sorted(name for name in self.changed if name.endswith(".png"))


def png(width, height, row):
    raw = b"".join(b"\x00" + row(y) for y in range(height))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 1)) + chunk(b"IEND", b""))


def skin_image(rng, width, height, noisy_share):
    # Noise stands for photos and textures, which PNG cannot shrink; the rest is flat panels.
    noisy = int(width * noisy_share)

    def row(y):
        shade = bytes((40 + y % 64, 40, 48, 255))
        return rng.randbytes(noisy * 4) + shade * (width - noisy)

    return png(width, height, row)


def layout(title, image, width, height, line_count):
    lines = ['<?xml version="1.0" encoding="UTF-8"?>',
             f'<skin name="{title}" image="{image}" width="{width}" height="{height}">',
             '\t<browser lineheight="100%">', f'\t\t<pos x="0" y="{height // 2}"/>',
             f'\t\t<size width="{width}" height="{height // 2}"/>', '\t\t<colors background="#101010"/>',
             '\t</browser>']
    n = 0
    while len(lines) < line_count - 1:
        n += 1
        lines += [f'\t<deck deck="{n % 4 + 1}">', f'\t\t<pos x="{n % (width - 300)}" y="{n % (height // 2)}"/>',
                  f'\t\t<text action="get_title" font="Arial" size="{10 + n % 9}" align="left">',
                  '\t\t\t<size width="300" height="20"/>', '\t\t</text>', '\t</deck>']
    return "\n".join(lines[:line_count - 1] + ['</skin>']) + "\n"


def font_file(rng):
    # A font as a skin ships one: an sfnt header and its table directory before opaque glyph data.
    tables = [(b"cmap", 2048), (b"glyf", 48000), (b"head", 54), (b"name", 1200)]
    offset = 12 + 16 * len(tables)
    directory, data = b"", b""
    for tag, length in tables:
        body = rng.randbytes(length)
        directory += tag + struct.pack(">III", zlib.crc32(body), offset + len(data), length)
        data += body
    return struct.pack(">IHHHH", 0x00010000, len(tables), 64, 2, 0) + directory + data


def archive(path):
    # Deflated harder than any build would, so an entry the build recompressed instead of
    # copying shows up as a different compressed stream.
    return zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED, compresslevel=9)


def make_big(path):
    """One 3840 x 2400 image shared by four long layouts, and many small images: about 30 MB."""
    rng = random.Random(13)
    width, height, layouts, lines, parts = 3840, 2400, 4, 5000, 60
    skin = Skin(path, f"{width} x {height} image shared by {layouts} layouts of {lines} lines, "
                      f"{parts} other images")
    with archive(path) as z:
        z.writestr("bench.png", skin_image(rng, width, height, 0.5))
        skin.changed.add("bench.png")
        for i in range(1, layouts + 1):
            z.writestr(f"layout{i}.xml", layout(f"Bench {i}", "bench.png", width, height, lines))
            skin.changed.add(f"layout{i}.xml")
        for i in range(parts):
            z.writestr(f"part{i:02d}.png", skin_image(rng, 256, 200, 1.0))
    return skin


def make_layouts(path, noisy_share=0.25, parts=40):
    """Four layouts, each with its own 2560 x 1600 image, laid out as other skin tools leave them:
    half the images in a sub-folder, a font, notes and a photo beside them."""
    rng = random.Random(42)
    width, height, layouts, lines = 2560, 1600, 4, 2000
    skin = Skin(path, f"{layouts} layouts of {lines} lines, each with its own {width} x {height} image "
                      f"(two in images/), {parts} small images in images/parts/, fonts/, .txt and .jpg files")
    with archive(path) as z:
        for i in range(1, layouts + 1):
            image = f"layout{i}.png" if i <= layouts // 2 else f"images/layout{i}.png"
            z.writestr(image, skin_image(rng, width, height, noisy_share))
            z.writestr(f"layout{i}.xml", layout(f"Layout {i}", image, width, height, lines))
            skin.changed |= {image, f"layout{i}.xml"}
        for i in range(parts):
            z.writestr(f"images/parts/knob{i:02d}.png", skin_image(rng, 128, 128, 0.5))
        z.writestr("fonts/BenchSans.ttf", font_file(rng))
        z.writestr("fonts/LICENSE.txt", "Bench Sans is made for this benchmark and free to use.\n" * 40)
        z.writestr("readme.txt", "Layouts 1 and 2 are for laptops, 3 and 4 for wide screens.\n" * 20)
        z.writestr("images/preview.jpg", b"\xff\xd8\xff\xe0" + rng.randbytes(300_000) + b"\xff\xd9")
    return skin


def make_heavy(path):
    """The layouts skin at the size of the largest skins met in use: 36 MB, its four images
    half noise, and 40 side files."""
    return make_layouts(path, noisy_share=0.52, parts=36)


GENERATORS = {"big": make_big, "layouts": make_layouts, "heavy": make_heavy}
