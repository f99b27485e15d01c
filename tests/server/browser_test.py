#!/usr/bin/python3
"""A player in a real browser (headless Chromium driven through WebDriver): signs up with the
form, opens a submission address as the game would have the browser open it, and finds the entry
on the world table page.

    browser_test.py BRISVANE-SCORES
"""

import os
import shutil
import sys
import tempfile

from harness import Check, Service, entry_key, skip_or_fail, submission_path, this_month

NAME = "Eva Ström"
PASSWORD = "browser-pw-5150"


def browser(profile):
    try:
        from selenium import webdriver
        from selenium.webdriver.chrome.service import Service as DriverService
    except ImportError:
        skip_or_fail("python3-selenium is not installed")
    driver = shutil.which("chromedriver")
    chromium = shutil.which("chromium")
    if driver is None or chromium is None:
        skip_or_fail("chromium or chromium-driver is not installed")
    options = webdriver.ChromeOptions()
    options.binary_location = chromium
    for flag in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                 "--disable-background-networking", "--disable-component-update", "--disable-sync",
                 "--no-first-run", f"--user-data-dir={profile}"):
        options.add_argument(flag)
    return webdriver.Chrome(service=DriverService(executable_path=driver), options=options)


def main():
    binary = sys.argv[1]
    check = Check()
    month = this_month()
    with tempfile.TemporaryDirectory(prefix="brisvane-browser-") as folder:
        service = Service(binary, "sqlite:" + os.path.join(folder, "scores.sqlite"))
        page = browser(os.path.join(folder, "profile"))
        base = f"http://127.0.0.1:{service.port}"
        try:
            from selenium.webdriver.common.by import By
            from selenium.webdriver.support.ui import WebDriverWait
            page.get(base + "/signup?lan=Swedish")
            page.find_element(By.ID, "name").send_keys(NAME)
            page.find_element(By.ID, "password").send_keys(PASSWORD)
            page.find_element(By.ID, "password2").send_keys(PASSWORD)
            page.find_element(By.CSS_SELECTOR, "button[type=submit]").click()
            WebDriverWait(page, 30).until(lambda d: "/signup/done" in d.current_url)
            done = page.find_element(By.TAG_NAME, "main").text
            check(f"Ditt konto {NAME} är klart" in done, f"the sign-up ended on: {done[:200]!r}")

            key = entry_key(7, 333, month)
            page.get(base + submission_path(NAME, PASSWORD, 333, key, month, lan="Swedish"))
            check("pass" not in page.current_url and PASSWORD not in page.current_url,
                  f"the browser stays at {page.current_url}")
            entry = page.find_element(By.TAG_NAME, "main").text
            check("333 poäng av Eva Ström: plats 1" in entry, f"the entry page says {entry[:200]!r}")

            page.find_element(By.LINK_TEXT, "Världstabellen").click()
            WebDriverWait(page, 30).until(lambda d: "/highscore?" in d.current_url)
            rows = [row.text for row in page.find_elements(By.CSS_SELECTOR, "tbody tr")]
            check(any(NAME in row and "333" in row for row in rows), f"the table shows {rows}")
        finally:
            page.quit()
            service.stop()
    check.finish("signed up, sent and found on the world table in Chromium")


if __name__ == "__main__":
    main()
