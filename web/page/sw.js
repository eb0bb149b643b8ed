// The web edition's service worker: after the first visit the page opens
// without a network (a classroom's tablets away from the school's network),
// and a browser can install it as an app. Every request goes to the network
// first, so a page published again is seen at once; what arrives is kept,
// and the kept copy answers when the network does not.
'use strict';

const cacheName = 'nimbara-web';
const pageFiles = ['./', 'index.html', 'style.css', 'nimbara-page.js', 'nimbara.js', 'nimbara.wasm', 'icon.svg',
  'manifest.webmanifest', 'samples/winter_stations.txt', 'samples/winter_systems.txt'];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(cacheName).then((cache) => cache.addAll(pageFiles)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => event.waitUntil(self.clients.claim()));

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith((async () => {
    const cache = await caches.open(cacheName);
    try {
      const response = await fetch(request);
      if (response.ok) event.waitUntil(cache.put(request, response.clone()));
      return response;
    } catch (offline) {
      const kept = await cache.match(request, { ignoreSearch: true });
      if (kept) return kept;
      throw offline;
    }
  })());
});
