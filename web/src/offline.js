// Installed and offline use: over http(s) the page links its manifest
// (manifest.webmanifest, which lets a phone install it) and registers its
// service worker (service_worker.js, written by the build), which keeps the
// site's files and serves them without a network. From file:// there is
// neither: a browser refuses to read a manifest there, and no worker is
// needed.

/** @typedef {import('./notices.js').Notice} Notice */

/**
 * Links the manifest, and registers the worker once the page has loaded, so
 * that its fetching of the site does not compete with the page's own. When
 * a new build's worker takes over from an old one, the notice line says so.
 * @param {Notice} notice
 */
export function keepOffline(notice) {
  if (!/^https?:$/.test(location.protocol)) {
    return;
  }
  const manifest = document.createElement('link');
  manifest.rel = 'manifest';
  manifest.href = 'manifest.webmanifest';
  document.head.append(manifest);
  // A worker needs https, or http from this machine.
  if (!window.isSecureContext || !('serviceWorker' in navigator)) {
    return;
  }
  const workers = navigator.serviceWorker;
  // A page no worker served is taken over by the first one: no news.
  const updating = workers.controller !== null;
  workers.addEventListener('controllerchange', () => {
    if (updating) {
      whenNoticeFree(notice, () => notice.say('新しい版に更新しました。次に開くときから使われます。',
        {label: '今すぐ読み込み直す', run: () => location.reload()}));
    }
  });
  // Why a new build was not kept, from its worker, whose install failed.
  workers.addEventListener('message', (event) => {
    if (typeof event.data?.notKept === 'string') {
      console.error('zepiro: the host\'s version was not kept for offline use (one kept before ' +
        `goes on serving, and the next visit tries again): ${event.data.notKept}`);
    }
  });
  workers.startMessages();
  const register = () => void workers.register('service_worker.js').catch((error) =>
    console.error('zepiro: no offline use: service_worker.js could not be registered ' +
      '(a host must serve it as JavaScript, without a redirect):', error));
  if (document.readyState === 'complete') {
    register();
  } else {
    window.addEventListener('load', register, {once: true});
  }
}

/**
 * Runs `say` once the notice line waits for no answer: news must not take
 * the place of an offer (to go on with a kept session, say) before the user
 * has had their say.
 * @param {Notice} notice
 * @param {() => void} say
 */
function whenNoticeFree(notice, say) {
  const element = notice.element;
  const free = () => element.hidden || element.querySelector('button') === null;
  if (free()) {
    say();
    return;
  }
  const watch = new MutationObserver(() => {
    if (free()) {
      watch.disconnect();
      say();
    }
  });
  watch.observe(element, {attributes: true, attributeFilter: ['hidden'], childList: true});
}
