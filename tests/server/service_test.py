#!/usr/bin/python3
"""The service as a player and an attacker meet it, on a temporary SQLite file or a throw-away
PostgreSQL cluster:

    service_test.py BRISVANE-SCORES sqlite|postgresql
"""

import http.client
import json
import os
import re
import ssl
import subprocess
import sys
import tempfile

from harness import Check, PostgresCluster, Service, entry_key, submission_path, this_month

NAME = "Tom & Åsa å"
PASSWORD = "Pw-7391-secret"
HOSTILE = "<i>x</i>' OR 1=1--"
HOSTILE_PASSWORD = "Pw-8224-hostile"


def escaped(text):
    """As the service escapes a name in a page."""
    for plain, entity in (("&", "&amp;"), ("<", "&lt;"), (">", "&gt;"), ('"', "&quot;"), ("'", "&#39;")):
        text = text.replace(plain, entity)
    return text


def sign_up(service, check, name, password):
    status, headers, _ = service.post_form("/signup", {"name": name, "password": password,
                                                       "password2": password, "lan": "English"})
    check(status == 303, f"sign-up of {name!r} answered {status}, not 303")
    status, _, text = service.get(headers.get("Location", "/"))
    check(status == 200 and escaped(name) in text, f"the sign-up page of {name!r} does not name it")


def table(service, query=""):
    status, _, text = service.get("/api/highscore" + query)
    return json.loads(text) if status == 200 else {"total": -1, "entries": []}


def send_accepted(service, check, month):
    key = entry_key(4, 287, month)
    status, headers, _ = service.get(submission_path(NAME, PASSWORD, 287, key, month, lan="Swedish"))
    location = headers.get("Location", "")
    check(status == 303 and "pass" not in location and PASSWORD not in location,
          f"the submission answered {status} to {location!r}, not a 303 without the password")
    check(headers.get("Cache-Control") == "no-store", "the submission's answer may be cached")
    status, _, text = service.get(location)
    check(status == 200 and "plats 1 " in text, "the entry page does not give place 1 (in Swedish)")
    again = service.get(submission_path(NAME, PASSWORD, 287, key, month, lan="Swedish"))
    check(again[1].get("Location") == location, "a resend leads to another entry")
    # The older builder's address: nothing encoded (the client encodes only what HTTP forbids).
    raw = submission_path(NAME, PASSWORD, 301, entry_key(9, 301, month), month,
                          encode=lambda v: v.replace(" ", "%20").encode().decode("latin-1"))
    raw = "".join(c if ord(c) < 128 else f"%{ord(c):02X}" for c in raw)
    status, _, _ = service.get(raw)
    check(status == 303, f"the unencoded submission answered {status}")
    data = table(service)
    names = [(e["user"], e["points"], e["key"]) for e in data["entries"]]
    check(names == [(NAME, 301, entry_key(9, 301, month)), (NAME, 287, key)],
          f"the world table holds {names}")
    status, _, text = service.get("/highscore")
    check(escaped(NAME) in text and key in text, "the table page lacks the entry")
    check(len(table(service, "?period=month&lan=Swedish")["entries"]) == 1, "the month/language filter")


def refusals(service, check, month):
    good = entry_key(3, 250, month)
    cases = [
        ("wrong password", submission_path(NAME, "nope", 250, good, month), 403, "wrong"),
        ("unknown user", submission_path("Nobody", PASSWORD, 250, good, month), 404, "/signup?name=Nobody"),
        ("forged key", submission_path(NAME, PASSWORD, 251, good, month), 422, "key"),
        ("future date", submission_path(NAME, PASSWORD, 250, entry_key(3, 250, month + 100), month + 100),
         422, "future"),
        ("impossible points", submission_path(NAME, PASSWORD, 650, entry_key(3, 650, month), month), 422, "650"),
        ("no points", submission_path(NAME, PASSWORD, 0, entry_key(3, 0, month), month), 422, "0 points"),
        ("unknown version", submission_path(NAME, PASSWORD, 250, good, month).replace("ver=700", "ver=800"),
         422, "version"),
        ("a field twice", submission_path(NAME, PASSWORD, 250, good, month) + "&pass=x", 400, "twice"),
        ("10,000-character name", submission_path("x" * 10000, PASSWORD, 250, good, month), 414, "too large"),
    ]
    for what, path, status, needle in cases:
        got, _, text = service.get(path)
        check(got == status and needle in text, f"{what}: answered {got}, not {status} with {needle!r}")
        check(PASSWORD not in text, f"{what}: the page shows the password")
    status, _, text = service.get(submission_path(NAME, "nope", 250, good, month, lan="German"))
    check("Das Passwort" in text, "the refusal is not in the player's language")
    long_name = {"name": "x" * 10000, "password": "abcdefgh", "password2": "abcdefgh"}
    check(service.post_form("/signup", long_name)[0] == 413, "a 10,000-character name was signed up")
    check(service.post_form("/signup", dict(long_name, name="x" * 21))[0] == 400, "a 21-character name was signed up")
    taken = {"name": NAME.upper(), "password": "abcdefgh", "password2": "abcdefgh"}
    check(service.post_form("/signup", taken)[0] == 409, "a name differing in case only was signed up")
    check(table(service)["total"] == 2, "a refused submission was stored")


def hostile_name(service, check, month):
    sign_up(service, check, HOSTILE, HOSTILE_PASSWORD)
    key = entry_key(1, 12, month)
    check(service.get(submission_path(HOSTILE, HOSTILE_PASSWORD, 12, key, month))[0] == 303,
          "the hostile name's entry was refused")
    status, headers, text = service.get("/highscore")
    check("<i>x</i>" not in text and escaped(HOSTILE) in text,
          "the hostile name is not escaped on the table page")
    check(HOSTILE in [e["user"] for e in table(service)["entries"]], "the JSON does not give the name as it is")
    check("default-src 'none'" in headers.get("Content-Security-Policy", ""), "no strict CSP")
    check(headers.get("Referrer-Policy") == "no-referrer", "no Referrer-Policy")


def pages(service, check):
    for path, needle in [("/?lan=German", "Die zehn Besten"), ("/help?lan=Swedish", "Kåk"),
                         ("/sms", "not offered"), ("/signup?lan=Swedish", "Användarnamn"),
                         ("/highscore?period=month", "This month"), ("/style.css", "#ffe600")]:
        status, _, text = service.get(path)
        check(status == 200 and needle in text, f"{path} lacks {needle!r}")
    check(service.get("/nowhere")[0] == 404, "an unknown page is not 404")
    many = {f"X-H{i}": "1" for i in range(60)}
    check(service.request("GET", "/", headers=many)[0] == 431, "60 header fields were taken")


def rate_limit(service, check, month):
    path = submission_path("Nobody", "x", 250, entry_key(3, 250, month), month)
    statuses = [service.get(path)[0] for _ in range(40)]
    check(429 in statuses, f"40 quick submissions from one address were never limited: {set(statuses)}")


def tls(binary, folder, check):
    """The service serving HTTPS itself, with a certificate made for the test."""
    cert, key = os.path.join(folder, "cert.pem"), os.path.join(folder, "key.pem")
    subprocess.run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-subj", "/CN=127.0.0.1",
                    "-days", "1", "-keyout", key, "-out", cert], check=True, capture_output=True)
    service = Service(binary, "sqlite:" + os.path.join(folder, "tls.sqlite"), "--tls-cert", cert, "--tls-key", key)
    try:
        context = ssl.create_default_context(cafile=cert)
        context.check_hostname = False
        connection = http.client.HTTPSConnection("127.0.0.1", service.port, context=context, timeout=30)
        connection.request("GET", "/")
        answer = connection.getresponse()
        check(answer.status == 200 and answer.getheader("Strict-Transport-Security") is not None,
              f"HTTPS answered {answer.status} without HSTS")
    finally:
        service.stop()


def main():
    binary, kind = sys.argv[1], sys.argv[2]
    check = Check()
    cluster = PostgresCluster() if kind == "postgresql" else None
    with tempfile.TemporaryDirectory(prefix="brisvane-scores-") as folder:
        sqlite_file = os.path.join(folder, "scores.sqlite")
        database = cluster.url if cluster else "sqlite:" + sqlite_file
        service = Service(binary, database, "--rate-limit", "30")
        month = this_month()
        try:
            sign_up(service, check, NAME, PASSWORD)
            send_accepted(service, check, month)
            refusals(service, check, month)
            hostile_name(service, check, month)
            pages(service, check)
            rate_limit(service, check, month)
        finally:
            code = service.stop()
            if cluster is None:
                stored = b"".join(open(os.path.join(folder, f), "rb").read() for f in os.listdir(folder))
            if cluster is not None:
                stored_has = cluster.files_contain(PASSWORD.encode())
                cluster.close()
            else:
                stored_has = PASSWORD.encode() in stored
        check(code == 0, f"the service ended with {code} after SIGTERM")
        log = service.log()
        check(PASSWORD not in log and HOSTILE_PASSWORD not in log and "pass=" not in log,
              "the service's output holds a password or a query string")
        check(re.search(r"GET /highscore/send 303", log) is not None, "the access log lacks the submission")
        check(not stored_has, "the database holds the password")
        if cluster is None:
            tls(binary, folder, check)
    check.finish(f"the service on {kind}")


if __name__ == "__main__":
    main()
