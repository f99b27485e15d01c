"""A private X server for the scripts, benchmarks and desktop tests that run the real game."""

import os
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
