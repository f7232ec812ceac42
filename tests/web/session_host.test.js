import {afterEach, beforeEach, describe, expect, it, vi} from 'vitest';
import {SessionHost} from '../../web/src/session_host.js';
import {followInput} from '../../web/src/input_line.js';
import {Notice} from '../../web/src/notices.js';
import {automationInterface} from '../../web/src/automation.js';
import {describeSession, kMostTypedBytes} from '../../web/src/session_description.js';
import {fakeProgram} from './fake_program.js';

/** @type {SessionHost[]} hosts whose sessions a test leaves running */
const opened = [];

/** A host of the parts it shows sessions in, with an input line, opened at `fragment`. */
function open(fragment = '', program = fakeProgram()) {
  history.replaceState(null, '', `/index.html${fragment}`);
  const notice = document.createElement('p');
  const parts = {screen: document.createElement('main'), line: document.createElement('input'),
    send: document.createElement('button'), seed: document.createElement('output'),
    notice: new Notice(notice)};
  const host = new SessionHost(parts, program);
  followInput(parts, host);
  opened.push(host);
  return {host, parts, notice, zepiro: automationInterface(host)};
}

const link = (/** @type {number} */ seed, /** @type {string} */ typed) =>
  `#${describeSession(seed, new TextEncoder().encode(typed))}`;

beforeEach(() => localStorage.clear());
afterEach(() => opened.splice(0).forEach((host) => host.session.stop()));

describe('SessionHost', () => {
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
      fakeProgram({onRead: (terminal, chunk) => (chunk[0] === 0x78 ? end() : undefined)});
    for (const [end, said, kept] of /** @type {[() => number, string, number][]} */ ([
      [() => 0, '終了しました。', 0], [() => 2, '終了コード 2', 1],
      [() => { throw new Error('no memory'); }, '異常終了', 1]])) {
      const {parts, notice, zepiro} = open('', program(end));
      await zepiro.type('a');
      parts.line.value = 'x';
      parts.send.click();
      await zepiro.idle();
      const input = () => ({ended: zepiro.ended, line: parts.line.disabled,
        send: parts.send.disabled, notice: notice.hidden ? null : notice.textContent});
      expect(input()).toMatchObject({ended: true, line: true, send: true,
        notice: expect.stringContaining(said)});
      expect(localStorage.length, said).toBe(kept);  // only the program's own end lets it go
      const ended = zepiro.seed;
      notice.querySelector('button')?.click();
      expect(input()).toEqual({ended: false, line: false, send: false, notice: null});
      expect(zepiro.seed).not.toBe(ended);
    }
  });

  it('enters the input line on Enter, not on an input method\'s, and keeps one too long', async () => {
    const {parts, notice, zepiro} = open();
    const press = (/** @type {KeyboardEventInit} */ key) =>
      parts.line.dispatchEvent(new KeyboardEvent('keydown', {key: 'Enter', ...key}));
    parts.line.value = 'a'.repeat(kMostTypedBytes);  // with its line end, past a link's size
    press({});
    expect({line: parts.line.value.length, notice: notice.textContent}).toEqual(
      {line: kMostTypedBytes, notice: expect.stringContaining(`${kMostTypedBytes}バイトまで`)});
    parts.line.value = '1';
    press({isComposing: true});
    press({keyCode: 229});
    await zepiro.idle();
    expect(zepiro.transcript()).toBe('>');
    press({});
    await zepiro.idle();
    expect({line: parts.line.value, transcript: zepiro.transcript()}).toEqual(
      {line: '', transcript: '>1\n'});
  });

  it('settles the promises of a session it leaves for another', async () => {
    const {host, zepiro} = open('', fakeProgram({run: () => new Promise(() => {})}));
    const waiting = [zepiro.idle(), zepiro.type('1')];
    host.startNew();
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
