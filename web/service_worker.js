// The page's service worker: keeps every file of the site, at the revision
// this build made, and serves the page from them, with or without a network.
// The build puts the files and their revisions in (cmake/service-worker.cmake),
// so a new build is a new worker, which the browser installs at the next
// visit: it fetches the new files into a cache of its own, takes over from
// the old worker and deletes the old cache.

/** @type {[string, string][]} each file's name, relative to the worker, and its SHA-256 */
const kSiteFiles = [];
/** the build's own revision, from all of theirs */
const kBuild = '';

const kCache = `zepiro-${kBuild}`;

self.addEventListener('install', (event) => {
  event.waitUntil((async () => {
    const cache = await caches.open(kCache);
    // Past the browser's HTTP cache, which may hold a file of the old build.
    await cache.addAll(kSiteFiles.map(([name]) => new Request(name, {cache: 'no-cache'})));
    await self.skipWaiting();
  })());
});

self.addEventListener('activate', (event) => {
  event.waitUntil((async () => {
    for (const name of await caches.keys()) {
      if (name.startsWith('zepiro-') && name !== kCache) {
        await caches.delete(name);
      }
    }
    await self.clients.claim();
  })());
});

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET') {
    return;
  }
  // The folder itself is its index.html, as a static host serves it.
  const url = new URL(request.url);
  if (url.href.replace(/[?#].*$/, '') === self.registration.scope) {
    url.pathname += 'index.html';
  }
  event.respondWith((async () => {
    const cache = await caches.open(kCache);
    return await cache.match(url.href, {ignoreSearch: true}) ?? fetch(request);
  })());
});
