import {beforeEach, expect, it} from 'vitest';
import {remember, remembered} from '../../web/src/storage.js';

const session = (/** @type {string} */ typed, ended = false, status = /** @type {?number} */ (0)) =>
  ({seed: 9, ended, status, typedBytes: () => new TextEncoder().encode(typed)});

beforeEach(() => localStorage.clear());

it('keeps an unfinished session, and lets it go only once the program ends it', () => {
  remember(session(''));
  expect(remembered()).toBeNull();
  remember(session('0\n2 1\n'));
  const kept = {seed: 9, typed: new TextEncoder().encode('0\n2 1\n')};
  expect(remembered()).toEqual(kept);
  remember(session('0\n2 1\n5\n', true, null));  // broke down, or stopped at a limit
  expect(remembered()).toEqual(kept);
  remember(session('0\n2 1\n5\n', true));
  expect(remembered()).toBeNull();
  expect(localStorage.length).toBe(0);
});
