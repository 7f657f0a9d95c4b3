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
    box.addEventListener("mouseover", (event) => {
      const index = event.target.dataset && event.target.dataset.index;
      if (index === undefined) return;
      activate(Number(index));
      // The tooltip's title, made on the first hover rather than for every cell drawn.
      if (!event.target.firstChild) {
        const title = document.createElementNS("http://www.w3.org/2000/svg", "title");
        title.textContent = named(view.map.cells[Number(index)]);
        event.target.appendChild(title);
      }
    });
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
      $("fleetmapTable").tBodies[0].innerHTML = map.fleets.map((fleet) =>
        `<tr><td>${fleet.agency}</td><td>${fleet.fleet}</td><td>${fleet.groups}</td></tr>`)
        .join("");
      $("fleetmapReport").textContent = map.report;
      const apply = $("fleetmapApply");
      apply.textContent = `Use the best split, ${map.best}`;
      apply.disabled = map.best === map.split;
    }
    performance.measure("zembra-fleetmap", "zembra-fleetmap-start");
  }

  // The whole SVG as one string: each fleet a block whose grid is a
  // pattern, each talk group a filled cell on it.
  function picture(map, agencies, fleets, subfleetBits) {
    const columns = 1 << Math.ceil(subfleetBits / 2), rows = 1 << Math.floor(subfleetBits / 2);
    const blockWidth = columns * kCell + kGap, blockHeight = rows * kCell + kGap;
    const at = (cell) => [
      kLabel + cell.fleet * blockWidth + (cell.subfleet % columns) * kCell,
      cell.agency * blockHeight + Math.floor(cell.subfleet / columns) * kCell];
    const parts = [`<svg xmlns="http://www.w3.org/2000/svg" aria-hidden="true" ` +
      `width="${kLabel + fleets * blockWidth}" height="${agencies * blockHeight}">` +
      `<defs><pattern id="fleetmapGrid" width="${kCell}" height="${kCell}" ` +
      `patternUnits="userSpaceOnUse"><rect class="grid" width="${kCell}" height="${kCell}"/>` +
      "</pattern></defs>"];
    for (let agency = 0; agency < agencies; ++agency) {
      const y = agency * blockHeight;
      parts.push(`<text class="agency" x="${kLabel - 6}" y="${y + kCell - 3}">${agency}</text>`);
      for (let fleet = 0; fleet < fleets; ++fleet) {
        parts.push(`<rect class="fleet" x="${kLabel + fleet * blockWidth}" y="${y}" ` +
          `width="${columns * kCell}" height="${rows * kCell}"/>`);
      }
    }
    map.cells.forEach((cell, index) => {
      const [x, y] = at(cell);
      parts.push(`<rect class="group" data-index="${index}" data-id="${cell.id}" x="${x}" ` +
        `y="${y}" width="${kCell}" height="${kCell}"/>`);
      if (cell.call) {
        parts.push(`<text class="mark" x="${x + kCell / 2}" y="${y + kCell - 3}">` +
          `${cell.call === "agency" ? "A" : "F"}</text>`);
      }
    });
    parts.push(`<rect id="fleetmapCursor" width="${kCell}" height="${kCell}" hidden/></svg>`);
    view.place = at;
    return parts.join("");
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
