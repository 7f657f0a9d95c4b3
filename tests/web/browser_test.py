#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# The built web page in headless Chromium, compared with the native core
# (zembra_core_trace) and the batch converter (zembra-convert):
#   tests/web/browser_test.py [PAGE_DIR|URL [NATIVE_BUILD_DIR]]
# (build/web and build/release by default; a URL tests a page served there). Prints one line per check
# and exits 1 when one fails. /usr/bin/python3, as Debian's python3-selenium
# belongs to it.

import base64
import functools
import http.server
import json
import pathlib
import subprocess
import sys
import tempfile
import threading
import time

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


class Quiet(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm"}

    def log_message(self, *args):
        pass


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

    def load(self, scheme="light"):
        self.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {
            "features": [{"name": "prefers-color-scheme", "value": scheme}]})
        self.driver.get(self.url)
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

    def list_tool(self):
        self.load()
        with tempfile.TemporaryDirectory() as workdir:
            listing = pathlib.Path(workdir) / "county-fire.csv"
            listing.write_bytes(LISTING.encode())
            native = subprocess.run([self.convert, "--csv", "--format", "dsd", listing.name],
                                    cwd=workdir, capture_output=True)
            Select(self.by_id("listFormat")).select_by_value("dsd")
            href = self.by_id("listDownload").get_attribute("href")
            self.by_id("listFile").send_keys(str(listing))
            WebDriverWait(self.driver, 5).until(
                lambda d: self.by_id("listDownload").get_attribute("href") != href)
        self.compare_list("listing file as dsd", native, messages=True)

        native = subprocess.run([self.convert, "--to", "afs"], input=PASTED.encode(),
                                capture_output=True)
        Select(self.by_id("listFormat")).select_by_value("lines:afs")
        self.js('document.getElementById("listInput").value = ""')
        self.by_id("listInput").send_keys(PASTED)
        self.compare_list("pasted IDs as lines:afs", native, messages=False)

    def compare_list(self, name, native, messages):
        problems = []
        got = self.driver.execute_async_script(FETCH_DOWNLOAD)
        got = got if got.startswith("error ") else base64.b64decode(got)
        if got != native.stdout:
            problems.append(f"download {got!r}, want {native.stdout!r}")
        shown = self.by_id("listOutput").get_attribute("value")
        if shown != native.stdout.decode().replace("\r\n", "\n"):
            problems.append(f"listOutput {shown!r}")
        if not self.by_id("listDownload").get_attribute("download"):
            problems.append("the download link has no file name")
        status = self.by_id("listStatus").get_attribute("value")
        if status != str(native.returncode):
            problems.append(f"listStatus {status}, want {native.returncode}")
        shown = self.by_id("listMessages").get_attribute("textContent").splitlines()
        if messages and shown != native.stderr.decode().splitlines():
            problems.append(f"messages {shown}, want {native.stderr.decode().splitlines()}")
        self.check(f"list tool: {name}, status {native.returncode}", problems)

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
    server = None
    if where.startswith("http://"):
        url = where
    else:
        page = pathlib.Path(where)
        if not (page / "index.html").is_file() or not (page / "index.html").stat().st_size:
            sys.exit(f"{__file__}: no page in {page}; scripts/web --build")
        server = http.server.ThreadingHTTPServer(
            ("127.0.0.1", 0), functools.partial(Quiet, directory=str(page)))
        threading.Thread(target=server.serve_forever, daemon=True).start()
        url = f"http://127.0.0.1:{server.server_port}/"
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
    try:
        test.load()
        test.check("page title", [] if driver.title == "Zembra" else [repr(driver.title)])
        for run in (test.typed_sequences, test.menus, test.caret, test.message_boxes,
                    test.list_tool,
                    test.legibility, test.about):
            try:
                run()
            except Exception as error:  # a missing element, a script error, a time-out
                test.check(f"{run.__name__} stopped", [str(error).strip().splitlines()[0]])
    finally:
        driver.quit()
        if server:
            server.shutdown()
        profile.cleanup()
    print(f"{test.failed} failed, {time.monotonic() - started:.1f} s")
    return 1 if test.failed else 0


if __name__ == "__main__":
    sys.exit(main())
