import {afterEach, describe, expect, it, vi} from 'vitest';
import {keepOffline} from '../../web/src/offline.js';
import {Notice} from '../../web/src/notices.js';

/**
 * Keeps a page offline at `protocol`, with a stand-in for the browser's
 * service workers (none if `workers` is false) whose registering gives
 * `registered()`.
 */
function keep({protocol = 'https:', secure = true, workers = true, updating = false,
  readyState = 'complete', registered = () => Promise.resolve()} = {}) {
  vi.stubGlobal('location', {protocol, reload: vi.fn()});
  vi.stubGlobal('isSecureContext', secure);
  const container = Object.assign(new EventTarget(), {controller: updating ? {} : null,
    startMessages() {}, register: vi.fn(registered)});
  vi.stubGlobal('navigator', workers ? {serviceWorker: container} : {});
  vi.spyOn(document, 'readyState', 'get').mockReturnValue(
    /** @type {DocumentReadyState} */ (readyState));
  document.head.replaceChildren();
  const notice = new Notice(document.createElement('p'));
  notice.hide();
  keepOffline(notice);
  const manifest = document.head.querySelector('link[rel="manifest"]');
  return {container, notice, manifest: manifest?.getAttribute('href'),
    registered: container.register.mock.calls};
}

const update = '新しい版に更新しました。次に開くときから使われます。 今すぐ読み込み直す';
const settled = () => new Promise((resolve) => setTimeout(resolve));

afterEach(() => {
  vi.unstubAllGlobals();
  vi.restoreAllMocks();
});

describe('keepOffline', () => {
  it('links the manifest over http(s), and registers the worker where it may', () => {
    for (const [page, manifest, registered] of /** @type {[object, unknown, unknown[]][]} */ ([
      [{protocol: 'file:'}, undefined, []],
      [{protocol: 'http:', secure: false}, 'manifest.webmanifest', []],
      [{workers: false}, 'manifest.webmanifest', []],
      [{protocol: 'http:'}, 'manifest.webmanifest', [['service_worker.js']]],
      [{}, 'manifest.webmanifest', [['service_worker.js']]],
      [{readyState: 'loading'}, 'manifest.webmanifest', []]])) {  // the worker waits for load
      const kept = keep(page);
      expect([kept.manifest, kept.registered], JSON.stringify(page)).toEqual([manifest, registered]);
    }
    const waiting = keep({readyState: 'loading'});
    window.dispatchEvent(new Event('load'));
    expect(waiting.registered).toHaveLength(1);
  });

  it('says a new build took over, not a first worker, and offers to reload', () => {
    const first = keep();
    first.container.dispatchEvent(new Event('controllerchange'));
    expect(first.notice.element.hidden).toBe(true);
    const {container, notice} = keep({updating: true});
    container.dispatchEvent(new Event('controllerchange'));
    expect(notice.element.textContent).toBe(update);
    notice.element.querySelector('button')?.click();
    expect(location.reload).toHaveBeenCalledOnce();
  });

  it('waits until the notice line offers nothing, then says it once', async () => {
    for (const answer of [(/** @type {Notice} */ notice) => notice.hide(),
      (/** @type {Notice} */ notice) => notice.say('終了しました。')]) {
      const {container, notice} = keep({updating: true});
      notice.say('前回のセッション', {label: '続きから', run() {}});
      container.dispatchEvent(new Event('controllerchange'));
      notice.say('前回のセッション', {label: '続きから', run() {}});  // changed, still an offer
      await settled();
      expect(notice.element.textContent).toContain('前回のセッション');
      answer(notice);
      await settled();
      expect([notice.element.hidden, notice.element.textContent]).toEqual([false, update]);
      notice.hide();
      await settled();
      expect(notice.element.hidden).toBe(true);
    }
  });

  it('says in the console why offline use is off, and why a new build was not kept', async () => {
    const error = vi.spyOn(console, 'error').mockImplementation(() => {});
    const {container} = keep({registered: () => Promise.reject(new Error('refused'))});
    for (const data of [{notKept: 'zepiro.js: cut short'}, 'another message']) {
      container.dispatchEvent(new MessageEvent('message', {data}));
    }
    await settled();
    expect(error.mock.calls.map(([text]) => text.replace(/ \(.*\)/, ''))).toEqual([
      'zepiro: the host\'s version was not kept for offline use: zepiro.js: cut short',
      'zepiro: no offline use: service_worker.js could not be registered:']);
  });
});
