#!/usr/bin/python3
"""How late the first roll's sound starts: from the click on Roll to the sound server's stream.

Runs the game under its own Xvfb and its own PulseAudio with a null sink (no speaker needed),
with ShowSplash = "No" in a temporary copy of its program folder. For each run it waits until
the game window has drawn its first frame and then `--after` seconds more (a quick player's
first click), clicks Roll, and stops the clock when the sound server reports the game's
playback stream (`pactl subscribe`: a new or changed sink input). Prints each run and the
median.

    bench/first_sound.py [--program build/release/program/brisvane] [--runs 5] [--after 1.0]

Needs pulseaudio and pulseaudio-utils besides python3-xlib and Xvfb.
"""

import argparse
import os
import queue
import shutil
import statistics
import subprocess
import sys
import tempfile
import threading
import time

from Xlib import X, display
from Xlib.ext import damage, xtest

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(ROOT, "scripts"))
from xvfb import game_folder, start_xvfb  # noqa: E402  shared by the scripts
WIDTH, HEIGHT = 800, 600
ROLL = (584, 267)  # the Roll label, in the window's pixels
TIMEOUT_S = 30.0


def start_pulse(folder):
    """A private sound server with one null sink; returns it and its address."""
    socket = os.path.join(folder, "pulse-native")
    env = dict(os.environ, HOME=folder, XDG_RUNTIME_DIR=folder, XDG_CONFIG_HOME=folder)
    server = subprocess.Popen(
        ["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
         "--load=module-null-sink", f"--load=module-native-protocol-unix socket={socket} auth-anonymous=1"],
        env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    address = "unix:" + socket
    deadline = time.monotonic() + TIMEOUT_S
    while subprocess.run(["pactl", "--server", address, "info"], stdout=subprocess.DEVNULL,
                         stderr=subprocess.DEVNULL).returncode != 0:
        if time.monotonic() > deadline or server.poll() is not None:
            raise RuntimeError("pulseaudio did not start")
        time.sleep(0.1)
    return server, address



def watch_streams(address):
    """`pactl subscribe` in the background: a queue of (time, line) per sink-input event."""
    events = queue.Queue()
    watcher = subprocess.Popen(["pactl", "--server", address, "subscribe"],
                               stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)

    def read():
        for line in watcher.stdout:
            if "sink-input" in line and ("'new'" in line or "'change'" in line):
                events.put((time.perf_counter(), line.strip()))

    threading.Thread(target=read, daemon=True).start()
    return watcher, events


def wait_for_frame(connection):
    deadline = time.monotonic() + TIMEOUT_S
    window = None
    while time.monotonic() < deadline:
        event = connection.next_event()
        if event.type == X.CreateNotify and (event.width, event.height) == (WIDTH, HEIGHT):
            event.window.damage_create(damage.DamageReportNonEmpty)
        elif event.type == X.MapNotify and window is None:
            geometry = event.window.get_geometry()
            if (geometry.width, geometry.height) == (WIDTH, HEIGHT):
                window = event.window
        elif (window is not None and event.type == connection.extension_event.DamageNotify
              and event.drawable == window):
            geometry = window.get_geometry()
            return (geometry.x, geometry.y)
    raise RuntimeError("the game window did not appear")


def measure(binary, display_name, address, after):
    connection = display.Display(display_name)
    connection.screen().root.change_attributes(event_mask=X.SubstructureNotifyMask)
    connection.damage_query_version()
    connection.sync()
    env = dict(os.environ, DISPLAY=display_name, QT_QPA_PLATFORM="xcb", PULSE_SERVER=address,
               HOME=os.path.dirname(binary), XDG_RUNTIME_DIR=os.path.dirname(binary))
    env.pop("WAYLAND_DISPLAY", None)
    watcher, events = watch_streams(address)
    process = subprocess.Popen([binary], cwd=os.path.dirname(binary), env=env,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        origin = wait_for_frame(connection)
        time.sleep(after)
        while not events.empty():  # streams made while warming up are not the roll's
            events.get()
        x, y = origin[0] + ROLL[0], origin[1] + ROLL[1]
        xtest.fake_input(connection, X.MotionNotify, x=x, y=y)
        connection.sync()
        clicked = time.perf_counter()
        xtest.fake_input(connection, X.ButtonPress, 1)
        xtest.fake_input(connection, X.ButtonRelease, 1)
        connection.sync()
        started, line = events.get(timeout=TIMEOUT_S)
        return (started - clicked) * 1000.0, line
    finally:
        process.terminate()
        process.wait(timeout=10)
        watcher.terminate()
        watcher.wait(timeout=10)
        connection.close()


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--program", default=os.path.join(ROOT, "build/release/program/brisvane"))
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--after", type=float, default=1.0,
                        help="seconds between the first frame and the click")
    args = parser.parse_args()
    if not os.path.isfile(args.program):
        sys.exit(f"no program at {args.program}: build the release preset first")
    for tool in ("pulseaudio", "pactl", "Xvfb"):
        if shutil.which(tool) is None:
            sys.exit(f"{tool} is not installed")

    with tempfile.TemporaryDirectory(prefix="brisvane-sound-") as folder:
        game = game_folder(args.program, folder, {"ShowSplash": "No", "PlaySound": "Yes"})
        xvfb, display_name = start_xvfb()
        server, address = start_pulse(folder)
        try:
            delays = []
            for run in range(args.runs):
                delay, line = measure(game, display_name, address, args.after)
                delays.append(delay)
                print(f"run {run + 1}: {delay:7.1f} ms  ({line})")
            print(f"median: {statistics.median(delays):.1f} ms from the click on Roll to the "
                  f"sound's stream, {args.after:.1f} s after the first frame")
        finally:
            server.terminate()
            server.wait(timeout=10)
            xvfb.terminate()
            xvfb.wait(timeout=10)


if __name__ == "__main__":
    main()
