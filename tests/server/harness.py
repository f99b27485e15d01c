"""What the service tests share: starting brisvane-scores on a free loopback port, a throw-away
PostgreSQL cluster, plain HTTP requests, and a submission address built as the game builds it."""

import glob
import http.client
import os
import pwd
import shutil
import subprocess
import sys
import tempfile
import threading
import time
import urllib.parse

SKIP = 77


def skip_or_fail(reason):
    """A missing tool skips the test on a developer's machine and fails it in CI."""
    if os.environ.get("CI"):
        sys.exit(f"FAILED: {reason} (scripts/install-deps installs it)")
    print(f"SKIPPED: {reason}", flush=True)
    sys.exit(SKIP)


def entry_key(r, points, date, version=700):
    return f"{r}{1000 - points - 11 * r}{9999 - date - r}{version + 12 - r}"


def this_month():
    now = time.gmtime()
    return now.tm_mon + 100 * (now.tm_year % 100)


def game_value(value):
    """A value encoded as the game encodes it (letters, digits and -._~/ stay)."""
    return urllib.parse.quote(value, safe="/-._~")


def submission_path(user, password, points, key, date, lan="English", encode=game_value):
    fields = [("user", user), ("pass", password), ("ver", "700"), ("rev", "3"), ("date", str(date)),
              ("points", str(points)), ("key", key), ("lan", lan), ("screen", "1280x1024"),
              ("os", "N/A")]
    return "/highscore/send?" + "&".join(f"{name}={encode(str(value))}" for name, value in fields)


class Service:
    """brisvane-scores on 127.0.0.1 and a port it picked, its output kept for inspection."""

    def __init__(self, binary, database, *extra):
        env = dict(os.environ, ASAN_OPTIONS="detect_leaks=0:" + os.environ.get("ASAN_OPTIONS", ""))
        self.process = subprocess.Popen([binary, "--listen", "127.0.0.1:0", "--database", database, *extra],
                                        stdout=subprocess.PIPE, stderr=subprocess.PIPE, env=env)
        line = self.process.stdout.readline().decode()
        if "listening on" not in line:
            self.process.wait(timeout=10)
            raise RuntimeError("the service did not start: " + line + self.process.stderr.read().decode())
        self.port = int(line.rsplit(":", 1)[1].strip(" /\n"))
        self.output = [line]
        self.readers = [threading.Thread(target=self._collect, args=(stream,), daemon=True)
                        for stream in (self.process.stdout, self.process.stderr)]
        for reader in self.readers:
            reader.start()

    def _collect(self, stream):
        for line in stream:
            self.output.append(line.decode(errors="replace"))

    def request(self, method, path, body=None, headers=None):
        """(status, headers, text) without following redirects."""
        connection = http.client.HTTPConnection("127.0.0.1", self.port, timeout=60)
        try:
            connection.request(method, path, body=body, headers=headers or {})
            response = connection.getresponse()
            return response.status, dict(response.getheaders()), response.read().decode()
        finally:
            connection.close()

    def get(self, path):
        return self.request("GET", path)

    def post_form(self, path, fields):
        return self.request("POST", path, urllib.parse.urlencode(fields),
                            {"Content-Type": "application/x-www-form-urlencoded"})

    def stop(self, signal_kill=False):
        if signal_kill:
            self.process.kill()
        else:
            self.process.terminate()
        code = self.process.wait(timeout=30)
        for reader in self.readers:
            reader.join(timeout=5)
        return code

    def log(self):
        return "".join(self.output)


class PostgresCluster:
    """A cluster in a temporary folder listening on a Unix socket only; as root it runs as the
    postgres user, which the server package creates."""

    def __init__(self):
        tools = sorted(glob.glob("/usr/lib/postgresql/*/bin/initdb"))
        if not tools:
            skip_or_fail("PostgreSQL (initdb) is not installed")
        self.bin = os.path.dirname(tools[-1])
        self.folder = tempfile.mkdtemp(prefix="brisvane-pg-")
        self.data = os.path.join(self.folder, "data")
        self.user = None
        if os.geteuid() == 0:
            self.user = pwd.getpwnam("postgres")
            os.chown(self.folder, self.user.pw_uid, self.user.pw_gid)
        self._run("initdb", "-D", self.data, "-U", "postgres", "--auth=trust", "-E", "UTF8",
                  "--locale=C.UTF-8")
        options = f"-k {self.folder} -c listen_addresses='' -c fsync=off -p 5432"
        self._run("pg_ctl", "-D", self.data, "-o", options, "-l", os.path.join(self.folder, "log"),
                  "-w", "start")
        self.url = f"postgresql:///postgres?host={urllib.parse.quote(self.folder)}&port=5432&user=postgres"

    def _run(self, tool, *args):
        def drop():
            if self.user is not None:
                os.setgid(self.user.pw_gid)
                os.setuid(self.user.pw_uid)
        subprocess.run([os.path.join(self.bin, tool), *args], check=True, preexec_fn=drop,
                       stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, cwd=self.folder)

    def close(self):
        try:
            self._run("pg_ctl", "-D", self.data, "-m", "immediate", "stop")
        finally:
            shutil.rmtree(self.folder, ignore_errors=True)

    def files_contain(self, needle):
        for root, _, files in os.walk(self.data):
            for name in files:
                with open(os.path.join(root, name), "rb") as file:
                    if needle in file.read():
                        return True
        return False


class Check:
    """Counts failed expectations, so one run reports all of them."""

    def __init__(self):
        self.failures = 0

    def __call__(self, condition, what):
        if not condition:
            self.failures += 1
            print(f"FAILED: {what}", flush=True)
        return condition

    def finish(self, passed_message):
        if self.failures:
            sys.exit(1)
        print(f"PASSED: {passed_message}")
