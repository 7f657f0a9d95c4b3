// SPDX-License-Identifier: MIT
// The page's script, appended to the WebAssembly module's. It builds the
// converter window from Module.Design(), passes each edit and menu choice to
// the C++ ConverterWindow and renders the State() that comes back; the list
// tool hands its input to a worker that runs this same script file
// (list_worker.js) and shows what comes back. Nothing here converts.
// Debian's Emscripten (3.1.6) minifies this file with a printer that drops
// destructuring patterns, so the script does without them.
(function () {
  "use strict";
  if (typeof document === "undefined") return;  // the list worker

  // The worker runs this script: its address, or its text when the page is
  // one file with everything inlined.
  const script = document.currentScript;
  const workerUrl = script.src ||
    URL.createObjectURL(new Blob([script.textContent], {type: "text/javascript"}));
  // Pictures inlined into the one-file page, by file name.
  const inlined = document.getElementById("inlined");
  const pictures = inlined ? JSON.parse(inlined.textContent) : {};

  let design;
  let win;  // the C++ ConverterWindow, for the page's whole life
  const fields = {};
  const labels = {};
  const menus = [];  // {button, list, items: [{element, key, choose}]}

  Module.onRuntimeInitialized = function () {
    design = Module.Design();
    document.title = design.title;
    buildWindow();
    win = new Module.ConverterWindow();
    render();
    fields.txtDec.focus();
    buildListTool();
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

  // A font size in points as CSS pixels at 96 dots per inch, in units.
  function pointsSize(points) {
    return units(points * 96 / 72);
  }

  // "&Action": the text without the "&", and the letter after it, shown
  // underlined, as the access key.
  function setCaption(node, caption) {
    const at = caption.indexOf("&");
    node.textContent = "";
    if (at < 0 || at + 1 >= caption.length) {
      node.textContent = caption;
      return "";
    }
    node.append(caption.slice(0, at));
    element("u", {}, node).textContent = caption[at + 1];
    node.append(caption.slice(at + 2));
    return caption[at + 1].toLowerCase();
  }

  // ---- The converter window ----

  function buildWindow() {
    const frame = document.getElementById("frmMain");
    frame.style.setProperty("--design-width", design.width);
    frame.style.setProperty("--design-height", design.height);
    const client = document.getElementById("client");
    client.style.fontFamily = designFont();
    client.style.fontSize = pointsSize(design.fontPoints);

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
    const handlers = [mnuActionItems_Click, mnuHelpItems_Click];
    design.menus.forEach((menu, m) => buildMenu(bar, menu, handlers[m]));
    // As on the desktop, the menu bar takes no focus from the fields.
    bar.addEventListener("mousedown", (event) => event.preventDefault());
    document.addEventListener("keydown", onMenuKey);
    document.addEventListener("pointerdown", (event) => {
      if (!bar.contains(event.target)) closeMenus();
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
    menus[0].items.forEach((item, i) => {
      item.element.setAttribute("aria-checked", String(state.checked[i]));
    });
    return state;
  }

  // ---- Menus: a menu bar of buttons, each opening a list of items ----

  function buildMenu(bar, menu, choose) {
    const button = element("button", {
      id: menu.name, type: "button", role: "menuitem", "aria-haspopup": "menu",
      "aria-expanded": "false", "aria-label": menu.caption.replace("&", ""),
    }, bar);
    const key = setCaption(button, menu.caption);
    const list = element("div", {
      id: menu.name + "Menu", role: "menu", "aria-label": menu.caption.replace("&", ""),
      hidden: "",
    }, bar);
    const entry = {button: button, list: list, key: key, items: []};
    const checkable = menu.name === "mnuAction";
    menu.items.forEach((item, i) => {
      const node = element("div", {
        id: item.name, role: checkable ? "menuitemcheckbox" : "menuitem", tabindex: "-1",
        "aria-label": item.caption.replace("&", ""),
      }, list);
      const itemKey = setCaption(element("span", {class: "caption"}, node), item.caption);
      const run = () => {
        closeMenus();
        choose(i + 1);
      };
      node.addEventListener("click", run);
      entry.items.push({element: node, key: itemKey, choose: run});
    });
    button.addEventListener("click", () => {
      if (list.hidden) openMenu(entry, false);
      else closeMenus();
    });
    menus.push(entry);
  }

  let focusBeforeMenu = null;

  // From the keyboard the first item takes focus; a click leaves it where
  // it was, and the arrows or the letters work from there.
  function openMenu(entry, focusFirst) {
    const open = menus.find((m) => !m.list.hidden);
    if (!open) focusBeforeMenu = document.activeElement;
    closeMenus(false);
    entry.list.hidden = false;
    entry.button.setAttribute("aria-expanded", "true");
    if (focusFirst) entry.items[0].element.focus();
  }

  function closeMenus(restoreFocus = true) {
    const open = menus.find((m) => !m.list.hidden);
    for (const m of menus) {
      m.list.hidden = true;
      m.button.setAttribute("aria-expanded", "false");
    }
    if (open && restoreFocus && focusBeforeMenu && document.contains(focusBeforeMenu)) {
      focusBeforeMenu.focus();
    }
  }

  // Alt and the underlined letter opens a menu; in an open menu the letter
  // alone chooses an item, the arrows move and Escape closes.
  function onMenuKey(event) {
    if (document.querySelector("dialog[open]")) return;
    const key = event.key.toLowerCase();
    if (event.altKey && !event.ctrlKey && !event.metaKey) {
      const menu = menus.find((m) => m.key === key);
      if (menu) {
        event.preventDefault();
        openMenu(menu, true);
      }
      return;
    }
    const at = menus.findIndex((m) => !m.list.hidden);
    if (at < 0 || event.ctrlKey || event.metaKey) return;
    const menu = menus[at];
    const items = menu.items;
    const focused = items.findIndex((item) => item.element === document.activeElement);
    const moves = {
      ArrowDown: () => items[(focused + 1) % items.length].element.focus(),
      ArrowUp: () => items[(Math.max(focused, 0) + items.length - 1) % items.length].element.focus(),
      ArrowRight: () => openMenu(menus[(at + 1) % menus.length], true),
      ArrowLeft: () => openMenu(menus[(at + menus.length - 1) % menus.length], true),
      Escape: () => closeMenus(),
      Enter: () => focused >= 0 && items[focused].choose(),
      " ": () => focused >= 0 && items[focused].choose(),
    };
    const byLetter = items.find((item) => item.key === key);
    if (moves[event.key]) moves[event.key]();
    else if (byLetter) byLetter.choose();
    else if (event.key !== "Tab") return;
    else closeMenus();
    event.preventDefault();
  }

  // ---- The Help menu: two message boxes and the About window ----

  // The design says what each item does: the About window, or the message
  // box that Design() holds under the action's name.
  function mnuHelpItems_Click(index) {
    const action = design.helpActions[index - 1];
    if (action === "about") showAbout();
    else if (action) showMessage(design[action]);
  }

  // Closing a modal dialog gives focus back to where it was.
  function showModal(dialog) {
    const before = document.activeElement;
    dialog.addEventListener("close", () => {
      dialog.remove();
      if (before && document.contains(before)) before.focus();
    });
    document.body.appendChild(dialog);
    dialog.showModal();
  }

  function showMessage(box) {
    const dialog = element("dialog", {class: "message-box", "aria-label": box.title});
    element("div", {class: "title-bar", "aria-hidden": "true"}, dialog).textContent = box.title;
    const body = element("div", {class: "message-body"}, dialog);
    element("span", {class: "information", "aria-hidden": "true"}, body).textContent = "i";
    // A region that scrolls where the lines are wider than the screen.
    element("div", {class: "message-text", tabindex: "0", role: "region", "aria-label": box.title},
            body).textContent = box.text;
    const form = element("form", {method: "dialog", class: "buttons"}, dialog);
    element("button", {autofocus: ""}, form).textContent = "OK";
    showModal(dialog);
  }

  // frmAbout, built afresh on every opening. Timer1 closes it 7.5 seconds
  // after it was loaded; any closing by the user does the same as Timer1.
  function showAbout() {
    const about = design.about;
    const dialog = element("dialog", {id: about.name, class: "about", "aria-label": about.caption});
    const bar = element("div", {class: "title-bar"}, dialog);
    element("span", {"aria-hidden": "true"}, bar).textContent = about.caption;
    const close = element("button", {type: "button", class: "close", "aria-label": "Close"}, bar);
    close.textContent = "\u00d7";
    dialog.style.setProperty("--design-width", about.width);
    const picture = element("div", {id: "Picture1", class: "picture"}, dialog);
    picture.style.width = units(about.width);
    picture.style.height = units(about.height);
    picture.style.borderWidth = units(about.border);
    const image = element("img", {src: pictures[about.picture] || about.picture, alt: "",
                                   width: about.pictureWidth, height: about.pictureHeight},
                          picture);
    image.style.width = units(about.pictureWidth);
    image.style.height = units(about.pictureHeight);
    image.decoding = "sync";
    for (const label of about.labels) {
      const node = element("div", {id: label.name, class: "about-label"}, picture);
      place(node, label.rect);
      node.style.fontFamily = designFont();
      node.style.fontSize = pointsSize(label.points);
      const loaded = about.loadedCaptions[label.name];
      node.textContent = loaded === undefined ? label.caption : loaded;
    }
    const timer1 = setTimeout(() => dialog.close(), about.timer1Interval);
    close.addEventListener("click", () => dialog.close());
    dialog.addEventListener("close", () => clearTimeout(timer1));
    showModal(dialog);
  }

  // ---- The list tool ----

  // The result pane shows the output's start; the download has all of it.
  const kShownBytes = 64 * 1024;
  const $ = (id) => document.getElementById(id);
  const list = {
    file: null,  // a chosen or dropped file, else the pasted text is the input
    worker: null,  // started with the first list
    job: 0,  // the list whose answers count; older answers are dropped
    links: {listDownload: "", listMessagesDownload: ""},
  };

  function buildListTool() {
    for (const choice of Module.ListFormats()) {
      element("option", {value: choice.value}, $("listFormat")).textContent = choice.label;
    }
    $("listInput").addEventListener("input", convertList);
    for (const id of ["listFormat", "listColumn", "listSplit"]) {
      $(id).addEventListener("input", convertList);
    }
    $("listFile").addEventListener("change", (event) => {
      if (event.target.files.length) useFile(event.target.files[0]);
    });
    $("listFileClear").addEventListener("click", () => useFile(null));
    $("listCancel").addEventListener("click", cancelList);
    const area = $("lists");
    area.addEventListener("dragover", (event) => event.preventDefault());
    area.addEventListener("drop", (event) => {
      event.preventDefault();
      if (event.dataTransfer.files.length) useFile(event.dataTransfer.files[0]);
    });
    clearList("");
  }

  // A file is shown by name and size in place of the pasted text; null goes
  // back to the pasted text.
  function useFile(file) {
    list.file = file;
    $("listInputPane").hidden = file !== null;
    $("listFilePane").hidden = file === null;
    if (file) {
      $("listFileName").textContent = `${file.name}, ${sizeInWords(file.size)}`;
    } else {
      $("listFile").value = "";
      $("listInput").focus();
    }
    convertList();
  }

  function convertList() {
    const source = list.file || new Blob([$("listInput").value]);
    list.job += 1;
    if (list.worker) list.worker.postMessage({cancel: list.job - 1});
    if (source.size === 0) {
      clearList("");
      return;
    }
    if (!list.worker) {
      list.worker = new Worker(workerUrl);
      list.worker.onmessage = onWorkerAnswer;
    }
    const choice = $("listFormat").value.split(":");  // "lines:afs": line output, AFS only
    list.worker.postMessage({
      id: list.job, source: source, name: list.file ? list.file.name : "pasted",
      options: {format: choice[0], to: choice[1] || "", column: $("listColumn").value,
                split: $("listSplit").value},
    });
    showProgress(0);
    $("listOutcome").value = "Converting\u2026";
  }

  function cancelList() {
    list.worker.postMessage({cancel: list.job});
    list.job += 1;
    clearList("Conversion cancelled: nothing to download.");
  }

  function onWorkerAnswer(event) {
    const answer = event.data;
    if (answer.id !== list.job) return;
    if (answer.progress === undefined) showResult(answer);
    else showProgress(answer.progress);
  }

  function showProgress(share) {
    $("listProgress").hidden = share === null;
    $("listProgressBar").value = share || 0;
  }

  function clearList(outcome) {
    showProgress(null);
    $("listOutput").value = $("listMessages").textContent = $("listStatus").textContent = "";
    $("listOutcome").value = outcome;
    $("listDetail").hidden = $("listMessagesBox").hidden = $("listMoreMessages").hidden = true;
    offer("listDownload", null);
  }

  async function showResult(result) {
    const head = new Uint8Array(await result.output.slice(0, kShownBytes).arrayBuffer());
    if (result.id !== list.job) return;  // replaced or cancelled while reading
    showProgress(null);
    const stem = list.file ? list.file.name.replace(/\.[^.]*$/, "") : "talkgroups";
    const name = `${stem}-${$("listFormat").value.replace(":", "-")}`;
    // A failure leaves no file: zembra-convert writes none either.
    offer("listDownload", result.status === 2 ? null : result.output,
          `${name}.${result.table ? "csv" : "txt"}`);
    const cut = result.output.size > kShownBytes ? head.lastIndexOf(10) + 1 : head.length;
    $("listOutput").value = new TextDecoder().decode(head.subarray(0, cut));
    $("listOutcome").value = result.outcome +
      (cut < result.output.size ? "; the result's first lines are shown" : "");
    $("listStatus").textContent = String(result.status);
    $("listDetail").hidden = false;
    $("listMessages").textContent = result.shown.join("\n");
    $("listMessagesBox").hidden = result.count === 0;
    const more = result.count - result.shown.length;
    $("listMoreMessages").hidden = more <= 0;
    $("listMoreCount").textContent = `and ${more} more messages.`;
    offer("listMessagesDownload", more > 0 ? result.messages : null, `${stem}-messages.txt`);
  }

  // A link downloads the blob under that name, or is disabled without one.
  function offer(id, blob, name) {
    const link = $(id);
    if (list.links[id]) URL.revokeObjectURL(list.links[id]);
    list.links[id] = blob ? URL.createObjectURL(blob) : "";
    if (blob) {
      link.href = list.links[id];
      link.download = name;
      link.removeAttribute("aria-disabled");
    } else {
      link.removeAttribute("href");
      link.setAttribute("aria-disabled", "true");
    }
  }

  function sizeInWords(bytes) {
    if (bytes < 1024) return `${bytes} bytes`;
    if (bytes < 1024 * 1024) return `${(bytes / 1024).toFixed(1)} KB`;
    return `${(bytes / 1024 / 1024).toFixed(1)} MB`;
  }
})();
