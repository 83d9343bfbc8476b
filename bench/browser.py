#!/usr/bin/python3
"""Start-up of the page in headless Chromium, against its floor: the same page once built, saved as
static HTML with its pictures inline and no program behind it, which is what any page that shows
this form must pay. Two times from navigation: to the first frame, which holds the whole form
(its first contentful paint), and to ready, with the program wired and "PRUEBA" focused. Runs the
two pages in turn in one browser, RUNS times each, and compares the medians.

  browser.py PAGE [RUNS]"""

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
# The floor: the built page without its scripts, policy or state; a last line marks it ready.
timed("file://" + page)
html = browser.execute_script("return document.documentElement.outerHTML")
html = re.sub(r"<script>.*?</script>|<meta http-equiv=\"Content-Security-Policy\"[^>]*>", "",
              html, flags=re.S).replace(' data-state="ready"', "")
html = html.replace("</body>", "<script>document.getElementById('Command1').focus();"
                    "document.documentElement.dataset.state='ready'</script></body>")
with tempfile.NamedTemporaryFile("w", suffix=".html") as floor:
    floor.write("<!DOCTYPE html>" + html)
    floor.flush()
    times = {"korval2.html": [], "floor": []}
    for _ in range(runs):
        times["korval2.html"].append(timed("file://" + page))
        times["floor"].append(timed("file://" + floor.name))
browser.quit()

print(f"runs: {runs} each, medians from navigation")
medians = {}
for name, values in times.items():
    medians[name] = [statistics.median(value[i] for value in values) for i in (0, 1)]
    print(f"  {name:<14} first frame {medians[name][0]:6.1f} ms, ready {medians[name][1]:6.1f} ms")
page_times, floor_times = medians["korval2.html"], medians["floor"]
print(f"korval2.html against the floor: first frame {page_times[0] / floor_times[0]:.2f} "
      f"(target at most 1.05), ready {page_times[1] / floor_times[1]:.2f}")
