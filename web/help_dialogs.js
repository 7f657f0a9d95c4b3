// SPDX-License-Identifier: MIT
// The Help menu's dialogs: the two message boxes and the About window
// (frmAbout), built from Module.Design() as modal dialogs. The converter
// window calls Module.page.mnuHelpItems_Click with the chosen item.
(function () {
  "use strict";
  if (typeof document === "undefined") return;  // the list worker

  const page = Module.page;
  const element = page.element;
  const units = page.units;
  const place = page.place;
  const designFont = page.designFont;
  // Pictures inlined into the one-file page, by file name.
  const inlined = document.getElementById("inlined");
  const pictures = inlined ? JSON.parse(inlined.textContent) : {};


  // The design says what each item does: the About window, or the message
  // box that Design() holds under the action's name.
  function mnuHelpItems_Click(index) {
    const action = page.design.helpActions[index - 1];
    if (action === "about") showAbout();
    else if (action) showMessage(page.design[action]);
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
    const about = page.design.about;
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
      node.style.fontSize = units(label.fontPixels);
      const loaded = about.loadedCaptions[label.name];
      node.textContent = loaded === undefined ? label.caption : loaded;
    }
    const timer1 = setTimeout(() => dialog.close(), about.timer1Interval);
    close.addEventListener("click", () => dialog.close());
    dialog.addEventListener("close", () => clearTimeout(timer1));
    showModal(dialog);
  }

  page.mnuHelpItems_Click = mnuHelpItems_Click;
})();
