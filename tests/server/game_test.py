#!/usr/bin/python3
"""The real game sends a place of its top ten to the service: the game under Xvfb, its Internet
addresses pointed at a local brisvane-scores and an account set up in its Vexa.ini, an
`xdg-open` on PATH that fetches the address the way a browser would. One game is played through
the accessibility tree (as scripts/a11y-check plays it), its place clicked and the question
answered Yes; the world table then holds that game's points and key.

    game_test.py BRISVANE-SCORES BRISVANE
"""

import importlib.machinery
import json
import os
import subprocess
import sys
import tempfile
import time

from harness import Check, Service, skip_or_fail

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
sys.path.insert(0, os.path.join(ROOT, "scripts"))
a11y = importlib.machinery.SourceFileLoader("a11y_check", os.path.join(ROOT, "scripts", "a11y-check")).load_module()

INSIDE = "BRISVANE_GAME_TEST_INSIDE"
USER = "Game Tester"
PASSWORD = "game-pw-2741"

# Hands the address to the service as a browser would, following the redirect.
FAKE_XDG_OPEN = """#!/usr/bin/python3
import sys, urllib.request
with urllib.request.urlopen(sys.argv[1], timeout=60) as answer:
    status, final = answer.status, answer.url
with open({record!r}, "a") as record:
    record.write(f"{{status}} {{final}}\\n")
"""


def set_keys(ini, values):
    """Sets (section, key) = value in the copy's Vexa.ini, keeping everything else."""
    with open(ini, encoding="utf-8") as source:
        lines = source.read().splitlines()
    for (section, key), value in values.items():
        start = next(i for i, line in enumerate(lines) if line.strip().lower() == f"[{section.lower()}]")
        end = next((i for i in range(start + 1, len(lines)) if lines[i].startswith("[")), len(lines))
        lines = [line for i, line in enumerate(lines)
                 if not (start < i < end and line.split("=", 1)[0].strip().lower() == key.lower())]
        lines.insert(start + 1, f"{key}={value}")
    with open(ini, "w", encoding="utf-8") as out:
        out.write("\n".join(lines) + "\n")


def send_first_place(tree):
    pyatspi = tree.pyatspi
    window = tree.wait("the game window", lambda: next(iter(tree.windows(pyatspi.ROLE_FRAME)), None))
    place = tree.wait("place 1 of the top ten", lambda: pyatspi.findDescendant(
        window, lambda a: a.getRole() == pyatspi.ROLE_LINK and a11y.PLAYER in (a.name or "")))
    tree.press(place)
    question = tree.wait("the question", lambda: next(iter(tree.windows(pyatspi.ROLE_ALERT, pyatspi.ROLE_DIALOG)), None))
    tree.press_named(question, "Yes", pyatspi.ROLE_PUSH_BUTTON, showing=False)


def inside(service_binary, game_binary):
    import pyatspi  # noqa: only inside the private session

    check = Check()
    with tempfile.TemporaryDirectory(prefix="brisvane-game-") as folder:
        service = Service(service_binary, "sqlite:" + os.path.join(folder, "scores.sqlite"))
        base = f"http://127.0.0.1:{service.port}"
        status, _, _ = service.post_form("/signup", {"name": USER, "password": PASSWORD, "password2": PASSWORD})
        check(status == 303, "the account was not signed up")
        binary, ini = a11y.program_copy(game_binary, folder)
        set_keys(ini, {("Internet", "send"): base + "/highscore/send", ("Internet", "home"): base + "/",
                       ("Internet", "signup"): base + "/signup", ("Users", "antal"): "1",
                       ("Users", "selected"): "1", ("Users", "user1"): USER, ("Users", "pass1"): PASSWORD})
        tools = os.path.join(folder, "bin")
        os.mkdir(tools)
        record = os.path.join(folder, "opened")
        with open(os.path.join(tools, "xdg-open"), "w") as fake:
            fake.write(FAKE_XDG_OPEN.format(record=record))
        os.chmod(os.path.join(tools, "xdg-open"), 0o755)

        xvfb, display = a11y.x_server.start_xvfb()
        env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   QT_ACCESSIBILITY="1", XDG_RUNTIME_DIR=folder, HOME=folder, ASAN_OPTIONS="detect_leaks=0",
                   PATH=tools + os.pathsep + os.environ["PATH"], XDG_CURRENT_DESKTOP="X-Generic")
        env.pop("WAYLAND_DISPLAY", None)
        launcher = subprocess.Popen([a11y.BUS_LAUNCHER, "--launch-immediately", "--a11y=1"], env=env,
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        game = None
        try:
            os.environ.update(DISPLAY=display)
            tree = a11y.Tree(pyatspi)
            game = subprocess.Popen([binary], cwd=os.path.dirname(binary), env=env,
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            tree.wait("the game on the accessibility bus", tree.app)
            a11y.play(tree, ini)
            values = a11y.read_ini(ini)
            points, key = values[("highscore", "p1")], values[("highscore", "k1")]
            send_first_place(tree)
            deadline = time.monotonic() + 60
            while not os.path.exists(record) and time.monotonic() < deadline:
                time.sleep(0.2)
            opened = open(record).read() if os.path.exists(record) else ""
            check(opened.startswith("200 " + base + "/highscore/entry?id="), f"the browser ended at {opened!r}")
            entries = json.loads(service.get("/api/highscore")[2])["entries"]
            check([(e["user"], e["points"], e["key"]) for e in entries] == [(USER, int(points), key)],
                  f"the world table holds {entries}, not {points} points with key {key}")
        except a11y.Failure as failure:
            check(False, str(failure))
            a11y.describe_windows(tree)
        finally:
            for process in (game, launcher, xvfb):
                if process is not None and process.poll() is None:
                    process.terminate()
                    process.wait(timeout=10)
            service.stop()
    check.finish("a place of the game's top ten landed on the world table")


def main():
    service_binary, game_binary = sys.argv[1], sys.argv[2]
    if os.environ.get(INSIDE):
        inside(service_binary, game_binary)
        return
    reason = a11y.missing_stack()
    if reason:
        skip_or_fail(reason)
    env = dict(os.environ, **{INSIDE: "1"})
    sys.exit(subprocess.run(["dbus-run-session", "--", sys.executable, os.path.abspath(__file__),
                             service_binary, game_binary], env=env).returncode)


if __name__ == "__main__":
    main()
