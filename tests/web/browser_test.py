#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# The built web page in headless Chromium, a pytest suite:
#   tests/web/browser_test.py PAGE_DIR|URL NATIVE_BUILD_DIR [PYTEST-ARGS, e.g. -k list_tool]
# (a URL tests a page served there), or python3 -m pytest on it for build/web
# and build/release. The window's states per keystroke and
# its dialogs are data (page_cases.json); the list tool is compared byte for
# byte with zembra-convert of NATIVE_BUILD_DIR. Beside them: the map, phones'
# screens, forced colours, contrast, axe-core (from npm, into build/npm) and
# a 20 MB listing; when it serves the page itself, also zembra.html from
# file:// and the page offline. /usr/bin/python3, as Debian's python3-selenium
# and python3-pytest belong to it.

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
import threading
import time

import pytest
from selenium import webdriver
from selenium.common.exceptions import TimeoutException
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import Select, WebDriverWait

ROOT = pathlib.Path(__file__).resolve().parents[2]
CASES = json.loads((pathlib.Path(__file__).parent / "page_cases.json").read_text())
FIELDS = ("txtDec", "txtAFS", "txtHex")
LISTING, PASTED, MAP_LISTING = CASES["listing"], CASES["pasted"], CASES["map_listing"]
AXE = ROOT / "build/npm/node_modules/axe-core/axe.min.js"
AXE_VERSION = "4.14.1"

# The map box's background, a filled cell's fill, a call mark's and the
# fleets' outline: the cell stands out from the box, the mark from the
# cell and the outline from the box in every palette.
MAP_FILLS = """const box = document.getElementById("fleetmapBox"), style = (s) =>
  getComputedStyle(box.querySelector(s));
return [getComputedStyle(box).backgroundColor, style(".group").fill, style(".mark").fill,
        style(".fleet").stroke];"""
# The talk-group map: shown, its split, the fleets' blocks, where the
# filled cells lie, the call marks' letters and places, the named talk
# group, the page's and the map box's widths (scrolled and shown), the
# elements it takes, and how long the last drawing took in ms.
MAP = """const $ = (id) => document.getElementById(id), box = $("fleetmapBox");
const squares = (path) => [...(box.querySelector(path)?.getAttribute("d") ?? "")
  .matchAll(/M([\\d.]+) ([\\d.]+)/g)].map((m) => [Number(m[1]), Number(m[2])]);
const numbers = (mark, axis) => mark.getAttribute(axis).split(" ").map(Number);
return {shown: !$("fleetmap").hidden, caption: $("fleetmapCaption").textContent,
  blocks: squares(".fleet").length, at: squares(".group"),
  marks: [...box.querySelectorAll(".mark")].flatMap((mark) => [...mark.textContent].map(
    (letter, i) => [letter, numbers(mark, "x")[i] - 7, numbers(mark, "y")[i] - 11])),
  elements: box.querySelectorAll("*").length, title: $("fleetmapTitle")?.textContent,
  named: $("fleetmapActive").textContent,
  widths: [document.documentElement.scrollWidth, box.scrollWidth, box.clientWidth],
  drawn: performance.getEntriesByName("zembra-fleetmap").at(-1)?.duration};"""

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


class Page:
    """The page in the module's one Chromium, and the native build beside it."""

    def __init__(self, driver, url, files, native):
        self.driver, self.url, self.files = driver, url, files
        self.convert = native / "cli/zembra-convert"
        self.js, self.js_async = driver.execute_script, driver.execute_async_script

    def cdp(self, command, **params):
        return self.driver.execute_cdp_cmd(command, params)

    def by_id(self, element_id):
        return self.driver.find_element(By.ID, element_id)

    def text(self, element_id):
        return self.by_id(element_id).get_attribute("textContent")

    def value(self, element_id):
        return self.by_id(element_id).get_attribute("value")

    def slow_network(self, slow):
        """A phone's network, uncached, or the machine's own again."""
        self.cdp("Network.enable")
        self.cdp("Network.setCacheDisabled", cacheDisabled=slow)
        self.cdp("Network.setBypassServiceWorker", bypass=slow)
        self.cdp("Network.emulateNetworkConditions", offline=False, latency=150 if slow else 0,
                 downloadThroughput=200000 if slow else -1,
                 uploadThroughput=100000 if slow else -1)

    def until(self, condition, seconds=10):
        """The condition's first true value; its last one if the seconds run out."""
        try:
            return WebDriverWait(self.driver, seconds).until(lambda d: condition())
        except TimeoutException:
            return condition()

    def load(self, scheme="light", forced="none", url=None):
        self.cdp("Emulation.setEmulatedMedia",
                 features=[{"name": "prefers-color-scheme", "value": scheme},
                           {"name": "forced-colors", "value": forced}])
        self.driver.get(url or self.url)
        assert self.until(lambda: self.js(
            'return performance.getEntriesByName("zembra-ready").length > 0'))

    def steps(self, *steps):
        """A CSS selector to click ("#id", "dialog..."), "alt+x" an access key, "<id" a
        click at the start of a field, "|" the other Action item, or keys typed where
        the focus is ("\\b" a backspace)."""
        for step in steps:
            actions = ActionChains(self.driver)
            if step == "|":
                self.steps("#mnuAction", "#mnuActionItems1")
            elif step.startswith(("#", "dialog")):
                self.driver.find_element(By.CSS_SELECTOR, step).click()
            elif step.startswith("alt+"):
                actions.key_down(Keys.ALT).send_keys(step[4:]).key_up(Keys.ALT).perform()
            elif step.startswith("<"):
                node = self.by_id(step[1:])
                actions.move_to_element_with_offset(node, 4 - node.rect["width"] // 2, 0) \
                    .click().perform()
            else:
                actions.send_keys(step.replace("\b", Keys.BACK_SPACE)).perform()

    def screen(self, width=None):
        """A phone's screen of that width, or without one the desktop's."""
        if width:
            self.cdp("Emulation.setDeviceMetricsOverride", width=width, height=740,
                     deviceScaleFactor=2, mobile=True)
        else:
            self.cdp("Emulation.clearDeviceMetricsOverride")
        self.cdp("Emulation.setTouchEmulationEnabled", enabled=bool(width))

    def list_result(self, act, timeout=10):
        """Runs act and waits for the list tool's next result."""
        self.js('document.getElementById("listStatus").textContent = ""')
        act()
        WebDriverWait(self.driver, timeout).until(lambda d: self.text("listStatus"))

    def paste(self, text, ea=False):
        self.list_result(lambda: self.js(PASTE, text, ea))

    def set_split(self, split):
        self.list_result(lambda: self.js(
            'const s = document.getElementById("listSplit");'
            's.value = arguments[0]; s.dispatchEvent(new Event("input"))', split))

    def converts(self):
        """A conversion in the window and in the list tool."""
        self.steps("\b1234")
        self.paste("2047\n")
        assert [self.value("txtAFS"), self.value("listOutput")] == \
            ["09-102", "2047\t15-157\t7FF\n"]


@pytest.fixture(scope="module")
def browser(tmp_path_factory):
    where = os.environ.get("ZEMBRA_PAGE", str(ROOT / "build/web"))
    files = None if where.startswith("http://") else pathlib.Path(where).resolve()
    if files and not (files / "index.html").is_file():
        pytest.exit(f"no page in {files}; scripts/web --build", 2)
    server, url = serve(files) if files else (None, where.rstrip("/") + "/")
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update",
                 "--disable-sync", "--window-size=1000,900",
                 f"--user-data-dir={tmp_path_factory.mktemp('profile')}"):
        options.add_argument(flag)
    driver = webdriver.Chrome(service=webdriver.chrome.service.Service("/usr/bin/chromedriver"),
                              options=options)
    native = pathlib.Path(os.environ.get("ZEMBRA_NATIVE", str(ROOT / "build/release")))
    yield Page(driver, url, files, native.resolve())
    driver.quit()
    if server:
        server.shutdown()


@pytest.fixture(autouse=True)
def desktop(browser):
    """Each test starts on the desktop's screen."""
    browser.screen()


@pytest.fixture
def page(browser):
    """The page loaded afresh."""
    browser.load()
    return browser


@pytest.fixture
def own_files(browser):
    """The page's files, which only a page this test serves puts in its hands."""
    if not browser.files:
        pytest.skip("the page is served from elsewhere")
    return browser.files


def test_title(page):
    assert page.driver.title == "Zembra"


@pytest.mark.parametrize("case", CASES["typed"], ids=lambda c: c["name"])
def test_typed(page, case):
    keys = case["keys"]
    for step, want in enumerate(case["states"]):
        if step:
            page.steps(keys[step - 1])
        assert page.js(SNAPSHOT, FIELDS) == want, f"after {keys[:step]!r}"


@pytest.mark.parametrize("group", CASES["window"], ids=lambda g: g[0][0])
def test_window(page, group):
    for name, steps, want in group:
        page.steps(*steps)
        probe = lambda: {k: v for k, v in page.js(PROBE).items() if k in want}
        page.until(lambda: probe() == want, 3)  # the live region waits for a pause
        assert probe() == want, name


def test_menus(page):
    roles = page.js("return Object.fromEntries([...document.querySelectorAll("
                    "'[role=menubar] [role^=menuitem]')].map((n) => [n.id, n.role]))")
    assert roles == {i: "menuitemcheckbox" if "ActionItems" in i else "menuitem"
                     for i in CASES["menus"]}
    for element_id, name in CASES["menus"].items():
        if element_id.endswith("Items1"):  # hidden items have no accessible name
            page.steps(Keys.ESCAPE, "#" + element_id[:-6])
        node = page.by_id(element_id)
        assert [node.get_attribute("textContent"), node.accessible_name] == [name, name]


def test_about_closes_itself(page):
    page.by_id("mnuHelp").click()
    assert 7.5 <= page.js_async(ABOUT_TIMED) <= 8.0


def compare_list(page, native, file_end):
    outcome = page.by_id("listOutcome").text
    # zembra-convert's last message is the outcome the page shows apart.
    messages = native.stderr.decode().replace("<stdin>:", "pasted:").splitlines()
    last = messages.pop() if messages else ""
    assert base64.b64decode(page.js_async(FETCH, "listDownload")) == native.stdout
    assert page.value("listOutput") == native.stdout.decode().replace("\r\n", "\n")
    assert file_end in page.by_id("listDownload").get_attribute("download")
    assert page.text("listStatus") == str(native.returncode)
    assert "converted" in outcome and "status" not in outcome.lower(), outcome
    assert last in ("", "zembra-convert: " + outcome)
    assert page.text("listMessages").splitlines() == messages


def test_list_tool_file(page, tmp_path):
    listing = tmp_path / "county-fire.csv"
    listing.write_bytes(LISTING.encode())
    native = subprocess.run([page.convert, "--csv", "--format", "dsd", listing.name],
                            cwd=tmp_path, capture_output=True)
    Select(page.by_id("listFormat")).select_by_value("dsd")
    page.list_result(lambda: page.by_id("listFile").send_keys(str(listing)))
    assert [page.by_id("listFileName").text, page.by_id("listInput").is_displayed()] == \
        [f"county-fire.csv, {len(LISTING.encode())} bytes", False]
    compare_list(page, native, "-dsd")
    words = [page.by_id("listEaLabel").text] + [
        option.text for option in Select(page.by_id("listFormat")).options]
    assert [w for w in words if "--" in w] == [], "choices worded for people, without flags"


def convert_as(page, choice, text, options):
    """zembra-convert's run on text, and the page's on the same with the format chosen
    (the default without one, and Extended Addressing with --ea)."""
    native = subprocess.run([page.convert, *options], input=text.encode(), capture_output=True)
    menu = Select(page.by_id("listFormat"))
    menu.select_by_value(choice) if choice else menu.select_by_index(0)
    page.paste(text, "--ea" in options)
    return native


# The default (null) takes a plain list as lines and a listing as a table; a
# textarea holds its lines with "\n" alone.
@pytest.mark.parametrize("choice, text, options, written", CASES["list_tool"],
                         ids=[" ".join([str(c[0]), *c[2]]) for c in CASES["list_tool"]])
def test_list_tool(page, choice, text, options, written):
    text = CASES[text].replace("\r\n", "\n")
    compare_list(page, convert_as(page, choice, text, options), written)


def test_list_tool_failure_offers_no_download(page):
    convert_as(page, "table", PASTED, [])
    link = page.by_id("listDownload")
    assert [page.by_id("listStatus").text, link.get_attribute("href"),
            link.get_attribute("aria-disabled")] == ["2", None, "true"]


def cell_origins(split, ids):
    """32 px of agency numbers, 14 px cells, 4 px between blocks."""
    a, f, s = (int(bits) for bits in split.split(":"))
    columns = 1 << (s + 1) // 2
    return [[32 + ((i >> s) & ((1 << f) - 1)) * (columns * 14 + 4) + (i % (1 << s)) % columns * 14,
             (i >> (f + s)) * ((1 << s) // columns * 14 + 4) + (i % (1 << s)) // columns * 14]
            for i in ids]


@pytest.mark.parametrize("split", CASES["map_marks"])
def test_map_under_split(page, split):
    ids = sorted({int(line.split(",")[0]) for line in MAP_LISTING.splitlines()[1:]})
    page.paste(MAP_LISTING)
    page.set_split(split)
    seen = page.js(MAP)
    assert [seen["shown"], f"under {split}" in seen["caption"]] == [True, True]
    a, f, s = (int(bits) for bits in split.split(":"))
    assert seen["blocks"] == 1 << (a + f)
    assert seen["at"] == cell_origins(split, ids)
    marks = CASES["map_marks"][split]
    assert sorted(seen["marks"]) == sorted([mark, *cell_origins(split, [int(i)])[0]]
                                           for i, mark in marks.items())


def test_map_names_and_best_split(page):
    page.paste(MAP_LISTING)
    # The pointer on the middle of 1234's cell, brought into view.
    x, y = (at + 7 for at in cell_origins("4:4:3", [1234])[0])
    left, top = page.js('const svg = document.querySelector("#fleetmapBox svg");'
                        'svg.scrollIntoView({block: "nearest"});'
                        'svg.parentNode.scrollLeft = arguments[0] - 100;'
                        'const at = svg.getBoundingClientRect(); return [at.left, at.top]', x)
    pointer = ActionBuilder(page.driver)
    pointer.pointer_action.move_to_location(int(left + x), int(top + y))
    pointer.perform()
    page.until(lambda: page.js(MAP)["named"], 2)
    assert [page.js(MAP)["named"], page.js(MAP)["title"]] == ["1234, 09-102, FD Disp"] * 2
    page.js('document.getElementById("fleetmapBox").focus()')
    keyed = []
    for key in (Keys.END, Keys.HOME, Keys.ARROW_RIGHT, Keys.ARROW_LEFT, Keys.ARROW_LEFT):
        ActionChains(page.driver).send_keys(key).perform()
        keyed.append(page.js(MAP)["named"])
    fleet, agency = "16, 00-020, SO Disp, fleet call", "128, 01-000, PD All, agency call"
    assert keyed == ["1234, 09-102, FD Disp", fleet, agency, fleet, fleet]
    page.set_split("2:4:5")
    best = page.by_id("fleetmapApply").text.rsplit(" ", 1)[-1]
    page.list_result(lambda: page.by_id("fleetmapApply").click())
    assert [page.value("listSplit"), f"under {best}" in page.js(MAP)["caption"]] == [best, True]


def test_map_on_a_phone(browser):
    browser.screen(320)
    browser.load()
    browser.paste(MAP_LISTING)
    width, scrolled, shown = browser.js(MAP)["widths"]
    assert width <= 320 and scrolled > shown


@pytest.mark.parametrize("scheme, forced", [("light", "none"), ("dark", "none"),
                                            ("light", "active")])
def test_map_colours_apart(browser, scheme, forced):
    browser.load(scheme, forced)
    browser.paste(MAP_LISTING)
    box, cell, mark, outline = browser.js(MAP_FILLS)
    assert box != cell and cell != mark and box != outline, [box, cell, mark, outline]


def test_map_of_every_talk_group(page):
    page.js(LONG_TASKS)
    page.paste("Decimal,Alpha Tag\n" + "".join(f"{i},Group {i}\n" for i in range(2048)))
    seen, longest = page.js(MAP), page.js("return longest")
    assert len(seen["at"]) == 2048 and seen["elements"] < 100
    assert seen["drawn"] <= 50 and longest <= 50, [seen["drawn"], longest]


@pytest.mark.parametrize("scheme", ["light", "dark"])
def test_contrast(browser, scheme):
    browser.load(scheme)
    for steps, ids in CASES["legible"]:
        browser.steps(*steps)
        for text, layers in (browser.js(COLOURS, i) for i in ids):
            assert contrast(text, layers) >= 4.5, f"after {steps}: {text} on {layers}"


@pytest.mark.parametrize("width", [320, 375])
def test_phone(browser, width):
    """On a phone's network, uncached: the page paints before the module is in."""
    browser.screen(width)
    browser.slow_network(True)
    browser.load()
    browser.slow_network(False)
    assert browser.js_async(LAYOUT_SHIFT) < 0.1
    font = float(browser.by_id("txtDec").value_of_css_property("font-size")[:-2])
    assert browser.by_id("frmMain").rect["width"] >= 0.6 * width and font >= 16
    assert browser.by_id("txtDec").get_attribute("inputmode") in ("decimal", "numeric")
    for state, steps in CASES["phone"]:
        browser.steps(*steps)
        small, scrolled, box, cut = browser.js(PHONE_LAYOUT)
        assert [small, scrolled <= width, not box or 0 <= box[0] <= box[1] <= width, cut] == \
            [[], True, True, False], state


def test_forced_colours(browser):
    browser.load(forced="active")
    browser.steps("\b3000", "alt+a")
    menu = [browser.by_id(i).value_of_css_property(p) for i, p in (
        ("mnuActionItems1", "background-color"), ("mnuActionMenu", "background-color"),
        ("mnuAction", "background-color"), ("menubar", "background-color"),
        ("txtAFS", "border-top-style"), ("txtHex", "border-top-style"))]
    assert browser.js('return matchMedia("(forced-colors: active)").matches')
    # The focused item and the open title apart; the refused field's border alone dashed.
    assert [menu[0] != menu[1], menu[2] != menu[3], menu[4], menu[5] != "dashed"] == \
        [True, True, "dashed", True], menu


def test_without_webassembly(browser):
    script = browser.cdp("Page.addScriptToEvaluateOnNewDocument", source="delete window.WebAssembly;")
    browser.driver.get(browser.url)
    notice = browser.until(lambda: browser.by_id("notice").text)
    shown = browser.by_id("frmMain").is_displayed()
    browser.cdp("Page.removeScriptToEvaluateOnNewDocument", **script)
    assert "does not run WebAssembly" in notice and not shown, [notice, shown]


@pytest.mark.parametrize("width", [320, None])
def test_axe(browser, width):
    if not AXE.is_file() and shutil.which("npm"):  # into build/, never committed
        subprocess.run(["npm", "install", "--prefix", str(ROOT / "build/npm"), "--no-save",
                        "--no-package-lock", "--no-audit", "--no-fund", "-E",
                        f"axe-core@{AXE_VERSION}"], stdout=subprocess.DEVNULL)
    assert AXE.is_file(), "npm (apt-get install npm) installs axe-core"
    browser.screen(width)
    for name, steps in CASES["axe"]:
        browser.load()
        browser.steps(*steps)
        if name.startswith("the list tool"):
            browser.paste(LISTING)
            assert browser.js(MAP)["shown"]
        browser.js(AXE.read_text())
        assert browser.js_async(AXE_RUN) == [], name


def test_big_list_and_cancel(page, tmp_path):
    listing = tmp_path / "state-wide.csv"
    rows = [LISTING.splitlines()[0]] + [  # about 20 MB, a refused ID now and then
        f"{'x' if n % 997 == 0 else n % 2048},{n % 2048:03x},D,Tag {n},Group {n} of the "
        "state,Tag,State" for n in range(1, 400000)]
    listing.write_bytes(("\r\n".join(rows) + "\r\n").encode())
    native = subprocess.run([page.convert, "--csv", "--format", "table", listing.name],
                            cwd=tmp_path, capture_output=True)
    Select(page.by_id("listFormat")).select_by_value("table")
    page.js(LONG_TASKS)
    started = time.monotonic()
    page.list_result(lambda: page.by_id("listFile").send_keys(str(listing)), timeout=60)
    seconds, longest = time.monotonic() - started, page.js("return longest")
    shown = page.text("listMessages").splitlines()
    # zembra-convert's last line is the outcome, which the page shows apart.
    *messages, last = native.stderr.decode().splitlines()
    assert page.js_async(FETCH, "listDownload", 1) == hashlib.sha256(native.stdout).hexdigest()
    assert seconds <= 20 and longest <= 200, [seconds, longest]
    assert shown == messages[:len(shown)]
    assert page.by_id("listMoreCount").text == f"and {len(messages) - len(shown)} more messages."
    every = base64.b64decode(page.js_async(FETCH, "listMessagesDownload")).decode()
    assert every.splitlines() == messages
    assert last == "zembra-convert: " + page.by_id("listOutcome").text.split(";")[0]
    # Cancel stops a conversion on its way and leaves nothing to download.
    page.js('const s = document.getElementById("listSplit");'
            's.value = "3:4:4"; s.dispatchEvent(new Event("input"))')
    page.by_id("listCancel").click()
    assert [page.by_id("listOutcome").text, page.by_id("listDownload").get_attribute("href"),
            page.by_id("listProgress").is_displayed()] == \
        ["Conversion cancelled: nothing to download.", None, False]


def test_single_file(browser, own_files, tmp_path):
    html = tmp_path / "zembra.html"
    html.write_bytes((own_files / "zembra.html").read_bytes())
    assert len(gzip.compress(html.read_bytes(), 9)) < 200 * 1024
    browser.load(url=html.as_uri())
    browser.converts()
    browser.steps("alt+h", "a")
    assert browser.js('const i = document.querySelector("#frmAbout img");'
                   "return i && i.complete && i.naturalWidth") == 320
    # The browser of many files from disk points to the one file.
    browser.driver.get((own_files / "index.html").as_uri())
    assert "zembra.html" in browser.until(lambda: browser.by_id("notice").text)


def test_offline(browser, own_files, tmp_path):
    """After one visit the browser works with the server gone; a new build's service
    worker replaces the old cache."""
    shutil.copytree(own_files, tmp_path, dirs_exist_ok=True)
    server, url = serve(tmp_path)
    browser.load(url=url)
    first = browser.js_async(CACHES)
    worker = tmp_path / "sw.js"
    worker.write_text(worker.read_text().replace(first[0], "zembra-next") if first else "")
    browser.js("navigator.serviceWorker.getRegistration().then((r) => r.update())")
    assert browser.until(lambda: browser.js_async(CACHES) == ["zembra-next"]), first
    server.shutdown()
    server.server_close()
    browser.load(url=url)
    browser.converts()


if __name__ == "__main__":
    if len(sys.argv) < 3:
        sys.exit(f"usage: {sys.argv[0]} PAGE_DIR|URL NATIVE_BUILD_DIR [PYTEST-ARGS]")
    sys.dont_write_bytecode = True  # nothing written beside the sources
    os.environ["ZEMBRA_PAGE"], os.environ["ZEMBRA_NATIVE"] = sys.argv[1:3]
    sys.exit(pytest.main([__file__, "-p", "no:cacheprovider", "-q", *sys.argv[3:]]))
