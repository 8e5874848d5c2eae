# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs every test of a Windows build folder under Wine, as ctest would run it on Windows, and
prints a table: each program, its result, and each case it skipped with the reason it gave.
Usage: wine_suite.py BUILD_FOLDER LOG_FOLDER. Exits non-zero when a program fails.
The Wine prefix, WINEPATH (Qt's and the compiler's DLLs) and the like come from the caller."""

import concurrent.futures
import glob
import json
import os
import re
import subprocess
import sys

build, logs = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
# Programs with cases that still fail under Wine, each filed: their failures are printed but do not
# fail the run. The list is meant to be empty.
KNOWN_FAILING = set()
os.makedirs(logs, exist_ok=True)
# On Windows the offscreen platform reads fonts from one folder only, by default a folder of Qt's
# that holds none: it is given the fonts the suite finds on Linux, where fontconfig serves them.
fonts = os.path.join(logs, "fonts")
os.makedirs(fonts, exist_ok=True)
for font in glob.glob("/usr/share/fonts/truetype/*/*.ttf"):
    link = os.path.join(fonts, os.path.basename(font))
    if not os.path.lexists(link):
        os.symlink(font, link)


def windows(value):
    """A Linux path as Wine's Z: drive shows it; other values as they are."""
    return "Z:" + value if value.startswith("/") else value


def properties(test):
    return {p["name"]: p["value"] for p in test.get("properties", [])}


def batch_quoted(value):
    return '"' + value.replace("%", "%%") + '"'


def run(test):
    props = properties(test)
    log = os.path.join(logs, test["name"] + ".log")
    arguments = [windows(a) for a in test["command"]]
    # Under Wine, Qt Test's report on standard output does not reach a pipe: it goes to a file.
    if os.path.basename(test["command"][0]).startswith("tst_"):
        arguments += ["-o", windows(log) + ",txt"]
    # Wine hands no QT_ variable of the Linux environment to a Windows program (the offscreen
    # platform, a scale factor would be lost), so the test's environment is set by cmd, from a
    # batch file.
    environment = props.get("ENVIRONMENT", []) + ["QT_QPA_FONTDIR=" + fonts]
    lines = [f"@set {batch_quoted(key + '=' + windows(value))}"
             for key, _, value in (entry.partition("=") for entry in environment)]
    lines.append("@" + " ".join(batch_quoted(a) for a in arguments))
    lines.append("@exit /b %ERRORLEVEL%")
    batch = log + ".bat"
    with open(batch, "w", newline="\r\n") as file:
        file.write("\n".join(lines) + "\n")
    command = ["wine", "cmd", "/c", windows(batch)]
    try:
        with open(log + ".out", "wb") as out:
            code = subprocess.run(command, cwd=props.get("WORKING_DIRECTORY", build), stdout=out,
                                  stderr=subprocess.STDOUT, timeout=3 * props.get("TIMEOUT", 300)).returncode
    except subprocess.TimeoutExpired:
        code = "timed out"
    text = "".join(open(name, encoding="utf-8", errors="replace").read()
                   for name in (log, log + ".out") if os.path.exists(name))
    totals = re.findall(r"^Totals: (\d+) passed, (\d+) failed, (\d+) skipped", text, re.M)
    skips = []
    for function, reason in re.findall(r"^SKIP\s*:\s*\S+::(\w+)\(.*?\)\s+(.*)$", text, re.M):
        if (function, reason) not in skips:
            skips.append((function, reason))
    failures = re.findall(r"^FAIL!\s*:\s*\S+::(\S+)", text, re.M)
    return test["name"], code, totals, skips, failures


def run_until_passed(test):
    """A program that fails is run once more: under Wine, a process tst_cli starts now and then does
    not end normally (exit code -1, twice in some twenty full runs; never in 450 runs of the CLI
    alone). A program that passes the second time passes, and the table names what failed the
    first time."""
    first = run(test)
    if first[1] == 0:
        return first + ([],)
    again = run(test)
    return again + ((first[4] or [f"exit {first[1]}"]) if again[1] == 0 else [],)


listing = json.loads(subprocess.run(["ctest", "--show-only=json-v1"], cwd=build, check=True,
                                    capture_output=True, text=True).stdout)
with concurrent.futures.ThreadPoolExecutor(max_workers=2) as pool:
    results = sorted(pool.map(run_until_passed, listing["tests"]))

failed = known = 0
print("| Test program | Result under Wine | Skipped there, with the reason |")
print("|---|---|---|")
for name, code, totals, skips, failures, first_failures in results:
    if code != 0 and name in KNOWN_FAILING:
        known += 1
    elif code != 0:
        failed += 1
    if totals:
        passed, fails, skipped = (sum(int(t[i]) for t in totals) for i in range(3))
        result = f"{passed} passed, {fails} failed, {skipped} skipped"
    else:
        result = "replayed its corpus" if code == 0 else "failed"
    if code != 0:
        result += f" (exit {code})" + (": " + ", ".join(failures) if failures else "")
        result += " (known)" if name in KNOWN_FAILING else ""
    if first_failures:
        result += " on a second run; the first failed: " + ", ".join(first_failures)
    skipped = "; ".join(f"{function}: {reason}" for function, reason in skips) or "none"
    print(f"| {name} | {result} | {skipped} |")
second = sum(1 for result in results if result[5])
print(f"\n{len(results) - failed - known} of {len(results)} test programs pass under Wine ({second} on a second "
      f"run), {known} known to fail (logs in {logs}).")
sys.exit(1 if failed else 0)
