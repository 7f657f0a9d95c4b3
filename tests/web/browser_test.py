#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# The built web page in headless Chromium, compared with the native core
# (zembra_core_trace) and the batch converter (zembra-convert):
#   tests/web/browser_test.py PAGE_DIR|URL NATIVE_BUILD_DIR
# (a URL tests a page served there). Beside the window and the list tool it
# checks phones' screens, the live region, forced colours, contrast,
# axe-core (from npm, into build/npm) and a 20 MB listing; when it serves
# the page itself, also zembra.html from file:// and the page offline.
# Prints one line per check and exits 1 when one fails;
# ZEMBRA_WEB_CHECKS=phones,offline runs only the checks named.
# /usr/bin/python3, as Debian's python3-selenium belongs to it.

import base64
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

from selenium import webdriver
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.common.exceptions import TimeoutException
from selenium.webdriver.support.ui import Select, WebDriverWait

ROOT = pathlib.Path(__file__).resolve().parents[2]
FIELDS = ("txtDec", "txtAFS", "txtHex")

# Typed from the start-up state ("Decimal to AFS"); "\b" is a backspace and
# "|" a choice in the Action menu, which flips the mode.
TYPED = [
    ("digits and backspaces", "\b1234\b\b\b\b\b7"),
    ("out of range, then the top", "\b3000\b\b\b2047\b8"),
    ("letters, &H and blanks", "\bab12x\b\b\b\b\b&H7F\b\b\b 12 \b\b-5"),
    ("exponent, fraction, non-ASCII", "\b1e3\b\b\b1.5\b\b\b12\u00e93"),
    ("AFS 09-102", "|\b\b\b\b\b\b09-102\b"),
    ("AFS edges", "|\b\b\b\b\b\b15-157\b\b\b\b\b\b16-000\b\b\b\b\b\b 9-102"),
    ("AFS letters, 7 characters", "|\b\b\b\b\b\bab-cd7\b\b\b\b\b\b09-1022\b"),
    ("switch while red", "\b3000|\b1|5"),
    ("switch back while red", "|x|\b\b7"),
]

# The trace's words for the two keys that are not characters.
TRACE_KEYS = {"|": "switch", "\b": "back"}

# What the window shows in each mode, as PROBE reports it.
DECIMAL_TO_AFS = {"marks": ["true", "false"], "captions": ["DEC", "AFS"], "upper": "txtDec",
                  "enabled": ["txtDec"], "menu": False}
AFS_TO_DECIMAL = {"marks": ["false", "true"], "captions": ["AFS", "DEC"], "upper": "txtAFS",
                  "enabled": ["txtAFS"], "menu": False}


def box(name):
    return lambda texts: [texts[name + "Title"], True, [[texts[name], "pre"]], ["OK"]]


# Steps and what PROBE then shows, each group from a fresh page. A step is a
# CSS selector to click ("#id", "dialog..."), "alt+x" an access key, "<id" a
# click at the start of a field, or keys typed where the focus is.
WINDOW = [
    [("start-up mode Decimal to AFS", [], DECIMAL_TO_AFS),
     ("click on the checked item", ["#mnuAction", "#mnuActionItems1"], AFS_TO_DECIMAL),
     ("click on the other item", ["#mnuAction", "#mnuActionItems1"], DECIMAL_TO_AFS),
     ("Alt+A, A on the other item", ["alt+a", "a"], AFS_TO_DECIMAL),
     ("Alt+A, A on the checked item", ["alt+a", "a"], DECIMAL_TO_AFS),
     ("Alt+A, D on the checked item", ["alt+a", "d"], AFS_TO_DECIMAL)],
    [("a focusing click leaves the caret at the end of txtDec",
      ["\b1234", "#listColumn", "<txtDec"], {"caret": ["txtDec", 4, 4, 4]}),
     ("a focusing click leaves the caret at the end of txtAFS",
      ["#mnuAction", "#mnuActionItems1", "#listColumn", "<txtAFS"],
      {"caret": ["txtAFS", 6, 6, 6]})],
    [("help box by click", ["#mnuHelp", "#mnuHelpItems1"], {"box": box("help")}),
     ("Escape closes it", [Keys.ESCAPE], {"box": None}),
     ("help box by Alt+H, H", ["alt+h", "h"], {"box": box("help")}),
     ("Enter on OK closes it", ["\n"], {"box": None}),
     ("licence box by Alt+H, L", ["alt+h", "l"], {"box": box("licence")}),
     ("its OK closes it", ["dialog[open] button"], {"box": None}),
     ("About by Alt+H, A: captions and picture", ["alt+h", "a"],
      {"box": lambda texts: [texts["aboutCaption"], True, [], ["\u00d7"]],
       "labels": lambda texts: {k: v for k, v in texts.items() if k.startswith("lbl")},
       "picture": [["cheese.jpg", True]]}),
     ("Escape closes About", [Keys.ESCAPE], {"box": None})],
    [("live region after typing: decimal", ["\b1234"], {"said": "AFS 09-102, hexadecimal 4D2"}),
     ("live region: refused decimal", ["\b\b\b\b3000"],
      {"said": "'3000' cannot be converted to AFS"}),
     ("live region: AFS", ["#mnuAction", "#mnuActionItems1", "\b\b\b\b\b\b09-102"],
      {"said": "Decimal 1234, hexadecimal 4D2"}),
     ("live region: refused AFS", ["x"], {"said": "'09-102x' cannot be converted to decimal"})],
]

LISTING = (
    "DEC,HEX,Mode,Alpha Tag,Description,Tag,Category\r\n"
    "1234,4d2,D,FD Disp,Fire Dispatch,Fire Dispatch,County Fire\r\n"
    "1235,4d3,D,FD Tac 2,\"Fire Tactical, Caf\u00e9 Fire\",Fire-Tac,County Fire\r\n"
    "2050,802,DE,EA Ops,Extended Ops,Other,Misc\r\n"
    "16,010,A,SO Disp,Sheriff Dispatch,Law Dispatch,County Sheriff\r\n"
    "09-10-,,DE,FD Fleet,Fire Fleet 9-10,Fire Dispatch,County Fire\r\n"
    "1234,4d2,D,FD Disp,Fire Dispatch,Fire Dispatch,County Fire\r\n")
PASTED = "1234\n09-102\n0x7ff\n3000\n  16\nab\n"
# A system's listing whose talk-group map is drawn: an agency call (128,
# 256 under 4:4:3), fleet calls (136, 16) and ordinary groups.
MAP_LISTING = ("Decimal,Alpha Tag,Description\n128,PD All,Police agency call\n"
               "136,PD Fleet 1,Police fleet call\n137,PD D1,District 1\n138,PD D2,District 2\n"
               "256,EMS All,EMS agency call\n1234,FD Disp,Fire Dispatch\n16,SO Disp,Sheriff\n")
# The map box's background, a filled cell's fill, a call mark's and the
# fleets' outline: the cell stands out from the box, the mark from the
# cell and the outline from the box in every palette.
MAP_FILLS = """const box = document.getElementById("fleetmapBox"), style = (s) =>
  getComputedStyle(box.querySelector(s));
return [getComputedStyle(box).backgroundColor, style(".group").fill, style(".mark").fill,
        style(".fleet").stroke];"""
# The talk-group map: shown, its split, the fleets' blocks, the filled
# cells' IDs and where they lie, the call marks, the named talk group, the
# page's and the map box's widths (scrolled and shown), and how long the
# last drawing took in ms.
MAP = """const $ = (id) => document.getElementById(id), box = $("fleetmapBox");
const cells = [...box.querySelectorAll(".group")];
return {shown: !$("fleetmap").hidden, caption: $("fleetmapCaption").textContent,
  blocks: box.querySelectorAll(".fleet").length,
  ids: cells.map((c) => Number(c.dataset.id)),
  at: cells.map((c) => [Number(c.getAttribute("x")), Number(c.getAttribute("y"))]),
  marks: [...box.querySelectorAll(".mark")].map((m) => m.textContent),
  named: $("fleetmapActive").textContent,
  widths: [document.documentElement.scrollWidth, box.scrollWidth, box.clientWidth],
  drawn: performance.getEntriesByName("zembra-fleetmap").at(-1)?.duration};"""

MENU_NAMES = {"mnuAction": "Action", "mnuHelp": "Help", "mnuActionItems1": "Decimal to AFS",
              "mnuActionItems2": "AFS to Decimal", "mnuHelpItems1": "Help",
              "mnuHelpItems2": "License Info", "mnuHelpItems3": "About"}
# Steps, then the elements whose text must stand out from its background.
LEGIBLE = [
    ([], ["txtDec", "txtAFS", "txtHex", "lblDec", "lblAFS", "Label1"]),
    (["\b3000"], ["txtAFS"]),  # disabled and red
    (["\b"], ["txtAFS"]),  # disabled and white
    (["0", "#mnuAction", "#mnuActionItems2", "x"], ["txtAFS", "txtDec", "lblDec", "lblAFS"]),
]
AXE = ROOT / "build/npm/node_modules/axe-core/axe.min.js"
AXE_VERSION = "4.14.1"

# The window's state: the Action marks, the labels' captions, the upper
# input field, the enabled ones, whether a menu shows, the open dialog, the
# About's labels and picture, the live region's words and the focused
# field's caret.
PROBE = """const $ = (id) => document.getElementById(id), rows = ["txtDec", "txtAFS"];
const dialog = document.querySelector("dialog[open]"), field = document.activeElement;
rows.sort((a, b) => $(a).getBoundingClientRect().y - $(b).getBoundingClientRect().y);
return {marks: ["mnuActionItems1", "mnuActionItems2"].map((id) => $(id).ariaChecked),
  captions: [$("lblDec").textContent, $("lblAFS").textContent], upper: rows[0],
  enabled: rows.filter((id) => !$(id).disabled),
  menu: [...document.querySelectorAll("[role=menu]")].some((m) => m.getClientRects().length),
  box: dialog && [dialog.ariaLabel, dialog.matches(":modal"),
    [...dialog.querySelectorAll(".message-text")].map((n) =>
      [n.textContent, getComputedStyle(n).whiteSpace]),
    [...dialog.querySelectorAll("button")].map((b) => b.textContent)],
  labels: dialog && Object.fromEntries([...dialog.querySelectorAll("[id^=lbl]")].map((n) =>
    [n.id, n.textContent])), picture: [...document.querySelectorAll("dialog img")].map((i) =>
    [i.getAttribute("src"), i.complete && i.naturalWidth > 0]), said: $("announcer").textContent,
  caret: [field.id, field.selectionStart, field.selectionEnd, field.value?.length]};"""

# Each field's text, its background or "unpainted" without a colour of its
# own, whether it says it is invalid, and whether it is disabled.
SNAPSHOT = """return arguments[0].map((id) => { const f = document.getElementById(id);
  return [f.value, f.style.backgroundColor ? getComputedStyle(f).backgroundColor : "unpainted",
          f.ariaInvalid === "true", f.disabled]; });"""

# The text colour, and the background layers from the element up to the
# first opaque one, ending with the canvas.
COLOURS = """const el = document.getElementById(arguments[0]), layers = [];
for (let node = el; node; node = node.parentElement) {
  layers.push(getComputedStyle(node).backgroundColor);
  if (layers.at(-1).startsWith("rgb(")) break;
}
const canvas = document.body.appendChild(document.createElement("div"));
canvas.style.backgroundColor = "Canvas";
layers.push(getComputedStyle(canvas).backgroundColor);
canvas.remove();
return [getComputedStyle(el).color, layers];"""

# Pastes a list with the Extended Addressing choice as the second argument
# says; the paste alone starts the conversion.
PASTE = """const input = document.getElementById("listInput");
document.getElementById("listEa").checked = arguments[1];
input.value = arguments[0];
input.dispatchEvent(new Event("input", {bubbles: true}));"""

# A download link's bytes in base64, or with a second argument their SHA-256.
FETCH = """const done = arguments[arguments.length - 1];
fetch(document.getElementById(arguments[0]).href).then((r) => r.arrayBuffer())
  .then((b) => arguments.length > 2 ? crypto.subtle.digest("SHA-256", b).then((d) =>
    [...new Uint8Array(d)].map((x) => x.toString(16).padStart(2, "0")).join(""))
    : btoa(String.fromCharCode(...new Uint8Array(b)))).then(done, (e) => done("error " + e));"""

# Chooses About (its menu open); the seconds on the page's clock until it
# closes itself.
ABOUT_TIMED = """const done = arguments[0], start = performance.now();
document.getElementById("mnuHelpItems3").click();
document.querySelector("dialog[open]")?.addEventListener("close",
  () => done((performance.now() - start) / 1000));"""

# axe-core's violations on the page as it is, and the ARIA rules it could
# not decide (an aria-label on a text's element is one), each with where.
AXE_RUN = """const done = arguments[arguments.length - 1];
axe.run(document).then((result) => done(result.violations
  .concat(result.incomplete.filter((rule) => rule.id.startsWith("aria-")))
  .map((v) => `${v.id} at ${v.nodes.map((n) => n.target.join(" ")).join(", ")}`)),
  (e) => done([String(e)]));"""

LONG_TASKS = """window.longest = 0;
new PerformanceObserver((list) => list.getEntries().forEach((task) => {
  longest = Math.max(longest, task.duration); })).observe({type: "longtask"});"""

CACHES = """const done = arguments[arguments.length - 1];
navigator.serviceWorker.ready.then(() => caches.keys()).then(done, (e) => done(["error " + e]));"""

# On a phone: shown targets under 24 x 24 CSS px, the page's width, the open
# box's left and right edges, and whether its cut lines scroll in no
# focusable region.
PHONE_LAYOUT = """const small = [];
for (const node of document.querySelectorAll("button, a[href], select, input, textarea, " +
    "[role=menuitem], [role=menuitemcheckbox], [tabindex]")) {
  const r = node.getBoundingClientRect();
  if (r.width && r.height && (r.width < 24 || r.height < 24)) {
    small.push(`${node.id || node.textContent} ${r.width.toFixed(1)}x${r.height.toFixed(1)}`);
  }
}
const box = document.querySelector("dialog[open]")?.getBoundingClientRect();
const text = document.querySelector("dialog[open] .message-text");
return [small, document.documentElement.scrollWidth, box && [box.left, box.right],
        !!text && text.scrollWidth > text.clientWidth && text.tabIndex < 0];"""

# The sum of the layout shifts since navigation, as the CLS metric adds them.
LAYOUT_SHIFT = """const done = arguments[arguments.length - 1];
let sum = 0;
new PerformanceObserver((list) => list.getEntries().forEach((shift) => {
  sum += shift.hadRecentInput ? 0 : shift.value;
})).observe({type: "layout-shift", buffered: true});
setTimeout(() => done(sum), 300);"""

class Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def serve(directory):
    server = http.server.ThreadingHTTPServer(
        ("127.0.0.1", 0), lambda *args: Quiet(*args, directory=str(directory)))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server, f"http://127.0.0.1:{server.server_port}/"


def differences(*checks):
    """The problems among (what, got, want) checks."""
    return [f"{what}: {got!r}, want {want!r}" for what, got, want in checks if got != want]


def differs(what, got, want):
    return differences((what, got, want))


def contrast(text, layers):
    """WCAG contrast of an rgb()/rgba() text colour over the layers, top first."""
    def over(top, below):
        parts = [float(v) for v in top[top.index("(") + 1:-1].split(",")] + [1.0]
        return [c * parts[3] + b * (1 - parts[3]) for c, b in zip(parts[:3], below)]

    def luminance(rgb):
        lin = [v / 255 / 12.92 if v <= 10.31 else ((v / 255 + 0.055) / 1.055) ** 2.4 for v in rgb]
        return 0.2126 * lin[0] + 0.7152 * lin[1] + 0.0722 * lin[2]

    background = [0, 0, 0]
    for layer in reversed(layers):
        background = over(layer, background)
    a, b = luminance(over(text, background)), luminance(background)
    return (max(a, b) + 0.05) / (min(a, b) + 0.05)


def css_rgb(back_color):
    return f"rgb({back_color & 0xFF}, {back_color >> 8 & 0xFF}, {back_color >> 16 & 0xFF})"


class PageTest:
    def __init__(self, driver, url, page, native):
        self.driver, self.url, self.page, self.failed = driver, url, page, 0
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

    def js_async(self, script, *args):
        return self.driver.execute_async_script(script, *args)

    def cdp(self, command, **params):
        return self.driver.execute_cdp_cmd(command, params)

    def by_id(self, element_id):
        return self.driver.find_element(By.ID, element_id)

    def value(self, element_id):
        return self.by_id(element_id).get_attribute("value")

    def text(self, element_id):
        return self.by_id(element_id).get_attribute("textContent")

    def load(self, scheme="light", forced="none", url=None):
        self.cdp("Emulation.setEmulatedMedia",
                 features=[{"name": "prefers-color-scheme", "value": scheme},
                           {"name": "forced-colors", "value": forced}])
        self.driver.get(url or self.url)
        WebDriverWait(self.driver, 10).until(lambda d: d.execute_script(
            'return performance.getEntriesByName("zembra-ready").length > 0'))

    def wait(self, seconds, condition):
        """Until the condition holds or the seconds are over."""
        try:
            WebDriverWait(self.driver, seconds).until(lambda d: condition())
        except TimeoutException:
            pass

    def steps(self, *steps):
        """Runs steps as WINDOW writes them."""
        for step in steps:
            actions = ActionChains(self.driver)
            if step.startswith(("#", "dialog")):
                self.driver.find_element(By.CSS_SELECTOR, step).click()
            elif step.startswith("alt+"):
                actions.key_down(Keys.ALT).send_keys(step[4:]).key_up(Keys.ALT).perform()
            elif step.startswith("<"):
                node = self.by_id(step[1:])
                actions.move_to_element_with_offset(node, 4 - node.rect["width"] // 2, 0) \
                    .click().perform()
            else:
                actions.send_keys(step.replace("\b", Keys.BACK_SPACE)).perform()

    def typed_sequences(self):
        for name, keys in TYPED:
            self.load()
            lines = [TRACE_KEYS.get(k, str(ord(k))) for k in keys]
            trace = subprocess.run([self.trace, "keys"], capture_output=True, text=True,
                                   check=True, input="".join(f"{k}\n" for k in lines))
            trace = [json.loads(line) for line in trace.stdout.splitlines()]
            problems = [] if len(trace) == len(keys) + 1 else ["the trace stopped early"]
            for step, want in enumerate(trace):
                if step:
                    self.steps(*["#mnuAction", "#mnuActionItems1"] if keys[step - 1] == "|"
                               else keys[step - 1])
                entry = "txtDec" if want["decimalToAfs"] else "txtAFS"
                paints = [want["decColor"], want["afsColor"], 0xFFFFFF]
                problems += differs(f"after {keys[:step]!r}: text, colour, red, disabled",
                                    self.js(SNAPSHOT, FIELDS), [
                    [want[field], "unpainted" if paint is None else css_rgb(paint), paint == 0xFF,
                     field != entry] for field, paint in zip(FIELDS, paints)])
                if problems:
                    break
            self.check(f"typed: {name} ({len(keys)} steps)", problems)

    def window(self):
        for group in WINDOW:
            self.load()
            for name, steps, want in group:
                self.steps(*steps)
                want = {k: v(self.texts) if callable(v) else v for k, v in want.items()}
                seen = lambda: {k: v for k, v in self.js(PROBE).items() if k in want}
                self.wait(3, lambda: seen() == want)  # the live region waits for a pause
                self.check(name, differs("shows", seen(), want))

    def menus(self):
        self.load()
        roles = self.js("return Object.fromEntries([...document.querySelectorAll("
                        "'[role=menubar] [role^=menuitem]')].map((n) => [n.id, n.role]))")
        problems = differs("menu roles", roles, {i: "menuitemcheckbox" if "ActionItems" in i
                                                 else "menuitem" for i in MENU_NAMES})
        for element_id, name in MENU_NAMES.items():
            if element_id.endswith("Items1"):  # hidden items have no accessible name
                self.steps(Keys.ESCAPE, "#" + element_id[:-6])
            node = self.by_id(element_id)
            problems += differs(element_id, [node.get_attribute("textContent"),
                                             node.accessible_name], [name, name])
        self.check("menus: captions, names and roles", problems)

    def about(self):
        self.load()
        self.by_id("mnuHelp").click()
        seconds = self.js_async(ABOUT_TIMED)
        self.check(f"About closed itself after {seconds:.3f} s",
                   [] if 7.5 <= seconds <= 8.0 else ["outside 7.5-8.0 s"])

    def list_result(self, act, timeout=10):
        """Runs act and waits for the list tool's next result."""
        self.js('document.getElementById("listStatus").textContent = ""')
        act()
        WebDriverWait(self.driver, timeout).until(
            lambda d: self.by_id("listStatus").get_attribute("textContent"))

    def paste(self, text, ea=False):
        self.list_result(lambda: self.js(PASTE, text, ea))

    def convert_as(self, choice, text, *options):
        """zembra-convert's run on text, and the page's on the same with the format chosen
        (and Extended Addressing with --ea)."""
        native = subprocess.run([self.convert, *options], input=text.encode(),
                                capture_output=True)
        menu = Select(self.by_id("listFormat"))
        if choice:
            menu.select_by_value(choice)
        else:
            menu.select_by_index(0)  # the default
        self.paste(text, "--ea" in options)
        return native

    def list_tool(self):
        self.load()
        with tempfile.TemporaryDirectory() as workdir:
            listing = pathlib.Path(workdir) / "county-fire.csv"
            listing.write_bytes(LISTING.encode())
            native = subprocess.run([self.convert, "--csv", "--format", "dsd", listing.name],
                                    cwd=workdir, capture_output=True)
            Select(self.by_id("listFormat")).select_by_value("dsd")
            self.list_result(lambda: self.by_id("listFile").send_keys(str(listing)))
            shown = [self.by_id("listFileName").text, self.by_id("listInput").is_displayed()]
        self.compare_list("listing file as dsd", native, "-dsd", differs(
            "the file shown", shown, [f"county-fire.csv, {len(LISTING.encode())} bytes", False]))
        self.by_id("listFileClear").click()
        # The default (None) takes a plain list as lines and a listing as a
        # table; a textarea holds its lines with "\n" alone.
        pasted = LISTING.replace("\r\n", "\n")
        for name, choice, text, options, written in (
                ("pasted IDs as lines:afs", "lines:afs", PASTED, ["--to=afs"], "-lines-afs"),
                ("the default output of one ID a line", None, PASTED, ["--auto"], "-lines.txt"),
                ("the default output of a listing", None, pasted, ["--auto"], "-table.csv"),
                ("a listing as dsd-neo", "dsd-neo", pasted, ["--csv", "--format=dsd-neo"],
                 "-dsd-neo.csv"),
                ("a listing as dsd-fme", "dsd-fme", pasted, ["--csv", "--format=dsd-fme"],
                 "-dsd-fme.csv"),
                ("Extended Addressing IDs as lines", "lines", PASTED, ["--ea"], "-lines.txt"),
                ("an Extended Addressing listing as dsd-neo", "dsd-neo", pasted,
                 ["--csv", "--format=dsd-neo", "--ea"], "-dsd-neo.csv")):
            self.compare_list(name, self.convert_as(choice, text, *options), written)
        words = [self.by_id("listEaLabel").text] + [
            option.text for option in Select(self.by_id("listFormat")).options]
        self.check("list tool: the choices are worded for people, with no options' flags",
                   differs("flags", [w for w in words if "--" in w], []))
        # A failure: the status in the detail line, nothing to download.
        self.convert_as("table", PASTED)
        link = self.by_id("listDownload")
        self.check("list tool: a failure offers no download", differs(
            "status, link, disabled", [self.by_id("listStatus").text, link.get_attribute("href"),
                                       link.get_attribute("aria-disabled")], ["2", None, "true"]))

    def set_split(self, split):
        self.list_result(lambda: self.js(
            'const s = document.getElementById("listSplit");'
            's.value = arguments[0]; s.dispatchEvent(new Event("input"))', split))

    def fleetmap(self):
        self.load()
        ids = sorted({int(line.split(",")[0]) for line in MAP_LISTING.splitlines()[1:]})
        self.paste(MAP_LISTING)
        for split, marks in (("4:4:3", {16: "F", 128: "A", 136: "F", 256: "A"}),
                             ("3:4:4", {16: "F", 128: "F", 256: "A"})):
            self.set_split(split)
            a, f, s = (int(bits) for bits in split.split(":"))
            columns = 1 << (s + 1) // 2
            # Cell origins: 32 px of agency numbers, 14 px cells, 4 px between blocks.
            at = [[32 + ((i >> s) & ((1 << f) - 1)) * (columns * 14 + 4) + (i % (1 << s)) %
                   columns * 14, (i >> (f + s)) * ((1 << s) // columns * 14 + 4) +
                   (i % (1 << s)) // columns * 14] for i in ids]
            seen = self.js(MAP)
            self.check(f"map under {split}: blocks, cells, places, call marks", differences(
                ("shown, under the split", [seen["shown"], f"under {split}" in seen["caption"]],
                 [True, True]), ("blocks", seen["blocks"], 1 << (a + f)),
                ("filled", seen["ids"], ids), ("places", seen["at"], at),
                ("marks", seen["marks"], [marks[i] for i in ids if i in marks])))
        self.set_split("4:4:3")
        cell = self.driver.find_element(By.CSS_SELECTOR, '#fleetmapBox [data-id="1234"]')
        self.js('arguments[0].scrollIntoView({block: "nearest", inline: "nearest"})', cell)
        ActionChains(self.driver).move_to_element(cell).perform()
        self.wait(2, lambda: self.js(MAP)["named"])
        hovered = [self.js(MAP)["named"], self.js(
            'return arguments[0].querySelector("title")?.textContent', cell)]
        self.js('document.getElementById("fleetmapBox").focus()')
        keyed = []
        for key in (Keys.END, Keys.HOME, Keys.ARROW_RIGHT, Keys.ARROW_LEFT, Keys.ARROW_LEFT):
            ActionChains(self.driver).send_keys(key).perform()
            keyed.append(self.js(MAP)["named"])
        self.check("map: hover and keys name the talk group", differences(
            ("hover, title", hovered, ["1234, 09-102, FD Disp"] * 2),
            ("End, Home, Right, Left, Left", keyed, [
                "1234, 09-102, FD Disp", "16, 00-020, SO Disp, fleet call",
                "128, 01-000, PD All, agency call", "16, 00-020, SO Disp, fleet call",
                "16, 00-020, SO Disp, fleet call"])))
        self.set_split("2:4:5")
        best = self.by_id("fleetmapApply").text.rsplit(" ", 1)[-1]
        self.list_result(lambda: self.by_id("fleetmapApply").click())
        self.check(f"map: one click applies the best split, {best}", differs(
            "split, drawn under it", [self.value("listSplit"), f"under {best}" in
                                      self.js(MAP)["caption"]], [best, True]))
        self.screen(320)
        self.load()
        self.paste(MAP_LISTING)
        page, scrolled, shown = self.js(MAP)["widths"]
        self.screen()
        self.check(f"map at 320 px: the page {page} px wide, the map {scrolled} px in {shown} px",
                   differs("page within 320 px, the map scrolled in its box",
                           [page <= 320, scrolled > shown], [True, True]))
        for scheme, forced in (("light", "none"), ("dark", "none"), ("light", "active")):
            self.load(scheme, forced)
            self.paste(MAP_LISTING)
            box, cell, mark, outline = self.js(MAP_FILLS)
            self.check(f"map in the {scheme} scheme, forced colours {forced}: cells, marks, "
                       "outlines apart", differs(f"box {box}, cell {cell}, mark {mark}, outline "
                                                 f"{outline} apart", [box != cell, cell != mark,
                                                 box != outline], [True, True, True]))
        self.load()
        every = "Decimal,Alpha Tag\n" + "".join(f"{i},Group {i}\n" for i in range(2048))
        self.js(LONG_TASKS)
        self.paste(every)
        seen, longest = self.js(MAP), self.js("return longest")
        self.check(f"map of 2,048 talk groups drawn in {seen['drawn']:.1f} ms, longest task "
                   f"{longest:.0f} ms", differences(
            ("cells", len(seen["ids"]), 2048),
            ("no task over 50 ms", [seen["drawn"] <= 50, longest <= 50], [True, True])))

    def compare_list(self, name, native, file_end, problems=()):
        outcome = self.by_id("listOutcome").text
        # zembra-convert's last message is the outcome the page shows apart.
        messages = native.stderr.decode().replace("<stdin>:", "pasted:").splitlines()
        last = messages.pop() if messages else ""
        self.check(f"list tool: {name}, status {native.returncode}, {outcome!r}",
                   list(problems) + differences(
            ("download", base64.b64decode(self.js_async(FETCH, "listDownload")), native.stdout),
            ("listOutput", self.value("listOutput"), native.stdout.decode().replace("\r\n", "\n")),
            ("the file name ends in the format", file_end in self.by_id("listDownload")
             .get_attribute("download"), True),
            ("listStatus", self.text("listStatus"), str(native.returncode)),
            ("the outcome in words", "converted" in outcome and "status" not in outcome.lower(),
             True),
            ("the last message", last in ("", "zembra-convert: " + outcome), True),
            ("messages", self.text("listMessages").splitlines(), messages)))

    def screen(self, width=None):
        """A phone's screen of that width, or without one the desktop's."""
        if width:
            self.cdp("Emulation.setDeviceMetricsOverride", width=width, height=740,
                     deviceScaleFactor=2, mobile=True)
        else:
            self.cdp("Emulation.clearDeviceMetricsOverride")
        self.cdp("Emulation.setTouchEmulationEnabled", enabled=bool(width))

    def slow_network(self, slow):
        """A phone's network, uncached: the page paints before the module is in."""
        self.cdp("Network.enable")
        self.cdp("Network.setCacheDisabled", cacheDisabled=slow)
        self.cdp("Network.setBypassServiceWorker", bypass=slow)
        self.cdp("Network.emulateNetworkConditions", offline=False, latency=150 if slow else 0,
                 downloadThroughput=200000 if slow else -1,
                 uploadThroughput=100000 if slow else -1)

    def phones(self):
        for width in (320, 375):
            self.screen(width)
            self.slow_network(True)
            self.load()
            self.slow_network(False)
            shift = self.js_async(LAYOUT_SHIFT)
            frame = self.by_id("frmMain").rect["width"]
            font = float(self.by_id("txtDec").value_of_css_property("font-size")[:-2])
            problems = differences(
                (f"layout shift {shift:.3f} under 0.1", shift < 0.1, True),
                (f"window {frame} px wide, text {font} px", [frame >= 0.6 * width, font >= 16],
                 [True, True]), ("txtDec's keyboard has digits", self.by_id("txtDec")
                                 .get_attribute("inputmode") in ("decimal", "numeric"), True))
            for state, steps in (("closed", []), ("Action open", ["#mnuAction"]),
                                 ("Help open", ["#mnuHelp"]), ("Help box", ["#mnuHelpItems1"]),
                                 ("License box", [Keys.ESCAPE, "#mnuHelp", "#mnuHelpItems2"]),
                                 ("About", [Keys.ESCAPE, "#mnuHelp", "#mnuHelpItems3"])):
                self.steps(*steps)
                small, scrolled, box, cut = self.js(PHONE_LAYOUT)
                problems += differs(f"{state}: under 24 px, page width, box, cut lines",
                                    [small, scrolled <= width, not box or 0 <= box[0] <= box[1]
                                     <= width, cut], [[], True, True, False])
            self.check(f"phone {width} px: reflow, targets, sizes, boxes", problems)
        self.screen()

    def forced_colours(self):
        self.load(forced="active")
        self.steps("\b3000", "alt+a")
        menu = [self.by_id(i).value_of_css_property(p) for i, p in (
            ("mnuActionItems1", "background-color"), ("mnuActionMenu", "background-color"),
            ("mnuAction", "background-color"), ("menubar", "background-color"),
            ("txtAFS", "border-top-style"), ("txtHex", "border-top-style"))]
        seen = [self.js('return matchMedia("(forced-colors: active)").matches'),
                menu[0] != menu[1], menu[2] != menu[3], menu[4], menu[5] != "dashed"]
        self.check("forced colours: menu focus and the refused field stay visible", differs(
            f"forced; focused item, open title apart in {menu[:4]}; refused field's border, "
            "others' not dashed", seen, [True, True, True, "dashed", True]))

    def no_webassembly(self):
        script = self.cdp("Page.addScriptToEvaluateOnNewDocument",
                          source="delete window.WebAssembly;")
        self.driver.get(self.url)
        time.sleep(0.5)
        shown = [self.by_id("notice").text, self.by_id("frmMain").is_displayed()]
        self.cdp("Page.removeScriptToEvaluateOnNewDocument", **script)
        self.check("without WebAssembly the page says so", [] if "does not run WebAssembly"
                   in shown[0] and not shown[1] else [f"shows {shown}"])

    def accessibility(self):
        if not AXE.is_file() and shutil.which("npm"):  # into build/, never committed
            subprocess.run(["npm", "install", "--prefix", str(ROOT / "build/npm"), "--no-save",
                            "--no-package-lock", "--no-audit", "--no-fund", "-E",
                            f"axe-core@{AXE_VERSION}"], stdout=subprocess.DEVNULL)
        if not AXE.is_file():
            self.check("axe-core", [f"no {AXE}: npm (apt-get install npm) installs it"])
            return
        states = (("the list tool filled with its map, a refused input", ["\b3000"]),
                  ("a menu open", ["#mnuHelp"]), ("the Help box", ["alt+h", "h"]),
                  ("the License box", ["alt+h", "l"]), ("About", ["alt+h", "a"]))
        for width in (320, None):
            self.screen(width)
            problems = []
            for name, steps in states:
                self.load()
                self.steps(*steps)
                if name.startswith("the list tool"):
                    self.paste(LISTING)
                    problems += differs("the map shown", self.js(MAP)["shown"], True)
                self.js(AXE.read_text())
                problems += [f"{name}: {v}" for v in self.js_async(AXE_RUN)]
            self.check(f"axe at {width or 1000} px: {len(states)} states", problems)
        self.screen()

    def big_list(self):
        self.load()
        with tempfile.TemporaryDirectory() as workdir:
            listing = pathlib.Path(workdir) / "state-wide.csv"
            rows = [LISTING.splitlines()[0]] + [  # about 20 MB, a refused ID now and then
                f"{'x' if n % 997 == 0 else n % 2048},{n % 2048:03x},D,Tag {n},Group {n} of the "
                "state,Tag,State" for n in range(1, 400000)]
            listing.write_bytes(("\r\n".join(rows) + "\r\n").encode())
            native = subprocess.run([self.convert, "--csv", "--format", "table", listing.name],
                                    cwd=workdir, capture_output=True)
            Select(self.by_id("listFormat")).select_by_value("table")
            self.js(LONG_TASKS)
            started = time.monotonic()
            self.list_result(lambda: self.by_id("listFile").send_keys(str(listing)), timeout=60)
            seconds, longest = time.monotonic() - started, self.js("return longest")
        shown = self.text("listMessages").splitlines()
        # zembra-convert's last line is the outcome, which the page shows apart.
        *messages, last = native.stderr.decode().splitlines()
        every = base64.b64decode(self.js_async(FETCH, "listMessagesDownload")).decode()
        self.check(f"a {len(native.stdout) / 2**20:.0f} MB table in {seconds:.1f} s, longest task "
                   f"{longest:.0f} ms, {len(shown)} of {len(messages)} messages shown", differences(
            ("SHA-256", self.js_async(FETCH, "listDownload", 1),
             hashlib.sha256(native.stdout).hexdigest()),
            ("at most 20 s, no task over 200 ms", seconds <= 20 and longest <= 200, True),
            ("messages shown", shown, messages[:len(shown)]),
            ("more", self.by_id("listMoreCount").text,
             f"and {len(messages) - len(shown)} more messages."),
            ("messages in their download", every.splitlines(), messages),
            ("the outcome", last, "zembra-convert: " + self.by_id("listOutcome").text.split(";")[0])))
        # Cancel stops a conversion on its way and leaves nothing to download.
        self.js('const s = document.getElementById("listSplit");'
                's.value = "3:4:4"; s.dispatchEvent(new Event("input"))')
        self.by_id("listCancel").click()
        self.check("Cancel stops the conversion", differs(
            "outcome, link, progress", [self.by_id("listOutcome").text,
                                        self.by_id("listDownload").get_attribute("href"),
                                        self.by_id("listProgress").is_displayed()],
            ["Conversion cancelled: nothing to download.", None, False]))

    def offline(self):
        """After one visit the page works with the server gone; a new build's service
        worker replaces the old cache."""
        with tempfile.TemporaryDirectory() as copy:
            shutil.copytree(self.page, copy, dirs_exist_ok=True)
            server, url = serve(copy)
            self.load(url=url)
            first = self.js_async(CACHES)
            worker = pathlib.Path(copy) / "sw.js"
            worker.write_text(worker.read_text().replace(first[0], "zembra-next")
                              if first else "")
            self.js("navigator.serviceWorker.getRegistration().then((r) => r.update())")
            self.wait(10, lambda: self.js_async(CACHES) == ["zembra-next"])
            problems = differs("caches", self.js_async(CACHES), ["zembra-next"])
            server.shutdown()
            server.server_close()
            self.load(url=url)
            self.check(f"offline after one visit; a new build's cache replaces {first}",
                       problems + self.converts())

    def converts(self):
        """What differs in a conversion in the window and in the list tool."""
        self.steps("\b1234")
        self.paste("2047\n")
        return differs("the page shows", [self.value("txtAFS"), self.value("listOutput")],
                       ["09-102", "2047\t15-157\t7FF\n"])

    def single_file(self):
        with tempfile.TemporaryDirectory() as downloads:
            html = pathlib.Path(downloads) / "zembra.html"
            html.write_bytes((self.page / "zembra.html").read_bytes())
            size = len(gzip.compress(html.read_bytes(), 9))
            self.load(url=html.as_uri())
            problems = self.converts()
            self.steps("alt+h", "a")
            problems += differs("About's picture", self.js(
                'const i = document.querySelector("#frmAbout img");'
                "return i && i.complete && i.naturalWidth"), 320)
            if size >= 200 * 1024:
                problems.append(f"{size} bytes gzipped")
            # The page of many files from disk points to the one file.
            self.driver.get((self.page / "index.html").as_uri())
            time.sleep(0.5)
            if "zembra.html" not in self.by_id("notice").text:
                problems.append(f"index.html from disk says {self.by_id('notice').text!r}")
            self.check(f"zembra.html from file://, {size / 1024:.0f} KB gzipped", problems)

    def legibility(self):
        for scheme in ("light", "dark"):
            self.load(scheme)
            problems, cases = [], 0
            for steps, ids in LEGIBLE:
                self.steps(*steps)
                for text, layers in (self.js(COLOURS, i) for i in ids):
                    cases += 1
                    if contrast(text, layers) < 4.5:
                        problems.append(f"after {steps}: {contrast(text, layers):.2f}:1, "
                                        f"{text} on {layers}")
            self.check(f"contrast in the {scheme} scheme, {cases} cases", problems)


def main():
    if len(sys.argv) != 3:
        sys.exit(f"usage: {__file__} PAGE_DIR|URL NATIVE_BUILD_DIR")
    started, where, native = time.monotonic(), sys.argv[1], pathlib.Path(sys.argv[2]).resolve()
    page = None if where.startswith("http://") else pathlib.Path(where).resolve()
    if page and not (page / "index.html").is_file():
        sys.exit(f"{__file__}: no page in {page}; scripts/web --build")
    server, url = serve(page) if page else (None, where.rstrip("/") + "/")
    profile = tempfile.TemporaryDirectory()
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update",
                 "--disable-sync", "--window-size=1000,900", "--user-data-dir=" + profile.name):
        options.add_argument(flag)
    driver = webdriver.Chrome(service=webdriver.chrome.service.Service("/usr/bin/chromedriver"),
                              options=options)
    test = PageTest(driver, url, page, native)
    runs = [test.typed_sequences, test.window, test.menus, test.list_tool, test.fleetmap,
            test.legibility, test.about, test.phones, test.forced_colours, test.no_webassembly,
            test.accessibility, test.big_list]
    # The page's files, and stopping the server, are only in this test's
    # hands when it serves the page.
    runs += [test.single_file, test.offline] if page else []
    chosen = os.environ.get("ZEMBRA_WEB_CHECKS", "")
    # A name that matches nothing would run nothing and pass.
    unknown = set(chosen.split(",")) - {run.__name__ for run in runs} if chosen else set()
    try:
        test.load()
        test.check("page title", differs("title", driver.title, "Zembra"))
        if unknown:
            test.check("ZEMBRA_WEB_CHECKS", [f"no check {name} in this run" for name in unknown])
        for run in runs:
            name = run.__name__
            try:
                if not chosen or name in chosen.split(","):
                    run()
            except Exception as error:  # a missing element, a script error, a time-out
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
