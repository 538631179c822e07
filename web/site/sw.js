// Keeps every file of the page, so that after the first visit it opens and
// works without a network. Fresh files are taken whenever the network
// answers; the cache answers when it does not.
const CACHE = 'krt-config';

self.addEventListener('install', (event) => {
  event.waitUntil((async () => {
    const assets = await (await fetch('assets.json', {cache: 'no-store'})).json();
    const cache = await caches.open(CACHE);
    await cache.addAll(['./', 'assets.json', ...assets]);
    await self.skipWaiting();
  })());
});

self.addEventListener('activate', (event) => {
  event.waitUntil(self.clients.claim());
});

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin)
    return;
  event.respondWith((async () => {
    const cache = await caches.open(CACHE);
    try {
      const response = await fetch(request);
      if (response.ok)
        await cache.put(request, response.clone());
      return response;
    } catch (error) {
      const cached = await cache.match(request, {ignoreSearch: true});
      if (cached)
        return cached;
      throw error;
    }
  })());
});
