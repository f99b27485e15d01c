#!/usr/bin/python3
"""Start-up time, memory and idle CPU of the game window, against a bare Qt window.

Runs under its own Xvfb. For each run it subscribes to map events of the root window before
the launch, starts the program, and stops the clock when an 800 x 600 window is mapped. A
second clock stops when the program first draws into that window (X damage): its first frame
is on the screen. It then reads the resident memory at the map and 3 s later, and the CPU
time the program uses over the following 10 s of idling. The same is measured for a bare Qt 6
Widgets window of 800 x 600 (built here with g++ and pkg-config), the floor no Qt program can
go under.

The game starts with ShowSplash = "No" in a temporary copy of its program folder, so the
player's settings are never touched.

    bench/startup.py [--program build/release/program/brisvane] [--runs 5]

Needs python3-xlib, Xvfb, g++ and qt6-base-dev (all installed by scripts/install-deps).
"""

import argparse
import os
import statistics
import subprocess
import sys
import tempfile
import time

from Xlib import X, display
from Xlib.ext import damage

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(ROOT, "scripts"))
from xvfb import game_folder, start_xvfb  # noqa: E402  shared by the scripts
WIDTH, HEIGHT = 800, 600
SETTLE_S = 3.0
IDLE_S = 10.0
MAP_TIMEOUT_S = 30.0

FLOOR_SOURCE = r"""
#include <QApplication>
#include <QWidget>
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(800, 600);
    window.show();
    return QApplication::exec();
}
"""


def build_floor(folder):
    source = os.path.join(folder, "floor.cpp")
    binary = os.path.join(folder, "floor")
    with open(source, "w", encoding="utf-8") as out:
        out.write(FLOOR_SOURCE)
    flags = subprocess.check_output(["pkg-config", "--cflags", "--libs", "Qt6Widgets"], text=True)
    subprocess.check_call(["g++", "-std=c++20", "-O2", "-fPIC", source, "-o", binary]
                          + flags.split())
    return binary



def rss_kib(pid):
    with open(f"/proc/{pid}/status", encoding="ascii") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat", encoding="ascii") as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    ticks = int(fields[11]) + int(fields[12])  # utime + stime
    return ticks / os.sysconf("SC_CLK_TCK")


def wait_for_map(connection, deadline):
    """Blocks until a window of WIDTH x HEIGHT is mapped; returns it and the time it was seen.

    Windows of that size are watched for drawing from their creation on, long before the
    program can draw into them (it waits for the server's expose after the map)."""
    while time.monotonic() < deadline:
        event = connection.next_event()
        if event.type == X.CreateNotify and (event.width, event.height) == (WIDTH, HEIGHT):
            event.window.damage_create(damage.DamageReportNonEmpty)
            continue
        if event.type != X.MapNotify:
            continue
        try:
            geometry = event.window.get_geometry()
        except Exception:  # the window may already be gone
            continue
        if geometry.width == WIDTH and geometry.height == HEIGHT:
            return event.window, time.perf_counter()
    raise RuntimeError("no 800 x 600 window was mapped")


def wait_for_frame(connection, window, deadline):
    """Blocks until the program has drawn into `window`; returns the time it was seen."""
    while time.monotonic() < deadline:
        event = connection.next_event()
        if event.type == connection.extension_event.DamageNotify and event.drawable == window:
            return time.perf_counter()
    raise RuntimeError("nothing was drawn into the 800 x 600 window")


def measure(binary, display_name, env):
    connection = display.Display(display_name)
    root = connection.screen().root
    root.change_attributes(event_mask=X.SubstructureNotifyMask)
    connection.damage_query_version()
    connection.sync()

    started = time.perf_counter()
    process = subprocess.Popen([binary], cwd=os.path.dirname(binary), env=env,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        window, mapped = wait_for_map(connection, time.monotonic() + MAP_TIMEOUT_S)
        rss_mapped = rss_kib(process.pid)
        drawn = wait_for_frame(connection, window, time.monotonic() + MAP_TIMEOUT_S)
        time.sleep(SETTLE_S)
        rss_settled = rss_kib(process.pid)
        cpu_before = cpu_seconds(process.pid)
        time.sleep(IDLE_S)
        cpu_idle = cpu_seconds(process.pid) - cpu_before
    finally:
        process.terminate()
        process.wait(timeout=10)
        connection.close()
    return {
        "start_ms": (mapped - started) * 1000.0,
        "frame_ms": (drawn - started) * 1000.0,
        "rss_mapped_mib": rss_mapped / 1024.0,
        "rss_settled_mib": rss_settled / 1024.0,
        "idle_cpu_percent": cpu_idle / IDLE_S * 100.0,
    }


def medians(runs):
    return {key: statistics.median(run[key] for run in runs) for key in runs[0]}


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--program", default=os.path.join(ROOT, "build/release/program/brisvane"))
    parser.add_argument("--runs", type=int, default=5)
    args = parser.parse_args()
    if not os.path.isfile(args.program):
        sys.exit(f"no program at {args.program}: build the release preset first")

    with tempfile.TemporaryDirectory(prefix="brisvane-bench-") as folder:
        floor = build_floor(folder)
        game = game_folder(args.program, folder, {"ShowSplash": "No"})
        xvfb, display_name = start_xvfb()
        env = dict(os.environ, DISPLAY=display_name, QT_QPA_PLATFORM="xcb",
                   XDG_RUNTIME_DIR=folder, HOME=folder)
        env.pop("WAYLAND_DISPLAY", None)
        try:
            results = {"floor": [], "game": []}
            for _ in range(args.runs):
                # Alternate, so that a slow moment of the machine hits both alike.
                results["floor"].append(measure(floor, display_name, env))
                results["game"].append(measure(game, display_name, env))
        finally:
            xvfb.terminate()
            xvfb.wait(timeout=10)

    floor_m, game_m = medians(results["floor"]), medians(results["game"])
    print(f"medians over {args.runs} runs each")
    print(f"{'':24}{'bare Qt':>12}{'Brisvane':>12}{'ratio':>8}  target")
    rows = [
        ("start-up to map (ms)", "start_ms", "<= 1.30"),
        ("to first frame (ms)", "frame_ms", "none: what the player waits for"),
        ("RSS at map (MiB)", "rss_mapped_mib", "<= 1.25"),
        ("RSS after 3 s (MiB)", "rss_settled_mib", "<= 1.25"),
        ("idle CPU, 10 s (%)", "idle_cpu_percent", "< 1% of a core"),
    ]
    for label, key, target in rows:
        ratio = game_m[key] / floor_m[key] if floor_m[key] > 0 else float("nan")
        print(f"{label:24}{floor_m[key]:12.2f}{game_m[key]:12.2f}{ratio:8.2f}  {target}")


if __name__ == "__main__":
    main()
