#!/usr/bin/python3
"""Start-up of the page in headless Chromium: the time from navigation to the page ready, with
"PRUEBA" focused, against the floor: the same page once built, saved as static HTML with its
pictures inline and no program behind it, which is what any page that shows this form must pay.
Runs the two in turn in one browser, RUNS times each, and compares the medians.

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
browser.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                        {"width": 640, "height": 383, "deviceScaleFactor": 1, "mobile": False})
# Notes the moment the page says it is ready with "PRUEBA" focused, in ms from navigation.
browser.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": """
    new MutationObserver(() => {
        if (document.documentElement.dataset.state == 'ready' &&
            document.activeElement && document.activeElement.id == 'Command1')
            window.readyAt = window.readyAt || performance.now();
    }).observe(document, {attributes: true, subtree: true});"""})


def ready_after(url):
    browser.get("about:blank")
    browser.get(url)
    for _ in range(500):
        ready = browser.execute_script("return window.readyAt")
        if ready:
            return ready
        time.sleep(0.01)
    sys.exit(f"browser.py: {url} never became ready")


# The floor: the built page without its program, policy or state; a last line marks it ready.
ready_after("file://" + page)
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
        times["korval2.html"].append(ready_after("file://" + page))
        times["floor"].append(ready_after("file://" + floor.name))
browser.quit()

medians = {name: statistics.median(values) for name, values in times.items()}
print(f"runs: {runs} each, medians, navigation to ready with PRUEBA focused")
for name, median in medians.items():
    print(f"  {name:<50} {median:7.1f} ms")
print(f"korval2.html against the floor: time ratio {medians['korval2.html'] / medians['floor']:.2f}"
      " (target at most 1.4)")
