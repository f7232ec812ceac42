import {afterEach, beforeEach, describe, expect, it, vi} from 'vitest';
import {SessionHost} from '../../web/src/session_host.js';
import {followInput} from '../../web/src/input_line.js';
import {Notice} from '../../web/src/notices.js';
import {automationInterface} from '../../web/src/automation.js';
import {describeSession} from '../../web/src/session_description.js';
import {fakeProgram} from './fake_program.js';
import {kSessionLimits} from '../../web/src/session.js';

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
  const zepiro = automationInterface(host);
  /** What the page shows of its session: the notice is null when hidden. */
  const seen = () => ({seed: zepiro.seed, shownSeed: parts.seed.textContent,
    transcript: zepiro.transcript(), ended: zepiro.ended, line: parts.line.disabled,
    send: parts.send.disabled, notice: notice.hidden ? null : notice.textContent});
  return {host, parts, notice, zepiro, seen};
}

const link = (/** @type {number} */ seed, /** @type {string} */ typed) =>
  `#${describeSession(seed, new TextEncoder().encode(typed))}`;
const unreadable = 'この端末に保存されていたセッションは読めなかったため、削除しました。';
const offered = expect.stringContaining('前回のセッション');

beforeEach(() => localStorage.clear());
afterEach(() => opened.splice(0).forEach((host) => host.session.stop()));

describe('SessionHost', () => {
  it('replays a link, shows it, and shares the same link; refuses a broken one', async () => {
    const scrolled = vi.spyOn(window, 'scrollTo');
    const {parts, zepiro, seen} = open(link(77, 'a\rb\nc\n'));
    await zepiro.idle();
    expect(scrolled).toHaveBeenCalled();  // to the newest text
    scrolled.mockRestore();
    expect(location.hash).toBe('');
    expect(seen()).toMatchObject({seed: 77, shownSeed: '77', notice: null,
      transcript: '>a\rb\nc\n'});
    expect([...parts.screen.querySelectorAll('.line')].map((line) => line.textContent))
      .toEqual(['>a\rb', 'a\rb', 'c', 'c', '']);
    expect(zepiro.shareLink()).toBe(`${location.origin}/index.html${link(77, 'a\rb\nc\n')}`);
    const broken = open('#seed=1&typed=!');
    await broken.zepiro.idle();
    expect(broken.seen()).toMatchObject({transcript: '>',  // refused, and started afresh
      notice: expect.stringContaining('リンクを読めません')});
  });

  it('says how the program ended, stops the input line, and starts anew when asked', async () => {
    /** @param {() => number} end  what the program does on reading "x" */
    const program = (end) =>
      fakeProgram({onRead: (terminal, chunk) => (chunk[0] === 0x78 ? end() : undefined)});
    for (const [end, said] of /** @type {[() => number, string][]} */ ([
      [() => 0, '終了しました。'], [() => 2, '終了コード 2'],
      [() => { throw new Error('no memory'); }, '異常終了']])) {
      const {parts, notice, zepiro, seen} = open('', program(end));
      await zepiro.type('a');
      parts.line.value = 'x';
      parts.send.click();
      await zepiro.idle();
      expect(seen()).toMatchObject({ended: true, line: true, send: true,
        notice: expect.stringContaining(said)});
      const ended = zepiro.seed;
      notice.querySelector('button')?.click();
      expect(seen()).toMatchObject({ended: false, line: false, send: false, notice: null});
      expect(zepiro.seed).not.toBe(ended);
    }
  });

  it('tells its listeners of each change, and settles the promises of a session it leaves',
    async () => {
      const {host, zepiro} = open('', fakeProgram({run: () => new Promise(() => {})}));
      /** @type {string[]} */
      const changes = [];
      host.listen((change) => changes.push(change));
      const waiting = [zepiro.idle(), zepiro.type('1')];
      host.startNew();
      await Promise.all(waiting);
      expect(changes).toEqual(['began', 'typed', 'left', 'began']);
    });

  it('says when the device keeps no session, and lets go of one it cannot read', async () => {
    localStorage.setItem('zepiro.session', 'seed=1&typed=!!');
    const {zepiro, seen} = open();
    expect({notice: seen().notice, kept: localStorage.length}).toEqual(
      {notice: unreadable, kept: 0});
    // Storage off: happy-dom's localStorage takes a property set on it as an item.
    const off = () => {
      throw new DOMException('off', 'SecurityError');
    };
    vi.stubGlobal('localStorage', {getItem: off, setItem: off, removeItem: off});
    await zepiro.type('1');
    expect({notice: seen().notice, nothingOffered: open().seen().notice}).toEqual(
      {notice: expect.stringContaining('保存できませんでした'), nothingOffered: null});
    vi.unstubAllGlobals();
  });

  it('lets go of a kept session whose replay writes more than a link\'s may', async () => {
    localStorage.setItem('zepiro.session', link(1, 'a\n').slice(1));
    const {notice, zepiro, seen} = open();
    const limit = kSessionLimits.replayOutput;
    kSessionLimits.replayOutput = 2;  // its replay writes '>a\n'
    notice.querySelector('button')?.click();
    await zepiro.idle();
    kSessionLimits.replayOutput = limit;
    expect({notice: seen().notice, kept: localStorage.length, seed: zepiro.seed !== 1}).toEqual(
      {notice: expect.stringContaining('長すぎるため削除しました'), kept: 0, seed: true});
  });

  it('offers the session kept on the device, even while a link is replayed', async () => {
    const first = open();
    await first.zepiro.type('kept');
    const kept = localStorage.getItem('zepiro.session');
    const same = open(link(first.zepiro.seed, 'kept\n'));
    await same.zepiro.idle();
    expect(same.seen().notice).toBeNull();  // nothing else to offer
    const seed = first.zepiro.seed;
    for (const [other, typed] of /** @type {[number, string][]} */ (
      [[(seed + 1) % 2 ** 32, 'kept\n'], [seed, 'kapt\n'], [seed, 'kept\n\n']])) {
      expect(open(link(other, typed)).seen().notice).toEqual(offered);
    }
    const {zepiro, seen} = open(link(5, 'a\n'));
    await zepiro.idle();
    expect({notice: seen().notice, kept: localStorage.getItem('zepiro.session')}).toEqual(
      {notice: offered, kept});
    await zepiro.type('b');  // the link's session is now the one kept, and goes on when asked
    const again = open();
    await again.zepiro.idle();
    expect(again.seen().notice).toEqual(offered);
    expect(again.seen().notice).not.toContain('シード');  // the header shows it
    again.notice.querySelector('button')?.click();
    await again.zepiro.idle();
    expect(again.seen()).toMatchObject({seed: 5, transcript: '>a\nb\n', notice: null});
  });
});
