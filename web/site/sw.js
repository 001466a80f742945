// Keeps the whole site for visits without the network: the first visit stores every file
// the page loads under a cache named for this build, later visits take them from there. A
// new build has a new name, so its files replace the old ones.
const VERSION = '@TESSALY_SITE_VERSION@';
const FILES = '@TESSALY_SITE_FILES@'.split(' ');
const CACHE = `tessaly-${VERSION}`;

self.addEventListener('install', (event) => {
  event.waitUntil((async () => {
    const cache = await caches.open(CACHE);
    // Asked of the server again (a 304 costs no body): a file of an older build that the
    // browser still keeps must not land in this build's cache.
    await cache.addAll(['./', ...FILES].map((file) => new Request(file, { cache: 'no-cache' })));
    await self.skipWaiting();
  })());
});

self.addEventListener('activate', (event) => {
  event.waitUntil((async () => {
    for (const name of await caches.keys()) {
      if (name.startsWith('tessaly-') && name !== CACHE) await caches.delete(name);
    }
    await self.clients.claim();
  })());
});

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  // The page's address carries its program and settings; the page itself is the same file.
  event.respondWith((async () => {
    const cache = await caches.open(CACHE);
    const kept = await cache.match(request, { ignoreSearch: request.mode === 'navigate' });
    return kept ?? fetch(request);
  })());
});
