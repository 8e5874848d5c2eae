#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Times panelcraft-cli against what any build of the same skin must do, and checks its output.

Skins (--skin, default all), generated afresh from a fixed seed:
  big      about 30 MB: one 3840 x 2400 image shared by four long layouts, 60 small images.
  layouts  four layouts, each with its own 2560 x 1600 image (two of them in images/), small
           images in images/parts/, a font in fonts/, .txt notes and a .jpg.
  heavy    the layouts skin at 36 MB (noisier images) with 40 side files.

Timed in the same run, best of --runs, each as a whole process chain, in wall time and in CPU
time (user + system, all threads; the steadier figure on a shared machine):
  panelcraft-cli        the build itself, default options plus --options.
  --keep-browser        the build with --keep-browser (plus --options): nothing is changed or
                        painted, so this is the archive pass alone (checks and raw copies).
  unzip -tq             one read of the archive that inflates and checks every entry: the
                        yardstick for the archive pass.
  old floor             unzip, decode + encode of each image the build changes
                        (panelcraft-bench-floor), zip -r.
  copy floor            zip --copy of every entry into a new archive, unchanged, plus unzip and
                        decode + encode of each image the build changes: the least a build that
                        copies untouched entries raw can do.
  unzip + zip -r        unpacking and repacking alone, with no image work.
The ratios of the CLI to each are printed, with the goals they are measured against; nothing
here passes or fails on time, because a loaded machine moves every figure.

Also reported: the CLI's peak memory (Maximum resident set size from /usr/bin/time -v, the
largest of the runs; install the "time" package if it is missing), where the CLI spends its time
(its progress lines, timed as they arrive), and whether its output is sound: unzip -t passes, no
entry of the input is lost, and every entry the build has no reason to change (anything but the
layouts and their images) is byte-identical. Exit status 1 if an output is not sound.

    cmake -S . -B build-bench -DPANELCRAFT_BENCH=ON
    cmake --build build-bench -j2 --target panelcraft-cli panelcraft-bench-floor
    bench/run_bench.py build-bench [--skin big|layouts|heavy] [--runs 3] [--options '--float-browser']
"""
import argparse
import os
import re
import resource
import shutil
import subprocess
import sys
import tempfile
import time
from dataclasses import dataclass

import archive_check
from bench_skins import GENERATORS

GOALS = {"old": "at most 0.6", "copy": "at most 1.3", "repack": "at most 0.4"}
LABELS = {"cli": "panelcraft-cli", "old": "old floor: unzip, image work, zip -r",
          "copy": "copy floor: zip --copy, image work", "repack": "unzip, then zip -r",
          "keep": "panelcraft-cli --keep-browser", "test": "unzip -tq"}


@dataclass
class Tools:
    cli: str
    floor: str
    time: str
    options: list


@dataclass
class CliRun:
    seconds: float
    steps: list
    peak_mb: float  # None without /usr/bin/time
    cpu: float = 0.0


def fresh(path):
    if os.path.isdir(path):
        shutil.rmtree(path)
    elif os.path.exists(path):
        os.remove(path)
    return path


def run(command, **kwargs):
    return subprocess.run(command, check=True, **kwargs)


def cpu_of_children():
    usage = resource.getrusage(resource.RUSAGE_CHILDREN)
    return usage.ru_utime + usage.ru_stime


@dataclass
class Timed:
    wall: float
    cpu: float


def timed(chain):
    """Runs chain() and returns its wall and CPU time, and what it returned."""
    start, cpu = time.perf_counter(), cpu_of_children()
    result = chain()
    return Timed(time.perf_counter() - start, cpu_of_children() - cpu), result


def image_work(skin, folder, tools):
    images = [os.path.join(folder, name) for name in skin.changed_images]
    return run([tools.floor] + images, stdout=subprocess.PIPE, text=True).stdout


def unpack_and_repack(skin, work, tools, with_images):
    unpacked, out = fresh(os.path.join(work, "unpacked")), fresh(os.path.join(work, "repacked.zip"))

    def chain():
        run(["unzip", "-q", skin.path, "-d", unpacked])
        if with_images:
            image_work(skin, unpacked, tools)
        run(["zip", "-q", "-r", out, "."], cwd=unpacked)

    return timed(chain)[0]


def copy_floor(skin, work, tools):
    images, out = fresh(os.path.join(work, "images")), fresh(os.path.join(work, "copied.zip"))

    def chain():
        run(["zip", "-q", skin.path, "--copy", "*", "--out", out])
        run(["unzip", "-q", skin.path] + skin.changed_images + ["-d", images])
        return image_work(skin, images, tools)

    return timed(chain)


def test_archive(skin):
    return timed(lambda: run(["unzip", "-tq", skin.path], stdout=subprocess.DEVNULL))[0]


def peak_mb(report):
    with open(report) as text:
        found = re.search(r"Maximum resident set size \(kbytes\): (\d+)", text.read())
    return int(found.group(1)) / 1024 if found else None


def cli(skin, out, work, tools, extra=()):
    report = fresh(os.path.join(work, "time.txt"))
    command = [tools.cli, skin.path, "-o", fresh(out)] + tools.options + list(extra)
    if tools.time:
        command = [tools.time, "-v", "-o", report] + command
    start, cpu = time.perf_counter(), cpu_of_children()
    process = subprocess.Popen(command, stderr=subprocess.PIPE, stdout=subprocess.DEVNULL, text=True)
    steps, last = [], start
    for line in process.stderr:
        now = time.perf_counter()
        if steps:
            steps[-1][1] += now - last
        steps.append([line.strip(), 0.0])
        last = now
    if process.wait() != 0:
        sys.exit("panelcraft-cli failed:\n" + "\n".join(text for text, _ in steps[-5:]))
    total = time.perf_counter() - start
    if steps:
        steps[-1][1] += total - (last - start)
    return CliRun(total, steps, peak_mb(report) if tools.time else None, cpu_of_children() - cpu)


def measure(skin, work, tools, runs):
    seconds = {key: [] for key in LABELS}
    best, peaks = None, []
    for _ in range(runs):
        seconds["old"].append(unpack_and_repack(skin, work, tools, with_images=True))
        copied, image_report = copy_floor(skin, work, tools)
        seconds["copy"].append(copied)
        seconds["repack"].append(unpack_and_repack(skin, work, tools, with_images=False))
        seconds["test"].append(test_archive(skin))
        kept = cli(skin, os.path.join(work, "kept.zip"), work, tools, ["--keep-browser"])
        seconds["keep"].append(Timed(kept.seconds, kept.cpu))
        done = cli(skin, os.path.join(work, "cli.zip"), work, tools)
        seconds["cli"].append(Timed(done.seconds, done.cpu))
        peaks += [done.peak_mb] if done.peak_mb is not None else []
        if best is None or done.seconds < best.seconds:
            best = done
    fastest = {key: Timed(min(t.wall for t in values), min(t.cpu for t in values)) for key, values in seconds.items()}
    return fastest, best, max(peaks, default=None), image_report


def names(entries, most=6):
    shown = ", ".join(entries[:most])
    return shown + (f" and {len(entries) - most} more" if len(entries) > most else "")


def ratios(a, b):
    return f"{a.wall / b.wall:5.2f} wall, {a.cpu / b.cpu:5.2f} CPU"


def print_figures(skin, best, runs, image_report, peak, cli_run):
    print(f"  best of {runs} runs, wall and CPU (user + system) time:")
    for key in ("cli", "keep", "test"):
        print(f"    {LABELS[key]:38} {best[key].wall:6.2f} s {best[key].cpu:6.2f} s CPU")
    for key in ("old", "copy", "repack"):
        print(f"    {LABELS[key]:38} {best[key].wall:6.2f} s {best[key].cpu:6.2f} s CPU"
              f"   CLI / this {ratios(best['cli'], best[key])}   (goal {GOALS[key]})")
    print(f"  archive pass: --keep-browser / unzip -tq {ratios(best['keep'], best['test'])}   (goal at most 1.3)")
    count, figures = len(skin.changed_images), image_report.strip().replace("\n", ", ")
    print(f"  image work alone ({count} image{'s' * (count != 1)}, last run): {figures}")
    if peak is not None:
        print(f"  peak memory of panelcraft-cli: {peak:.0f} MB (largest of the runs)")
    print("  where panelcraft-cli spends its time (best run):")
    for text, seconds in cli_run.steps:
        print(f"    {seconds:6.2f} s  {text}")


def print_check(skin, check):
    print(f"  output: unzip -t {'passes' if check.archive_ok else 'FAILS'}; {len(check.kept)} entries kept byte "
          f"for byte ({check.same_stream} with the input's compressed stream), {len(check.changed)} changed, "
          f"{len(check.added)} added, {len(check.missing)} missing")
    unpainted = sorted(skin.changed - set(check.changed) - set(check.missing))
    for label, entries in (("added", check.added), ("LOST from the output", check.missing),
                           ("CHANGED with no reason", check.unexpected),
                           ("meant to change but left as they were", unpainted)):
        if entries:
            print(f"    {label}: {names(entries)}")
    print(f"  output sound: {'yes' if check.valid else 'NO'}")
    if check.missing or unpainted:
        print("  the CLI's times above cover less work than the floors': part of the skin never reached it")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("build", help="build folder configured with -DPANELCRAFT_BENCH=ON")
    parser.add_argument("--skin", choices=list(GENERATORS) + ["all"], default="all")
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--options", default="", help="extra panelcraft-cli options, e.g. '--icons alternative'")
    args = parser.parse_args()
    if args.runs < 1:
        parser.error("--runs must be at least 1")
    tools = Tools(os.path.join(args.build, "src", "panelcraft-cli"),
                  os.path.join(args.build, "bench", "panelcraft-bench-floor"),
                  shutil.which("time", path="/usr/bin:/bin"), args.options.split())
    if not tools.time:
        print("/usr/bin/time is missing (package \"time\"): no peak memory figures")
    print(f"load average {' '.join(f'{load:.2f}' for load in os.getloadavg())} on {os.cpu_count()} cores")

    sound = True
    with tempfile.TemporaryDirectory() as work:
        os.environ.setdefault("XDG_RUNTIME_DIR", work)  # keeps Qt's start-up notice out of the steps
        for name in GENERATORS if args.skin == "all" else [args.skin]:
            skin = GENERATORS[name](os.path.join(work, f"{name}-skin.zip"))
            print(f"\nskin \"{name}\": {os.path.getsize(skin.path) / 1e6:.1f} MB, {skin.summary}")
            print(f"  load average before it: {' '.join(f'{load:.2f}' for load in os.getloadavg())}")
            best, cli_run, peak, image_report = measure(skin, work, tools, args.runs)
            print_figures(skin, best, args.runs, image_report, peak, cli_run)
            check = archive_check.compare(skin.path, os.path.join(work, "cli.zip"), skin.changed)
            print_check(skin, check)
            sound = sound and check.valid
    return 0 if sound else 1


if __name__ == "__main__":
    sys.exit(main())
