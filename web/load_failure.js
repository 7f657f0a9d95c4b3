// SPDX-License-Identifier: MIT
// Runs before the module's own code: when the browser has no WebAssembly,
// or has it turned off, or the module fails to load, the page says so in
// words instead of showing an empty window.
(function () {
  "use strict";
  if (typeof document === "undefined") return;  // the list worker
  Module.onAbort = function () {
    const notice = document.getElementById("notice");
    notice.textContent = typeof WebAssembly === "object"
      ? "Zembra could not start: its WebAssembly module did not load. Reload the page to try again."
      : "Zembra could not start: this browser does not run WebAssembly, or it is turned off. " +
        "Use a current Chrome, Edge, Firefox or Safari, or turn WebAssembly on.";
    notice.hidden = false;
    for (const id of ["frmMain", "lists"]) document.getElementById(id).hidden = true;
  };
})();
