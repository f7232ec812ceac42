import {afterEach, expect, it, vi} from 'vitest';
import {ScreenText, kMostScreenLines} from '../../web/src/screen_text.js';
import {ScreenView} from '../../web/src/screen_view.js';
import {run} from './program_harness.js';

afterEach(() => vi.restoreAllMocks());

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

it('follows the text in blocks: a line that grows, lines let go, a new screen', () => {
  const view = new ScreenView(document.createElement('div'), new ScreenText(2), () => 1);
  const shown = () => [...view.element.querySelectorAll('.line')].map((line) => line.textContent);
  view.text.add('a', 'output');
  view.show();
  view.text.add('b\nc', 'output');
  view.show();
  view.text.add('d\n', 'output');
  expect(view.show()).toBe(false);
  expect(shown()).toEqual(['ab', 'cd', '']);
  for (let i = 0; i < kMostScreenLines; ++i) {
    view.text.add(`${i}\n`, 'output');
  }
  view.show();  // lets go of more lines than it showed
  view.text.add('x\n', 'output');
  view.show();
  expect(shown()).toEqual(view.text.lines.map((runs) => runs.map((r) => r.text).join('')));
  view.text.add('\n\nd', 'output');
  expect(view.show()).toBe(true);
  expect(shown()).toEqual(['d']);
  // It keeps lines in blocks, and changes only the lines that changed.
  const blocks = () => [...view.element.querySelectorAll('.block')].map((b) => b.childElementCount);
  view.text.add('a\n'.repeat(120), 'output');
  view.show();
  const kept = view.element.querySelectorAll('.line')[60];
  expect(blocks()).toEqual([50, 50, 21]);
  view.text.add(`b\n${'c\n'.repeat(kMostScreenLines - 71)}`, 'output');  // lets 51 lines go
  view.show();
  expect([view.element.contains(kept), blocks()]).toEqual([true, [49, ...Array(39).fill(50), 1]]);
  expect(shown().slice(68, 71)).toEqual(['a', 'b', 'c']);
});

it('measures characters in a font of known size, and sizes cells by the written rows', () => {
  // A font whose every code unit advances 0.6 of its size.
  vi.spyOn(HTMLElement.prototype, 'getBoundingClientRect').mockImplementation(
    /** @this {HTMLElement} */ function () {
      return DOMRect.fromRect({width: 0.6 * Number(this.textContent?.length) *
        parseFloat(this.parentElement?.style.fontSize ?? '')});
    });
  const view = new ScreenView(document.createElement('div'), new ScreenText(2),
    (codePoint) => (codePoint < 0x80 ? 1 : 2));
  view.text.add('abc  ', 'output');
  view.text.add('  typed  long  ', 'typed');
  view.text.add('𠮷𠮷', 'output');
  view.show();
  const line = /** @type {HTMLElement} */ (view.element.querySelector('.line'));
  expect([line.style.letterSpacing, line.querySelector('span[style]')?.outerHTML, view.widestRow,
    view.element.style.getPropertyValue('--cell')]).toEqual(
    ['-0.1em', '<span style="letter-spacing: -0.2em;">𠮷𠮷</span>', 9, '4px']);
});
