import {expect, it, vi} from 'vitest';
import {Keypad} from '../../web/src/keypad.js';

it('types, deletes and sends; shows for what the newest program waits for, on touch', () => {
  vi.stubGlobal('matchMedia', () => ({matches: true, addEventListener() {}}));
  const [element, line, send] = [document.createElement('div'), document.createElement('input'),
    vi.fn()];
  const keypad = new Keypad(element, line, send);
  line.value = '12😀';
  for (const label of ['⌫', '-', '7', '空白', '1', '送信']) {
    [...element.children].find((key) => key.textContent === label)?.dispatchEvent(new Event('click'));
  }
  expect([line.value, send.mock.calls.length]).toEqual(['12-7 1', 1]);
  const options = {terminal: {read: async () => new Uint8Array(0), write: () => true},
    print() {}, printErr() {}, onAbort() {}};
  const [older, newer] = [keypad.follow(options).terminal, keypad.follow(options).terminal];
  const after = (/** @type {typeof older} */ terminal, /** @type {'number' | 'pair' | 'name'} */ kind) => {
    terminal.expect?.(kind);
    return [element.hidden, line.inputMode];
  };
  expect([after(newer, 'pair'), after(older, 'name'), after(newer, 'name'), after(older, 'number')])
    .toEqual([[false, 'none'], [false, 'none'], [true, ''], [true, '']]);
  vi.unstubAllGlobals();
});
