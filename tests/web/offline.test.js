import {afterEach, describe, expect, it, vi} from 'vitest';
import {keepOffline} from '../../web/src/offline.js';
import {Notice} from '../../web/src/notices.js';

/**
 * Keeps a page offline over https, with a stand-in for the browser's service
 * workers whose registering fails; `updating` if a worker served the page.
 */
function keep({updating = false} = {}) {
  vi.stubGlobal('location', {protocol: 'https:', reload: vi.fn()});
  vi.stubGlobal('isSecureContext', true);
  const container = Object.assign(new EventTarget(), {controller: updating ? {} : null,
    startMessages() {}, register: vi.fn(() => Promise.reject(new Error('refused')))});
  vi.stubGlobal('navigator', {serviceWorker: container});
  const notice = new Notice(document.createElement('p'));
  notice.hide();
  keepOffline(notice);
  return {container, notice};
}

const update = '新しい版に更新しました。次に開くときから使われます。 今すぐ読み込み直す';
const settled = () => new Promise((resolve) => setTimeout(resolve));

afterEach(() => {
  vi.unstubAllGlobals();
  vi.restoreAllMocks();
});

describe('keepOffline', () => {
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
      expect(notice.element).toMatchObject({hidden: false, textContent: update});
      notice.hide();
      await settled();
      expect(notice.element.hidden).toBe(true);
    }
  });

  it('says in the console why offline use is off, and why a new build was not kept', async () => {
    const error = vi.spyOn(console, 'error').mockImplementation(() => {});
    const {container} = keep();
    for (const data of [{notKept: 'zepiro.js: cut short'}, 'another message']) {
      container.dispatchEvent(new MessageEvent('message', {data}));
    }
    await settled();
    expect(error.mock.calls.map(([text]) => text.replace(/ \(.*\)/, ''))).toEqual([
      'zepiro: the host\'s version was not kept for offline use: zepiro.js: cut short',
      'zepiro: no offline use: service_worker.js could not be registered:']);
  });
});
