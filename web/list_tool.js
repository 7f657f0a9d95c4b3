// SPDX-License-Identifier: MIT
// The list tool on the page: it hands a pasted, chosen or dropped list to a
// worker that runs the module's script (list_worker.js) and shows what comes
// back, with progress, a way to cancel and downloads of the result and the
// messages, and the talk-group map of a listing or log (fleetmap_view.js).
// The converter window starts it through Module.page.buildListTool.
(function () {
  "use strict";
  if (typeof document === "undefined") return;  // the list worker

  const element = Module.page.element;
  // The worker runs this script: its address, or its text when the page is
  // one file with everything inlined.
  const script = document.currentScript;
  const workerUrl = script.src ||
    URL.createObjectURL(new Blob([script.textContent], {type: "text/javascript"}));


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
    $("listEaLabel").textContent = Module.ExtendedAddressingLabel();
    $("listInput").addEventListener("input", convertList);
    for (const id of ["listFormat", "listColumn", "listSplit"]) {
      $(id).addEventListener("input", convertList);
    }
    $("listEa").addEventListener("change", convertList);
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
                split: $("listSplit").value, ea: $("listEa").checked},
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
    Module.page.drawFleetmap(null);
  }

  async function showResult(result) {
    const head = new Uint8Array(await result.output.slice(0, kShownBytes).arrayBuffer());
    if (result.id !== list.job) return;  // replaced or cancelled while reading
    showProgress(null);
    const stem = list.file ? list.file.name.replace(/\.[^.]*$/, "") : "talkgroups";
    // Named by the format written, which "auto" leaves to the input.
    const chosen = $("listFormat").value;
    const format = chosen === "auto" ? result.written : chosen.replace(":", "-");
    const lines = result.written === "lines";
    // A failure leaves no file: zembra-convert writes none either.
    offer("listDownload", result.status === 2 ? null : result.output,
          `${stem}-${format}.${lines ? "txt" : "csv"}`);
    const cut = result.output.size > kShownBytes ? head.lastIndexOf(10) + 1 : head.length;
    $("listOutput").value = new TextDecoder().decode(head.subarray(0, cut));
    $("listOutcome").value = result.outcome +
      (cut < result.output.size ? "; the result's first lines are shown" : "");
    Module.page.drawFleetmap(result.map);
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

  Module.page.buildListTool = buildListTool;
})();
