#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# The built web page in headless Chromium, compared with the native core
# (zembra_core_trace) and the batch converter (zembra-convert):
#   tests/web/browser_test.py [PAGE_DIR|URL [NATIVE_BUILD_DIR]]
# (build/web and build/release by default; a URL tests a page served there).
# Beside the window and the list tool it checks phones' screens, the live
# region, forced colours, axe-core (from npm, into build/npm), a 20 MB
# listing, zembra.html from file:// and, when it serves the page itself, the
# page offline. Prints one line per check and exits 1 when one fails;
# ZEMBRA_WEB_CHECKS=phones,offline runs only the checks named.
# /usr/bin/python3, as Debian's python3-selenium belongs to it.

import base64
import functools
import gzip
import hashlib
import http.server
import json
import os
import pathlib
import shutil
import subprocess
import sys
import tempfile
import threading
import time
import urllib.request

from selenium import webdriver
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import Select, WebDriverWait

ROOT = pathlib.Path(__file__).resolve().parents[2]
FIELDS = ("txtDec", "txtAFS", "txtHex")
SWITCH = None  # a choice in the Action menu, which flips the mode
START = ""  # no keystroke: the start-up state

# Typed from the start-up state ("Decimal to AFS"); "\b" is a backspace.
TYPED = [
    ("digits and backspaces", ["\b1234\b\b\b\b\b7"]),
    ("out of range, then the top", ["\b3000\b\b\b2047\b8"]),
    ("letters, &H and blanks", ["\bab12x\b\b\b\b\b&H7F\b\b\b 12 \b\b-5"]),
    ("exponent, fraction, non-ASCII", ["\b1e3\b\b\b1.5\b\b\b12\u00e93"]),
    ("AFS 09-102", [SWITCH, "\b\b\b\b\b\b09-102\b"]),
    ("AFS edges", [SWITCH, "\b\b\b\b\b\b15-157\b\b\b\b\b\b16-000\b\b\b\b\b\b 9-102"]),
    ("AFS letters, 7 characters", [SWITCH, "\b\b\b\b\b\bab-cd7\b\b\b\b\b\b09-1022\b"]),
    ("switch while red", ["\b3000", SWITCH, "\b1", SWITCH, "5"]),
    ("switch back while red", [SWITCH, "x", SWITCH, "\b\b7"]),
]

LISTING = (
    "DEC,HEX,Mode,Alpha Tag,Description,Tag,Category\r\n"
    "1234,4d2,D,FD Disp,Fire Dispatch,Fire Dispatch,County Fire\r\n"
    "1235,4d3,D,FD Tac 2,\"Fire Tactical, Caf\u00e9 Fire\",Fire-Tac,County Fire\r\n"
    "2050,802,DE,EA Ops,Extended Ops,Other,Misc\r\n"
    "16,010,A,SO Disp,Sheriff Dispatch,Law Dispatch,County Sheriff\r\n"
    "1234,4d2,D,FD Disp,Fire Dispatch,Fire Dispatch,County Fire\r\n")
PASTED = "1234\n09-102\n0x7ff\n3000\n  16\nab\n"

# Each field's text, background, aria-invalid and disabled state, and the
# background the stylesheet gives it without a colour of its own (a copy of
# the field without id and inline colour).
SNAPSHOT = """return arguments[0].map((id) => {
  const field = document.getElementById(id), probe = field.cloneNode(false);
  probe.removeAttribute("id");
  probe.style.backgroundColor = "";
  field.after(probe);
  const plain = getComputedStyle(probe).backgroundColor;
  probe.remove();
  return [field.value, getComputedStyle(field).backgroundColor,
          field.getAttribute("aria-invalid"), field.disabled, plain];
});"""

# The text colour, and the background layers from the element up to the
# first opaque one, ending with the canvas.
COLOURS = """const el = document.getElementById(arguments[0]);
const layers = [];
for (let node = el; node; node = node.parentElement) {
  layers.push(getComputedStyle(node).backgroundColor);
  if (layers.at(-1).startsWith("rgb(")) break;
}
const canvas = document.createElement("div");
canvas.style.backgroundColor = "Canvas";
document.body.append(canvas);
layers.push(getComputedStyle(canvas).backgroundColor);
canvas.remove();
return [getComputedStyle(el).color, layers];"""

# Sets the list tool's input as a paste does.
PASTE = """const input = document.getElementById("listInput");
input.value = arguments[0];
input.dispatchEvent(new Event("input", {bubbles: true}));"""

FETCH_DOWNLOAD = """const done = arguments[arguments.length - 1];
fetch(document.getElementById("listDownload").href).then((r) => r.arrayBuffer())
  .then((b) => done(btoa(String.fromCharCode(...new Uint8Array(b)))), (e) => done("error " + e));"""

# Chooses About (its menu open) on the page's clock; reports what it shows,
# and at its close event, when.
ABOUT_TIMED = """const done = arguments[arguments.length - 1];
const start = performance.now();
document.getElementById("mnuHelpItems3").click();
const dialog = document.querySelector("dialog#frmAbout[open]");
if (!dialog) return done({});
const shown = {modal: dialog.matches(":modal"), caption: dialog.getAttribute("aria-label")};
for (const id of arguments[0]) shown[id] = dialog.querySelector("#" + id)?.textContent;
dialog.addEventListener("close", () => {
  const img = dialog.querySelector("img");
  shown.seconds = (performance.now() - start) / 1000;
  shown.open = dialog.open;
  shown.picture = img && [img.getAttribute("src"), img.complete && img.naturalWidth > 0];
  done(shown);
});"""


PHONES = (320, 375, 412)
AXE = ROOT / "build/npm/node_modules/axe-core/axe.min.js"
AXE_VERSION = "4.14.1"
BIG_LIST_BYTES = 20 * 1024 * 1024

# Runs axe-core on the page as it is: its violations, and the ARIA rules it
# could not decide (an aria-label on a text's element is one), each with where.
AXE_RUN = """const done = arguments[arguments.length - 1];
axe.run(document).then((result) => done(result.violations
  .concat(result.incomplete.filter((rule) => rule.id.startsWith("aria-")))
  .map((v) => `${v.id} at ${v.nodes.map((n) => n.target.join(" ")).join(", ")}`)),
  (e) => done([String(e)]));"""

# The page's clock's longest task since load, and the download's SHA-256.
LONG_TASKS = """window.longest = 0;
new PerformanceObserver((list) => {
  for (const task of list.getEntries()) longest = Math.max(longest, task.duration);
}).observe({type: "longtask"});"""
DOWNLOAD_DIGEST = """const done = arguments[arguments.length - 1];
fetch(document.getElementById("listDownload").href).then((r) => r.arrayBuffer())
  .then((b) => crypto.subtle.digest("SHA-256", b))
  .then((d) => done([...new Uint8Array(d)].map((x) => x.toString(16).padStart(2, "0")).join("")),
        (e) => done("error " + e));"""

# The service worker's caches once it controls the page.
CACHES = """const done = arguments[arguments.length - 1];
navigator.serviceWorker.ready.then(() => caches.keys()).then(done, (e) => done(["error " + e]));"""

# What a phone's screen shows too small or too wide: targets under 24 x 24
# CSS px among the shown controls, and the page's width beyond the screen.
PHONE_LAYOUT = """const small = [];
for (const node of document.querySelectorAll("button, a[href], select, input, textarea, " +
    "[role=menuitem], [role=menuitemcheckbox], [tabindex]")) {
  const r = node.getBoundingClientRect();
  if (r.width && r.height && (r.width < 24 || r.height < 24)) {
    small.push(`${node.id || node.textContent} ${r.width.toFixed(1)}x${r.height.toFixed(1)}`);
  }
}
return [small, document.documentElement.scrollWidth];"""

# The sum of the layout shifts since navigation, as the CLS metric adds them.
LAYOUT_SHIFT = """const done = arguments[arguments.length - 1];
let sum = 0;
new PerformanceObserver((list) => {
  for (const shift of list.getEntries()) if (!shift.hadRecentInput) sum += shift.value;
}).observe({type: "layout-shift", buffered: true});
setTimeout(() => done(sum), 300);"""

# The window's space kept before the module builds it, from index.html,
# and the design's size that the module gives.
RESERVED = """const done = arguments[arguments.length - 1];
fetch("index.html").then((r) => r.text()).then((html) => {
  const kept = html.match(/--design-width: (\\d+); --design-height: (\\d+)/);
  const design = Module.Design();
  done([kept && [Number(kept[1]), Number(kept[2])], [design.width, design.height]]);
});"""

# Each computed style property named, of each element named.
STYLES = """return arguments[0].map((pair) => {
  const node = document.querySelector(pair[0]);
  return node && getComputedStyle(node)[pair[1]];
});"""

class Quiet(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm"}

    def log_message(self, *args):
        pass


def serve(directory):
    server = http.server.ThreadingHTTPServer(
        ("127.0.0.1", 0), functools.partial(Quiet, directory=str(directory)))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server, f"http://127.0.0.1:{server.server_port}/"


def contrast(text, layers):
    """WCAG contrast of an rgb()/rgba() text colour over the layers, top first."""
    def parse(css):
        parts = [float(v) for v in css[css.index("(") + 1:-1].split(",")]
        return parts[:3], parts[3] if len(parts) == 4 else 1.0

    def over(top, below):
        rgb, alpha = parse(top)
        return [c * alpha + b * (1 - alpha) for c, b in zip(rgb, below)]

    def luminance(rgb):
        lin = [v / 255 / 12.92 if v <= 10.31 else ((v / 255 + 0.055) / 1.055) ** 2.4
               for v in rgb]
        return 0.2126 * lin[0] + 0.7152 * lin[1] + 0.0722 * lin[2]

    background = parse(layers[-1])[0]
    for layer in reversed(layers[:-1]):
        background = over(layer, background)
    a, b = luminance(over(text, background)), luminance(background)
    return (max(a, b) + 0.05) / (min(a, b) + 0.05)


def css_rgb(back_color):
    value = int(back_color, 16)  # 0x00BBGGRR
    return f"rgb({value & 0xFF}, {value >> 8 & 0xFF}, {value >> 16 & 0xFF})"


class PageTest:
    def __init__(self, driver, url, native):
        self.driver, self.url, self.failed = driver, url, 0
        self.trace = native / "tests/web/zembra_core_trace"
        self.convert = native / "cli/zembra-convert"
        self.texts = json.loads(subprocess.run([self.trace, "texts"], capture_output=True,
                                               check=True).stdout)

    def check(self, name, problems):
        print(("FAIL  " if problems else "ok    ") + name, flush=True)
        for problem in problems:
            print("      " + problem)
        self.failed += bool(problems)

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def by_id(self, element_id):
        return self.driver.find_element(By.ID, element_id)

    def load(self, scheme="light", forced="none", url=None):
        self.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {
            "features": [{"name": "prefers-color-scheme", "value": scheme},
                         {"name": "forced-colors", "value": forced}]})
        self.driver.get(url or self.url)
        WebDriverWait(self.driver, 10).until(lambda d: d.execute_script(
            'return performance.getEntriesByName("zembra-ready").length > 0'))

    def choose(self, menu, item):
        self.by_id(menu).click()
        self.by_id(item).click()

    def press(self, menu_key, item_key):
        ActionChains(self.driver).key_down(Keys.ALT).send_keys(menu_key).key_up(Keys.ALT) \
            .send_keys(item_key).perform()

    def typed_sequences(self):
        for name, steps in TYPED:
            self.load()
            keys = [START] + [key for step in steps for key in (step or [SWITCH])]
            lines = ["switch" if key is SWITCH else "back" if key == "\b" else str(ord(key))
                     for key in keys[1:]]
            expected = subprocess.run([self.trace, "keys"], capture_output=True, text=True,
                                      check=True, input="".join(f"{k}\n" for k in lines)).stdout
            expected = [json.loads(line) for line in expected.splitlines()]
            problems = [] if len(expected) == len(keys) else ["the trace stopped early"]
            for key, want in zip(keys, expected):
                input_field = "txtDec" if want["decimalToAfs"] else "txtAFS"
                if key is SWITCH:
                    self.choose("mnuAction", "mnuActionItems1")
                elif key != START:
                    self.by_id(input_field).send_keys(Keys.BACK_SPACE if key == "\b" else key)
                paints = {"txtDec": want["decColor"], "txtAFS": want["afsColor"],
                          "txtHex": "0xFFFFFF"}
                for field, got in zip(FIELDS, self.js(SNAPSHOT, FIELDS)):
                    paint = paints[field]
                    colour = got[4] if paint == "unpainted" else css_rgb(paint)
                    red = paint == "0x0000FF"
                    if [got[0], got[1], got[3]] != [want[field], colour, field != input_field] \
                            or got[2] not in (["true"] if red else [None, "false"]):
                        step = "switch" if key is SWITCH else repr(key) if key else "start-up"
                        problems.append(f"after {step}: {field} shows {got[:4]}, want "
                                        f"{want[field]!r} {colour} {'invalid' if red else 'ok'}, "
                                        f"{'enabled' if field == input_field else 'disabled'}")
                if problems:
                    break
            self.check(f"typed: {name} ({len(keys) - 1} steps)", problems)

    def mode(self, decimal_to_afs):
        """What differs from the given mode: marks, captions, the upper, enabled field."""
        checked = [self.by_id(i).get_attribute("aria-checked") == "true"
                   for i in ("mnuActionItems1", "mnuActionItems2")]
        labels = [self.by_id(i).text for i in ("lblDec", "lblAFS")]
        fields = sorted(("txtDec", "txtAFS"), key=lambda f: self.by_id(f).rect["y"])
        enabled = [f for f in fields if self.by_id(f).is_enabled()]
        seen = [checked, labels, fields[0], enabled]
        want = [[True, False], ["DEC", "AFS"], "txtDec", ["txtDec"]] if decimal_to_afs \
            else [[False, True], ["AFS", "DEC"], "txtAFS", ["txtAFS"]]
        return [] if seen == want else [f"marks, captions, upper and enabled {seen}, want {want}"]

    def menus(self):
        self.load()
        names = {"mnuAction": "Action", "mnuHelp": "Help",
                 "mnuActionItems1": "Decimal to AFS", "mnuActionItems2": "AFS to Decimal",
                 "mnuHelpItems1": "Help", "mnuHelpItems2": "License Info", "mnuHelpItems3": "About"}
        roles = self.js("return [...document.querySelectorAll('[role=menubar] [role=menuitem],"
                        " [role=menubar] [role=menuitemcheckbox]')].map((n) => n.id)")
        problems = [] if sorted(roles) == sorted(names) else [f"menu roles on {roles}"]
        for element_id, name in names.items():
            if element_id.endswith("Items1"):  # hidden items have no accessible name
                ActionChains(self.driver).send_keys(Keys.ESCAPE).perform()
                self.by_id(element_id[:-6]).click()
            node = self.by_id(element_id)
            if [node.get_attribute("textContent"), node.accessible_name] != [name, name]:
                problems.append(f"{element_id}: {node.get_attribute('textContent')!r}, "
                                f"named {node.accessible_name!r}, want {name!r}")
        ActionChains(self.driver).send_keys(Keys.ESCAPE).perform()
        self.check("menus: captions, names and roles", problems)
        self.check("start-up mode Decimal to AFS", self.mode(True))
        # Either item flips the mode, the checked one too.
        decimal_to_afs = True
        for how, act in (
                ("click on the checked item", lambda: self.choose("mnuAction", "mnuActionItems1")),
                ("click on the other item", lambda: self.choose("mnuAction", "mnuActionItems1")),
                ("Alt+A, A on the other item", lambda: self.press("a", "a")),
                ("Alt+A, A on the checked item", lambda: self.press("a", "a")),
                ("Alt+A, D on the checked item", lambda: self.press("a", "d"))):
            act()
            decimal_to_afs = not decimal_to_afs
            problems = self.mode(decimal_to_afs)
            if any(m.is_displayed() for m in self.driver.find_elements(By.CSS_SELECTOR,
                                                                        "[role=menu]")):
                problems.append("the menu stayed open")
            self.check(f"{how}: {'Decimal to AFS' if decimal_to_afs else 'AFS to Decimal'}",
                       problems)

    def caret(self):
        """A click at the start of a field that had no focus leaves the caret at the end."""
        self.load()
        self.by_id("txtDec").send_keys("1234")
        problems = []
        for field in ("txtDec", "txtAFS"):
            self.by_id("listColumn").click()
            node = self.by_id(field)
            ActionChains(self.driver).move_to_element_with_offset(
                node, -node.rect["width"] // 2 + 4, 0).click().perform()
            caret = self.js("const f = arguments[0]; return [f.selectionStart, f.selectionEnd,"
                            " f.value.length, document.activeElement === f]", node)
            if caret != [caret[2], caret[2], caret[2], True]:
                problems.append(f"{field}: selection {caret[:2]} in {caret[2]} characters")
            self.choose("mnuAction", "mnuActionItems1")
        self.check("focusing click puts the caret at the end", problems)

    def message_boxes(self):
        self.load()
        for how, act, box in (("click", lambda: self.choose("mnuHelp", "mnuHelpItems1"), "help"),
                              ("Alt+H, H", lambda: self.press("h", "h"), "help"),
                              ("Alt+H, L", lambda: self.press("h", "l"), "licence")):
            act()
            shown = self.js("""const d = document.querySelector("dialog[open]");
                return d && [d.getAttribute("aria-label"), d.matches(":modal"),
                  [...d.querySelectorAll(".message-text")].map((n) =>
                    [n.textContent, getComputedStyle(n).whiteSpace]),
                  [...d.querySelectorAll("button")].map((b) => b.textContent)]""")
            want = [self.texts[box + "Title"], True, [[self.texts[box], "pre"]], ["OK"]]
            problems = [] if shown == want else [f"shows {shown!r}"]
            for button in self.driver.find_elements(By.CSS_SELECTOR, "dialog[open] button"):
                button.click()
            if self.js('return document.querySelector("dialog[open]")'):
                problems.append("still open after OK")
            self.check(f"{box} box by {how}", problems)

    def about(self):
        self.load()
        self.press("h", "a")
        opened = self.js('return document.querySelector("dialog#frmAbout[open]") !== null')
        ActionChains(self.driver).send_keys(Keys.ESCAPE).perform()
        still = self.js('return document.querySelector("dialog[open]") !== null')
        self.check("About opened by Alt+H, A and closed by Escape",
                   [f"opened {opened}, still open {still}"] if [opened, still] != [True, False]
                   else [])
        labels = [k for k in self.texts if k.startswith("lbl")]
        self.by_id("mnuHelp").click()
        self.driver.set_script_timeout(15)
        shown = self.driver.execute_async_script(ABOUT_TIMED, labels)
        seconds = shown.pop("seconds", 0)
        want = {"modal": True, "caption": self.texts["aboutCaption"], "open": False,
                "picture": ["cheese.jpg", True], **{k: self.texts[k] for k in labels}}
        problems = [f"{k}: {shown.get(k)!r}, want {v!r}" for k, v in want.items()
                    if shown.get(k) != v]
        if not 7.5 <= seconds <= 8.0:
            problems.append("closed itself outside 7.5-8.0 s")
        self.check(f"About: captions and picture, closed itself after {seconds:.3f} s", problems)

    def list_result(self, act, timeout=10):
        """Runs act and waits for the list tool's next result."""
        self.js('document.getElementById("listStatus").textContent = ""')
        act()
        WebDriverWait(self.driver, timeout).until(
            lambda d: self.by_id("listStatus").get_attribute("textContent"))

    def paste(self, text):
        self.list_result(lambda: self.js(PASTE, text))

    def list_tool(self):
        self.load()
        with tempfile.TemporaryDirectory() as workdir:
            listing = pathlib.Path(workdir) / "county-fire.csv"
            listing.write_bytes(LISTING.encode())
            native = subprocess.run([self.convert, "--csv", "--format", "dsd", listing.name],
                                    cwd=workdir, capture_output=True)
            Select(self.by_id("listFormat")).select_by_value("dsd")
            self.list_result(lambda: self.by_id("listFile").send_keys(str(listing)))
            shown = self.by_id("listFileName").text
        self.compare_list("listing file as dsd", native, messages=True,
                          also=[] if shown == f"county-fire.csv, {len(LISTING.encode())} bytes"
                          and not self.by_id("listInput").is_displayed()
                          else [f"the file shown as {shown!r}, not by name and size"])
        self.by_id("listFileClear").click()

        native = subprocess.run([self.convert, "--to", "afs"], input=PASTED.encode(),
                                capture_output=True)
        Select(self.by_id("listFormat")).select_by_value("lines:afs")
        self.paste(PASTED)
        self.compare_list("pasted IDs as lines:afs", native, messages=False)

        # The default settings take a plain list as lines and a listing as a table.
        Select(self.by_id("listFormat")).select_by_index(0)
        for name, text, written in (("one ID a line", PASTED, "-lines.txt"),
                                    ("a listing", LISTING, "-table.csv")):
            # A textarea holds its lines with "\n" alone.
            native = subprocess.run([self.convert, "--auto"],
                                    input=text.replace("\r\n", "\n").encode(), capture_output=True)
            self.paste(text)
            self.compare_list(f"the default output of {name}", native, messages=False,
                              file_end=written)

        # A failure: words, the status in the detail line, nothing to download.
        Select(self.by_id("listFormat")).select_by_value("table")
        self.paste(PASTED)
        link = self.by_id("listDownload")
        problems = [] if self.by_id("listStatus").text == "2" else ["status is not 2"]
        if link.get_attribute("href") or link.get_attribute("aria-disabled") != "true":
            problems.append(f"a download after a failure: {link.get_attribute('href')}")
        self.check("list tool: a failure offers no download", problems)

    def compare_list(self, name, native, messages, also=(), file_end=None):
        problems = list(also)
        got = self.driver.execute_async_script(FETCH_DOWNLOAD)
        got = got if got.startswith("error ") else base64.b64decode(got)
        if got != native.stdout:
            problems.append(f"download {got!r}, want {native.stdout!r}")
        shown = self.by_id("listOutput").get_attribute("value")
        if shown != native.stdout.decode().replace("\r\n", "\n"):
            problems.append(f"listOutput {shown!r}")
        chosen = Select(self.by_id("listFormat")).first_selected_option.get_attribute("value")
        file_name = self.by_id("listDownload").get_attribute("download")
        if (file_end or "-" + chosen.replace(":", "-")) not in file_name:
            problems.append(f"the download's file name {file_name!r} does not say the format")
        status = self.by_id("listStatus").get_attribute("textContent")
        if status != str(native.returncode):
            problems.append(f"listStatus {status}, want {native.returncode}")
        outcome = self.by_id("listOutcome").text
        if not outcome or "status" in outcome.lower() or "converted" not in outcome:
            problems.append(f"the outcome in words: {outcome!r}")
        shown = self.by_id("listMessages").get_attribute("textContent").splitlines()
        if messages and shown != native.stderr.decode().splitlines():
            problems.append(f"messages {shown}, want {native.stderr.decode().splitlines()}")
        self.check(f"list tool: {name}, status {native.returncode}, {outcome!r}", problems)

    def phone(self, width):
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": 740, "deviceScaleFactor": 2, "mobile": True})
        self.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True})

    def desktop(self):
        self.driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
        self.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": False})

    def phones(self):
        for width in PHONES:
            self.phone(width)
            # A phone's network: the page paints before the module is in.
            self.driver.execute_cdp_cmd("Network.enable", {})
            self.driver.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": True})
            self.driver.execute_cdp_cmd("Network.setBypassServiceWorker", {"bypass": True})
            self.driver.execute_cdp_cmd("Network.emulateNetworkConditions", {
                "offline": False, "latency": 150, "downloadThroughput": 200000,
                "uploadThroughput": 100000})
            self.load()
            self.driver.execute_cdp_cmd("Network.emulateNetworkConditions", {
                "offline": False, "latency": 0, "downloadThroughput": -1,
                "uploadThroughput": -1})
            self.driver.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": False})
            self.driver.execute_cdp_cmd("Network.setBypassServiceWorker", {"bypass": False})
            problems = []
            shift = self.driver.execute_async_script(LAYOUT_SHIFT)
            if shift >= 0.1:
                problems.append(f"layout shift {shift:.3f} on load")
            frame = self.by_id("frmMain").rect["width"]
            font = float(self.js(STYLES, [["#txtDec", "fontSize"]])[0][:-2])
            if frame < 0.6 * width or font < 16:
                problems.append(f"window {frame} px wide, fields' text {font} px")
            if self.by_id("txtDec").get_attribute("inputmode") not in ("decimal", "numeric"):
                problems.append("txtDec brings up no keyboard with digits")
            for state, act in (("closed", lambda: None),
                               ("Action open", lambda: self.by_id("mnuAction").click()),
                               ("Help open", lambda: self.by_id("mnuHelp").click())):
                act()
                small, scrolled = self.js(PHONE_LAYOUT)
                problems += [f"{state}: under 24 px: {', '.join(small)}"] if small else []
                if scrolled > width:
                    problems.append(f"{state}: the page is {scrolled} px wide")
            for item in ("mnuHelpItems1", "mnuHelpItems2", "mnuHelpItems3"):
                self.by_id(item).click()
                box = self.driver.find_element(By.CSS_SELECTOR, "dialog[open]").rect
                text = self.js('const t = document.querySelector("dialog[open] .message-text");'
                               "return t && [t.scrollWidth > t.clientWidth, t.tabIndex]")
                if box["x"] < 0 or box["x"] + box["width"] > width:
                    problems.append(f"{item}: the box spans {box['x']} to "
                                    f"{box['x'] + box['width']}")
                if text and text[0] and text[1] < 0:
                    problems.append(f"{item}: cut lines scroll in no focusable region")
                ActionChains(self.driver).send_keys(Keys.ESCAPE).perform()
                self.by_id("mnuHelp").click()
            ActionChains(self.driver).send_keys(Keys.ESCAPE).perform()
            self.check(f"phone {width} px: reflow, targets, sizes, boxes, layout shift "
                       f"{shift:.3f}", problems)
        self.desktop()
        kept, design = self.driver.execute_async_script(RESERVED)
        self.check("the window's space kept before the module runs is the design's",
                   [] if kept == design else [f"index.html keeps {kept}, the design is {design}"])

    def live_region(self):
        self.load()
        for name, keys, said in (
                ("decimal", [Keys.BACK_SPACE, "1234"], "AFS 09-102, hexadecimal 4D2"),
                ("refused decimal", [Keys.BACK_SPACE * 4, "3000"],
                 "'3000' cannot be converted to AFS"),
                ("AFS", [SWITCH, Keys.BACK_SPACE * 6, "09-102"], "Decimal 1234, hexadecimal 4D2"),
                ("refused AFS", ["x"], "'09-102x' cannot be converted to decimal")):
            for key in keys:
                if key is SWITCH:
                    self.choose("mnuAction", "mnuActionItems1")
                else:
                    self.driver.switch_to.active_element.send_keys(key)
            try:
                WebDriverWait(self.driver, 3).until(
                    lambda d: self.by_id("announcer").text == said)
                problems = []
            except Exception:
                problems = [f"says {self.by_id('announcer').text!r}, want {said!r}"]
            self.check(f"live region after typing: {name}", problems)

    def forced_colours(self):
        self.load(forced="active")
        self.by_id("txtDec").send_keys(Keys.BACK_SPACE, "3000")
        ActionChains(self.driver).key_down(Keys.ALT).send_keys("a").key_up(Keys.ALT).perform()
        menu = self.js(STYLES, [["#mnuActionItems1", "backgroundColor"],
                                ["#mnuActionMenu", "backgroundColor"],
                                ["#mnuAction", "backgroundColor"], ["#menubar", "backgroundColor"],
                                ["#txtAFS", "borderTopStyle"], ["#txtHex", "borderTopStyle"]])
        problems = [] if self.js('return matchMedia("(forced-colors: active)").matches') \
            else ["no forced colours"]
        if menu[0] == menu[1] or menu[2] == menu[3]:
            problems.append(f"the focused item or open title looks like the menu: {menu[:4]}")
        if menu[4] == menu[5]:
            problems.append(f"the refused field's border is {menu[4]} as any other")
        ActionChains(self.driver).send_keys(Keys.ESCAPE).perform()
        self.check("forced colours: menu focus and the refused field stay visible", problems)

    def no_webassembly(self):
        script = self.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                                             {"source": "delete window.WebAssembly;"})
        self.driver.get(self.url)
        time.sleep(0.5)
        notice = self.by_id("notice")
        said = notice.text if notice.is_displayed() else ""
        self.driver.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument", script)
        self.check("without WebAssembly the page says so",
                   [] if "WebAssembly" in said and not self.by_id("frmMain").is_displayed()
                   else [f"shows {said!r}"])

    def accessibility(self):
        if not AXE.is_file() and shutil.which("npm"):  # into build/, never committed
            subprocess.run(["npm", "install", "--prefix", str(ROOT / "build/npm"), "--no-save",
                            "--no-package-lock", "--no-audit", "--no-fund", "-E",
                            f"axe-core@{AXE_VERSION}"], stdout=subprocess.DEVNULL)
        if not AXE.is_file():
            self.check("axe-core", [f"no {AXE}: npm (apt-get install npm) installs it"])
            return
        axe = AXE.read_text()
        states = (("the list tool filled, a refused input", self.fill_for_axe),
                  ("a menu open", lambda: self.by_id("mnuHelp").click()),
                  ("the Help box", lambda: self.press("h", "h")),
                  ("the License box", lambda: self.press("h", "l")),
                  ("About", lambda: self.press("h", "a")))
        for width in (320, 375, 1280):
            self.phone(width) if width < 1000 else self.desktop()
            problems = []
            for name, act in states:
                self.load()
                act()
                self.js(axe)
                problems += [f"{name}: {v}" for v in self.driver.execute_async_script(AXE_RUN)]
            self.check(f"axe at {width} px: {len(states)} states", problems)
        self.desktop()

    def fill_for_axe(self):
        self.by_id("txtDec").send_keys(Keys.BACK_SPACE, "3000")
        self.paste(LISTING)

    def big_list(self):
        self.load()
        with tempfile.TemporaryDirectory() as workdir:
            listing = pathlib.Path(workdir) / "state-wide.csv"
            rows = [LISTING.splitlines()[0]]
            size = len(rows[0])
            while size < BIG_LIST_BYTES:
                n = len(rows)
                tag = "x" if n % 997 == 0 else str(n % 2048)  # a refused ID now and then
                rows.append(f"{tag},{n % 2048:03x},D,Tag {n},Group {n} of the state,Tag,State")
                size += len(rows[-1]) + 2
            listing.write_bytes(("\r\n".join(rows) + "\r\n").encode())
            native = subprocess.run([self.convert, "--csv", "--format", "table", listing.name],
                                    cwd=workdir, capture_output=True)
            Select(self.by_id("listFormat")).select_by_value("table")
            self.js(LONG_TASKS)
            started = time.monotonic()
            self.list_result(lambda: self.by_id("listFile").send_keys(str(listing)), timeout=60)
            seconds = time.monotonic() - started
            longest = self.js("return longest")  # before the digest's own work
            self.driver.set_script_timeout(30)
            digest = self.driver.execute_async_script(DOWNLOAD_DIGEST)
            shown = self.by_id("listMessages").get_attribute("textContent").splitlines()
            more = self.by_id("listMoreCount").text
            messages = native.stderr.decode().splitlines()
            problems = [] if digest == hashlib.sha256(native.stdout).hexdigest() else \
                ["the download differs from zembra-convert's output"]
            if seconds > 20 or longest > 200:
                problems.append(f"{seconds:.1f} s, longest task {longest} ms")
            every = self.driver.execute_async_script(
                FETCH_DOWNLOAD.replace("listDownload", "listMessagesDownload"))
            every = base64.b64decode(every).decode().splitlines() if every[:6] != "error " else []
            if shown != messages[:len(shown)] or str(len(messages) - len(shown)) not in more \
                    or every != messages:
                problems.append(f"{len(shown)} messages shown and {more!r} of {len(messages)},"
                                f" {len(every)} in their download")
            self.check(f"a {size / 2**20:.0f} MB listing in {seconds:.1f} s, longest task "
                       f"{longest:.0f} ms, {len(shown)} of {len(messages)} messages shown",
                       problems)
            # Cancel stops a conversion on its way and leaves nothing to download.
            self.js('const s = document.getElementById("listSplit");'
                    's.value = "3:4:4"; s.dispatchEvent(new Event("input"))')
            self.by_id("listCancel").click()
            link = self.by_id("listDownload")
            problems = [] if "cancel" in self.by_id("listOutcome").text.lower() else \
                [f"says {self.by_id('listOutcome').text!r}"]
            if link.get_attribute("href") or self.by_id("listProgress").is_displayed():
                problems.append("a download or the progress bar stayed")
            self.check("Cancel stops the conversion", problems)

    def offline(self, page):
        """After one visit the page works with the server gone; a new build's service
        worker replaces the old cache."""
        with tempfile.TemporaryDirectory() as copy:
            shutil.copytree(page, copy, dirs_exist_ok=True)
            server, url = serve(copy)
            self.load(url=url)
            first = self.driver.execute_async_script(CACHES)
            worker = pathlib.Path(copy) / "sw.js"
            worker.write_text(worker.read_text().replace(first[0], "zembra-next")
                              if first else "")
            self.js("navigator.serviceWorker.getRegistration().then((r) => r.update())")
            try:
                WebDriverWait(self.driver, 10).until(
                    lambda d: d.execute_async_script(CACHES) == ["zembra-next"])
                problems = []
            except Exception:
                problems = [f"caches {self.driver.execute_async_script(CACHES)} after {first}"]
            server.shutdown()
            server.server_close()
            self.load(url=url)
            self.by_id("txtDec").send_keys(Keys.BACK_SPACE, "1234")
            self.paste("2047\n")
            got = [self.by_id("txtAFS").get_attribute("value"),
                   self.by_id("listOutput").get_attribute("value")]
            if got != ["09-102", "2047\t15-157\t7FF\n"]:
                problems.append(f"offline the page shows {got}")
            self.check(f"offline after one visit; a new build's cache replaces {first}",
                       problems)

    def single_file(self, page):
        with tempfile.TemporaryDirectory() as downloads:
            html = pathlib.Path(downloads) / "zembra.html"
            html.write_bytes((page / "zembra.html").read_bytes() if page else
                             urllib.request.urlopen(self.url + "zembra.html").read())
            size = len(gzip.compress(html.read_bytes(), 9))
            self.load(url=html.as_uri())
            self.by_id("txtDec").send_keys(Keys.BACK_SPACE, "1234")
            self.paste("2047\n")
            self.press("h", "a")
            picture = self.js('const i = document.querySelector("#frmAbout img");'
                              "return i && i.complete && i.naturalWidth")
            got = [self.by_id("txtAFS").get_attribute("value"),
                   self.by_id("listOutput").get_attribute("value"), picture]
            problems = [] if got == ["09-102", "2047\t15-157\t7FF\n", 320] \
                else [f"from disk it shows {got}"]
            if size >= 200 * 1024:
                problems.append(f"{size} bytes gzipped")
            ActionChains(self.driver).send_keys(Keys.ESCAPE).perform()
            if page:  # the page of many files from disk points to the one file
                self.driver.get((page / "index.html").as_uri())
                time.sleep(0.5)
                if "zembra.html" not in self.by_id("notice").text:
                    problems.append(f"index.html from disk says {self.by_id('notice').text!r}")
            self.check(f"zembra.html from file://, {size / 1024:.0f} KB gzipped", problems)

    def legibility(self):
        for scheme in ("light", "dark"):
            self.load(scheme)
            seen = {}

            def measure(state, *ids):
                seen.update({f"{i} {state}": self.js(COLOURS, i) for i in ids})

            measure("enabled", "txtDec")
            measure("unpainted", "txtAFS")
            measure("disabled", "txtHex")
            measure("in Decimal to AFS", "lblDec", "lblAFS", "Label1")
            self.by_id("txtDec").send_keys(Keys.BACK_SPACE, "3000")
            measure("disabled red", "txtAFS")
            self.by_id("txtDec").send_keys(Keys.BACK_SPACE)
            measure("disabled white", "txtAFS")
            self.by_id("txtDec").send_keys("0")  # red again, for the other mode
            self.choose("mnuAction", "mnuActionItems2")
            self.by_id("txtAFS").send_keys("x")
            measure("enabled red", "txtAFS")
            measure("disabled red", "txtDec")
            measure("in AFS to Decimal", "lblDec", "lblAFS")
            problems = [f"{what}: {contrast(text, layers):.2f}:1, {text} on {layers}"
                        for what, (text, layers) in seen.items()
                        if contrast(text, layers) < 4.5]
            self.check(f"contrast in the {scheme} scheme, {len(seen)} cases", problems)


def main():
    where = sys.argv[1] if len(sys.argv) > 1 else str(ROOT / "build/web")
    native = pathlib.Path(sys.argv[2] if len(sys.argv) > 2 else ROOT / "build/release")
    native = native.resolve()
    for program in ("tests/web/zembra_core_trace", "cli/zembra-convert"):
        if not (native / program).is_file():
            sys.exit(f"{__file__}: no {native / program}; build it first")
    started = time.monotonic()
    server, page = None, None
    if where.startswith("http://"):
        url = where if where.endswith("/") else where + "/"
    else:
        page = pathlib.Path(where).resolve()
        if not (page / "index.html").is_file() or not (page / "index.html").stat().st_size:
            sys.exit(f"{__file__}: no page in {page}; scripts/web --build")
        server, url = serve(page)
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    profile = tempfile.TemporaryDirectory()
    for flag in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
                 "--no-first-run", "--disable-background-networking",
                 "--disable-component-update", "--disable-sync", "--window-size=1000,900",
                 "--user-data-dir=" + profile.name):
        options.add_argument(flag)
    driver = webdriver.Chrome(service=webdriver.chrome.service.Service("/usr/bin/chromedriver"),
                              options=options)
    test = PageTest(driver, url, native)
    runs = [test.typed_sequences, test.menus, test.caret, test.message_boxes, test.list_tool,
            test.legibility, test.about, test.phones, test.live_region, test.forced_colours,
            test.no_webassembly, test.accessibility, test.big_list,
            functools.partial(test.single_file, page)]
    # Stopping the server is only in this test's hands when it serves the page.
    runs += [functools.partial(test.offline, page)] if page else []
    # ZEMBRA_WEB_CHECKS=phones,offline runs only the checks named.
    chosen = os.environ.get("ZEMBRA_WEB_CHECKS", "")
    runs = [r for r in runs if not chosen or getattr(r, "func", r).__name__ in chosen.split(",")]
    try:
        test.load()
        test.check("page title", [] if driver.title == "Zembra" else [repr(driver.title)])
        for run in runs:
            try:
                run()
            except Exception as error:  # a missing element, a script error, a time-out
                name = getattr(run, "__name__", getattr(run, "func", run).__name__)
                test.check(f"{name} stopped", [str(error).strip().splitlines()[0]])
    finally:
        driver.quit()
        if server:
            server.shutdown()
        profile.cleanup()
    print(f"{test.failed} failed, {time.monotonic() - started:.1f} s")
    return 1 if test.failed else 0


if __name__ == "__main__":
    sys.exit(main())
