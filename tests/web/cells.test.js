import {expect, it} from 'vitest';
import {cellFor, rowCells} from '../../web/src/cells.js';
import {ScreenText} from '../../web/src/screen_text.js';
import {run} from './program_harness.js';

/** The widest row of the screen the program shows last, in cells. */
async function widestRow(/** @type {string[]} */ lines) {
  const {session, rules} = await run(1, lines);
  const text = new ScreenText(rules.pageBreakLineEnds);
  text.add(session.transcript, 'output');
  return Math.max(...text.lines.map((runs) =>
    rowCells(runs.map((piece) => piece.text).join(''), rules.cellWidth)));
}

it('sizes a screen by its tables, never by its prose', async () => {
  expect(await widestRow([])).toBe(29);  // the title, not the 73 cells of the menu
  expect(await widestRow(['0', '1 1', 'ゼピロ', '1'])).toBe(78);
  expect(await widestRow(['0', '1 1', 'ゼピロ', '0'])).toBe(61);
  expect(await widestRow(['0', '15 99', 'A B C D E F G H I J K L M N O', '2'])).toBe(45);
  expect(await widestRow(['1', '2 9', 'ゼピロ ミナ', ...Array(18).fill('10')])).toBe(49);
  // A rule of dashes alone, or a gap of two blanks or more between words.
  expect(['-'.repeat(36), 'a--', '-- a', 'a b', 'a   b'].map((line) => rowCells(line, () => 1)))
    .toEqual([36, 0, 0, 0, 5]);
});

it('fits the widest row with a cell to spare, in whole 64ths of a pixel', () => {
  expect(cellFor(344, 45)).toBe(Math.floor(344 / 46 * 64) / 64);
  expect(cellFor(1200, 45)).toBe(10);
  expect(cellFor(344, 200)).toBe(4);
});
