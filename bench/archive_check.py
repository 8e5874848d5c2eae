# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks a built skin against the skin it was built from: the archive must test clean, and
every file the build had no reason to touch must come out byte for byte."""
import struct
import subprocess
import zipfile
from dataclasses import dataclass, field

LOCAL_HEADER = struct.Struct("<4s5H3I2H")


@dataclass
class Comparison:
    archive_ok: bool
    kept: list = field(default_factory=list)
    # Of the kept entries, those whose compressed stream is the input's own, as a raw copy leaves them.
    same_stream: int = 0
    changed: list = field(default_factory=list)
    unexpected: list = field(default_factory=list)
    missing: list = field(default_factory=list)
    added: list = field(default_factory=list)

    @property
    def valid(self):
        return self.archive_ok and not self.unexpected and not self.missing


def raw_stream(archive, info):
    archive.fp.seek(info.header_offset)
    header = LOCAL_HEADER.unpack(archive.fp.read(LOCAL_HEADER.size))
    name_length, extra_length = header[-2], header[-1]
    archive.fp.seek(info.header_offset + LOCAL_HEADER.size + name_length + extra_length)
    return info.compress_type, archive.fp.read(info.compress_size)


def files(archive):
    # Folder entries carry no data; whether a zip tool writes them says nothing about the build.
    return {info.filename: info for info in archive.infolist() if not info.is_dir()}


def compare(source, built, may_change):
    tested = subprocess.run(["unzip", "-tq", built], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    result = Comparison(archive_ok=tested.returncode == 0)
    try:
        with zipfile.ZipFile(source) as before, zipfile.ZipFile(built) as after:
            tally(before, after, may_change, result)
    except zipfile.BadZipFile:
        result.archive_ok = False
    return result


def tally(before, after, may_change, result):
    old, new = files(before), files(after)
    result.added = sorted(new.keys() - old.keys())
    for name in sorted(old):
        if name not in new:
            result.missing.append(name)
        elif before.read(name) == after.read(name):
            result.kept.append(name)
            result.same_stream += raw_stream(before, old[name]) == raw_stream(after, new[name])
        else:
            (result.changed if name in may_change else result.unexpected).append(name)
