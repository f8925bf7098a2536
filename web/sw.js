// Anagrove's service worker: keeps the page, its script, module and word lists
// for use without a network. The cache's name changes with every build, and
// a new build's worker drops the caches of the old ones.
const cache = "{{cache}}";
const files = {{files}};

self.addEventListener("install", (event) => {
  event.waitUntil(
    caches.open(cache)
      .then((store) => store.addAll(files))
      .then(() => self.skipWaiting()),
  );
});

self.addEventListener("activate", (event) => {
  event.waitUntil(
    caches.keys()
      .then((names) => Promise.all(names.filter((name) => name.startsWith("anagrove-") && name !== cache)
        .map((name) => caches.delete(name))))
      .then(() => self.clients.claim()),
  );
});

// The page itself comes from the network while there is one, so that the
// first visit after a new deployment shows the new build; its other files
// carry their hash in their names and come from the cache first.
self.addEventListener("fetch", (event) => {
  const request = event.request;
  if (request.method !== "GET" || new URL(request.url).origin !== self.location.origin) return;
  if (request.mode === "navigate") {
    event.respondWith(fetch(request).catch(() => caches.match("./", { cacheName: cache })));
    return;
  }
  event.respondWith(caches.match(request, { cacheName: cache }).then((hit) => hit ?? fetch(request)));
});
