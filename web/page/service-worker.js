// Keeps the page's files for offline use and serves them with the headers
// that isolate the page (COOP and COEP), which its shared memory needs on a
// static host that does not send them itself.
importScripts('offline-files.js');

const kCache = `corvane-${self.offlineVersion}`;

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(kCache).then((cache) => cache.addAll(self.offlineFiles)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name.startsWith('corvane-') && name !== kCache).map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

function isolatedCopy(response) {
  if (!response || response.type === 'opaque' || response.status === 0) return response;
  const headers = new Headers(response.headers);
  headers.set('Cross-Origin-Opener-Policy', 'same-origin');
  headers.set('Cross-Origin-Embedder-Policy', 'require-corp');
  headers.set('Cross-Origin-Resource-Policy', 'same-origin');
  return new Response(response.body, { status: response.status, statusText: response.statusText, headers });
}

// The network first, so that a new build is seen at once; the kept copy
// when the network fails.
self.addEventListener('fetch', (event) => {
  const { request } = event;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith((async () => {
    try {
      const response = await fetch(request);
      if (response.ok) {
        const cache = await caches.open(kCache);
        cache.put(request, response.clone()).catch(() => {});
      }
      return isolatedCopy(response);
    } catch (offline) {
      const kept = await caches.match(request, { ignoreSearch: true });
      if (kept) return isolatedCopy(kept);
      throw offline;
    }
  })());
});
