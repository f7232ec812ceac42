import {afterEach, beforeEach, describe, expect, it, vi} from 'vitest';
import {Page} from '../../web/src/page.js';
import {Notice} from '../../web/src/notices.js';
import {automationInterface} from '../../web/src/automation.js';
import {describeSession} from '../../web/src/share_link.js';
import {fakeProgram} from './fake_program.js';

/** @type {Page[]} pages whose sessions a test leaves running */
const opened = [];

/** A page of the parts it shows sessions in, opened at `fragment`. */
function open(fragment = '', program = fakeProgram()) {
  history.replaceState(null, '', `/index.html${fragment}`);
  const notice = document.createElement('p');
  const parts = {screen: document.createElement('main'), line: document.createElement('input'),
    seed: document.createElement('output'), notice: new Notice(notice)};
  const page = new Page(parts, program);
  opened.push(page);
  return {page, parts, notice, zepiro: automationInterface(page)};
}

const link = (/** @type {number} */ seed, /** @type {string} */ typed) =>
  `#${describeSession(seed, new TextEncoder().encode(typed))}`;

beforeEach(() => localStorage.clear());
afterEach(() => opened.splice(0).forEach((page) => page.session.stop()));

describe('Page', () => {
  it('replays a link, shows it, and shares the same link; refuses a broken one', async () => {
    const scrolled = vi.spyOn(window, 'scrollTo');
    const {parts, notice, zepiro} = open(link(77, 'a\rb\nc\n'));
    await zepiro.idle();
    expect(scrolled).toHaveBeenCalled();  // to the newest text
    scrolled.mockRestore();
    expect(location.hash).toBe('');
    expect([zepiro.seed, parts.seed.textContent, notice.hidden]).toEqual([77, '77', true]);
    expect(zepiro.transcript()).toBe('>a\rb\nc\n');
    expect([...parts.screen.querySelectorAll('.line')].map((line) => line.textContent))
      .toEqual(['>a\rb', 'a\rb', 'c', 'c', '']);
    expect(zepiro.shareLink()).toBe(`${location.origin}/index.html${link(77, 'a\rb\nc\n')}`);
    const broken = open('#seed=1&typed=!');
    await broken.zepiro.idle();
    expect([broken.notice.textContent?.includes('リンクを読めません'), broken.zepiro.transcript()])
      .toEqual([true, '>']);  // refused, and started afresh
  });

  it('says how the program ended, stops the input line, and starts anew when asked', async () => {
    /** @param {() => number} end  what the program does on reading "x" */
    const program = (end) =>
      fakeProgram({onRead: (page, chunk) => (chunk[0] === 0x78 ? end() : undefined)});
    for (const [end, said, kept] of /** @type {[() => number, string, number][]} */ ([
      [() => 0, '終了しました。', 0], [() => 2, '終了コード 2', 1],
      [() => { throw new Error('no memory'); }, '異常終了', 1]])) {
      const {parts, notice, zepiro} = open('', program(end));
      await zepiro.type('a');
      await zepiro.type('x');
      expect([zepiro.ended, parts.line.disabled, notice.textContent?.includes(said)])
        .toEqual([true, true, true]);
      expect(localStorage.length, said).toBe(kept);  // only the program's own end lets it go
      const ended = zepiro.seed;
      notice.querySelector('button')?.click();
      expect([zepiro.ended, parts.line.disabled, notice.hidden]).toEqual([false, false, true]);
      expect(zepiro.seed).not.toBe(ended);
    }
  });

  it('names a program that could not be loaded, and reloads the page at its session', async () => {
    const {notice, zepiro} = open(link(5, 'a\n'), () => Promise.reject(new Error('no wasm')));
    const reload = vi.spyOn(location, 'reload').mockImplementation(() => {});
    await zepiro.type('b');
    notice.querySelector('button')?.click();
    expect([notice.textContent?.startsWith('プログラムを読み込めませんでした'), reload.mock.calls.length,
      location.hash]).toEqual([true, 1, link(5, 'a\nb\n')]);
  });

  it('settles the promises of a session it leaves for another', async () => {
    const {page, zepiro} = open('', fakeProgram({run: () => new Promise(() => {})}));
    const waiting = [zepiro.idle(), zepiro.type('1')];
    page.startNew();
    await Promise.all(waiting);
  });

  it('says when the device keeps no session, and lets go of one it cannot read', async () => {
    localStorage.setItem('zepiro.session', 'seed=1&typed=!!');
    const {notice, zepiro} = open();
    expect([notice.textContent, localStorage.length]).toEqual(
      ['この端末に保存されていたセッションは読めなかったため、削除しました。', 0]);
    // Storage off: happy-dom's localStorage takes a property set on it as an item.
    const off = () => {
      throw new DOMException('off', 'SecurityError');
    };
    vi.stubGlobal('localStorage', {getItem: off, setItem: off, removeItem: off});
    await zepiro.type('1');
    expect([notice.textContent?.includes('保存できませんでした'), open().notice.hidden])
      .toEqual([true, true]);  // nor anything offered
    vi.unstubAllGlobals();
  });

  it('offers the session kept on the device, even while a link is replayed', async () => {
    const first = open();
    expect(first.notice.hidden).toBe(true);  // nothing kept yet, nothing offered
    await first.zepiro.type('kept');
    const kept = localStorage.getItem('zepiro.session');
    const same = open(link(first.zepiro.seed, 'kept\n'));
    await same.zepiro.idle();
    expect(same.notice.hidden).toBe(true);  // nothing else to offer
    const seed = first.zepiro.seed;
    for (const [other, typed] of /** @type {[number, string][]} */ (
      [[(seed + 1) % 2 ** 32, 'kept\n'], [seed, 'kapt\n'], [seed, 'kept\n\n']])) {
      expect(open(link(other, typed)).notice.textContent).toContain('前回のセッション');
    }
    const {notice, zepiro} = open(link(5, 'a\n'));
    await zepiro.idle();
    expect([notice.textContent?.includes('前回のセッション'),
      localStorage.getItem('zepiro.session')]).toEqual([true, kept]);
    await zepiro.type('b');  // the link's session is now the one kept, and goes on when asked
    const again = open();
    await again.zepiro.idle();
    expect([again.notice.textContent?.includes('前回のセッション'),
      again.notice.textContent?.includes('シード')]).toEqual([true, false]);  // the header shows it
    again.notice.querySelector('button')?.click();
    await again.zepiro.idle();
    expect([again.zepiro.seed, again.zepiro.transcript(), again.notice.hidden])
      .toEqual([5, '>a\nb\n', true]);
    localStorage.setItem('zepiro.session', 'seed=1&typed=!!');
    expect([open(link(5, 'a\n')).notice.textContent, localStorage.length]).toEqual(
      ['この端末に保存されていたセッションは読めなかったため、削除しました。', 0]);
  });
});
