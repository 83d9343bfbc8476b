"""What the page's Python tests share: a headless Chromium, waiting for the page's state, the
questions they ask of it, and the tables of the scenarios."""

import os
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service


def until(condition):
    """Whether condition() comes true within five seconds."""
    for _ in range(250):
        if condition():
            return True
        time.sleep(0.02)
    return False


def wait_for(run, state, where):
    """Waits for the page's state ("ready", "ended"), which run(script) reads from the page;
    whether it came."""
    if until(lambda: probe(run, "state") == state):
        return True
    print(f"{where}: the page is not {state}")
    return False


def chromium(*flags, loading="normal"):
    """Debian's Chromium, headless, at a device scale of 1, keeping the browser's log; a page
    opened with loading="none" can be read and used while it is still arriving."""
    options = webdriver.ChromeOptions()
    options.page_load_strategy = loading
    for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update",
                 "--disable-sync", "--force-device-scale-factor=1", *flags):
        options.add_argument(flag)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


with open(os.path.join(os.path.dirname(__file__), "probes.js"), encoding="utf-8") as source:
    PROBES = source.read()


def probe(run, question, *args):
    """One of probes.js's answers about the page, which run(script, *args) asks."""
    return run(f"return ({PROBES})[arguments[0]](...[...arguments].slice(1))", question, *args)


def send_late(handler, page, cut, let_go):
    """Answers a request with the page up to `cut`, and the rest once `let_go` is set: the page
    as a slow connection brings it."""
    handler.send_response(200)
    handler.send_header("Content-Type", "text/html; charset=utf-8")
    handler.end_headers()
    handler.wfile.write(page[:cut])
    handler.wfile.flush()
    let_go.wait(30)
    handler.wfile.write(page[cut:])


def table(name):
    """The lines of one of the tables the scenarios share, without their comments; there are
    some."""
    path = os.path.join(os.path.dirname(__file__), "..", "tables", name)
    with open(path, encoding="utf-8") as lines:
        rows = [line.rstrip("\n") for line in lines if line.strip() and not line.startswith("#")]
    assert rows, f"no rows in {name}"
    return rows


# The learner's answers, as the desktop scenario has them: box, centre, typed, verdict, and the
# box's right name.
answers = [(box, int(x), int(y), typed.replace("_", " "), verdict, right.replace("_", " "))
           for box, x, y, typed, verdict, right in (line.split() for line in table("boxes.txt"))]
