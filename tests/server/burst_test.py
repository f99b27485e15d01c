#!/usr/bin/python3
"""Kill -9 of the service during a burst of 32 concurrent submissions: after a restart every
submission that was answered with its entry is in the table, and none is there twice.

    burst_test.py BRISVANE-SCORES
"""

import json
import os
import sys
import tempfile
import threading
import time
from collections import Counter

from harness import Check, Service, entry_key, submission_path, this_month

ACCOUNTS = 8
CLIENTS = 32


def client(service, number, month, answered, stop):
    user = f"player {number % ACCOUNTS}"
    sent = 0
    while not stop.is_set():
        points = 1 + number + CLIENTS * sent  # each client its own points: no two alike
        sent += 1
        key = entry_key(1 + sent % 9, points, month)
        try:
            status, _, _ = service.get(submission_path(user, "password-" + user, points, key, month))
        except OSError:
            return  # the service is gone
        if status == 303:
            answered.append((user, points, key))


def all_entries(service):
    entries, page = [], 1
    while True:
        status, _, text = service.get(f"/api/highscore?page={page}")
        data = json.loads(text)
        entries += [(e["user"], e["points"], e["key"]) for e in data["entries"]]
        if len(entries) >= data["total"] or not data["entries"]:
            return entries
        page += 1


def main():
    binary = sys.argv[1]
    check = Check()
    month = this_month()
    with tempfile.TemporaryDirectory(prefix="brisvane-burst-") as folder:
        database = "sqlite:" + os.path.join(folder, "scores.sqlite")
        service = Service(binary, database, "--rate-limit", "0")
        for n in range(ACCOUNTS):
            user = f"player {n}"
            form = {"name": user, "password": "password-" + user, "password2": "password-" + user}
            check(service.post_form("/signup", form)[0] == 303, f"{user} was not signed up")
        answered, stop = [], threading.Event()
        threads = [threading.Thread(target=client, args=(service, n, month, answered, stop))
                   for n in range(CLIENTS)]
        for thread in threads:
            thread.start()
        deadline = time.monotonic() + 60
        while len(answered) < 40 and time.monotonic() < deadline:
            time.sleep(0.05)
        service.stop(signal_kill=True)
        stop.set()
        for thread in threads:
            thread.join(timeout=60)
        print(f"{len(answered)} submissions answered before the kill")
        check(len(answered) >= 20, "too few submissions were answered before the kill")

        again = Service(binary, database, "--rate-limit", "0")
        try:
            stored = all_entries(again)
            counts = Counter(stored)
            check(all(counts[entry] == 1 for entry in answered),
                  f"answered but not stored once: {[e for e in answered if counts[e] != 1][:5]}")
            check(max(counts.values(), default=1) == 1, "an entry is stored twice")
            user, points, key = answered[0]
            check(again.get(submission_path(user, "password-" + user, points, key, month))[0] == 303,
                  "a resend after the restart was refused")
            check(len(all_entries(again)) == len(stored), "a resend after the restart was stored again")
        finally:
            again.stop()
    check.finish(f"{len(answered)} answered submissions survived kill -9, each once")


if __name__ == "__main__":
    main()
