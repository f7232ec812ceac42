// The page's service worker: keeps every file of the page's folder as this
// build made it, and serves the page from them, with or without a network.
// The build bundles it with Workbox's precaching and puts in the list of the
// folder's files, each with its SHA-256 (web/write_service_worker.js), so a
// new build is a new worker, which the browser installs at the next visit.
// It takes a file only whole (the browser checks the SHA-256), of a type the
// browser runs or reads, and as the body of its last answer, never as a
// redirect (Workbox copies it). Any other answer fails the install: the build
// kept goes on serving, and the next visit tries again.
import {addPlugins, precacheAndRoute} from 'workbox-precaching';

/** @type {Record<string, RegExp>} the types a browser takes each kind of file as, by its ending */
const kTypes = {
  html: /^text\/html$/,
  js: /^(application|text)\/(x-)?(java|ecma)script$/,
  css: /^text\/css$/,
  wasm: /^application\/wasm$/,
  svg: /^image\/svg\+xml$/,
};

/**
 * Why the answer to `url` is not the file to keep, or '' if it is.
 * @param {string} url
 * @param {Response} response
 */
function fault(url, response) {
  if (!response.ok) {
    return `the host answered ${response.status}`;
  }
  const type = (response.headers.get('Content-Type') ?? '').split(';')[0].trim().toLowerCase();
  const kind = kTypes[new URL(url).pathname.replace(/^.*\./, '')];
  return kind && !kind.test(type) ? `it came as "${type}", which a browser refuses for it` : '';
}

/**
 * Tells the page's windows in this folder why a file was not kept, for
 * their console (src/offline.js).
 * @param {string} url
 * @param {string} why
 */
async function tell(url, why) {
  const scope = self.registration.scope;
  for (const client of await self.clients.matchAll({type: 'window', includeUncontrolled: true})) {
    if (client.url.startsWith(scope)) {
      client.postMessage({notKept: `${url.slice(scope.length)}: ${why}`});
    }
  }
}

addPlugins([{
  async cacheWillUpdate({request, response, event}) {
    const why = fault(request.url, response);
    if (why && event?.type === 'install') {
      await tell(request.url, why);
    }
    return why ? null : response;
  },
  async fetchDidFail({request, event}) {
    if (event?.type === 'install') {
      await tell(request.url, 'not fetched whole, or its bytes are not this build\'s (SHA-256)');
    }
  },
}]);
// The folder itself is its index.html; a query never names another file.
precacheAndRoute(self.__WB_MANIFEST, {ignoreURLParametersMatching: [/./]});

self.addEventListener('install', () => void self.skipWaiting());

self.addEventListener('activate', (event) => event.waitUntil(Promise.all([
  self.clients.claim(), forgetEarlierCaches()])));

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
