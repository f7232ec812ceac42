// The page's entry: finds its parts, wires the buttons and the input line,
// and opens a link's session, or a fresh one with the kept one offered.

import {Page} from './page.js';
import {Notice} from './notices.js';
import {copyText, saveFile} from './clipboard.js';
import {lastResult} from './results.js';
import {pictureOf} from './picture.js';
import {automationInterface} from './automation.js';
import {kMostTypedBytes} from './share_link.js';
import {loadProgram} from './program_loader.js';
import {keepOffline} from './offline.js';
import {Keypad} from './keypad.js';
import {PictureNames} from './picture_names.js';
import {keepInViewAbove} from './bottom_bar.js';

/** @typedef {import('./program.js').CreateProgram} CreateProgram */

/**
 * @template {HTMLElement} T
 * @param {string} id
 * @returns {T}
 */
function part(id) {
  const element = document.getElementById(id);
  if (element === null) {
    throw new Error(`the page has no #${id}`);
  }
  return /** @type {T} */ (element);
}

const screen = part('screen');
/** @type {HTMLInputElement} */
const line = part('line');
const notice = new Notice(part('notice'));
const keypad = new Keypad(part('keypad'), line, sendLine);
const pictureNames = new PictureNames();
// The screen says it is loading (index.html) until the program has loaded
// and compiled, or failed to.
const loadingProgram = loadProgram('zepiro.js');
/** @type {CreateProgram} */
const createProgram = (options) =>
  loadingProgram(keypad.follow(options)).finally(() => screen.removeAttribute('aria-busy'));

const page = new Page({screen, line, seed: part('seed'), notice}, createProgram);

/**
 * @param {string} text
 * @param {string} done  what the notice says once it is copied
 */
async function copy(text, done) {
  notice.say(await copyText(text) ? done : 'コピーできませんでした。');
}

/** @param {(lines: string[]) => void} use */
function withResult(use) {
  const lines = lastResult(page.session.transcript);
  if (lines === null) {
    notice.say('まだ抽選結果も集計結果もありません。');
  } else {
    use(lines);
  }
}

/** @param {string[]} lines */
async function savePicture(lines) {
  const {seed, transcript, rules} = page.session;
  const picture = rules && await pictureOf(lines, getComputedStyle(screen).fontFamily,
    rules.cellWidth);
  if (!picture) {
    notice.say('結果が長すぎて画像にできません。');
    return;
  }
  const name = pictureNames.next(seed, transcript);
  saveFile(picture, name);
  notice.say(`結果を画像 ${name} に保存しました。`);
}

// A line is taken whole, however long (a paste): only one that would take the
// session past what a link holds is refused, and it stays in the input line.
function sendLine() {
  if (page.session.ended) {
    return;
  }
  const text = line.value;
  if (!page.session.fits(text)) {
    notice.say(`入力が長すぎます。1つのセッションに入力できるのは、リンクに収まる${kMostTypedBytes}バイトまでです。`);
    return;
  }
  line.value = '';
  notice.hide();  // said before this answer; it would only take room from the screen now
  void page.session.send(text);
}

line.addEventListener('keydown', (event) => {
  // The Enter that ends an input method's composition is the method's own.
  if (event.key === 'Enter' && !event.isComposing && event.keyCode !== 229) {
    event.preventDefault();
    sendLine();
  }
});
/** @type {HTMLButtonElement} */
const send = part('send');
// 送信 is as disabled as the input line, which the page disables once the program ends.
new MutationObserver(() => {
  send.disabled = line.disabled;
}).observe(line, {attributes: true, attributeFilter: ['disabled']});
send.addEventListener('click', () => {
  sendLine();
  line.focus();
});
part('share').addEventListener('click',
  () => void copy(page.shareLink(), 'このセッションのリンクをコピーしました。'));
part('copy').addEventListener('click',
  () => withResult((lines) => void copy(lines.join('\n') + '\n', '結果をコピーしました。')));
part('picture').addEventListener('click', () => withResult((lines) => void savePicture(lines)));
part('new').addEventListener('click', () => page.startNew());
window.addEventListener('hashchange', () => page.openFragment());
window.addEventListener('resize', () => page.view?.fit());

Object.defineProperty(window, 'zepiro', {value: automationInterface(page), enumerable: true});
line.focus();
keepOffline(notice);
keepInViewAbove(part('entry'));
