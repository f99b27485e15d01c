"""A private X server for the scripts, benchmarks and desktop tests that run the real game, and
a copy of the game's program folder for them to run in."""

import os
import shutil
import subprocess


def start_xvfb(screen="1280x1024x24", reset=False):
    """Starts Xvfb on a free display of that size; returns (process, display name such as ":5").

    Without `reset` the server keeps running when its last client goes, so one server can see
    the game start several times."""
    read_end, write_end = os.pipe()
    command = ["Xvfb", "-displayfd", str(write_end), "-screen", "0", screen, "-nolisten", "tcp"]
    if not reset:
        command.append("-noreset")
    xvfb = subprocess.Popen(command, pass_fds=(write_end,), stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)
    os.close(write_end)
    number = b""
    while not number.endswith(b"\n"):
        chunk = os.read(read_end, 16)
        if not chunk:
            os.close(read_end)
            raise RuntimeError("Xvfb did not start")
        number += chunk
    os.close(read_end)
    return xvfb, ":" + number.decode().strip()


def game_folder(program, folder, options):
    """Copies the program folder into `folder`/game with the [Options] `options` (a dict) set;
    returns the copied program."""
    target = os.path.join(folder, "game")
    shutil.copytree(os.path.dirname(os.path.abspath(program)), target)
    ini = os.path.join(target, "Vexa.ini")
    with open(ini, encoding="utf-8") as source:
        keys = tuple(key.lower() + "=" for key in options)
        lines = [line for line in source.read().splitlines()
                 if not line.lower().startswith(keys)]
    for index, line in enumerate(lines):
        if line.strip().lower() == "[options]":
            lines[index + 1:index + 1] = [f"{key}={value}" for key, value in options.items()]
            break
    with open(ini, "w", encoding="utf-8") as out:
        out.write("\n".join(lines) + "\n")
    return os.path.join(target, os.path.basename(program))
