// Anagrove's service worker: keeps the page, its script, module and word lists
// for use without a network. The cache's name changes with every build, and
// a new build's worker drops the caches of the old ones. The other languages'
// lists and alphabets, and a list the player opened, are kept in caches of
// their own once used, and kept across builds while a build still names them.
const cache = "{{cache}}";
const files = {{files}};
const onDemand = {{onDemand}};
const usedCache = "anagrove-used";
const ownCache = "anagrove-own"; // the list the player opened, which the page keeps

self.addEventListener("install", (event) => {
  event.waitUntil(
    caches.open(cache)
      .then((store) => store.addAll(files))
      .then(() => self.skipWaiting()),
  );
});

// The lists used before that this build no longer names are dropped too.
async function dropOld() {
  const names = await caches.keys();
  await Promise.all(names.filter((name) => name.startsWith("anagrove-") && ![cache, usedCache, ownCache].includes(name))
    .map((name) => caches.delete(name)));
  const used = await caches.open(usedCache);
  const named = new Set(onDemand.map((name) => new URL(name, self.location).href));
  await Promise.all((await used.keys()).filter((request) => !named.has(request.url)).map((request) => used.delete(request)));
}

self.addEventListener("activate", (event) => {
  event.waitUntil(dropOld().then(() => self.clients.claim()));
});

// A language's file from the network, kept once it has come whole.
async function fetchAndKeep(request) {
  const response = await fetch(request);
  if (response.ok) {
    const kept = response.clone();
    caches.open(usedCache).then((used) => used.put(request, kept)).catch(() => {});
  }
  return response;
}

// The page itself comes from the network while there is one, so that the
// first visit after a new deployment shows the new build; its other files
// carry their hash in their names and come from the cache first.
self.addEventListener("fetch", (event) => {
  const request = event.request;
  const url = new URL(request.url);
  if (request.method !== "GET" || url.origin !== self.location.origin) return;
  if (request.mode === "navigate") {
    event.respondWith(fetch(request).catch(() => caches.match("./", { cacheName: cache })));
    return;
  }
  if (onDemand.some((name) => url.pathname.endsWith(`/${name}`))) {
    event.respondWith(caches.match(request, { cacheName: usedCache }).then((hit) => hit ?? fetchAndKeep(request)));
    return;
  }
  event.respondWith(caches.match(request, { cacheName: cache }).then((hit) => hit ?? fetch(request)));
});
