#!/usr/bin/python3
"""Opening time and memory of the settings window, under Xvfb.

Starts the game (splash off, in a temporary copy of its program folder), lets it settle, then
clicks the settings label and the clock by turns, each of which opens the settings window
afresh on its page "all" or "alarm". For each click it measures the time from the click to
the settings window being mapped and to its first drawing (X damage), and it reads the
resident memory before the first opening, after it, and after all of them.

    bench/settings_open.py [--program build/release/program/brisvane] [--opens 20]

Needs python3-xlib and Xvfb (scripts/install-deps installs them).
"""

import argparse
import os
import statistics
import sys
import tempfile
import time

from Xlib import X, display
from Xlib.ext import damage, xtest

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(ROOT, "bench"))
import startup  # noqa: E402  the start-up benchmark's Xvfb and measuring helpers

# The openers on the game window (its own pixels) and the size of the window each opens.
OPENERS = {"all": ((506, 406), (447, 370)), "alarm": ((762, 586), (225, 111))}
TIMEOUT_S = 10.0


def wait_for(connection, size, deadline):
    """The next window of `size` mapped, the time of its map and of its first drawing."""
    window = mapped = None
    while time.monotonic() < deadline:
        if not connection.pending_events():
            time.sleep(0.0005)
            continue
        event = connection.next_event()
        if event.type == X.CreateNotify and (event.width, event.height) == size:
            # Every drawing is reported, also after the window was hidden and shown again.
            event.window.damage_create(damage.DamageReportRawRectangles)
        elif event.type == X.MapNotify and window is None:
            try:
                geometry = event.window.get_geometry()
            except Exception:
                continue
            if (geometry.width, geometry.height) == size:
                window, mapped = event.window, time.perf_counter()
        elif (window is not None and event.type == connection.extension_event.DamageNotify
              and event.drawable == window):
            return window, mapped, time.perf_counter()
    raise RuntimeError(f"no {size[0]} x {size[1]} window was mapped and drawn")


def click(connection, origin, spot):
    x, y = origin[0] + spot[0], origin[1] + spot[1]
    xtest.fake_input(connection, X.MotionNotify, x=x, y=y)
    connection.sync()
    time.sleep(0.05)
    started = time.perf_counter()
    xtest.fake_input(connection, X.ButtonPress, 1)
    xtest.fake_input(connection, X.ButtonRelease, 1)
    connection.sync()
    return started


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--program", default=os.path.join(ROOT, "build/release/program/brisvane"))
    parser.add_argument("--opens", type=int, default=20)
    args = parser.parse_args()
    if not os.path.isfile(args.program):
        sys.exit(f"no program at {args.program}: build the release preset first")

    with tempfile.TemporaryDirectory(prefix="brisvane-bench-") as folder:
        game = startup.game_folder(args.program, folder, {"ShowSplash": "No"})
        xvfb, display_name = startup.start_xvfb()
        env = dict(os.environ, DISPLAY=display_name, QT_QPA_PLATFORM="xcb",
                   XDG_RUNTIME_DIR=folder, HOME=folder)
        env.pop("WAYLAND_DISPLAY", None)
        connection = display.Display(display_name)
        connection.screen().root.change_attributes(event_mask=X.SubstructureNotifyMask)
        connection.damage_query_version()
        connection.sync()
        process = startup.subprocess.Popen([game], cwd=os.path.dirname(game), env=env,
                                           stdout=startup.subprocess.DEVNULL,
                                           stderr=startup.subprocess.DEVNULL)
        try:
            main_window, _, _ = wait_for(connection, (800, 600), time.monotonic() + 30)
            geometry = main_window.get_geometry()
            origin = main_window.translate_coords(connection.screen().root, 0, 0)
            origin = (-origin.x, -origin.y) if geometry else (0, 0)
            time.sleep(startup.SETTLE_S)
            rss_before = startup.rss_kib(process.pid)
            timings = {page: {"map": [], "frame": []} for page in OPENERS}
            rss_first = None
            for i in range(args.opens):
                page = "all" if i % 2 == 0 else "alarm"
                spot, size = OPENERS[page]
                started = click(connection, origin, spot)
                _, mapped, drawn = wait_for(connection, size, time.monotonic() + TIMEOUT_S)
                timings[page]["map"].append((mapped - started) * 1000.0)
                timings[page]["frame"].append((drawn - started) * 1000.0)
                time.sleep(0.3)
                if rss_first is None:
                    rss_first = startup.rss_kib(process.pid)
            time.sleep(1.0)
            rss_last = startup.rss_kib(process.pid)
        finally:
            process.terminate()
            process.wait(timeout=10)
            connection.close()
            xvfb.terminate()
            xvfb.wait(timeout=10)

    for page, times in timings.items():
        print(f"page {page:5}: click to mapped  median {statistics.median(times['map']):6.1f} ms"
              f"  max {max(times['map']):6.1f} ms;  to first frame  median "
              f"{statistics.median(times['frame']):6.1f} ms  max {max(times['frame']):6.1f} ms"
              f"  ({len(times['map'])} openings)")
    print(f"resident memory: {rss_before / 1024:.1f} MiB before, {rss_first / 1024:.1f} MiB "
          f"after the first opening (+{(rss_first - rss_before) / 1024:.2f} MiB), "
          f"{rss_last / 1024:.1f} MiB after {args.opens} openings "
          f"(+{(rss_last - rss_before) / 1024:.2f} MiB)")


if __name__ == "__main__":
    main()
