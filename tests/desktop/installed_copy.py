#!/usr/bin/python3
"""An installed copy as a desktop and a player meet it.

Installs the build into a temporary DESTDIR under the prefix /usr and checks that every file
is where the desktop looks for it. Then starts the installed game under Xvfb for a player
with an empty home: the window's class must be the desktop entry's StartupWMClass, the sound
module is found where it was installed, and the per-user folder is seeded (Vexa.ini readable
by its owner only). A newer version installed
over it refreshes the shipped files but keeps the player's Vexa.ini.

    installed_copy.py <build folder> <application id>

Exits 77 (skipped) only when Xvfb or python3-xlib is missing.
"""

import os
import shutil
import stat
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts"))
from xvfb import start_xvfb  # noqa: E402  the X server the scripts share

PREFIX = "/usr"
SIZES = (16, 22, 24, 32, 48, 64, 128, 256, 512)
START_TIMEOUT_S = 60.0

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL:", message)


def install(build, destdir):
    env = dict(os.environ, DESTDIR=destdir)
    subprocess.run(["cmake", "--install", build, "--prefix", PREFIX], env=env, check=True,
                   stdout=subprocess.DEVNULL)
    return destdir + PREFIX


def desktop_entry(path):
    entry = {}
    with open(path, encoding="utf-8") as source:
        for line in source:
            if "=" in line and not line.startswith("#"):
                key, value = line.rstrip("\n").split("=", 1)
                entry[key] = value
    return entry


def check_layout(root, app_id):
    """Every installed file where the desktop and the program look for it."""
    entry_path = os.path.join(root, "share/applications", app_id + ".desktop")
    check(os.path.isfile(entry_path), "the desktop entry is in share/applications")
    entry = desktop_entry(entry_path) if os.path.isfile(entry_path) else {}
    binary = os.path.join(root, "bin", entry.get("Exec", "").split(" ")[0])
    check(os.path.isfile(binary) and os.access(binary, os.X_OK), "Exec names the installed binary")
    check(entry.get("Icon") == app_id, "the entry's icon is named after the application id")
    icons = os.path.join(root, "share/icons/hicolor")
    check(os.path.isfile(os.path.join(icons, "scalable/apps", app_id + ".svg")), "the SVG icon")
    for size in SIZES:
        png = os.path.join(icons, f"{size}x{size}/apps/{app_id}.png")
        with open(png, "rb") if os.path.isfile(png) else open(os.devnull, "rb") as image:
            header = image.read(24)
        width = int.from_bytes(header[16:20], "big") if len(header) == 24 else 0
        check(header.startswith(b"\x89PNG") and width == size, f"the {size} px icon is {size} wide")
    metainfo = os.path.join(root, "share/metainfo", app_id + ".metainfo.xml")
    check(os.path.isfile(metainfo), "the metainfo is in share/metainfo")
    if os.path.isfile(metainfo):
        with open(metainfo, encoding="utf-8") as source:
            check(f">{app_id}.desktop</launchable>" in source.read(), "the metainfo launches the entry")
    check(os.path.isfile(os.path.join(root, "share/man/man6/brisvane.6.gz")), "the manual page")
    modules = [os.path.join(folder, name) for folder, _, names in os.walk(os.path.join(root, "lib"))
               for name in names if name == "brisvane-sound.so"]
    check(len(modules) == 1, "one sound module under lib/")
    data = os.path.join(root, "share/brisvane")
    for name in ("Vexa.ini", "English.lan", "Version.txt", "dice.wav"):
        path = os.path.join(data, name)
        mode = os.stat(path).st_mode if os.path.isfile(path) else 0
        check(mode & stat.S_IROTH, f"{name} is installed readable by every user")
    check(not os.path.exists(os.path.join(data, "Vexa.log")), "no build's log is installed")
    check(not os.path.exists(os.path.join(data, "desktop")), "the desktop files are not data")
    return binary, entry


def read(path):
    try:
        with open(path, encoding="utf-8") as source:
            return source.read()
    except OSError:
        return ""


def mapped(pid, folder):
    """Whether the process has brisvane-sound.so from under `folder` loaded."""
    try:
        with open(f"/proc/{pid}/maps", encoding="utf-8") as maps:
            return any(line.rstrip().endswith("/brisvane-sound.so") and folder in line
                       for line in maps)
    except OSError:
        return False


def window_classes(display_name):
    from Xlib import display
    connection = display.Display(display_name)
    try:
        classes = set()
        for window in connection.screen().root.query_tree().children:
            try:
                wm_class = window.get_wm_class()
            except Exception:
                continue
            if wm_class:
                classes.add(wm_class[1])
        return classes
    finally:
        connection.close()


def start(binary, home, display_name, wanted, until):
    """Starts the installed game for the player `home` until `until(wanted(pid))` holds;
    returns what `wanted` gave the last time and whether `until` held."""
    env = dict(os.environ, HOME=home, DISPLAY=display_name, QT_QPA_PLATFORM="xcb",
               XDG_RUNTIME_DIR=home, ASAN_OPTIONS="detect_leaks=0")
    env.pop("XDG_DATA_HOME", None)
    env.pop("WAYLAND_DISPLAY", None)
    process = subprocess.Popen([binary], env=env, cwd=home,
                               stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    deadline = time.monotonic() + START_TIMEOUT_S
    seen = None
    try:
        while time.monotonic() < deadline and process.poll() is None:
            seen = wanted(process.pid)
            if until(seen):
                return seen, True
            time.sleep(0.1)
        return seen, False
    finally:
        process.terminate()
        _, errors = process.communicate(timeout=20)
        if errors.strip():
            print(errors.decode(errors="replace"))


def main():
    build, app_id = sys.argv[1], sys.argv[2]
    try:
        import Xlib  # noqa: F401
    except ImportError:
        print("SKIP: python3-xlib is not installed (scripts/install-deps installs it)")
        return 77
    if shutil.which("Xvfb") is None:
        print("SKIP: Xvfb is not installed (scripts/install-deps installs it)")
        return 77

    with tempfile.TemporaryDirectory(prefix="brisvane-install-") as folder:
        root = install(build, os.path.join(folder, "dest"))
        binary, entry = check_layout(root, app_id)
        home = os.path.join(folder, "home")
        os.mkdir(home, 0o700)
        own = os.path.join(home, ".local/share/brisvane")
        xvfb, display_name = start_xvfb("1024x768x24", reset=True)
        try:
            # First start: the window's class is the entry's, and the player's folder is made.
            wm_class = entry.get("StartupWMClass")
            # Once the window is up the sound back end is readied: the module is found too.
            module = os.path.join(root, "lib")
            seen, shown = start(binary, home, display_name,
                                lambda pid: (window_classes(display_name), mapped(pid, module)),
                                lambda seen: wm_class in seen[0] and seen[1])
            classes, loaded = seen or (set(), False)
            check(wm_class in classes, f"a window of class {wm_class!r} appears (seen: {sorted(classes)})")
            check(loaded, "the installed sound module is loaded")
            ini = os.path.join(own, "Vexa.ini")
            check(os.path.isfile(ini), "the first start seeds the player's folder")
            if os.path.isfile(ini):
                check(stat.S_IMODE(os.stat(ini).st_mode) == 0o600, "the player's Vexa.ini is private")
            check(os.path.isfile(os.path.join(own, "English.lan")), "the language file is seeded")

            # A newer version over it: the player's settings stay, shipped files are refreshed.
            with open(ini, "a", encoding="utf-8") as out:
                out.write("[Highscore]\nBest=345\n")
            with open(ini, encoding="utf-8") as source:
                players = source.read()
            version = os.path.join(root, "share/brisvane/Version.txt")
            with open(version, "a", encoding="utf-8") as out:
                out.write("\nA newer version.\n")
            later = time.time() + 10
            os.utime(version, (later, later))
            refreshed = os.path.join(own, "Version.txt")
            _, done = start(binary, home, display_name,
                            lambda pid: read(refreshed),
                            lambda seen: seen.endswith("A newer version.\n"))
            check(done, "the newer version's shipped files reach the player's folder")
            with open(ini, encoding="utf-8") as source:
                check(source.read() == players, "the player's Vexa.ini survives the upgrade")
        finally:
            xvfb.terminate()
            xvfb.wait(timeout=10)
    if failures:
        print(f"{len(failures)} check(s) failed")
        return 1
    print("the installed copy is complete")
    return 0


if __name__ == "__main__":
    sys.exit(main())
