#!/usr/bin/python3
"""Start-up of the page in headless Chromium, against its floor: the same page once built, saved as
static HTML with its pictures inline, under the same policy, and no program behind it, which is
what any page that shows this form must pay. Two times from navigation: to the first frame, which holds the whole form
(its first contentful paint), and to ready, with the program wired and "PRUEBA" focused. Runs the
two pages in turn in one browser, RUNS times each, and compares the medians.

  browser.py PAGE [RUNS]"""

import base64
import hashlib
import re
import statistics
import sys
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

page = sys.argv[1]
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 15

options = webdriver.ChromeOptions()
for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
             "--disable-background-networking", "--disable-component-update", "--disable-sync",
             "--force-device-scale-factor=1"):
    options.add_argument(flag)
browser = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
# Notes the moment the page says it is ready with "PRUEBA" focused, in ms from navigation.
browser.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": """
    new MutationObserver(() => {
        if (document.documentElement.dataset.state == 'ready' &&
            document.activeElement && document.activeElement.id == 'Command1')
            window.readyAt = window.readyAt || performance.now();
    }).observe(document, {attributes: true, subtree: true});"""})


def timed(url):
    browser.get("about:blank")
    browser.get(url)
    for _ in range(500):
        times = browser.execute_script(
            "const paint = performance.getEntriesByName('first-contentful-paint')[0];"
            "return window.readyAt && paint && [paint.startTime, window.readyAt]")
        if times:
            return times
        time.sleep(0.01)
    sys.exit(f"browser.py: {url} never became ready")


# The page at a scale of 1: the viewport is the form's own size, as the page lays it out.
browser.get("file://" + page)
size = browser.execute_script("const form = document.getElementById('Form1');"
                              "return [form.offsetWidth, form.offsetHeight]")
browser.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                        {"width": size[0], "height": size[1], "deviceScaleFactor": 1,
                         "mobile": False})
# The floor: the built page without its scripts and state, under the same policy but for its
# scripts; a last line, which the policy allows by its hash, marks it ready.
timed("file://" + page)
ready = ("document.getElementById('Command1').focus();"
         "document.documentElement.dataset.state='ready'")
digest = base64.b64encode(hashlib.sha256(ready.encode()).digest()).decode()
html = browser.execute_script("return document.documentElement.outerHTML")
html = re.sub(r"<script[^>]*>.*?</script>", "", html, flags=re.S)
html = re.sub(r"script-src [^;\"]*", f"script-src 'sha256-{digest}'", html)
html = html.replace(' data-state="ready"', "").replace("</body>", f"<script>{ready}</script></body>")
with tempfile.NamedTemporaryFile("w", suffix=".html") as floor:
    floor.write("<!DOCTYPE html>" + html)
    floor.flush()
    times = {"korval2.html": [], "floor": []}
    for _ in range(runs):
        times["korval2.html"].append(timed("file://" + page))
        times["floor"].append(timed("file://" + floor.name))
browser.quit()

# Frames come on the compositor's clock, so a first frame's time falls on one of a few values: its
# mean tells more than its median. Ready is a median.
print(f"runs: {runs} each, from navigation: the mean to the first frame, the median to ready")
averages = {}
for name, values in times.items():
    averages[name] = [statistics.mean(value[0] for value in values),
                      statistics.median(value[1] for value in values)]
    print(f"  {name:<14} first frame {averages[name][0]:6.1f} ms, ready {averages[name][1]:6.1f} ms")
page_times, floor_times = averages["korval2.html"], averages["floor"]
print(f"korval2.html against the floor: first frame {page_times[0] / floor_times[0]:.2f} "
      f"(target at most 1.05), ready {page_times[1] / floor_times[1]:.2f}")
