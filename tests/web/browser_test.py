#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# The built web page in headless Chromium, a pytest suite:
#   tests/web/browser_test.py PAGE_DIR|URL NATIVE_BUILD_DIR [PYTEST-ARGS, e.g. -k list_tool]
# (a URL tests a page served there), or python3 -m pytest on it for build/web
# and build/release. The cases are data (page_cases.json): the window's
# states per keystroke, its menus and dialogs, the map's, phones' screens,
# forced colours, contrast and axe-core's verdicts (axe-core from npm, into
# build/npm) as states reached by steps, and the list tool's runs, compared
# byte for byte with zembra-convert of NATIVE_BUILD_DIR, a 20 MB listing
# among them. Beside them: the About window's timing, the map under the
# pointer and with every talk group, a browser without WebAssembly; when it
# serves the page itself, also zembra.html from file:// and the page
# offline. /usr/bin/python3, as Debian's python3-selenium and python3-pytest
# belong to it.

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
import threading
import time

import pytest
from selenium import webdriver
from selenium.common.exceptions import TimeoutException
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import Select, WebDriverWait

ROOT = pathlib.Path(__file__).resolve().parents[2]
CASES = json.loads((pathlib.Path(__file__).parent / "page_cases.json").read_text())
AXE = ROOT / "build/npm/node_modules/axe-core/axe.min.js"

# The talk-group map: shown, its split, the fleets' blocks, where the
# filled cells lie, the call marks' letters and places ("calls"), the named talk
# group (under the map and as the picture's tip), whether the cell stands
# out from the box, the mark from the cell and the fleets' outline from the
# box, whether the page fits a screen of the width given while the map
# scrolls in its box,
# the elements it takes, and how long the last drawing took in ms.
MAP = """const $ = (id) => document.getElementById(id), box = $("fleetmapBox");
const squares = (path) => [...(box.querySelector(path)?.getAttribute("d") ?? "")
  .matchAll(/M([\\d.]+) ([\\d.]+)/g)].map((m) => [Number(m[1]), Number(m[2])]);
const numbers = (mark, axis) => mark.getAttribute(axis).split(" ").map(Number);
const paint = (node, property) =>
  getComputedStyle(node.nodeType ? node : box.querySelector(node))[property];
return {shown: !$("fleetmap").hidden, caption: $("fleetmapCaption").textContent,
  blocks: squares(".fleet").length, at: squares(".group"),
  calls: [...box.querySelectorAll(".mark")].flatMap((mark) => [...mark.textContent].map(
    (letter, i) => [letter, numbers(mark, "x")[i] - 7, numbers(mark, "y")[i] - 11])),
  elements: box.querySelectorAll("*").length, tip: $("fleetmapTitle")?.textContent,
  named: $("fleetmapActive").textContent, apart: box.querySelector(".mark") && [
    paint(box, "backgroundColor") !== paint(".group", "fill"),
    paint(".group", "fill") !== paint(".mark", "fill"),
    paint(box, "backgroundColor") !== paint(".fleet", "stroke")],
  fits: [document.documentElement.scrollWidth <= arguments[0], box.scrollWidth > box.clientWidth],
  drawn: performance.getEntriesByName("zembra-fleetmap").at(-1)?.duration};"""

# Brings the map's x into view; where the map's top left corner is then.
MAP_IN_VIEW = """const svg = document.querySelector("#fleetmapBox svg");
svg.scrollIntoView({block: "nearest"});
svg.parentNode.scrollLeft = arguments[0] - 100;
const at = svg.getBoundingClientRect();
return [at.left, at.top];"""

# The window's state: the page's title, the menu bar's items; each field's text, its background
# or "unpainted" without a colour of its own, whether it says it is invalid
# and whether it is disabled; the Action marks, the labels' captions, the
# upper input field, the enabled ones, whether a menu shows, the open
# dialog, the About's labels and picture, the live region's words, the
# list tool's split and those of its choices worded with a flag, the
# focused field's caret; in forced colours whether the focused item and the
# open title stand apart, and the refused and the other field's borders.
PROBE = """const $ = (id) => document.getElementById(id), rows = ["txtDec", "txtAFS"];
const dialog = document.querySelector("dialog[open]"), field = document.activeElement;
rows.sort((a, b) => $(a).getBoundingClientRect().y - $(b).getBoundingClientRect().y);
const css = (id, property) => getComputedStyle($(id))[property];
return {title: document.title, items: [...document.querySelectorAll(
    "[role=menubar] [role^=menuitem]")].map((item) => item.id),
  fields: ["txtDec", "txtAFS", "txtHex"].map((id) => [$(id).value,
    $(id).style.backgroundColor ? css(id, "backgroundColor") : "unpainted",
    $(id).ariaInvalid === "true", $(id).disabled]),
  forced: [matchMedia("(forced-colors: active)").matches,
    css("mnuActionItems1", "backgroundColor") !== css("mnuActionMenu", "backgroundColor"),
    css("mnuAction", "backgroundColor") !== css("menubar", "backgroundColor"),
    css("txtAFS", "borderTopStyle"), css("txtHex", "borderTopStyle")],
  marks: ["mnuActionItems1", "mnuActionItems2"].map((id) => $(id).ariaChecked),
  captions: [$("lblDec").textContent, $("lblAFS").textContent], upper: rows[0],
  split: $("listSplit").value, flagged: [$("listEaLabel").textContent,
    ...[...$("listFormat").options].map((option) => option.textContent)].filter((words) =>
    words.includes("--")),
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

# Chooses the split in the list tool, which converts again.
SPLIT = """const s = document.getElementById("listSplit");
s.value = arguments[0];
s.dispatchEvent(new Event("input"));"""

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

# On a phone of the width given: shown targets under 24 x 24 CSS px,
# whether the page fits its screen, the open box lies within it, and its cut lines scroll in no
# focusable region; whether the window takes most of the width, its fields
# have text of 16 px or more and bring up a keyboard with digits.
PHONE_LAYOUT = """const small = [], $ = (id) => document.getElementById(id), width = arguments[0];
for (const node of document.querySelectorAll("button, a[href], select, input, textarea, " +
    "[role=menuitem], [role=menuitemcheckbox], [tabindex]")) {
  const r = node.getBoundingClientRect();
  if (r.width && r.height && (r.width < 24 || r.height < 24)) {
    small.push(`${node.id || node.textContent} ${r.width.toFixed(1)}x${r.height.toFixed(1)}`);
  }
}
const box = document.querySelector("dialog[open]")?.getBoundingClientRect();
const text = document.querySelector("dialog[open] .message-text");
return {layout: [small, document.documentElement.scrollWidth <= width,
    !box || (0 <= box.left && box.left <= box.right && box.right <= width),
    !!text && text.scrollWidth > text.clientWidth && text.tabIndex < 0],
  phone: [$("frmMain").getBoundingClientRect().width >= 0.6 * width,
    parseFloat(getComputedStyle($("txtDec")).fontSize) >= 16,
    ["decimal", "numeric"].includes($("txtDec").inputMode)]};"""

# The sum of the layout shifts since navigation, as the CLS metric adds them.
LAYOUT_SHIFT = """const done = arguments[arguments.length - 1];
let sum = 0;
new PerformanceObserver((list) => list.getEntries().forEach((shift) => {
  sum += shift.hadRecentInput ? 0 : shift.value;
})).observe({type: "layout-shift", buffered: true});
setTimeout(() => done(sum), 300);"""

class Quiet(http.server.SimpleHTTPRequestHandler):
    log_message = lambda self, *args: None


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
        return sum(weight * (v / 255 / 12.92 if v <= 10.31 else ((v / 255 + 0.055) / 1.055) ** 2.4)
                   for weight, v in zip((0.2126, 0.7152, 0.0722), rgb))

    background = functools.reduce(lambda below, top: over(top, below), reversed(layers), [0, 0, 0])
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
        click at the start of a field, "|" the other Action item, "paste:NAME" a case
        file's text pasted into the list tool, "split:A:F:S" a split chosen, or keys
        typed where the focus is ("\\b" a backspace)."""
        for step in steps:
            actions = ActionChains(self.driver)
            if step == "|":
                self.steps("#mnuAction", "#mnuActionItems1")
            elif step.startswith("paste:"):
                self.paste(CASES[step[6:]])
            elif step.startswith("split:"):
                self.list_result(lambda: self.js(SPLIT, step[6:]))
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
    for flag in ("--headless --no-sandbox --disable-gpu --disable-quic --no-first-run "
                 "--disable-background-networking --disable-component-update --disable-sync "
                 f"--window-size=1000,900 --user-data-dir={tmp_path_factory.mktemp('p')}").split():
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


@pytest.fixture(scope="module")
def axe():
    """axe-core's script, installed by npm into build/ (never committed) when it is missing."""
    if not AXE.is_file() and shutil.which("npm"):
        subprocess.run(["npm", "install", "--prefix", str(ROOT / "build/npm"), "--no-save",
                        "--no-package-lock", "--no-audit", "--no-fund", "-E",
                        "axe-core@4.14.1"], stdout=subprocess.DEVNULL)
    assert AXE.is_file(), "npm (apt-get install npm) installs axe-core"
    return AXE.read_text()


@pytest.fixture
def own_files(browser):
    """The page's files, which only a page this test serves puts in its hands."""
    if not browser.files:
        pytest.skip("the page is served from elsewhere")
    return browser.files


# A group loads the page in its colours and on its screen (over a phone's
# network, uncached, with "slow"), then takes each state's steps and
# compares what the state names of the page's with it; "legible" names the
# elements whose text must read at 4.5:1 or better against what is behind
# it, "axe" axe-core's violations and the ARIA rules it could not decide.
@pytest.mark.parametrize("group", CASES["window"], ids=lambda g: g["name"])
def test_window(browser, axe, group):
    browser.screen(group.get("width"))
    if group.get("slow"):
        browser.slow_network(True)
    browser.load(group.get("scheme", "light"), group.get("forced", "none"))
    if group.get("slow"):  # the page paints before the module is in
        browser.slow_network(False)
        assert browser.js_async(LAYOUT_SHIFT) < 0.1
    for name, steps, want in group["states"]:
        browser.steps(*steps)
        for text, layers in (browser.js(COLOURS, i) for i in want.get("legible", [])):
            assert contrast(text, layers) >= 4.5, f"{name}: {text} on {layers}"
        if "axe" in want:
            browser.js(axe)
            assert browser.js_async(AXE_RUN) == want["axe"], name
        seen = {k: v for k, v in want.items() if k not in ("legible", "axe")}
        probe = lambda: {k: v for script in (PROBE, MAP, PHONE_LAYOUT) for k, v in
                         browser.js(script, group.get("width")).items() if k in seen}
        browser.until(lambda: probe() == seen, 3)  # the live region waits for a pause
        assert probe() == seen, f"{group['name']}: {name}"


def test_menus(page):
    """Each item of the menu bar: its role, caption and the name it is announced by."""
    for element_id, want in CASES["menus"].items():
        if element_id.endswith("Items1"):  # hidden items have no accessible name
            page.steps(Keys.ESCAPE, "#" + element_id[:-6])
        node = page.by_id(element_id)
        assert [node.get_attribute(a) for a in ("role", "textContent")] + \
            [node.accessible_name] == want, element_id


def test_about_closes_itself(page):
    page.by_id("mnuHelp").click()
    assert 7.5 <= page.js_async(ABOUT_TIMED) <= 8.0


def state_wide():
    """About 20 MB of a listing, a refused ID now and then."""
    return "\r\n".join([CASES["listing"].splitlines()[0]] + [
        f"{'x' if n % 997 == 0 else n % 2048},{n % 2048:03x},D,Tag {n},Group {n} of the "
        "state,Tag,State" for n in range(1, 400000)]) + "\r\n"


# A case chooses the output, pastes its input
# or chooses it as the file named (shown by its name and size), and compares
# the outcome with zembra-convert's on it; a big one shows the output's first
# lines ("cut") and the first messages, and "cancel" says what the page
# shows when a conversion of it is cancelled on its way: the outcome, no
# download, no progress.
@pytest.mark.parametrize("case", CASES["list_tool"], ids=lambda c: c["name"])
def test_list_tool(page, tmp_path, case):
    text = state_wide() if case["input"] == "state_wide" else CASES[case["input"]]
    Select(page.by_id("listFormat")).select_by_value(case["choice"])
    name = case.get("file", [None])[0]
    text = text if name else text.replace("\r\n", "\n")  # as a textarea holds it
    (tmp_path / str(name)).write_bytes(text.encode())
    native = subprocess.run([page.convert, *case["options"], *[name][:bool(name)]], cwd=tmp_path,
                            input=None if name else text.encode(), capture_output=True)
    page.js(LONG_TASKS)
    started = time.monotonic()
    page.list_result(lambda: page.by_id("listFile").send_keys(str(tmp_path / name)) if name
                     else page.js(PASTE, text, "--ea" in case["options"]), timeout=60)
    assert not name or [page.by_id("listFileName").text, page.by_id("listInput").is_displayed()] \
        == [case["file"][1], False]
    seconds, longest = time.monotonic() - started, page.js("return longest")
    link, outcome = page.by_id("listDownload"), page.by_id("listOutcome").text
    assert page.text("listStatus") == str(native.returncode)
    if native.returncode == 2:  # a failure offers no download
        assert [link.get_attribute("href"), link.get_attribute("aria-disabled")] == [None, "true"]
        return
    assert page.js_async(FETCH, "listDownload", 1) == hashlib.sha256(native.stdout).hexdigest()
    assert [case["written"] in link.get_attribute("download"), link.get_attribute(
        "aria-disabled"), seconds <= 20, longest <= 200] == [True, None, True, True], seconds
    written, shown = native.stdout.decode().replace("\r\n", "\n"), page.value("listOutput")
    assert (shown and written.startswith(shown)) if case.get("cut") else shown == written
    # zembra-convert's last message is the outcome the page shows apart.
    *messages, last = native.stderr.decode().replace("<stdin>:", "pasted:").splitlines() or [""]
    assert "converted" in outcome and "status" not in outcome.lower(), outcome
    assert last in ("", "zembra-convert: " + outcome.removesuffix(
        "; the result's first lines are shown" if case.get("cut") else ""))
    listed = page.text("listMessages").splitlines()
    more = len(messages) - len(listed)
    assert [listed, page.by_id("listMoreCount").text] == \
        [messages[:len(listed)], f"and {more} more messages." if more else ""]
    assert not more or base64.b64decode(page.js_async(FETCH, "listMessagesDownload")).decode() \
        .splitlines() == messages
    if case.get("cancel"):
        page.js(SPLIT, "3:4:4")
        page.by_id("listCancel").click()
        assert [page.by_id("listOutcome").text, link.get_attribute("href"),
                page.by_id("listProgress").is_displayed()] == case["cancel"]


def test_map_names_the_pointed_cell(page):
    page.steps("paste:map_listing")
    # The pointer on the middle of 1234's cell (the last), brought into view.
    x, y = (at + 7 for at in page.js(MAP)["at"][-1])
    left, top = page.js(MAP_IN_VIEW, x)
    pointer = ActionChains(page.driver)
    pointer.w3c_actions.pointer_action.move_to_location(int(left + x), int(top + y))
    pointer.perform()
    page.until(lambda: page.js(MAP)["named"], 2)
    assert [page.js(MAP)["named"], page.js(MAP)["tip"]] == ["1234, 09-102, FD Disp"] * 2


def test_map_of_every_talk_group(page):
    page.js(LONG_TASKS)
    page.paste("Decimal,Alpha Tag\n" + "".join(f"{i},Group {i}\n" for i in range(2048)))
    seen, longest = page.js(MAP), page.js("return longest")
    assert [len(seen["at"]), seen["elements"] < 100, seen["drawn"] <= 50, longest <= 50] == \
        [2048, True, True, True], [seen["drawn"], longest]


def test_without_webassembly(browser):
    script = browser.cdp("Page.addScriptToEvaluateOnNewDocument", source="delete window.WebAssembly;")
    browser.driver.get(browser.url)
    notice, shown = browser.until(lambda: browser.by_id("notice").text), \
        browser.by_id("frmMain").is_displayed()
    browser.cdp("Page.removeScriptToEvaluateOnNewDocument", **script)
    assert "does not run WebAssembly" in notice and not shown, [notice, shown]


def test_single_file(browser, own_files, tmp_path):
    html = pathlib.Path(shutil.copy(own_files / "zembra.html", tmp_path))
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
