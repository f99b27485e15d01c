#!/usr/bin/python3
"""How quickly the game shows a roll while the advisor's tables are being prepared.

Runs the game under its own Xvfb, with ShowSplash = "No" in a temporary copy of its program
folder and an empty data home, so its first roll starts the preparation of the advisor's
tables. Then, now and then (--every), it picks a die up and rolls it again, and times each click until
the window shows the change (an X damage event). Prints the preparation's wall time (first
roll until the tables file is there), its size, and the times from click to picture during
the preparation and after it.

    bench/roll_while_preparing.py [--program build/release/program/brisvane] [--after 5]

Needs python3-xlib and Xvfb.
"""

import argparse
import glob
import os
import statistics
import subprocess
import sys
import tempfile
import time

from Xlib import X, display
from Xlib.ext import damage, xtest

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(ROOT, "scripts"))
from xvfb import game_folder, start_xvfb  # noqa: E402  shared by the scripts
WIDTH, HEIGHT = 800, 600
ROLL = (584, 267)  # the Roll label, in the window's pixels
DIE = (123, 314)   # the first die
TIMEOUT_S = 30.0
PAUSE_S = 0.3



class Window:
    """The game's window on a private X connection, with its damage reported."""

    def __init__(self, display_name):
        self.connection = display.Display(display_name)
        self.connection.screen().root.change_attributes(event_mask=X.SubstructureNotifyMask)
        self.connection.damage_query_version()
        self.connection.sync()
        self.window = None
        self.damage = None
        self.origin = None

    def wait_for_frame(self):
        deadline = time.monotonic() + TIMEOUT_S
        while time.monotonic() < deadline:
            event = self.connection.next_event()
            if event.type == X.MapNotify and self.window is None:
                geometry = event.window.get_geometry()
                if (geometry.width, geometry.height) == (WIDTH, HEIGHT):
                    self.window = event.window
                    self.damage = self.window.damage_create(damage.DamageReportNonEmpty)
            elif (self.window is not None
                  and event.type == self.connection.extension_event.DamageNotify
                  and event.drawable == self.window):
                geometry = self.window.get_geometry()
                self.origin = (geometry.x, geometry.y)
                return
        raise RuntimeError("the game window did not appear")

    def settle(self):
        """Takes in the damage so far, so the next report is the next change's."""
        time.sleep(PAUSE_S)
        while self.connection.pending_events():
            self.connection.next_event()
        self.connection.damage_subtract(self.damage)
        self.connection.sync()

    def click(self, place):
        """Clicks at `place` and returns the milliseconds until the window shows a change."""
        self.settle()
        x, y = self.origin[0] + place[0], self.origin[1] + place[1]
        xtest.fake_input(self.connection, X.MotionNotify, x=x, y=y)
        self.connection.sync()
        clicked = time.perf_counter()
        xtest.fake_input(self.connection, X.ButtonPress, 1)
        xtest.fake_input(self.connection, X.ButtonRelease, 1)
        self.connection.sync()
        deadline = time.monotonic() + TIMEOUT_S
        while time.monotonic() < deadline:
            event = self.connection.next_event()
            if event.type == self.connection.extension_event.DamageNotify:
                return (time.perf_counter() - clicked) * 1000.0
        raise RuntimeError("the click changed nothing")


def describe(name, delays):
    if delays:
        print(f"{name}: {len(delays)} clicks, median {statistics.median(delays):.1f} ms, "
              f"worst {max(delays):.1f} ms")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--program", default=os.path.join(ROOT, "build/release/program/brisvane"))
    parser.add_argument("--after", type=float, default=5.0,
                        help="seconds of clicks after the preparation, for comparison")
    parser.add_argument("--every", type=float, default=0.3,
                        help="seconds between rolls (a game has 60 rolls: make them last)")
    args = parser.parse_args()
    if not os.path.isfile(args.program):
        sys.exit(f"no program at {args.program}: build the release preset first")

    with tempfile.TemporaryDirectory(prefix="brisvane-prepare-") as folder:
        binary = game_folder(args.program, folder, {"ShowSplash": "No", "PlaySound": "No"})
        data = os.path.join(folder, "data")
        xvfb, display_name = start_xvfb()
        window = Window(display_name)
        env = dict(os.environ, DISPLAY=display_name, QT_QPA_PLATFORM="xcb",
                   HOME=folder, XDG_DATA_HOME=data, XDG_RUNTIME_DIR=folder)
        env.pop("WAYLAND_DISPLAY", None)
        process = subprocess.Popen([binary], cwd=os.path.dirname(binary), env=env,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            window.wait_for_frame()
            started = time.perf_counter()
            during = [window.click(ROLL)]
            after = []
            prepared = None
            while prepared is None or time.perf_counter() - prepared < args.after:
                time.sleep(args.every)
                delays = [window.click(DIE), window.click(ROLL)]
                tables = glob.glob(os.path.join(data, "brisvane", "*.tables"))
                if prepared is None and tables:
                    prepared = time.perf_counter()
                    print(f"preparation: {prepared - started:.1f} s wall, "
                          f"{os.path.getsize(tables[0]) / 1e6:.1f} MB")
                (during if prepared is None else after).extend(delays)
                if prepared is None and time.perf_counter() - started > 600:
                    print("no tables after 10 minutes")
                    break
            describe("while preparing", during)
            describe("after", after)
        finally:
            process.terminate()
            process.wait(timeout=10)
            xvfb.terminate()
            xvfb.wait(timeout=10)
            window.connection.close()


if __name__ == "__main__":
    main()
