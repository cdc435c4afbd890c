// Keeps the page and its tables for use without a network: every file of the
// first visit is stored, and later visits are served from the store first.
const Stand = 'pelmark-@STAND@';
const Dateien = [@DATEIEN@];

self.addEventListener('install', (ereignis) => {
  ereignis.waitUntil(caches.open(Stand).then((c) => c.addAll(Dateien)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (ereignis) => {
  ereignis.waitUntil(caches.keys()
    .then((namen) => Promise.all(namen.filter((n) => n !== Stand).map((n) => caches.delete(n))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (ereignis) => {
  const url = new URL(ereignis.request.url);
  if (ereignis.request.method !== 'GET' || url.origin !== location.origin) return;
  ereignis.respondWith(caches.open(Stand).then((c) =>
    c.match(ereignis.request, { ignoreSearch: true }).then((treffer) => treffer ||
      fetch(ereignis.request).then((antwort) => {
        if (antwort.ok) c.put(ereignis.request, antwort.clone());
        return antwort;
      }))));
});
