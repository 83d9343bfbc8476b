#!/usr/bin/python3
"""The page in the three browser engines that learners' devices run, one table of steps for
all three: Chromium through Selenium, WebKit (WebKitGTK's MiniBrowser through WebKitWebDriver,
as Safari on an iPad) and Firefox (Debian's firefox-esr through puppeteer-core over WebDriver
BiDi, by firefox.mjs); then what only Chromium shows. Each step says what it checks. Needs an X
display (inxvfb.sh) for WebKit.
  engines.py PAGE SCREENCHECK ASSETS NODE_MODULES"""

import base64
import json
import os
import re
import subprocess
import sys
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.webkitgtk.options import Options as WebKitOptions

import webtesting
from webtesting import answers, check, chromium, finish, table

page, screencheck, assets, modules = sys.argv[1:5]
url = "file://" + os.path.abspath(page)
FORM = (640, 383)  # the form's size at a scale of 1
PRUEBA, SALIR = (408, 204), (600, 356)  # their centres at a scale of 1


class Selenium:
    """Chromium or WebKit, through the W3C WebDriver protocol."""

    def __init__(self, name, driver):
        self.name, self.driver = name, driver

    def open(self):
        self.driver.get(url)

    def viewport(self, width, height):
        # The window's frame differs between engines: sized twice, the page gets what it asks.
        self.driver.set_window_rect(0, 0, width, height)
        inner = self.run("return [innerWidth, innerHeight]")
        self.driver.set_window_rect(0, 0, 2 * width - inner[0], 2 * height - inner[1])

    def run(self, code, *args):
        return self.driver.execute_script(code, *args)

    def key(self, name, shift=False):
        key = {"Tab": Keys.TAB, "Enter": Keys.ENTER, " ": Keys.SPACE}[name]
        actions = ActionChains(self.driver)
        if shift:
            actions.key_down(Keys.SHIFT).send_keys(key).key_up(Keys.SHIFT)
        else:
            actions.send_keys(key)
        actions.perform()

    def type(self, text):
        ActionChains(self.driver).send_keys(text).perform()

    def click(self, x, y):
        actions = ActionBuilder(self.driver)
        actions.pointer_action.move_to_location(int(x), int(y)).click()
        actions.perform()

    def screenshot(self, path):
        self.driver.save_screenshot(path)

    def log(self):
        # The browser's refusal to let Salir close a tab is expected.
        return [entry["message"] for entry in self.driver.get_log("browser")
                if "Scripts may close only the windows" not in entry["message"]]

    def quit(self):
        self.driver.quit()


class Chromium(Selenium):
    def __init__(self):
        super().__init__("Chromium", chromium("--hide-scrollbars"))

    def cdp(self, command, parameters):
        return self.driver.execute_cdp_cmd(command, parameters)

    def viewport(self, width, height, mobile=False):
        self.cdp("Emulation.setDeviceMetricsOverride",
                 {"width": width, "height": height, "deviceScaleFactor": 1, "mobile": mobile})
        self.cdp("Emulation.setTouchEmulationEnabled", {"enabled": mobile})


class WebKit(Selenium):
    def __init__(self):
        options = WebKitOptions()
        options.binary_location = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"
        options.add_argument("--automation")
        super().__init__("WebKit", webdriver.WebKitGTK(
            executable_path="/usr/bin/WebKitWebDriver", options=options))

    def log(self):
        return []  # WebKitWebDriver keeps no browser log; what would show there, shows above


class Firefox:
    """Firefox through firefox.mjs, one JSON command a line; its operations are the others'."""
    name = "Firefox"

    def __init__(self):
        self.bridge = subprocess.Popen(
            ["node", os.path.join(os.path.dirname(__file__), "firefox.mjs")],
            stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True,
            env=dict(os.environ, NODE_PATH=os.path.abspath(modules)))

    def __getattr__(self, operation):  # viewport, key, type, click, screenshot, log
        return lambda *args: self.call(operation, *args)

    def call(self, *command):
        self.bridge.stdin.write(json.dumps(command) + "\n")
        self.bridge.stdin.flush()
        answer = json.loads(self.bridge.stdout.readline() or '{"error": "it ended"}')
        if "error" in answer:
            raise RuntimeError(f"firefox.mjs {command[0]}: {answer['error']}")
        return answer["value"]

    def open(self):
        self.call("open", url)

    def run(self, code, *args):
        return self.call("evaluate", f"(function () {{ {code} }}).apply(null, {json.dumps(args)})")

    def quit(self):
        if self.bridge.poll() is None:
            self.call("quit")
        self.bridge.wait(timeout=30)


def wait_for(engine, state):
    return webtesting.wait_for(engine.run, state, engine.name)


def start(engine, *size):
    engine.viewport(*size)
    engine.open()
    wait_for(engine, "ready")


def form_box(engine):
    return engine.run("return document.getElementById('Form1').getBoundingClientRect().toJSON()")


def value(engine, box):
    return engine.run("return document.getElementById(arguments[0]).value", box)


def focused(engine):
    return engine.run("return document.activeElement.id")


# The steps of every engine.

def ready(engine):
    """Ready with the focus on PRUEBA; Spanish, one inline stylesheet, answer boxes that ask the
    on-screen keyboard for no correction (which iPhones honour), every text centred, labels
    beneath the picture boxes (Label4's last row under Picture5's first)."""
    start(engine, *FORM)
    check(focused(engine) == "Command1", f"{engine.name}: the first focus")
    check(engine.run("return [24, 23].map(y => document.elementFromPoint(500, y).id)") ==
          ["Picture5", "Label4"], f"{engine.name}: what lies beneath")
    check(engine.run("return document.documentElement.lang") == "es", f"{engine.name}: lang")
    check(engine.run("return (document.adoptedStyleSheets || []).length == 0 && "
                     "document.styleSheets.length == 1"), f"{engine.name}: the stylesheets")
    check(engine.run("return [...document.querySelectorAll('input')].every(box => "
                     "box.getAttribute('autocorrect') == 'off')"), f"{engine.name}: autocorrect")
    check(engine.run("return [...document.querySelectorAll('.Label, .CommandButton')].every(e => {"
                     "const text = document.createRange(); text.selectNodeContents(e);"
                     "const t = text.getBoundingClientRect(), b = e.getBoundingClientRect();"
                     "return Math.abs(t.left - b.left - (b.right - t.right)) <= 3 }) && "
                     "[...document.querySelectorAll('input')].every(box => "
                     "getComputedStyle(box).textAlign == 'center')"), f"{engine.name}: centring")


def pictures(engine):
    """At a scale of 1 every picture lies pixel for pixel where the desktop puts it, once the
    engine has decoded them (WebKit paints the first frame before)."""
    with tempfile.TemporaryDirectory() as work:
        shot = os.path.join(work, "page.png")
        for _ in range(10):
            engine.screenshot(shot)
            result = subprocess.run([screencheck, shot, "1", assets], capture_output=True,
                                    text=True)
            if result.returncode == 0:
                break
            time.sleep(0.3)
        check(result.returncode == 0, f"{engine.name}: {result.stderr.strip()[:400]}")


def fits(engine):
    """Resized, and a phone turned, after the page is ready: the form fills what it can of the
    window, centred, top-left anchored, never more than twice its size and never scrolling."""
    for width, height in ((1600, 1000), (1280, 800), (390, 844), (844, 390), FORM):
        engine.viewport(width, height)
        time.sleep(0.2)
        inner = engine.run("return [innerWidth, innerHeight, "
                           "document.documentElement.scrollWidth, "
                           "document.documentElement.scrollHeight]")
        scale = min(inner[0] / FORM[0], inner[1] / FORM[1], 2)
        box = form_box(engine)
        where = f"{engine.name} at {inner[0]}x{inner[1]}"
        check(abs(box["width"] - FORM[0] * scale) <= 1 and
              abs(box["height"] - FORM[1] * scale) <= 1,
              f"{where}: the form is {box['width']:.0f}x{box['height']:.0f}")
        check(abs(box["left"] - (inner[0] - box["width"]) / 2) <= 1 and abs(box["top"]) <= 1,
              f"{where}: the form stands at {box['left']:.0f},{box['top']:.0f}")
        check(inner[2] <= inner[0] and inner[3] <= inner[1], f"{where}: the page scrolls")


def tab_order(engine):
    order = ["Command2", "Command3", "Text1", "Text7", "Text3", "Text4", "Text5", "Text6",
             "Text8", "Text9", "Text10", "Text11", "Text12"]
    walked = []
    for _ in order:
        engine.key("Tab")
        walked.append(focused(engine))
    check(walked == order, f"{engine.name}: Tab walks {walked}")
    for _ in order:
        engine.key("Tab", True)
    check(focused(engine) == "Command1", f"{engine.name}: Shift+Tab walks back to PRUEBA")


def keyboard_drill(engine):
    """Tab to the first box, type its name, back to PRUEBA and Enter; Space on BORRAR."""
    for _ in range(3):
        engine.key("Tab")
    engine.type("TRANSFORMADOR CON NÚCLEO")
    for _ in range(3):
        engine.key("Tab", True)
    engine.key("Enter")
    check([value(engine, box) for box in ("Text1", "Text3")] == ["BIEN", "ERROR"],
          f"{engine.name}: PRUEBA by keyboard")
    engine.key("Tab")
    engine.key(" ")
    check(value(engine, "Text1") == "" and focused(engine) == "Command2",
          f"{engine.name}: BORRAR by keyboard")


def mouse_drill(engine):
    """Click into every box at its centre, type, click PRUEBA: the verdicts."""
    for box, x, y, typed, *_ in answers:
        engine.click(x, y)
        engine.type(typed)
    engine.click(*PRUEBA)
    check([value(engine, box) for box, *_ in answers] == [row[4] for row in answers],
          f"{engine.name}: the verdicts by mouse")


# What only Chromium shows.

def as_written(engine):
    """The page as the build writes it: with scripts off the form is there as at a scale of 1,
    pixel for pixel, one element for each control, and the program adds no element or attribute
    to it; the program carries none of the markup's words; a key pressed before the program is
    ready acts once it is."""
    engine.cdp("Emulation.setScriptExecutionDisabled", {"value": True})
    engine.viewport(*FORM)
    engine.open()
    pictures(engine)
    written = engine.run("return document.getElementById('drill').outerHTML")
    ids = engine.run("return [...document.querySelectorAll('#Form1 [id]')].map(e => e.id)")
    kinds = engine.run("return ['PictureBox', 'TextBox', 'CommandButton', 'Label'].map(kind => "
                       "document.querySelectorAll('#Form1 .' + kind).length)")
    check(len(ids) == len(set(ids)) == 23 and kinds == [5, 11, 3, 4], f"the controls {ids}")
    engine.cdp("Emulation.setScriptExecutionDisabled", {"value": False})
    start(engine, *FORM)
    check(engine.run("return document.getElementById('drill').outerHTML") == written,
          "the program changed the page's markup")

    with open(page, encoding="utf-8") as source:
        script = source.read().rsplit("<script>", 1)[1]
    program = script + base64.b64decode(re.search(r'"([A-Za-z0-9+/=]{1000,})"', script)[1]) \
        .decode("latin-1")
    words = ["aria-", "tabindex", "autocapitalize", "Programa terminado", "Empezar de nuevo"]
    words += [field for line in table("heard.txt") for field in line.split("|")[1:]
              if field and not line.startswith("button")]
    check(not [word for word in words if word.encode().decode("latin-1") in program],
          f"the program carries the markup's {[w for w in words if w in program][:3]}")

    # The program held back until the test lets it go.
    hold = engine.cdp("Page.addScriptToEvaluateOnNewDocument", {"source": """
        const instantiate = WebAssembly.instantiate;
        WebAssembly.instantiate = (...args) => new Promise(resolve => {
            window.release = () => resolve(instantiate(...args));
        });"""})
    engine.open()
    for _ in range(100):
        if engine.run("return !!window.release && document.activeElement.id == 'Command1'"):
            break
        time.sleep(0.02)
    engine.key("Enter")
    check(engine.run("return document.documentElement.dataset.state") is None and
          value(engine, "Text1") == "", "the program was ready too soon")
    engine.run("window.release()")
    wait_for(engine, "ready")
    check(value(engine, "Text1") == "ERROR", "a key pressed before the program was ready is lost")
    engine.cdp("Page.removeScriptToEvaluateOnNewDocument", hold)


def audit(engine, where, rules=None):
    """What axe-core finds, but for what the form itself gives: Label2's own colours, black on
    teal at 4.39:1, and the positive tab indices that give the form its own tab order (Text7
    before Text3, boxes that cross their picture boxes)."""
    if not engine.run("return typeof axe != 'undefined'"):
        with open(os.path.join(modules, "axe-core/axe.min.js")) as source:
            engine.run(source.read())
    found = engine.driver.execute_async_script(
        "const done = arguments[arguments.length - 1];"
        "axe.run(document, arguments[0] ? {runOnly: arguments[0]} : {})"
        ".then(result => done(result.violations.map(rule => "
        "[rule.id, rule.nodes.map(node => node.target.join(' '))])))", rules)
    for rule, targets in found:
        for target in targets:
            check((rule, target) == ("color-contrast", "#Label2") or rule == "tabindex",
                  f"{where}: axe-core finds {rule} at {target}")


def as_tab(engine):
    """A browser tab: the captions whole, nothing loaded, a strict policy, the audit; Shift+Tab
    leaves the page, Salir cannot close the tab and the drill starts again; a run-time error is
    reported, the boxes before it keep their verdicts, the drill ends and starts again."""
    engine.driver.get("about:blank")  # a tab with history: the page cannot close it
    start(engine, *FORM)
    run = engine.run
    check(run("return [...document.querySelectorAll('.CommandButton, .Label')].filter(e => "
              "e.scrollWidth > e.clientWidth || e.scrollHeight > e.clientHeight)") == [] and
          run("return document.getElementById('Label1').innerText") == "KORVAL  2",
          "the captions are cut")
    check(run("return performance.getEntriesByType('resource').length") == 0, "files loaded")
    policy = run("return document.querySelector('meta[http-equiv=Content-Security-Policy]')"
                 ".content")
    check("default-src 'none'" in policy and "'unsafe-inline'" not in policy and
          "'unsafe-eval'" not in policy, f"the policy: {policy[:80]}")
    check(os.path.getsize(page) <= 256 * 1024, "the page is larger than 256 KiB")
    audit(engine, "the page")

    engine.key("Tab", True)
    check(focused(engine) == "", "Shift+Tab from the first focus stayed in the page")
    engine.click(*SALIR)
    check(wait_for(engine, "ended") and "Programa terminado." in run("return document.body"
                                                                     ".innerText"), "Salir")
    engine.key("Enter")  # the one focused button starts the drill again
    wait_for(engine, "ready")

    run("document.getElementById('Text5').remove()")
    engine.click(*PRUEBA)
    check(run("return document.querySelector('dialog[open] p').textContent") ==
          "Se ha producido un error en tiempo de ejecución.\n\nNo se encuentra el control Text5.",
          "the run-time error is not reported")
    check([value(engine, "Text4"), value(engine, "Text6")] == ["ERROR", ""],
          "the boxes before the error lost their verdicts")
    engine.key("Enter")  # Aceptar
    wait_for(engine, "ended")
    engine.key("Enter")  # Empezar de nuevo: the whole form again
    wait_for(engine, "ready")
    engine.click(*PRUEBA)
    check(value(engine, "Text5") == "ERROR", "no new start after a run-time error")


def phone(engine):
    """Upright, with the hint to turn it, and turned: a tap on a box and typing, a keyboard
    that changes nothing, the audit. Then a forced-colours mode: every text readable."""
    for width, height, hint in ((390, 844, True), (844, 390, False)):
        engine.viewport(width, height, mobile=True)
        engine.open()
        wait_for(engine, "ready")
        check(engine.run("return getComputedStyle(document.getElementById('turn')).display != "
                         "'none'") == hint,
              f"{width}x{height}: the hint to turn the phone")
        box = form_box(engine)
        scale = box["width"] / FORM[0]
        touch = [{"x": box["x"] + 114 * scale, "y": box["y"] + 243 * scale}]  # Text6
        for kind, points in (("touchStart", touch), ("touchEnd", [])):
            engine.cdp("Input.dispatchTouchEvent", {"type": kind, "touchPoints": points})
        engine.type("LED")
        check(focused(engine) == "Text6" and value(engine, "Text6") == "LED",
              f"{width}x{height}: tap and type")
        check(engine.run("const b = document.getElementById('Text6'); return b.autocapitalize == "
                         "'characters' && !b.spellcheck && b.autocomplete == 'off' && "
                         "!b.translate"), "the box's keyboard")
        audit(engine, f"{width}x{height}")
    engine.cdp("Emulation.setEmulatedMedia",
               {"features": [{"name": "forced-colors", "value": "active"}]})
    start(engine, *FORM)
    engine.click(*answers[0][1:3])
    engine.type("X")  # a box's text too
    check(engine.run("return matchMedia('(forced-colors: active)').matches"), "forced colours")
    audit(engine, "forced colours", ["color-contrast"])
    engine.cdp("Emulation.setEmulatedMedia", {"features": []})


def accessibility_tree(engine):
    """What a screen reader gets: every line of heard.txt and no more answer boxes; a live
    region there from the start and empty, which tells what PRUEBA and BORRAR did, a repeated
    text still different from the one before, and the focus unmoved."""
    start(engine, *FORM)

    def tree():
        return {node["nodeId"]: node for node in
                engine.cdp("Accessibility.getFullAXTree", {})["nodes"] if not node.get("ignored")}

    def text(node, field):
        return node.get(field, {}).get("value", "")

    kinds = {"textbox": "box", "button": "button", "group": "group", "image": "image"}
    heard = {"|".join((kinds.get(text(node, "role"), "other"), text(node, "name"),
                       text(node, "description"))) for node in tree().values()}
    for line in table("heard.txt"):
        check(line in heard, f"not heard: {line}")
    check(sum(line.startswith("box|") for line in heard) == 11, "not eleven boxes")

    def announced():
        nodes = tree()
        regions = [node for node in nodes.values() if text(node, "role") == "status"]
        return "".join(text(nodes[child], "name") for region in regions
                       for child in region.get("childIds", []) if child in nodes) \
            if regions else None

    said = [announced()]
    for button in ("Command1", "Command2", "Command2"):
        engine.run("document.getElementById(arguments[0]).click()", button)
        said.append(announced())
    check([text.strip() if text else text for text in said] == [
        "", "Comprobado: BIEN en 0 de 11. ERROR en las respuestas 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 "
        "y 11.", "Respuestas borradas.", "Respuestas borradas."] and said[2] != said[3],
        f"announced: {said}")
    check(focused(engine) == "Command1", "an announcement moved the focus")


def quiet(engine):
    check(engine.log() == [], f"{engine.name}: the browser reports {engine.log()[:3]}")


steps = (ready, pictures, fits, tab_order, keyboard_drill, mouse_drill)
only = {"Chromium": (as_written, as_tab, phone, accessibility_tree)}
for begin in (Chromium, WebKit, Firefox):
    engine = begin()
    try:
        for step in steps + only.get(engine.name, ()) + (quiet,):
            step(engine)
    except Exception as error:  # a step that cannot go on: the rest of this engine is skipped
        check(False, f"{engine.name}: {type(error).__name__}: {error}")
    finally:
        engine.quit()
finish("engines")
