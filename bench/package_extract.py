#!/usr/bin/env python3
"""Extracting a large resource package: memory and speed.

Needs /usr/bin/time (Debian package time).

Usage: bench/package_extract.py [--tool PATH] [--size-mib N] [--runs N] [--work DIR]

Packs N MiB of random bytes (default 100) with brisvane-pack and extracts them again, and
reports for each run:
  - the peak resident memory of `extract` minus that of `list` on the same package (the same
    process reading the same directory, without copying): the growth the copy itself costs;
  - the time of `extract` (which flushes each file to disk before renaming it into place), next
    to `cp` of the same package file followed by `sync` of the copy, and `cp` alone.
Both with the game's chunk of 2048 bytes and with the tool's default of 32767.
Use a release build of the tool (cmake --preset release && cmake --build --preset release
--target brisvane-pack): the debug build carries the sanitizers' own memory.
The work folder (default: a new folder under build/) must lie on a real disk, not in memory.
"""

import argparse
import filecmp
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def run(argv):
    """Runs a command; returns (seconds, peak resident KiB).

    The peak comes from /usr/bin/time, a small process: a child forked straight from this
    script would inherit the script's own peak in its figure."""
    with tempfile.NamedTemporaryFile("r") as report:
        start = time.perf_counter()
        done = subprocess.run(["/usr/bin/time", "-f", "%M", "-o", report.name] + argv,
                              stdout=subprocess.DEVNULL, check=False)
        seconds = time.perf_counter() - start
        if done.returncode != 0:
            sys.exit(f"failed: {' '.join(argv)}")
        return seconds, int(report.read().split()[-1])


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--tool", default=os.path.join(ROOT, "build/release/tools/brisvane-pack"))
    parser.add_argument("--size-mib", type=int, default=100)
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--work", default=None)
    args = parser.parse_args()
    if not os.access(args.tool, os.X_OK):
        sys.exit(f"no tool at {args.tool}; build it first (see --help)")

    os.makedirs(os.path.join(ROOT, "build"), exist_ok=True)
    work = args.work or tempfile.mkdtemp(prefix="package-bench-", dir=os.path.join(ROOT, "build"))
    try:
        payload = os.path.join(work, "payload.bin")
        with open(payload, "wb") as out:
            for _ in range(args.size_mib):
                out.write(os.urandom(1 << 20))
        pac = os.path.join(work, "Res.pac")
        run([args.tool, "create", pac, payload])
        size = os.path.getsize(pac)
        print(f"package: {size / (1 << 20):.1f} MiB, one entry; {args.runs} runs each, median")

        _, list_rss = run([args.tool, "list", pac])
        rows = []
        for buffer in (2048, 32767):
            times, growths = [], []
            for i in range(args.runs):
                dest = os.path.join(work, f"out-{buffer}-{i}")
                seconds, rss = run([args.tool, "extract", pac, dest, "--buffer", str(buffer)])
                times.append(seconds)
                growths.append(rss - list_rss)
                if not filecmp.cmp(os.path.join(dest, "payload.bin"), payload, shallow=False):
                    sys.exit("extracted bytes differ")
                shutil.rmtree(dest)
            rows.append((f"extract, chunk {buffer}", statistics.median(times),
                         max(growths)))

        cp_sync, cp_only = [], []
        for i in range(args.runs):
            copy = os.path.join(work, f"copy-{i}")
            cp_sync.append(run(["sh", "-c", f"cp '{pac}' '{copy}' && sync '{copy}'"])[0])
            os.remove(copy)
            cp_only.append(run(["cp", pac, copy])[0])
            os.remove(copy)
        rows.append(("cp + sync of the package", statistics.median(cp_sync), None))
        rows.append(("cp of the package (not flushed)", statistics.median(cp_only), None))

        print(f"peak RSS of list: {list_rss} KiB")
        for name, seconds, growth in rows:
            speed = size / (1 << 20) / seconds
            extra = f"  RSS growth {growth:+d} KiB" if growth is not None else ""
            print(f"{name:34s} {seconds * 1000:8.1f} ms  {speed:7.1f} MiB/s{extra}")
        worst = max(r[2] for r in rows if r[2] is not None)
        print(f"largest RSS growth: {worst} KiB ({'under' if worst < 1024 else 'OVER'} 1 MiB)")
    finally:
        if args.work is None:
            shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
