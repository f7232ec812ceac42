import {beforeEach, expect, it, vi} from 'vitest';
import {remember, remembered} from '../../web/src/storage.js';

const session = (/** @type {string} */ typed, ended = false) =>
  ({seed: 9, ended, typedBytes: () => new TextEncoder().encode(typed)});

beforeEach(() => localStorage.clear());

it('keeps an unfinished session, and lets it go once it ends', () => {
  remember(session(''));
  expect(remembered()).toBeNull();
  remember(session('0\n2 1\n'));
  expect(remembered()).toEqual({seed: 9, lines: ['0', '2 1']});
  remember(session('0\n2 1\n5\n', true));
  expect(remembered()).toBeNull();
  expect(localStorage.length).toBe(0);
});

it('runs on where storage is refused or holds what it cannot read', () => {
  localStorage.setItem('zepiro.session', 'seed=1&typed=!!');
  expect(remembered()).toBeNull();
  vi.spyOn(Storage.prototype, 'setItem').mockImplementation(() => {
    throw new DOMException('full', 'QuotaExceededError');
  });
  expect(() => remember(session('1\n'))).not.toThrow();
  vi.restoreAllMocks();
});
