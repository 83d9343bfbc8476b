#!/usr/bin/python3
"""The page in a tab of a headless Chromium, for what a tab, a phone and the browser's
accessibility tree add to the desktop's scenario (which realwindow.sh runs on the page too):
  browser.py PAGE
1. The captions fit, the page loads nothing and breaks none of its own policy.
2. Shift+Tab leaves the page; Salir, which cannot close the tab, ends the drill, and it starts
   again.
3. A run-time error is reported in the page, then the drill ends as after Salir.
4. Phones, upright and turned: the form fits, the boxes sit under their symbols, a tap and typing
   work.
5. The accessibility tree: what heard.txt says a screen reader finds, and what PRUEBA and BORRAR
   announce."""

import os
import sys
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

page = sys.argv[1]
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAIL:", what)


options = webdriver.ChromeOptions()
for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
             "--disable-background-networking", "--disable-component-update", "--disable-sync",
             "--force-device-scale-factor=1", "--hide-scrollbars"):
    options.add_argument(flag)
options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
browser = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
cdp = browser.execute_cdp_cmd
js = browser.execute_script


def table(name):
    """The lines of a table that the scenarios share, without its comments."""
    with open(os.path.join(os.path.dirname(__file__), name), encoding="utf-8") as lines:
        return [line.rstrip("\n") for line in lines if not line.startswith("#")]


def described(node, field):
    return node.get(field, {}).get("value", "")


# The learner's answers, as the desktop scenario has them: box, centre, typed, verdict.
boxes = [(box, int(x), int(y), typed.replace("_", " "), verdict)
         for box, x, y, typed, verdict in (line.split() for line in table("boxes.txt"))]


def open_page(width, height, mobile=False):
    cdp("Emulation.setDeviceMetricsOverride",
        {"width": width, "height": height, "deviceScaleFactor": 1, "mobile": mobile})
    cdp("Emulation.setTouchEmulationEnabled", {"enabled": mobile})
    browser.get("about:blank")  # a tab with history, as a learner's: the page cannot close it
    browser.get("file://" + page)
    wait_for("ready")


def wait_for(state):
    for _ in range(200):
        if js("return document.documentElement.dataset.state") == state:
            return
        time.sleep(0.02)
    check(False, f"the page is not {state}")


def value(box):
    return js("return document.getElementById(arguments[0]).value", box)


def focused():
    return js("return document.activeElement.id")


def key(name, code, text="", shift=False):
    for kind in ("keyDown", "keyUp"):
        cdp("Input.dispatchKeyEvent", {"type": kind, "key": name, "windowsVirtualKeyCode": code,
                                       "text": text if kind == "keyDown" else "",
                                       "modifiers": 8 if shift else 0})


def press(name, shift=False):
    code, text = {"Enter": (13, "\r"), "Tab": (9, ""), "Escape": (27, ""), " ": (32, " ")}[name]
    key(name, code, text, shift)


def type_text(text):
    for letter in text:
        key(letter, ord(letter.upper()), letter)


def click(x, y, touch=False):
    if touch:
        for kind in ("touchStart", "touchEnd"):
            cdp("Input.dispatchTouchEvent",
                {"type": kind, "touchPoints": [] if kind == "touchEnd" else [{"x": x, "y": y}]})
    else:
        for kind in ("mousePressed", "mouseReleased"):
            cdp("Input.dispatchMouseEvent",
                {"type": kind, "x": x, "y": y, "button": "left", "clickCount": 1})
    time.sleep(0.05)


# 1. The page as a browser tab loads it (realwindow.sh works the same page in a window of its
# own through the desktop's scenario, its first frame included).
open_page(640, 383)
for control in js("return [...document.querySelectorAll('.CommandButton, .Label')]"
                  ".filter(e => e.scrollWidth > e.clientWidth || e.scrollHeight > e.clientHeight)"
                  ".map(e => e.id)"):
    check(False, f"the caption of {control} does not fit")
check(js("return document.getElementById('Label1').innerText") == "KORVAL  2", "the title's spaces")
check(js("return performance.getEntriesByType('resource').length") == 0, "the page loads files")
policy = js("return document.querySelector('meta[http-equiv=Content-Security-Policy]').content")
check("default-src 'none'" in policy and "'unsafe-inline'" not in policy and
      "'unsafe-eval'" not in policy, f"the page's policy is not strict: {policy[:80]}")
check(os.path.getsize(page) <= 512 * 1024, "the page is larger than 512 KiB")

# 2. Where a tab differs from the desktop: Shift+Tab leaves the page for the browser's own
# controls; Salir cannot close the tab.
press("Tab", shift=True)
check(focused() == "", "Shift+Tab from the first focus stayed in the page")
click(600, 356)  # Salir
wait_for("ended")
check(js("return document.body.innerText").find("Programa terminado.") >= 0 and
      js("return document.getElementById('Form1')") is None, "Salir did not end the drill")
press("Enter")  # the one focused button starts the drill again
wait_for("ready")

# 3. A run-time error: a box gone from the page.
js("document.getElementById('Text5').remove()")
click(408, 204)
check(js("return document.querySelector('dialog[open] p').textContent") ==
      "Se ha producido un error en tiempo de ejecución.\n\nNo se encuentra el control Text5.",
      "the run-time error is not reported")
check(value("Text4") == "ERROR" and value("Text6") == "", "the boxes before the error lost their verdicts")
press("Enter")  # Aceptar
wait_for("ended")

# 4. Phones: upright (with the hint to turn it) and turned.
for width, height, hint in ((390, 844, True), (844, 390, False)):
    open_page(width, height, mobile=True)
    check(js("return document.documentElement.scrollWidth <= innerWidth && "
             "document.documentElement.scrollHeight <= innerHeight"), f"{width}x{height} scrolls")
    check(js("return !document.getElementById('turn').hidden && "
             "document.getElementById('turn').textContent.startsWith('Gire el teléfono')") == hint,
          f"{width}x{height}: the hint to turn the phone")
    form = js("return document.getElementById('Form1').getBoundingClientRect().toJSON()")
    scale = form["width"] / 640
    for box, x, y, _, _ in boxes:
        rect = js("return document.getElementById(arguments[0]).getBoundingClientRect().toJSON()", box)
        centre = (rect["x"] + rect["width"] / 2 - form["x"], rect["y"] + rect["height"] / 2 - form["y"])
        check(abs(centre[0] - x * scale) <= 1 and abs(centre[1] - y * scale) <= 1,
              f"{width}x{height}: {box} is not under its symbol")
    click(form["x"] + 114 * scale, form["y"] + 243 * scale, touch=True)
    type_text("LED")
    check(focused() == "Text6" and value("Text6") == "LED", f"{width}x{height}: tap and type")
    check(js("const b = document.getElementById('Text6'); return b.autocapitalize == 'characters' "
             "&& !b.spellcheck && b.autocomplete == 'off' && !b.translate"), "the box's keyboard")

# 5. What a screen reader gets: every line of heard.txt, and no more answer boxes.
open_page(640, 383)
kinds = {"textbox": "box", "button": "button", "group": "group", "image": "image"}
heard = {"|".join((kinds.get(node["role"]["value"], "other"), described(node, "name"),
                   described(node, "description")))
         for node in cdp("Accessibility.getFullAXTree", {})["nodes"] if not node.get("ignored")}
for line in table("heard.txt"):
    check(line in heard, f"not heard: {line}")
check(sum(line.startswith("box|") for line in heard) == 11, "not eleven boxes")


def announced():
    """The text of the page's live region, as the tree gives it to a screen reader; None when
    the page has none."""
    nodes = {node["nodeId"]: node for node in cdp("Accessibility.getFullAXTree", {})["nodes"]}
    for node in nodes.values():
        if node.get("role", {}).get("value") == "status":
            return "".join(described(nodes[child], "name") for child in node.get("childIds", [])
                           if child in nodes)
    return None


# The live region is there from the start, empty, so that screen readers watch it; it tells
# what PRUEBA and BORRAR did, and a repeated text still differs from the one before.
check(announced() == "", "no empty live region at start")
said = []
for button in ("Command1", "Command2", "Command2"):
    js("document.getElementById(arguments[0]).click()", button)
    said.append(announced())
check([text.strip() for text in said] == [
    "Comprobado: BIEN en 0 de 11. ERROR en las respuestas 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 y 11.",
    "Respuestas borradas.", "Respuestas borradas."] and said[1] != said[2],
    f"announced: {said}")
check(focused() == "Command1", "an announcement moved the focus")

# Nothing typed or clicked broke the page or its policy; the browser's refusal to let
# Salir close the tab is expected.
for entry in browser.get_log("browser"):
    check("Scripts may close only the windows" in entry["message"],
          f"the browser reports: {entry['message'][:200]}")
browser.quit()
print(f"browser: {len(failures)} failures")
sys.exit(1 if failures else 0)
