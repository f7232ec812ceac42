import {expect, it} from 'vitest';
import {ScreenText, kMostScreenLines} from '../../web/src/screen_text.js';
import {ScreenView} from '../../web/src/screen_view.js';
import {run} from './program_harness.js';

it('spaces each character to the cells the program pads it by', async () => {
  const {rules} = await run(1, []);
  const view = new ScreenView(document.createElement('div'), new ScreenText(25), rules.cellWidth);
  // happy-dom lays out nothing: every character measures 0 wide.
  view.text.add('Aｱア¥‾~　', 'output');
  view.text.add('x  y', 'typed');
  view.show();
  const line = /** @type {HTMLElement} */ (view.element.querySelector('.line'));
  expect(line.style.letterSpacing).toBe('0.5em');
  expect([...line.childNodes].map((piece) => piece instanceof HTMLElement ?
    [piece.textContent, piece.className, piece.style.letterSpacing] : piece.textContent)).toEqual(
    ['Aｱ', ['ア', '', '1em'], '¥‾~', ['　', '', '1em'], ['x  y', 'typed', '']]);
  expect(view.widestRow).toBe(0);  // blanks typed make no row
});

it('follows the text: a line that grows, lines let go, a new screen', () => {
  const view = new ScreenView(document.createElement('div'), new ScreenText(2), () => 1);
  const shown = () => [...view.element.querySelectorAll('.line')].map((line) => line.textContent);
  view.text.add('a\nb', 'output');
  view.show();
  view.text.add('c\n', 'output');
  expect(view.show()).toBe(false);
  expect(shown()).toEqual(['a', 'bc', '']);
  for (let i = 0; i < kMostScreenLines; ++i) {
    view.text.add(`${i}\n`, 'output');
  }
  view.show();
  expect(shown()).toEqual(view.text.lines.map((runs) => runs.map((r) => r.text).join('')));
  view.text.add('\n\nd', 'output');
  expect(view.show()).toBe(true);
  expect(shown()).toEqual(['d']);
});
