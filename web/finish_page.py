#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
# The build's last step for the web page: writes style.css, the page's style
# sheets joined; index.html with the window's design size that page_geometry
# prints; sw.js with the list of the page's files and its cache named after
# their contents, so that a new build replaces the old cache; and
# zembra.html, the whole page in one file (style, module with its
# WebAssembly, script and pictures inlined), which opens from disk with no
# server and no network.
#   finish_page.py PAGE_DIR SINGLE_FILE_MODULE SOURCE_DIR NODE PAGE_GEOMETRY
import base64
import hashlib
import json
import pathlib
import subprocess
import sys

# In cascade order: a later sheet's rules win over an earlier one's.
STYLE_SHEETS = ["page.css", "converter_window.css", "dialogs.css", "list_tool.css",
                "fleetmap_view.css"]
# Every file the page serves, which the service worker keeps for offline use.
CACHED = ["index.html", "style.css", "zembra.js", "zembra.wasm", "cheese.jpg",
          "manifest.webmanifest", "zembra-192.png", "zembra-512.png"]


def data_url(path, kind):
    return f"data:{kind};base64," + base64.b64encode(path.read_bytes()).decode()


def replace_once(text, old, new, where="index.html"):
    if text.count(old) != 1:
        sys.exit(f"finish_page.py: {where} should hold {old!r} once")
    return text.replace(old, new)


def one_file(page, module, source):
    script = module.read_text()
    style = (page / "style.css").read_text()
    for text, what in ((script, "module"), (style, "stylesheet")):
        if "</script" in text or "</style" in text:
            sys.exit(f"finish_page.py: the {what} would end its inline element early")
    html = (page / "index.html").read_text()
    html = replace_once(html, '<link rel="stylesheet" href="style.css">', f"<style>{style}</style>")
    html = replace_once(html, '<script src="zembra.js" defer></script>\n', "")
    html = replace_once(html, '<link rel="manifest" href="manifest.webmanifest">\n', "")
    icon = data_url(page / "zembra-192.png", "image/png")
    html = html.replace('href="zembra-192.png"', f'href="{icon}"')
    pictures = json.dumps({"cheese.jpg": data_url(page / "cheese.jpg", "image/jpeg")})
    # At the end of the body, as an inline script cannot wait for the page.
    html = replace_once(html, "</body>", f'<script type="application/json" id="inlined">'
                        f"{pictures}</script>\n<script>{script}</script>\n</body>")
    (page / "zembra.html").write_text(html)


def style(page, source):
    sheets = [(source / name).read_text() for name in STYLE_SHEETS]
    (page / "style.css").write_text("\n".join(sheets))


def service_worker(page, source):
    digest = hashlib.sha256()
    for name in CACHED:
        digest.update((page / name).read_bytes())
    worker = (source / "sw.js").read_text()
    worker = replace_once(worker, "@VERSION@", digest.hexdigest()[:16], "sw.js")
    files = ", ".join(json.dumps(name) for name in CACHED)
    (page / "sw.js").write_text(replace_once(worker, '"@FILES@"', files, "sw.js"))


def index(page, source, node, geometry):
    size = subprocess.run([node, geometry], capture_output=True, text=True, check=True)
    html = replace_once((source / "index.html").read_text(), "@DESIGN_SIZE@", size.stdout.strip())
    (page / "index.html").write_text(html)


def main():
    page, module, source = (pathlib.Path(arg) for arg in sys.argv[1:4])
    style(page, source)
    index(page, source, sys.argv[4], sys.argv[5])
    service_worker(page, source)
    one_file(page, module, source)


if __name__ == "__main__":
    main()
