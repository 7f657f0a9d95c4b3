// SPDX-License-Identifier: MIT
// The converter window's script, the first of the page's scripts appended
// to the WebAssembly module's. It builds frmMain from Module.Design(), passes
// each edit to the C++ ConverterWindow and renders the State() that comes
// back; nothing here converts. It starts the page once the module is ready
// and lends the other page scripts (menu_bar.js, help_dialogs.js,
// list_tool.js) its helpers through Module.page.
// Debian's Emscripten (3.1.6) minifies the page's scripts with a printer that
// drops destructuring patterns, so they do without them.
(function () {
  "use strict";
  if (typeof document === "undefined") return;  // the list worker

  const page = Module.page = {};
  let design;
  let win;  // the C++ ConverterWindow, for the page's whole life
  const fields = {};
  const labels = {};

  Module.onRuntimeInitialized = function () {
    design = page.design = Module.Design();
    document.title = design.title;
    buildWindow();
    win = new Module.ConverterWindow();
    render();
    fields.txtDec.focus();
    page.buildListTool();
    performance.mark("zembra-ready");
    if ("serviceWorker" in navigator && location.protocol !== "file:") {
      navigator.serviceWorker.register("sw.js");
    }
  };

  function element(tag, attributes, parent) {
    const node = document.createElement(tag);
    for (const name of Object.keys(attributes)) node.setAttribute(name, attributes[name]);
    if (parent) parent.appendChild(node);
    return node;
  }

  // "MS Sans Serif" where the system has it, else a plain sans-serif face.
  function designFont() {
    return design.fontFamilies.map((family) => `"${family}"`).join(", ") + ", sans-serif";
  }

  // Lengths in the design's pixels, which are --unit CSS pixels each.
  function units(pixels) {
    return `calc(var(--unit) * ${pixels})`;
  }

  // A node keeps its place until the rectangle changes: a keystroke moves
  // nothing, and setting the same lengths again costs a style recalculation.
  const placed = new WeakMap();

  function place(node, rect) {
    const key = `${rect.left} ${rect.top} ${rect.width} ${rect.height}`;
    if (placed.get(node) === key) return;
    placed.set(node, key);
    node.style.left = units(rect.left);
    node.style.top = units(rect.top);
    node.style.width = units(rect.width);
    node.style.height = units(rect.height);
  }

  page.element = element;
  page.designFont = designFont;
  page.units = units;
  page.place = place;

  function buildWindow() {
    const frame = document.getElementById("frmMain");
    frame.style.setProperty("--design-width", design.width);
    frame.style.setProperty("--design-height", design.height);
    const client = document.getElementById("client");
    client.style.fontFamily = designFont();
    client.style.fontSize = units(design.fontPixels);

    for (const line of design.lines) {
      const rule = element("div", {id: line.name, class: "line", "aria-hidden": "true"}, client);
      place(rule, line.rect);
      rule.style.borderTopWidth = units(line.thickness);
    }
    for (const label of design.labels) {
      labels[label.name] = element("label", {id: label.name, class: "label"}, client);
      place(labels[label.name], label.rect);
    }
    // HEX always stands beside txtHex; the other two follow the mode.
    labels.Label1.htmlFor = "txtHex";
    // Phones bring up a keyboard with digits (and the dash for AFS); any
    // character can still be typed.
    const keyboards = {txtDec: "decimal", txtAFS: "tel"};
    for (const box of design.textBoxes) {
      const field = element("input", {
        id: box.name, class: "field", type: "text", "aria-label": box.accessibleName,
        autocomplete: "off", spellcheck: "false", inputmode: keyboards[box.name] || "text",
      }, client);
      field.addEventListener("focus", moveCaretToEnd);
      fields[box.name] = field;
    }
    fields.txtDec.addEventListener("input", () => edit(() => win.EditDecimal(fields.txtDec.value)));
    fields.txtAFS.addEventListener("input", () => edit(() => win.EditAfs(fields.txtAFS.value)));

    const bar = document.getElementById("menubar");
    const handlers = [mnuActionItems_Click, page.mnuHelpItems_Click];
    design.menus.forEach((menu, m) => page.buildMenu(bar, menu, handlers[m]));
    // As on the desktop, the menu bar takes no focus from the fields.
    bar.addEventListener("mousedown", (event) => event.preventDefault());
    document.addEventListener("keydown", page.onMenuKey);
    document.addEventListener("pointerdown", (event) => {
      if (!bar.contains(event.target)) page.closeMenus();
    });
  }

  // Once typing pauses, the live region says the result.
  const kAnnouncePause = 600;
  let announceTimer = 0;

  function edit(change) {
    change();
    const state = render();
    clearTimeout(announceTimer);
    announceTimer = setTimeout(() => {
      document.getElementById("announcer").textContent = state.announcement;
    }, kAnnouncePause);
    return state;
  }

  function mnuActionItems_Click(index) {
    const state = edit(() => win.mnuActionItems_Click(index));
    // A field that is disabled loses the focus: hand it to the field that
    // now takes input, where the user types next.
    const focused = document.activeElement;
    if (!focused || focused === document.body || focused.disabled) {
      fields[state.upperField].focus();
    }
  }

  // The caret goes behind the last character once the event that gave the
  // field focus is over, so that a focusing click does not move it back.
  function moveCaretToEnd(event) {
    const field = event.target;
    setTimeout(() => {
      if (document.activeElement === field) {
        field.setSelectionRange(field.value.length, field.value.length);
      }
    }, 0);
  }

  function render() {
    const state = win.State();
    for (const name of Object.keys(fields)) {
      const field = fields[name];
      const shown = state.fields[name];
      // Assigning the same text would still move the caret.
      if (field.value !== shown.text) field.value = shown.text;
      place(field, shown.rect);
      field.disabled = !shown.enabled;
      field.classList.toggle("painted", shown.backColor !== null);
      field.style.backgroundColor = shown.backColor || "";
      field.classList.toggle("no-drop", shown.noDrop);
      if (shown.invalid) {
        field.setAttribute("aria-invalid", "true");
      } else {
        field.removeAttribute("aria-invalid");
      }
    }
    for (const name of Object.keys(labels)) labels[name].textContent = state.captions[name];
    labels.lblDec.htmlFor = state.upperField;
    labels.lblAFS.htmlFor = state.upperField === "txtDec" ? "txtAFS" : "txtDec";
    page.menus[0].items.forEach((item, i) => {
      item.element.setAttribute("aria-checked", String(state.checked[i]));
    });
    return state;
  }
})();
