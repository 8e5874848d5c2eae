#!/usr/bin/env python3
"""Times panelcraft-cli on a large skin against the floors of the same work.

The old floor is unpacking and packing again: unzip the archive, decode plus encode each
image the build changes (panelcraft-bench-floor), zip -r the result. The copy floor is what a
build that copies unchanged entries must at least do: take the changed images out, decode
plus encode them, and have zip copy every entry of the archive unchanged (zip -U --out). Plain
unzip plus zip -r is timed too. All are timed in the same run, best of --runs, and reported
as ratios. The CLI's own progress lines are timed as they arrive to show where its time goes.

--skin shared: one 3840 x 2400 image shared by four layouts (about 30 MB).
--skin four: four layouts, each with its own 2560 x 1600 image, plus sub-folders and a font.

    cmake -S . -B build-bench -DPANELCRAFT_BENCH=ON
    make -C build-bench panelcraft-cli panelcraft-bench-floor
    bench/run_bench.py build-bench
"""
import argparse
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time
import zipfile
import zlib

WIDTH, HEIGHT = 3840, 2400
LAYOUTS, LAYOUT_LINES, OTHER_IMAGES = 4, 5000, 60


def png(width, height, row):
    raw = b"".join(b"\x00" + row(y) for y in range(height))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 1)) + chunk(b"IEND", b""))


def main_image_row(y):
    # Half noise (photos, textures), half flat panels: about 18 MB as PNG.
    shade = bytes((40 + y % 64, 40, 48, 255))
    return os.urandom(WIDTH * 2) + shade * (WIDTH // 2)


def layout(index):
    lines = ['<?xml version="1.0" encoding="UTF-8"?>',
             f'<skin name="Bench {index}" image="bench.png" width="{WIDTH}" height="{HEIGHT}">',
             '\t<browser lineheight="100%">', '\t\t<pos x="0" y="1200"/>', '\t\t<size width="3840" height="1200"/>',
             '\t\t<colors background="#101010"/>', '\t</browser>']
    n = 0
    while len(lines) < LAYOUT_LINES - 1:
        n += 1
        lines += [f'\t<deck deck="{n % 4 + 1}">', f'\t\t<pos x="{n % 3000}" y="{n % 1100}"/>',
                  f'\t\t<text action="get_title" font="Arial" size="{10 + n % 9}" align="left">',
                  '\t\t\t<size width="300" height="20"/>', '\t\t</text>', '\t</deck>']
    lines = lines[:LAYOUT_LINES - 1] + ['</skin>']
    return "\n".join(lines) + "\n"


def make_skin(path, kind):
    """Writes the skin and returns the names of the images a build changes."""
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as z:
        for i in range(LAYOUTS):
            image = "bench.png" if kind == "shared" else f"images/layout{i + 1}.png"
            z.writestr(f"layout{i + 1}.xml", layout(i + 1).replace('image="bench.png"', f'image="{image}"'))
        if kind == "shared":
            z.writestr("bench.png", png(WIDTH, HEIGHT, main_image_row))
        else:
            for i in range(LAYOUTS):
                z.writestr(f"images/layout{i + 1}.png", png(2560, 1600, lambda y: os.urandom(2560 * 2)
                                                             + bytes((40 + y % 64, 40, 48, 255)) * 1280))
            z.writestr("fonts/Bench.ttf", os.urandom(300000))
            z.writestr("docs/readme.txt", "A skin for timing.\n" * 200)
        for i in range(OTHER_IMAGES):
            z.writestr(f"parts/part{i:02d}.png" if kind == "four" else f"part{i:02d}.png",
                       png(256, 200, lambda y: os.urandom(256 * 4)))
    return ["bench.png"] if kind == "shared" else [f"images/layout{i + 1}.png" for i in range(LAYOUTS)]


def timed(command, **kwargs):
    start = time.perf_counter()
    subprocess.run(command, check=True, **kwargs)
    return time.perf_counter() - start


def fresh(*paths):
    for path in paths:
        shutil.rmtree(path, ignore_errors=True)
        if os.path.exists(path):
            os.remove(path)


def floor(skin, changed, floor_program, work, recode=True):
    """unzip, decode/encode of the changed images (unless not recode), zip -r."""
    unpacked, out = os.path.join(work, "unpacked"), os.path.join(work, "floor.zip")
    fresh(unpacked, out)
    start = time.perf_counter()
    subprocess.run(["unzip", "-q", skin, "-d", unpacked], check=True)
    if recode:
        subprocess.run([floor_program] + [os.path.join(unpacked, name) for name in changed], check=True,
                       stdout=subprocess.DEVNULL)
    subprocess.run(["zip", "-q", "-r", out, "."], check=True, cwd=unpacked)
    return time.perf_counter() - start


def copy_floor(skin, changed, floor_program, work):
    """The changed images taken out, decoded and encoded; every entry copied by zip as stored."""
    taken, out = os.path.join(work, "taken"), os.path.join(work, "copy.zip")
    fresh(taken, out)
    start = time.perf_counter()
    subprocess.run(["unzip", "-q", skin] + changed + ["-d", taken], check=True)
    subprocess.run([floor_program] + [os.path.join(taken, name) for name in changed], check=True,
                   stdout=subprocess.DEVNULL)
    subprocess.run(["zip", "-q", skin, "-U", "--out", out], check=True)
    return time.perf_counter() - start


def cli(skin, cli_program, work, options):
    out = os.path.join(work, "cli.zip")
    start = time.perf_counter()
    process = subprocess.Popen([cli_program, skin, "-o", out] + options, stderr=subprocess.PIPE,
                               stdout=subprocess.DEVNULL, text=True)
    steps, last = [], start
    for line in process.stderr:
        now = time.perf_counter()
        if steps:
            steps[-1][1] += now - last
        steps.append([line.strip(), 0.0])
        last = now
    if process.wait() != 0:
        sys.exit("panelcraft-cli failed")
    total = time.perf_counter() - start
    if steps:
        steps[-1][1] += total - (last - start)
    return total, steps


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("build", help="build folder configured with -DPANELCRAFT_BENCH=ON")
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--options", default="", help="extra panelcraft-cli options, e.g. '--icons alternative'")
    parser.add_argument("--skin", choices=["shared", "four"], default="shared")
    args = parser.parse_args()
    cli_program = os.path.join(args.build, "src", "panelcraft-cli")
    floor_program = os.path.join(args.build, "bench", "panelcraft-bench-floor")

    with tempfile.TemporaryDirectory() as work:
        os.environ.setdefault("XDG_RUNTIME_DIR", work)  # keeps Qt's start-up notice out of the steps
        skin = os.path.join(work, "bench-skin.zip")
        changed = make_skin(skin, args.skin)
        print(f"skin '{args.skin}': {os.path.getsize(skin) / 1e6:.1f} MB, {LAYOUTS} layouts of {LAYOUT_LINES} "
              f"lines, changed images: {', '.join(changed)}, {OTHER_IMAGES} other images")
        floors, copies, repacks, clis, steps = [], [], [], [], None
        for _ in range(args.runs):
            floors.append(floor(skin, changed, floor_program, work))
            copies.append(copy_floor(skin, changed, floor_program, work))
            repacks.append(floor(skin, changed, floor_program, work, recode=False))
            total, run_steps = cli(skin, cli_program, work, args.options.split())
            if not clis or total < min(clis):
                steps = run_steps
            clis.append(total)
        best_cli = min(clis)
        print(f"panelcraft-cli {args.options}: {best_cli:.2f} s")
        for name, times in (("old floor (unzip + decode/encode + zip -r)", floors),
                            ("copy floor (decode/encode + zip copying the entries)", copies),
                            ("unzip + zip -r alone", repacks)):
            print(f"{name}: {min(times):.2f} s, panelcraft-cli takes {best_cli / min(times):.2f} times it")
        print("where panelcraft-cli spends its time (best run):")
        for text, seconds in steps:
            print(f"  {seconds:6.2f} s  {text}")


if __name__ == "__main__":
    main()
