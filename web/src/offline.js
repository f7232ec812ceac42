// Offline use: over http(s) the page registers its service worker
// (service_worker.js, written by the build), which keeps the site's files
// and serves them without a network. From file:// there is no worker, and
// none is needed.

/** @typedef {import('./notices.js').Notice} Notice */

/**
 * Registers the worker once the page has loaded, so that its fetching of
 * the site does not compete with the page's own. When a new build's worker
 * takes over from an old one, the notice line says so.
 * @param {Notice} notice
 */
export function keepOffline(notice) {
  if (!window.isSecureContext || !/^https?:$/.test(location.protocol) ||
      !('serviceWorker' in navigator)) {
    return;
  }
  const workers = navigator.serviceWorker;
  // A page no worker served is taken over by the first one: no news.
  const updating = workers.controller !== null;
  workers.addEventListener('controllerchange', () => {
    if (updating) {
      notice.say('新しい版に更新しました。次に開くときから使われます。',
        {label: '今すぐ読み込み直す', run: () => location.reload()});
    }
  });
  const register = () => void workers.register('service_worker.js').catch(() => {});
  if (document.readyState === 'complete') {
    register();
  } else {
    window.addEventListener('load', register, {once: true});
  }
}
