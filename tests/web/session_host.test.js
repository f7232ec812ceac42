import {afterEach, beforeEach, describe, expect, it, vi} from 'vitest';
import {SessionHost} from '../../web/src/session_host.js';
import {followInput} from '../../web/src/input_line.js';
import {Notice} from '../../web/src/notices.js';
import {automationInterface} from '../../web/src/automation.js';
import {describeSession, fromBase64Url} from '../../web/src/session_description.js';
import {fakeProgram} from './fake_program.js';
import {kSessionLimits} from '../../web/src/session.js';

/** @type {SessionHost[]} hosts whose sessions a test leaves running */
const opened = [];

/** A host of the parts it shows sessions in, with an input line, opened at `fragment`. */
function open(fragment = '', program = fakeProgram(), page = '/index.html') {
  history.replaceState(null, '', `${page}${fragment}`);
  const notice = document.createElement('p');
  const parts = {screen: document.createElement('main'), line: document.createElement('input'),
    send: document.createElement('button'), seed: document.createElement('output'),
    version: document.createElement('output'), notice: new Notice(notice)};
  const host = new SessionHost(parts, program);
  followInput(parts, host);
  opened.push(host);
  const zepiro = automationInterface(host);
  /** What the page shows of its session: the notice is null when hidden. */
  const seen = () => ({seed: zepiro.seed, shownSeed: parts.seed.textContent,
    transcript: zepiro.transcript(), ended: zepiro.ended, line: parts.line.disabled,
    send: parts.send.disabled, notice: notice.hidden ? null : notice.textContent,
    action: notice.querySelector('button')?.textContent});
  return {host, parts, notice, zepiro, seen};
}

const link = (/** @type {number} */ seed, /** @type {string} */ typed, version = '2.2.0') =>
  `#${describeSession({seed, typed: new TextEncoder().encode(typed), version})}`;
const unreadable = 'この端末に保存されていたセッションは読めなかったため、削除しました。';
/** What each session kept on the device had typed, in order. */
const keptTyped = () => Object.values(localStorage).map((value) => new TextDecoder().decode(
  fromBase64Url(value.split('typed=')[1].split('&')[0]) ?? undefined)).sort();

beforeEach(() => localStorage.clear());
afterEach(() => opened.splice(0).forEach((host) => host.session.stop()));

describe('SessionHost', () => {
  it('replays a link, shows it, and shares the same link; refuses a broken one', async () => {
    const scrolled = vi.spyOn(window, 'scrollTo');
    const {parts, zepiro, seen} = open(link(77, 'a\rb\nc\n'));
    await zepiro.idle();
    expect(scrolled).toHaveBeenCalled();  // to the newest text
    scrolled.mockRestore();
    expect(location.hash).toBe(link(77, 'a\rb\nc\n'));  // a reload opens it again
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
    for (const [end, said, kept] of /** @type {[() => number, string, number][]} */ ([
      [() => 0, '終了しました。', 0], [() => 2, '終了コード 2', 1],
      [() => { throw new Error('no memory'); }, '異常終了', 1]])) {
      localStorage.clear();
      const {parts, notice, zepiro, seen} = open('', program(end));
      await zepiro.type('a');
      parts.line.value = 'x';
      parts.send.click();
      await zepiro.idle();
      expect(seen()).toMatchObject({ended: true, line: true, send: true,
        notice: expect.stringContaining(said), action: '新しく始める'});
      expect(localStorage.length, said).toBe(kept);  // only the program's own end lets it go
      const ended = zepiro.seed;
      notice.querySelector('button')?.click();
      expect(seen()).toMatchObject({ended: false, line: false, send: false, notice: null});
      expect(zepiro.seed).not.toBe(ended);
    }
  });

  it('names a program that could not be loaded, and loads the page again when asked', async () => {
    const {notice, zepiro, seen} = open(link(5, 'a\n'), () => Promise.reject(new Error('no wasm')));
    await zepiro.idle();
    const reload = vi.spyOn(location, 'reload').mockImplementation(() => {});
    notice.querySelector('button')?.click();
    expect({...seen(), reloads: reload.mock.calls.length}).toMatchObject({line: true, reloads: 1,
      notice: expect.stringMatching(/^プログラムを読み込めませんでした/)});
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

  it('keeps each tab\'s session on its own, through reloads, and lets go only of one ended', async () => {
    const quits = fakeProgram({onRead: (terminal, chunk) =>
      (chunk[0] === 0x78 ? 0 : void terminal.write(1, chunk))});  // "x" ends it through 終了する
    const [one, two] = [open('', quits), open('', quits)];
    for (const [tab, line] of /** @type {const} */ ([[one, 'a'], [two, 'b'], [one, 'c'], [two, 'd']])) {
      await tab.zepiro.type(line);
    }
    const entries = history.length;
    const reloaded = open(location.hash, quits);  // the tab typed into last, reloaded
    await reloaded.zepiro.type('e');
    expect({seed: reloaded.zepiro.seed, kept: keptTyped(), entries: history.length}).toEqual(
      {seed: two.zepiro.seed, kept: ['a\nc\n', 'b\nd\ne\n'], entries});
    await one.zepiro.type('x');
    expect(keptTyped()).toEqual(['b\nd\ne\n']);
  });

  it('offers each kept session, newest first, and taking one keeps the one shown', async () => {
    let now = 1.8e12;
    vi.spyOn(Date, 'now').mockImplementation(() => (now += 60000));
    await open().zepiro.type('ゼピロ ミナ');
    await open().zepiro.type('0');
    const {notice, zepiro, seen} = open();
    expect([...notice.querySelectorAll('li')].map((offer) => offer.textContent?.split('・').slice(1)))
      .toEqual([['名前の入力前', '版 2.2.0 続きから'], ['ゼピロ、ミナ', '版 2.2.0 続きから']]);
    await zepiro.type('1');  // the offers were made before: taking one keeps this session
    notice.querySelectorAll('button')[1].click();
    await zepiro.idle();
    expect({...seen(), kept: keptTyped()}).toMatchObject({transcript: '>ゼピロ ミナ\n',
      notice: null, kept: ['0\n', '1\n', 'ゼピロ ミナ\n']});
    vi.restoreAllMocks();
  });

  it('names the version a link or kept session was made by, and shares in its own', async () => {
    const newer = fakeProgram({version: '2.3.0'});
    for (const [fragment, said] of /** @type {[string, string | null][]} */ (
      [['#seed=5&typed=YQo', 'このリンクは版 2.2.0 で作られました'], [link(5, 'a\n', '2.3.0'), null]])) {
      const {parts, zepiro, seen} = open(fragment, newer);
      await zepiro.idle();
      expect({version: parts.version.textContent, notice: seen().notice, link: zepiro.shareLink()})
        .toEqual({version: '2.3.0', notice: said && expect.stringContaining(said),
          link: `${location.origin}/index.html${link(5, 'a\n', '2.3.0')}`});
    }
    await open().zepiro.type('a');
    const {notice, zepiro} = open('', newer);
    notice.querySelector('button')?.click();
    await zepiro.idle();
    expect(notice.textContent).toContain('このセッションは版 2.2.0 で作られました');
    const loading = /** @type {import('../../web/src/program.js').CreateProgram} */ (
      () => new Promise(() => {}));
    expect(open('', loading).zepiro.shareLink()).toBeNull();  // no version known yet
  });

  it('keeps the last 10 sessions of its own folder, naming one it lets go', async () => {
    for (let i = 0; i < 10; ++i) {
      localStorage.setItem(`zepiro.session /a/ ${i}`, `${1000 + i} ${link(i, `P${i}\n`).slice(1)}`);
    }
    const other = open('', fakeProgram(), '/b/');  // another build's folder
    expect(other.notice.hidden).toBe(true);
    await other.zepiro.type('b');
    const {notice, zepiro} = open('', fakeProgram(), '/a/');
    expect(notice.querySelectorAll('li')).toHaveLength(10);
    await zepiro.type('a');
    expect({notice: notice.textContent, kept: keptTyped()}).toEqual({
      notice: expect.stringContaining('P0・版 2.2.0）を削除'),
      kept: [...Array.from({length: 9}, (_, i) => `P${i + 1}\n`), 'a\n', 'b\n']});
  });
});
