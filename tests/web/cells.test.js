import {expect, it} from 'vitest';
import {cellFor, rowCells} from '../../web/src/cells.js';

it('counts as a row a rule of dashes alone, or a gap of two blanks or more between words', () => {
  const lines = ['-'.repeat(36), 'a--', '-- a', 'a b', 'a   b', 'ア　イ'];
  expect(Object.fromEntries(lines.map((line) => [line, rowCells(line, (c) => (c < 0x80 ? 1 : 2))])))
    .toEqual({[lines[0]]: 36, 'a--': 0, '-- a': 0, 'a b': 0, 'a   b': 5, 'ア　イ': 6});
});

it('fits the widest row with a cell to spare, in whole 64ths of a pixel', () => {
  expect(cellFor(344, 45)).toBe(Math.floor(344 / 46 * 64) / 64);
  expect(cellFor(1200, 45)).toBe(10);
  expect(cellFor(344, 200)).toBe(4);
});
