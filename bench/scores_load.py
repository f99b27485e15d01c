#!/usr/bin/python3
"""Throughput and latency of brisvane-scores with 32 concurrent clients on loopback (wrk), on
SQLite and on PostgreSQL: the world table page, its JSON twin and accepted submissions.

    bench/scores_load.py [--service build/bench/server/brisvane-scores] [--seconds 10]

Build the service in Release first (cmake --preset bench && cmake --build --preset bench). The
submissions run first, so the table has entries to show; each submission is a new game. The
service's CPU time per request (from /proc) shows how much of a submission is its password hash
(build/bench/bench/ScoresBench times one hash alone).
"""

import argparse
import os
import re
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(ROOT, "tests", "server"))
from harness import PostgresCluster, Service, this_month  # noqa: E402

ACCOUNTS = 40


def cpu_seconds(pid):
    """User and system time of the service so far."""
    with open(f"/proc/{pid}/stat") as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def wrk(port, path, seconds, connections, script=None):
    command = ["wrk", "-t2", f"-c{connections}", f"-d{seconds}s", "--latency", "--timeout", "10s"]
    if script:
        command += ["-s", script]
    env = dict(os.environ, SCORES_MONTH=str(this_month()), SCORES_ACCOUNTS=str(ACCOUNTS))
    out = subprocess.run(command + [f"http://127.0.0.1:{port}{path}"], capture_output=True, text=True,
                         env=env, check=True).stdout
    rate = float(re.search(r"Requests/sec:\s+([\d.]+)", out).group(1))
    latency = {p: re.search(rf"\s{p}%\s+([\d.]+)(us|ms|s)", out).groups() for p in ("50", "99")}
    errors = re.search(r"Non-2xx or 3xx responses: (\d+)", out)
    scale = {"us": 0.001, "ms": 1.0, "s": 1000.0}
    total = int(re.search(r"(\d+) requests in", out).group(1))
    return (rate, *(float(v) * scale[u] for v, u in (latency["50"], latency["99"])),
            int(errors.group(1)) if errors else 0, total)


def run(service_binary, database, seconds, connections):
    service = Service(service_binary, database, "--rate-limit", "0")
    try:
        for n in range(ACCOUNTS):
            form = {"name": f"bench {n}", "password": "bench-password", "password2": "bench-password"}
            assert service.post_form("/signup", form)[0] == 303
        script = os.path.join(ROOT, "bench", "scores_submit.lua")
        results = {}
        for what, path, lua in (("submissions", "/", script), ("table page", "/highscore", None),
                                ("JSON", "/api/highscore", None)):
            before = cpu_seconds(service.process.pid)
            *figures, count = wrk(service.port, path, seconds, connections, lua)
            used = cpu_seconds(service.process.pid) - before
            results[what] = (*figures, 1000.0 * used / max(count, 1))
        total = int(re.search(r'"total":(\d+)', service.get("/api/highscore")[2]).group(1))
    finally:
        service.stop()
    return results, total


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--service", default=os.path.join(ROOT, "build/bench/server/brisvane-scores"))
    parser.add_argument("--seconds", type=int, default=10)
    parser.add_argument("--connections", type=int, default=32)
    args = parser.parse_args()
    with tempfile.TemporaryDirectory(prefix="brisvane-bench-") as folder:
        cluster = PostgresCluster()
        try:
            for name, database in (("SQLite", "sqlite:" + os.path.join(folder, "scores.sqlite")),
                                   ("PostgreSQL", cluster.url)):
                results, total = run(args.service, database, args.seconds, args.connections)
                print(f"{name} ({total} entries stored), {args.connections} clients, {args.seconds} s each:")
                for what, (rate, p50, p99, errors, cpu) in results.items():
                    print(f"  {what:12} {rate:9.1f}/s   p50 {p50:7.2f} ms   p99 {p99:7.2f} ms"
                          f"   service CPU {cpu:6.3f} ms each"
                          + (f"   {errors} not 2xx/3xx" if errors else ""))
        finally:
            cluster.close()


if __name__ == "__main__":
    main()
