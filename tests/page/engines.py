#!/usr/bin/python3
"""The page in the three browser engines that learners' devices run, each test in all three:
Chromium through Selenium, WebKit (WebKitGTK's MiniBrowser through WebKitWebDriver, as Safari on
an iPad) and Firefox (Debian's firefox-esr through puppeteer-core over WebDriver BiDi, by
firefox.mjs); then what only Chromium shows. The scenarios' tables say what to find. Needs an X
display for WebKit.
  KORVAL_PAGE=... KORVAL_SCREENCHECK=... KORVAL_ASSETS=... KORVAL_NODE_MODULES=... pytest engines.py"""

import base64
import collections
import http.server
import json
import os
import re
import subprocess
import tempfile
import threading
import time

import pytest
from selenium import webdriver
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.webkitgtk.options import Options as WebKitOptions

import webtesting
from webtesting import answers, chromium, table, until

PAGE, MODULES = os.environ["KORVAL_PAGE"], os.environ["KORVAL_NODE_MODULES"]
URL = "file://" + os.path.abspath(PAGE)
FORM = {row[0]: row[1:] for row in (line.split() for line in table("form.txt"))}
SIZE = tuple(int(n) for n in FORM["size"])
# How many controls of each kind a screen reader finds.
HEARD = collections.Counter(line.split("|")[0] for line in table("heard.txt"))
PRUEBA = tuple(int(n) for n in FORM["Command1"])
SAID = {(button, boxes): text for button, boxes, text in
        (line.split(maxsplit=2) for line in table("said.txt"))}
KEYS = {"Tab": Keys.TAB, "Return": Keys.ENTER, "space": Keys.SPACE, "Escape": Keys.ESCAPE}


class Selenium:
    """Chromium or WebKit, through the W3C WebDriver protocol."""

    def __init__(self, name, driver):
        self.name, self.driver = name, driver

    def open(self):
        self.driver.get(URL)

    def viewport(self, width, height):
        # The window's frame differs between engines: sized twice, the page gets what it asks,
        # once the first size has taken.
        self.driver.set_window_rect(0, 0, width, height)
        inner = None
        for _ in range(50):
            time.sleep(0.05)
            seen, inner = inner, self.run("return [innerWidth, innerHeight]")
            if seen == inner:
                break
        self.driver.set_window_rect(0, 0, 2 * width - inner[0], 2 * height - inner[1])

    def run(self, code, *args):
        return self.driver.execute_script(code, *args)

    def key(self, name):
        key = KEYS[name.removeprefix("shift+")]
        actions = ActionChains(self.driver)
        if name.startswith("shift+"):
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

    def closed(self):
        return False

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
        pytest.skip("WebKitWebDriver keeps no browser log, and MiniBrowser writes none under it")


class Firefox:
    """Firefox through firefox.mjs, one JSON command a line; its operations are the others'."""
    name = "Firefox"

    def __init__(self):
        self.bridge = subprocess.Popen(
            ["node", os.path.join(os.path.dirname(__file__), "firefox.mjs")],
            stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True,
            env=dict(os.environ, NODE_PATH=os.path.abspath(MODULES)))

    def __getattr__(self, operation):  # viewport, type, click, screenshot, closed, log
        return lambda *args: self.call(operation, *args)

    def call(self, *command):
        self.bridge.stdin.write(json.dumps(command) + "\n")
        self.bridge.stdin.flush()
        answer = json.loads(self.bridge.stdout.readline() or '{"error": "it ended"}')
        if "error" in answer:
            raise RuntimeError(f"firefox.mjs {command[0]}: {answer['error']}")
        return answer["value"]

    def open(self):
        self.call("open", URL)

    def key(self, name):
        self.call("key", {"Return": "Enter", "space": " "}.get(name.removeprefix("shift+"),
                                                               name.removeprefix("shift+")),
                  name.startswith("shift+"))

    def run(self, code, *args):
        return self.call("evaluate", f"(function () {{ {code} }}).apply(null, {json.dumps(args)})")

    def quit(self):
        if self.bridge.poll() is None:
            self.call("quit")
        self.bridge.wait(timeout=30)


@pytest.fixture(scope="module", params=[Chromium, WebKit, Firefox], ids=lambda e: e.__name__)
def engine(request):
    begun = request.param()
    yield begun
    begun.quit()


def chromium_only(engine):
    if engine.name != "Chromium":
        pytest.skip("what only Chromium shows")


def wait_for(engine, state):
    return webtesting.wait_for(engine.run, state, engine.name)


def start(engine, *size):
    engine.viewport(*(size or SIZE))
    engine.open()
    assert wait_for(engine, "ready")


def probe(engine, question, *args):
    return webtesting.probe(engine.run, question, *args)


def focused(engine):
    return probe(engine, "focused")


# What every engine shows.

def test_ready(engine):
    """Ready with the focus on PRUEBA; Spanish, one inline stylesheet, answer boxes that ask the
    on-screen keyboard for no correction (which iPhones honour)."""
    start(engine)
    assert focused(engine) == "Command1"
    assert probe(engine, "settled") == {"lang": "es", "sheets": 1, "autocorrect": True}


def test_shows(engine):
    """The form as it shows, from the table every front-end shows: each control's font faces,
    size, weight and style, its colour (a system colour as the classic scheme has it) and what
    lies at a point; every text centred."""
    start(engine)
    rows = [line.split() for line in table("shows.txt")]
    named = {row[0]: row[1:] for row in rows}
    classic = dict(zip(named["classic"][::2], named["classic"][1::2]))
    faces = [face.replace("_", " ") for face in named["faces"]]
    for row in rows:
        if row[0] in ("classic", "faces"):
            continue
        if row[0] == "at":
            assert probe(engine, "at", int(row[1]), int(row[2])) == row[3]
            continue
        name, pixels, bold, italic, colour = row[:5]
        style = probe(engine, "style", name)
        if pixels != "-":
            assert style[:4] == [faces, pixels + "px", "700" if bold == "1" else "400",
                                 "italic" if italic == "1" else "normal"], name
        colour = classic.get(colour, colour)
        assert style[4] == "rgb({}, {}, {})".format(
            *(int(colour[i:i + 2], 16) for i in (1, 3, 5))), name
    assert probe(engine, "centred")


def pictures_in_place(engine):
    """At a scale of 1 every picture lies pixel for pixel where the desktop puts it, once the
    engine has decoded them (WebKit paints the first frame before)."""
    with tempfile.TemporaryDirectory() as work:
        shot = os.path.join(work, "page.png")
        for _ in range(10):
            engine.screenshot(shot)
            result = subprocess.run([os.environ["KORVAL_SCREENCHECK"], shot, "1",
                                     os.environ["KORVAL_ASSETS"]], capture_output=True, text=True)
            if result.returncode == 0:
                break
            time.sleep(0.3)
    return result.stderr.strip()


def test_pictures(engine):
    start(engine)
    assert pictures_in_place(engine) == ""


@pytest.mark.parametrize("width, height", [(1600, 1000), (1280, 800), (1280, 600), (390, 844),
                                           (844, 390), SIZE])
def test_fits(engine, width, height):
    """Resized (once in its height alone), and a phone turned, after the page is ready: the form
    fills what it can of the window, centred, top-left anchored, never more than twice its size
    and never scrolling."""
    if probe(engine, "state") != "ready":
        start(engine)
    engine.viewport(width, height)

    def fitted():
        fit = probe(engine, "fit")
        (inner_width, inner_height), box = fit["inner"], fit["form"]
        scale = min(inner_width / SIZE[0], inner_height / SIZE[1], int(FORM["largest"][0]))
        return abs(box["width"] - SIZE[0] * scale) <= 1 and \
            abs(box["height"] - SIZE[1] * scale) <= 1 and \
            abs(box["left"] - (inner_width - box["width"]) / 2) <= 1 and abs(box["top"]) <= 1
    assert until(fitted)
    assert not probe(engine, "fit")["scrolls"], "the page scrolls"


def test_tab_order(engine):
    """Tab walks the form's order; Shift+Tab walks it back to PRUEBA."""
    start(engine)
    order = FORM["tab"][1:]
    walked = []
    for _ in order:
        engine.key("Tab")
        walked.append(focused(engine))
    assert walked == order
    for _ in order:
        engine.key("shift+Tab")
    assert focused(engine) == "Command1"


def test_keys(engine):
    """What each key does on each control, from the table every front-end follows, every box
    holding "X" before it; but for going round the end of the tab cycle, which a tab does not."""
    start(engine)
    for row in (line.split() for line in table("keys.txt")):
        if row[-1] == "wraps":
            continue
        probe(engine, "fill", "X", row[0])
        engine.key(row[1])
        if row[3] == "ended":
            # Where the browser lets the page close its tab, it is gone.
            assert engine.closed() or wait_for(engine, "ended"), row
            start(engine)
            continue
        assert focused(engine) == row[2], row
        if row[2].startswith("Text") and row[1].endswith("Tab"):
            assert probe(engine, "selection") == [0, 1], row
        expected = {"judged": "ERROR", "emptied": "", "-": "X"}[row[3]]
        assert probe(engine, "boxes") == [expected] * len(answers), row


def test_mouse_drill(engine):
    """Click into every box at its centre, type, click PRUEBA: the verdicts."""
    start(engine)
    for box, x, y, typed, *_ in answers:
        engine.click(x, y)
        engine.type(typed)
    engine.click(*PRUEBA)
    assert [probe(engine, "value", box) for box, *_ in answers] == [row[4] for row in answers]


def test_quiet(engine):
    """Nothing in the browser's log."""
    assert engine.log() == []


# What only Chromium shows.

def test_as_written(engine):
    """The page as the build writes it: with scripts off the form is there as at a scale of 1,
    pixel for pixel, one element for each control, and the program adds no element or attribute
    to it, and on a phone the notice that it needs them shows; the program carries none of the
    markup's words."""
    chromium_only(engine)
    engine.cdp("Emulation.setScriptExecutionDisabled", {"value": True})
    engine.viewport(*SIZE)
    engine.open()
    assert pictures_in_place(engine) == "", "the pictures with scripts off"
    written = probe(engine, "markup")
    kinds = {"PictureBox": HEARD["group"] + HEARD["image"], "TextBox": HEARD["box"],
             "CommandButton": HEARD["button"], "Label": HEARD["label"]}
    assert len(set(written["ids"])) == len(written["ids"]) == HEARD.total() and \
        written["kinds"] == kinds, written
    engine.viewport(390, 844, mobile=True)
    engine.open()
    assert probe(engine, "noticeSeen"), "on a phone, no word that scripts are off"
    engine.cdp("Emulation.setScriptExecutionDisabled", {"value": False})
    start(engine)
    assert probe(engine, "markup")["html"] == written["html"], "the program changed the markup"

    with open(PAGE, encoding="utf-8") as source:
        script = re.findall(r"<script[^>]*>(.*?)</script>", source.read(), re.S)[-1]
    program = script + base64.b64decode(re.search(r'"([A-Za-z0-9+/=]{1000,})"', script)[1]) \
        .decode("latin-1")
    # What is heard of a control, in the pieces its texts are made of: not the numbers, nor the
    # names, which the program holds to judge the answers.
    words = ["aria-", "tabindex", "autocapitalize", "Programa terminado", "Empezar de nuevo"]
    words += {piece.strip() for line in table("heard.txt") if not line.startswith("button")
              for field in line.split("|")[1:] for piece in re.split(r"[\d,:.]+", field)
              if len(piece.strip()) >= 5 and not piece.isupper()}
    carried = [word for word in words if re.search(
        rf"\b{re.escape(word.encode().decode('latin-1'))}\b", program)]
    assert not carried, f"the program carries the markup's {carried}"


def test_before_the_program(engine):
    """On a slow connection: the form is painted before the program, the page's last part, has
    arrived; a key pressed meanwhile acts once the program is ready, and a learner who has moved
    into a box and typed stays there. A new start after Salir is the form as it first came, with
    none of that typing."""
    chromium_only(engine)
    with open(PAGE, "rb") as source:
        page = source.read()
    let_go = threading.Event()

    class Slow(http.server.BaseHTTPRequestHandler):
        def do_GET(self):
            webtesting.send_late(self, page, page.rindex(b"<script"), let_go)

    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Slow)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    slow = Selenium("Chromium", chromium("--hide-scrollbars", loading="none"))
    try:
        slow.driver.get("data:text/html,")  # a tab with history: Salir cannot close it
        assert until(lambda: slow.run("return location.protocol") == "data:"), "no history"
        slow.driver.get(f"http://127.0.0.1:{server.server_port}/")
        assert until(lambda: slow.run("return performance.getEntriesByName("
                                      "'first-contentful-paint').length")), \
            "the form is not painted before its program"
        slow.key("Tab")
        slow.key("Return")

        def state():
            return [probe(slow, "state"), focused(slow), probe(slow, "value", "Text1")]
        assert state() == [None, "Command1", ""], "before the program"
        slow.driver.find_element(By.ID, "Text1").click()
        slow.type("ZENER")
        let_go.set()
        assert wait_for(slow, "ready") and state() == ["ready", "Text1", "ERROR"], \
            "keys pressed before the program was ready"
        for button in ("Command2", "Command3", "again"):
            slow.driver.find_element(By.ID, button).click()
        assert wait_for(slow, "ready") and state() == ["ready", "Command1", ""], "started again"
    finally:
        let_go.set()
        slow.quit()
        server.shutdown()


def audit(engine, where, rules=None):
    """What axe-core finds, but for what the form itself gives: Label2's own colours, black on
    teal at 4.39:1, and the positive tab indices that give the form its own tab order (Text7
    before Text3, boxes that cross their picture boxes)."""
    if not engine.run("return typeof axe != 'undefined'"):
        with open(os.path.join(MODULES, "axe-core/axe.min.js")) as source:
            engine.run(source.read())
    for rule, targets in probe(engine, "audit", rules):
        for target in targets:
            assert (rule, target) == ("color-contrast", "#Label2") or rule == "tabindex", \
                f"{where}: axe-core finds {rule} at {target}"


def test_as_tab(engine):
    """A browser tab: the captions whole, nothing loaded, a strict policy, the audit; Shift+Tab
    leaves the page; a run-time error is reported, the boxes before it keep their verdicts, the
    drill ends, "Programa terminado." (Salir cannot close the tab), and starts again."""
    chromium_only(engine)
    engine.driver.get("about:blank")  # a tab with history: the page cannot close it
    start(engine)
    tab = probe(engine, "tab")
    assert tab["cut"] == [] and tab["title"] == "KORVAL  2", "the captions are cut"
    assert tab["loaded"] == 0, "files loaded"
    assert "default-src 'none'" in tab["policy"] and "'unsafe-inline'" not in tab["policy"] and \
        "'unsafe-eval'" not in tab["policy"], "the policy"
    assert os.path.getsize(PAGE) <= 256 * 1024, "the page is larger than 256 KiB"
    audit(engine, "the page")

    engine.key("shift+Tab")
    assert focused(engine) == "", "Shift+Tab from the first focus stayed in the page"

    engine.run("document.getElementById('Text5').remove()")
    engine.click(*PRUEBA)
    assert probe(engine, "dialog") == \
        "Se ha producido un error en tiempo de ejecución.\n\nNo se encuentra el control Text5."
    assert [probe(engine, "value", box) for box in ("Text4", "Text6")] == ["ERROR", ""], \
        "the boxes before the error lost their verdicts"
    engine.key("Return")  # Aceptar
    assert wait_for(engine, "ended") and "Programa terminado." in probe(engine, "text"), "ended"
    engine.key("Return")  # Empezar de nuevo: the whole form again
    wait_for(engine, "ready")
    engine.click(*PRUEBA)
    assert probe(engine, "value", "Text5") == "ERROR", "no new start after a run-time error"


def test_phone(engine):
    """Upright, with the hint to turn it, and turned: a tap on a box and typing, a keyboard
    that changes nothing, the audit. Then a forced-colours mode: every text readable."""
    chromium_only(engine)
    box, x, y = answers[4][:3]
    for width, height, hint in ((390, 844, True), (844, 390, False)):
        engine.viewport(width, height, mobile=True)
        engine.open()
        assert wait_for(engine, "ready"), f"{width}x{height}: never ready"
        phone = probe(engine, "phone")
        assert phone["hint"] == hint, f"{width}x{height}: the hint to turn the phone"
        scale = phone["form"]["width"] / SIZE[0]
        touch = [{"x": phone["form"]["x"] + x * scale, "y": phone["form"]["y"] + y * scale}]
        for kind, points in (("touchStart", touch), ("touchEnd", [])):
            engine.cdp("Input.dispatchTouchEvent", {"type": kind, "touchPoints": points})
        engine.type("LED")
        assert [focused(engine), probe(engine, "value", box)] == [box, "LED"], "tap and type"
        assert probe(engine, "keyboard", box) == ["characters", False, "off", False]
        audit(engine, f"{width}x{height}")
    engine.cdp("Emulation.setEmulatedMedia",
               {"features": [{"name": "forced-colors", "value": "active"}]})
    start(engine)
    engine.click(*answers[0][1:3])
    engine.type("X")  # a box's text too
    assert probe(engine, "forcedColours"), "forced colours"
    audit(engine, "forced colours", ["color-contrast"])
    engine.cdp("Emulation.setEmulatedMedia", {"features": []})


def test_accessibility_tree(engine):
    """What a screen reader gets: every line of heard.txt and no more answer boxes; a live
    region there from the start and empty, which tells what PRUEBA and BORRAR did, a repeated
    text still different from the one before, and the focus unmoved."""
    chromium_only(engine)
    start(engine)

    def tree():
        return {node["nodeId"]: node for node in
                engine.cdp("Accessibility.getFullAXTree", {})["nodes"] if not node.get("ignored")}

    def text(node, field):
        return node.get(field, {}).get("value", "")

    kinds = {"textbox": "box", "button": "button", "group": "group", "image": "image",
             "StaticText": "label"}
    heard = {"|".join((kinds.get(text(node, "role"), "other"), text(node, "name"),
                       text(node, "description"))) for node in tree().values()}
    assert set(table("heard.txt")) <= heard and \
        sum(line.startswith("box|") for line in heard) == HEARD["box"], heard

    def announced():
        nodes = tree()
        regions = [node for node in nodes.values() if text(node, "role") == "status"]
        return "".join(text(nodes[child], "name") for region in regions
                       for child in region.get("childIds", []) if child in nodes) \
            if regions else None

    wanted, spoken = [""], [announced()]
    for button in ("Command1", "Command2", "Command2"):
        wanted.append(SAID[button, "..........."])
        engine.run("document.getElementById(arguments[0]).click()", button)
        spoken.append(announced())
    assert [text.strip() if text else text for text in spoken] == wanted and \
        spoken[2] != spoken[3], f"announced: {spoken}"
    assert focused(engine) == "Command1", "an announcement moved the focus"
