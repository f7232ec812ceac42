import {afterEach, expect, it, vi} from 'vitest';
import {Keypad} from '../../web/src/keypad.js';

afterEach(() => vi.unstubAllGlobals());

it('shows for a number or a pair the newest program waits for, not for an older one', () => {
  vi.stubGlobal('matchMedia', () => ({matches: true, addEventListener() {}}));  // a touch screen
  const [element, line] = [document.createElement('div'), document.createElement('input')];
  const keypad = new Keypad(element, line, () => {});
  const options = {page: {read: async () => new Uint8Array(0), write: () => true},
    print() {}, printErr() {}, onAbort() {}};
  const [older, newer] = [keypad.follow(options).page, keypad.follow(options).page];
  const after = (/** @type {typeof older} */ page, /** @type {'number' | 'pair' | 'name'} */ kind) => {
    page.expect?.(kind);
    return [element.hidden, line.inputMode];
  };
  expect([after(newer, 'pair'), after(older, 'name'), after(newer, 'name'), after(older, 'number')])
    .toEqual([[false, 'none'], [false, 'none'], [true, ''], [true, '']]);
});
