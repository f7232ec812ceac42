// The page as index.html lays it out and main.js wires it, with a stand-in
// program that echoes what it reads: each button and key does what it says.

import {readFileSync} from 'node:fs';
import {resolve} from 'node:path';
import {expect, it, vi} from 'vitest';
import {describeSession, kMostTypedBytes} from '../../web/src/session_description.js';
import {kSessionLimits} from '../../web/src/session.js';

vi.mock('../../web/src/program_loader.js', async () => {
  const {fakeProgram} = await import('./fake_program.js');
  return {loadProgram: () => fakeProgram()};
});
vi.mock('../../web/src/picture.js', () => ({pictureOf: vi.fn(async () => new Blob(['png']))}));

const page = readFileSync(resolve(import.meta.dirname, '../../web/index.html'), 'utf8');
const part = (/** @type {string} */ id) => /** @type {HTMLInputElement} */ (
  document.getElementById(id));
const said = () => part('notice').textContent;
const rule = '-'.repeat(29);

it('opens a session, takes lines, starts anew or from a link, and hands out results', async () => {
  // Opened in the test, not before it, so that a page that fails to open fails the test.
  document.body.innerHTML = page.slice(page.indexOf('<body>') + 6, page.indexOf('</body>'));
  await import('../../web/src/main.js');
  await zepiro.idle();
  expect({busy: part('screen').hasAttribute('aria-busy'), focused: document.activeElement?.id,
    seed: part('seed').textContent,
    manifest: document.querySelector('link[rel="manifest"]') !== null}).toEqual(
    {busy: false, focused: 'line', seed: String(zepiro.seed), manifest: true});
  const press = (/** @type {KeyboardEventInit} */ key) =>
    part('line').dispatchEvent(new KeyboardEvent('keydown', {key: 'Enter', ...key}));
  part('line').value = 'a'.repeat(kMostTypedBytes);  // with its line end, past a link's size
  press({});
  expect({line: part('line').value.length, notice: said()}).toEqual(
    {line: kMostTypedBytes, notice: expect.stringContaining(`${kMostTypedBytes}バイトまで`)});
  part('line').value = 'a';
  press({isComposing: true});  // the Enters that end an input method's conversion
  press({keyCode: 229});
  press({});
  part('line').value = 'b';
  part('send').click();
  await zepiro.idle();
  expect({line: part('line').value, transcript: zepiro.transcript()}).toEqual(
    {line: '', transcript: '>a\nb\n'});
  Object.defineProperty(part('screen'), 'clientWidth', {value: 1200});
  window.dispatchEvent(new Event('resize'));
  expect(part('screen').style.getPropertyValue('--cell')).toBe('10px');
  part('new').click();
  expect(zepiro.transcript()).toBe('');
  location.hash = describeSession({seed: 5, typed: new TextEncoder().encode('c\n'), version: '2.2.0'});
  window.dispatchEvent(new HashChangeEvent('hashchange'));
  await zepiro.idle();
  expect({seed: zepiro.seed, transcript: zepiro.transcript()}).toEqual({seed: 5, transcript: '>c\n'});

  // The hand-out buttons, each with what the notice says of it.
  const copied = vi.spyOn(navigator.clipboard, 'writeText').mockResolvedValue();
  const saved = vi.spyOn(HTMLAnchorElement.prototype, 'click').mockImplementation(() => {});
  vi.spyOn(URL, 'createObjectURL').mockReturnValue('blob:png');
  for (const button of ['copy', 'picture']) {
    part(button).click();
    expect(said()).toBe('まだ抽選結果も集計結果もありません。');
  }
  await zepiro.type(rule);
  await zepiro.type('A:');
  await zepiro.type(rule);
  const click = async (/** @type {string} */ button) => {
    part('notice').hidden = true;
    part(button).click();
    await vi.waitFor(() => expect(part('notice').hidden, button).toBe(false));
    return said();
  };
  expect({share: await click('share'), copy: await click('copy'),
    picture: await click('picture')}).toEqual({share: 'このセッションのリンクをコピーしました。',
    copy: '結果をコピーしました。', picture: `結果を画像 zepiro-${zepiro.seed}-draw-1.png に保存しました。`});
  expect(copied.mock.calls).toEqual([[zepiro.shareLink()], [`${rule}\nA:\n${rule}\n`]]);
  expect(saved.mock.contexts[0]).toMatchObject({download: `zepiro-${zepiro.seed}-draw-1.png`});
  // Where the clipboard refuses, through a selection copied the old way.
  copied.mockRejectedValue(new DOMException('not allowed', 'NotAllowedError'));
  /** @type {(string | undefined)[]} */
  const selected = [];
  Object.assign(document, {execCommand: () =>
    selected.push(document.querySelector('textarea')?.value) === 1});
  const {pictureOf} = await import('../../web/src/picture.js');
  vi.mocked(pictureOf).mockResolvedValue(null);
  expect({copy: await click('copy'), share: await click('share'), picture: await click('picture'),
    selected, left: document.querySelector('textarea')}).toEqual({copy: '結果をコピーしました。',
    share: 'コピーできませんでした。', picture: '結果が長すぎて画像にできません。',
    selected: [`${rule}\nA:\n${rule}\n`, zepiro.shareLink()], left: null});
  // Past what a replay may write: no link that the page would refuse, and nothing kept further.
  const limit = kSessionLimits.replayOutput;
  kSessionLimits.replayOutput = zepiro.transcript().length;
  const kept = localStorage.getItem('zepiro.session');
  await zepiro.type('B');
  expect({notice: said(), kept: localStorage.getItem('zepiro.session')}).toEqual(
    {notice: expect.stringContaining('これ以上この端末に保存できません'), kept});
  copied.mockClear().mockResolvedValue();
  expect({share: await click('share'), copied: copied.mock.calls}).toEqual(
    {share: expect.stringContaining('リンクにできません'), copied: []});
  kSessionLimits.replayOutput = limit;
});
