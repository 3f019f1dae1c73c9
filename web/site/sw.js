// Keeps the site for offline use: every file is cached on install and served from the cache
// first; a new build has a new cache name, which replaces the old copy once it is installed.
const CACHE = "kesta-@KESTA_CACHE_VERSION@";
const FILES = [@KESTA_SITE_FILES@];

self.addEventListener("install", (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)).then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
  event.waitUntil(
    caches.keys()
      .then((names) => Promise.all(names.filter((n) => n.startsWith("kesta-") && n !== CACHE)
                                        .map((n) => caches.delete(n))))
      .then(() => self.clients.claim()));
});

self.addEventListener("fetch", (event) => {
  if (event.request.method !== "GET") return;
  event.respondWith(
    caches.match(event.request, { ignoreSearch: true }).then((hit) => hit || fetch(event.request)));
});
