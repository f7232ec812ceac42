// The page's entry: finds its parts and wires them to the session host,
// which opens a link's session, or a fresh one with the kept one offered.

import {SessionHost} from './session_host.js';
import {Notice} from './notices.js';
import {HandOut} from './hand_out.js';
import {followInput} from './input_line.js';
import {automationInterface} from './automation.js';
import {loadProgram} from './program_loader.js';
import {keepOffline} from './offline.js';
import {Keypad} from './keypad.js';
import {keepInViewAbove} from './bottom_bar.js';

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
const notice = new Notice(part('notice'));
/** @type {HTMLInputElement} */
const line = part('line');
// Its 送信 enters the line as the input line's own does, once that is wired below.
const keypad = new Keypad(part('keypad'), line, () => enter());
const loadingProgram = loadProgram('zepiro.js');
// Each program started tells the keypad what it waits for.
const host = new SessionHost({screen, seed: part('seed'), version: part('version'), notice},
  (options) => loadingProgram(keypad.follow(options)));
const enter = followInput({line, send: part('send')}, host);
host.listen((change) => change === 'ended' && keypad.expect(null));
const handOut = new HandOut(host, notice, screen);
part('share').addEventListener('click', () => void handOut.copyLink());
part('copy').addEventListener('click', () => void handOut.copyResult());
part('picture').addEventListener('click', () => void handOut.savePicture());
part('new').addEventListener('click', () => host.startNew());
window.addEventListener('hashchange', () => host.openFragment());
window.addEventListener('resize', () => host.view?.fit());

Object.defineProperty(window, 'zepiro', {value: automationInterface(host), enumerable: true});
line.focus();
keepOffline(notice);
keepInViewAbove(part('entry'));
