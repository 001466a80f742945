// Keeps the site for visits without the network: the first visit stores every file the page
// loads under a cache named for this build, later visits take them from there. A new build
// has a new name, so its files replace the old ones. Other files of the site (the font's
// licence) are kept once they have been fetched.
const VERSION = '@TESSALY_SITE_VERSION@';
const FILES = '@TESSALY_SITE_FILES@'.split(' ');
const CACHE = `tessaly-${VERSION}`;
const PAGE = 'index.html';

self.addEventListener('install', (event) => {
  event.waitUntil((async () => {
    const cache = await caches.open(CACHE);
    // Asked of the server again (a 304 costs no body): a file of an older build that the
    // browser still keeps must not land in this build's cache.
    await cache.addAll(FILES.map((file) => new Request(file, { cache: 'no-cache' })));
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

async function answer(request) {
  const cache = await caches.open(CACHE);
  if (request.mode === 'navigate') {
    // The page's address carries its program and settings; the page is the one file.
    const url = new URL(request.url);
    const kept = await cache.match(url.pathname.endsWith('/') ? PAGE : request, { ignoreSearch: true });
    return kept ?? fetch(request);
  }
  const kept = await cache.match(request);
  if (kept) return kept;
  const fetched = await fetch(request);
  if (fetched.ok) await cache.put(request, fetched.clone());
  return fetched;
}

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(answer(request));
});
