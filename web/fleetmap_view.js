// SPDX-License-Identifier: MIT
// The list tool's talk-group map: the module's Fleetmap (computed in the
// list worker) drawn as one SVG, a row per agency, a block per fleet and a
// cell per subfleet, filled where a talk group is listed or heard and
// lettered A or F on an agency or fleet call. One focusable box holds it:
// the arrow keys move between the talk groups, and hover or focus names
// the one under them. Beside it the fleetmap report, whose best split one
// click applies; below it the same counts as a table. list_tool.js calls
// Module.page.drawFleetmap with each result.
(function () {
  "use strict";
  if (typeof document === "undefined") return;  // the list worker

  const kCell = 14;  // CSS px
  const kGap = 4;  // between fleets and between agencies
  const kLabel = 32;  // the agencies' numbers on the left
  const $ = (id) => document.getElementById(id);
  const view = {map: null, active: -1, built: false};

  const callWords = {agency: ", agency call", fleet: ", fleet call", "": ""};
  const named = (cell) => `${cell.id}, ${cell.afs}${cell.name ? ", " + cell.name : ""}` +
    callWords[cell.call];

  function build() {
    const box = $("fleetmapBox");
    box.addEventListener("keydown", onKey);
    box.addEventListener("focus", () => activate(Math.max(view.active, 0)));
    // The cells are one path: the pointer's place says which talk group it is on.
    box.addEventListener("mousemove", (event) => {
      const svg = box.querySelector("svg");
      if (!svg || !view.map) return;
      const origin = svg.getBoundingClientRect();
      const index = view.under(event.clientX - origin.left, event.clientY - origin.top);
      $("fleetmapTitle").textContent = index === undefined ? "" : named(view.map.cells[index]);
      if (index !== undefined && index !== view.active) activate(index);
    });
    // The table of fleets is made when it is opened, not with every map.
    $("fleetmapDetails").addEventListener("toggle", fillTable);
    $("fleetmapApply").addEventListener("click", () => {
      const split = $("listSplit");
      split.value = view.map.best;
      split.dispatchEvent(new Event("input", {bubbles: true}));
    });
    view.built = true;
  }

  // Draws the map of one result, or hides it for a result without one.
  function drawFleetmap(map) {
    if (!view.built) build();
    performance.mark("zembra-fleetmap-start");
    view.map = map && map.kind ? map : null;
    view.active = -1;
    $("fleetmap").hidden = view.map === null;
    if (view.map) {
      const [agencyBits, fleetBits, subfleetBits] = map.bits;
      $("fleetmapBox").innerHTML = picture(map, 1 << agencyBits, 1 << fleetBits, subfleetBits);
      $("fleetmapCaption").textContent = `${map.cells.length} talk groups of the ${map.kind} ` +
        `under ${map.split}: a row per agency, a block per fleet, a cell per subfleet; ` +
        "A marks an agency call, F a fleet call.";
      $("fleetmapActive").textContent = "";
      $("fleetmapTable").tBodies[0].replaceChildren();
      fillTable();
      $("fleetmapReport").textContent = map.report;
      const apply = $("fleetmapApply");
      apply.textContent = `Use the best split, ${map.best}`;
      apply.disabled = map.best === map.split;
    }
    performance.measure("zembra-fleetmap", "zembra-fleetmap-start");
  }

  function fillTable() {
    const body = $("fleetmapTable").tBodies[0];
    if (!$("fleetmapDetails").open || !view.map || body.rows.length) return;
    body.innerHTML = view.map.fleets.map((fleet) =>
      `<tr><td>${fleet.agency}</td><td>${fleet.fleet}</td><td>${fleet.groups}</td></tr>`).join("");
  }

  // The whole SVG as one string, in a few elements however many talk
  // groups there are: the fleets' blocks one path over the grid's pattern,
  // the filled cells one path, each kind of call mark one text whose
  // letters are placed one by one.
  function picture(map, agencies, fleets, subfleetBits) {
    const columns = 1 << Math.ceil(subfleetBits / 2), rows = 1 << Math.floor(subfleetBits / 2);
    const blockWidth = columns * kCell + kGap, blockHeight = rows * kCell + kGap;
    const at = (cell) => [
      kLabel + cell.fleet * blockWidth + (cell.subfleet % columns) * kCell,
      cell.agency * blockHeight + Math.floor(cell.subfleet / columns) * kCell];
    const square = ([x, y], size) => `M${x} ${y}h${size}v${size}h-${size}z`;
    const labels = [], blocks = [], groups = [], marks = {A: [[], []], F: [[], []]};
    for (let agency = 0; agency < agencies; ++agency) {
      const y = agency * blockHeight;
      labels.push(`<text class="agency" x="${kLabel - 6}" y="${y + kCell - 3}">${agency}</text>`);
      for (let fleet = 0; fleet < fleets; ++fleet) {
        blocks.push(`M${kLabel + fleet * blockWidth} ${y}h${columns * kCell}v${rows * kCell}` +
          `h-${columns * kCell}z`);
      }
    }
    const places = new Map();
    map.cells.forEach((cell, index) => {
      const [x, y] = at(cell);
      places.set(`${x},${y}`, index);
      groups.push(square([x, y], kCell));
      if (cell.call) {
        const [xs, ys] = marks[cell.call === "agency" ? "A" : "F"];
        xs.push(x + kCell / 2);
        ys.push(y + kCell - 3);
      }
    });
    const markText = (letter) => marks[letter][0].length === 0 ? "" :
      `<text class="mark" x="${marks[letter][0].join(" ")}" y="${marks[letter][1].join(" ")}">` +
      `${letter.repeat(marks[letter][0].length)}</text>`;
    view.place = at;
    view.under = (x, y) => places.get(`${kLabel + Math.floor((x - kLabel) / blockWidth) *
      blockWidth + Math.floor(((x - kLabel) % blockWidth) / kCell) * kCell},${
      Math.floor(y / blockHeight) * blockHeight + Math.floor((y % blockHeight) / kCell) * kCell}`);
    return `<svg xmlns="http://www.w3.org/2000/svg" aria-hidden="true" ` +
      `width="${kLabel + fleets * blockWidth}" height="${agencies * blockHeight}">` +
      `<title id="fleetmapTitle"></title><defs><pattern id="fleetmapGrid" width="${kCell}" ` +
      `height="${kCell}" patternUnits="userSpaceOnUse"><rect class="grid" width="${kCell}" ` +
      `height="${kCell}"/></pattern></defs>${labels.join("")}` +
      `<path class="fleet" d="${blocks.join("")}"/><path class="group" d="${groups.join("")}"/>` +
      `${markText("A")}${markText("F")}` +
      `<rect id="fleetmapCursor" width="${kCell}" height="${kCell}" hidden/></svg>`;
  }

  // The talk group at that index becomes the active one: outlined, and
  // named under the map.
  function activate(index) {
    const cell = view.map && view.map.cells[index];
    if (!cell) return;
    view.active = index;
    const [x, y] = view.place(cell);
    const cursor = $("fleetmapCursor");
    cursor.setAttribute("x", x);
    cursor.setAttribute("y", y);
    cursor.removeAttribute("hidden");
    $("fleetmapActive").textContent = named(cell);
  }

  // Left and Up go to the talk group before, Right and Down to the next,
  // Home and End to the first and last.
  function onKey(event) {
    const last = view.map ? view.map.cells.length - 1 : -1;
    const moves = {ArrowLeft: view.active - 1, ArrowUp: view.active - 1,
      ArrowRight: view.active + 1, ArrowDown: view.active + 1, Home: 0, End: last};
    if (!(event.key in moves) || last < 0) return;
    event.preventDefault();
    activate(Math.min(Math.max(moves[event.key], 0), last));
  }

  Module.page.drawFleetmap = drawFleetmap;
})();
