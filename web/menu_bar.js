// SPDX-License-Identifier: MIT
// The converter window's menu bar: a button for each of the design's menus,
// each opening a list of items, worked with the mouse or, as on the
// desktop, with Alt and the underlined letter, the arrows and Escape.
// converter_window.js builds the bar through Module.page.buildMenu and
// reads the Action items' check marks from Module.page.menus.
(function () {
  "use strict";
  if (typeof document === "undefined") return;  // the list worker

  const page = Module.page;
  const element = page.element;
  const menus = page.menus = [];  // {button, list, items: [{element, key, choose}]}

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

  page.buildMenu = buildMenu;
  page.closeMenus = closeMenus;
  page.onMenuKey = onMenuKey;
})();
