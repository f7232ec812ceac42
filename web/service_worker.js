// The page's service worker: keeps every file of the page's folder as this
// build made it, and serves the page from them, with or without a network.
// The build bundles it with Workbox's precaching and puts in the list of the
// folder's files, each with its SHA-256 (web/write_service_worker.js), so a
// new build is a new worker, which the browser installs at the next visit.
// It takes a file only whole (the browser checks the SHA-256), of a type the
// browser runs or reads, and as the body of its last answer, never as a
// redirect (Workbox copies it). Any other answer fails the install: the build
// kept goes on serving, the page's console says why, and the next visit
// tries again.
import {PrecacheController, PrecacheRoute} from 'workbox-precaching';
import {registerRoute} from 'workbox-routing';

/** @type {Record<string, RegExp>} the types a browser takes each kind of file as, by its ending */
const kTypes = {
  html: /^text\/html$/,
  js: /^(application|text)\/(x-)?(java|ecma)script$/,
  css: /^text\/css$/,
  wasm: /^application\/wasm$/,
  svg: /^image\/svg\+xml$/,
};

/** @param {string} url @returns {string} the file's name in the folder */
const fileName = (url) => url.slice(self.registration.scope.length);

const precache = new PrecacheController({plugins: [{
  // Refuses an answer that is not the file (Workbox copied a redirect first).
  async cacheWillUpdate({request, response}) {
    const type = (response.headers.get('Content-Type') ?? '').split(';')[0].trim().toLowerCase();
    const kind = kTypes[new URL(request.url).pathname.replace(/^.*\./, '')];
    if (!response.ok || (kind && !kind.test(type))) {
      throw new Error(`${fileName(request.url)}: the host answered ${response.status}, "${type}"`);
    }
    return response;
  },
  async fetchDidFail({request}) {
    throw new Error(`${fileName(request.url)}: not fetched whole, or not this build's (SHA-256)`);
  },
}]});
precache.addToCacheList(self.__WB_MANIFEST);
// The folder itself is its index.html; a query never names another file.
registerRoute(new PrecacheRoute(precache, {ignoreURLParametersMatching: [/./]}));

self.addEventListener('install', (event) => event.waitUntil(precache.install(event).then(
  () => self.skipWaiting(),
  async (/** @type {Error} */ error) => {
    // The page's windows in this folder say it in their console (src/offline.js).
    for (const client of await self.clients.matchAll({type: 'window', includeUncontrolled: true})) {
      if (client.url.startsWith(self.registration.scope)) {
        client.postMessage({notKept: error.message});
      }
    }
    throw error;
  })));

self.addEventListener('activate', (event) => event.waitUntil(Promise.all([
  precache.activate(event), self.clients.claim(), forgetEarlierCaches()])));

/**
 * Deletes what this folder's earlier workers kept in their own caches (named
 * zepiro-), and each such cache left empty: a cache of another folder, or
 * shared with one, keeps that folder's files.
 */
async function forgetEarlierCaches() {
  const scope = self.registration.scope;
  for (const name of (await caches.keys()).filter((key) => key.startsWith('zepiro-'))) {
    const cache = await caches.open(name);
    for (const request of await cache.keys()) {
      if (request.url.startsWith(scope) && !request.url.slice(scope.length).includes('/')) {
        await cache.delete(request);
      }
    }
    if ((await cache.keys()).length === 0) {
      await caches.delete(name);
    }
  }
}
