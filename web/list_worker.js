// SPDX-License-Identifier: MIT
// The list tool's worker: the same script file as the page, started by it
// with new Worker. It converts one list at a time through the module's
// ListConversion, reading the input in blocks so that it reports progress
// after each and stops at the next one when the page cancels the list or
// sends a newer one. The page's thread never waits for a conversion. A
// list small enough to be a system's is then read whole for its talk-group
// map and fleetmap report (the module's Fleetmap).
(function () {
  "use strict";
  if (typeof document !== "undefined") return;  // the page

  const kBlockBytes = 1024 * 1024;
  const kShownMessages = 300;  // the rest are counted and offered as a file
  // Larger lists are converted without a map: a system's listing or a
  // day's log is far smaller, and the map reads its input in one piece.
  const kMappedBytes = 4 * 1024 * 1024;
  let ready = false;
  let waiting = null;
  let current = 0;  // the list to convert; any other stops

  Module.onRuntimeInitialized = function () {
    ready = true;
    if (waiting) convert(waiting);
  };

  self.onmessage = (event) => {
    const request = event.data;
    if (request.cancel !== undefined) {
      if (current === request.cancel) current = 0;
      return;
    }
    current = request.id;
    if (ready) convert(request);
    else waiting = request;
  };

  async function convert(request) {
    const conversion = new Module.ListConversion(request.options, request.name);
    const output = [];
    const messages = [];
    const shown = [];
    let count = 0;
    const take = () => {
      output.push(conversion.TakeOutput());
      const lines = conversion.TakeMessages();
      if (lines.length === 0) return;
      shown.push(...lines.slice(0, kShownMessages - shown.length));
      messages.push(lines.join("\n") + "\n");
      count += lines.length;
    };
    try {
      const source = request.source;
      for (let at = 0; at < source.size; at += kBlockBytes) {
        const block = await source.slice(at, at + kBlockBytes).arrayBuffer();
        if (current !== request.id) return;
        conversion.Feed(new Uint8Array(block));
        take();
        const done = Math.min(at + kBlockBytes, source.size);
        postMessage({id: request.id, progress: done / source.size});
      }
      conversion.End();
      take();
      const map = source.size > kMappedBytes ? {kind: ""} : Module.Fleetmap(
        request.options, new Uint8Array(await source.arrayBuffer()), request.name);
      if (current !== request.id) return;
      postMessage({
        id: request.id, output: new Blob(output), written: conversion.Written(),
        outcome: conversion.Outcome(), status: conversion.Status(),
        shown: shown, count: count, messages: new Blob(messages), map: map,
      });
    } finally {
      conversion.delete();
    }
  }
})();
