// SPDX-License-Identifier: MIT
// Runs before the module's own code: when the browser has no WebAssembly,
// or has it turned off, or the module fails to load, the page says so in
// words instead of showing an empty window.
(function () {
  "use strict";
  if (typeof document === "undefined") return;  // the list worker
  function reason() {
    if (typeof WebAssembly !== "object") {
      return "this browser does not run WebAssembly, or it is turned off. " +
        "Use a current Chrome, Edge, Firefox or Safari, or turn WebAssembly on.";
    }
    if (location.protocol === "file:") {
      return "opened from disk, this page cannot load its WebAssembly module. " +
        "Open zembra.html instead, the page in one file.";
    }
    return "its WebAssembly module did not load. Reload the page to try again.";
  }

  Module.onAbort = function () {
    const notice = document.getElementById("notice");
    notice.textContent = "Zembra could not start: " + reason();
    notice.hidden = false;
    for (const id of ["frmMain", "lists"]) document.getElementById(id).hidden = true;
  };
  // From disk the browser refuses to fetch the module's WebAssembly, and
  // Emscripten 3.1.6 leaves that refusal unhandled rather than aborting.
  // Only the one-file page, which has it inlined, works there.
  if (location.protocol === "file:" && !document.getElementById("inlined")) Module.onAbort();
})();
