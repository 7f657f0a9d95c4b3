// SPDX-License-Identifier: MIT
// The service worker that keeps the page working offline. It keeps the
// page's files in a cache named after this build (the build writes the
// name's version from the files' contents), answers from it first, and
// drops the caches of other builds once it takes over.
"use strict";

const kCache = "zembra-@VERSION@";
// The build writes the page's files into this list after "./".
const kFiles = ["./", "@FILES@"];

self.addEventListener("install", (event) => {
  // Past the browser's HTTP cache, so that a new build's files come in whole.
  event.waitUntil(caches.open(kCache)
    .then((cache) => cache.addAll(kFiles.map((file) => new Request(file, {cache: "reload"}))))
    .then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name.startsWith("zembra-") &&
                                                        name !== kCache)
      .map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

self.addEventListener("fetch", (event) => {
  if (event.request.method !== "GET") return;
  event.respondWith(caches.open(kCache)
    .then((cache) => cache.match(event.request, {ignoreSearch: true}))
    .then((cached) => cached || fetch(event.request)));
});
