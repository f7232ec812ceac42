import {afterEach, expect, it, vi} from 'vitest';
import {ScreenText, kMostScreenLines} from '../../web/src/screen_text.js';
import {ScreenView} from '../../web/src/screen_view.js';

afterEach(() => vi.restoreAllMocks());

/** The text of each line the view shows. */
const shown = (/** @type {ScreenView} */ view) =>
  [...view.element.querySelectorAll('.line')].map((line) => line.textContent);

it('follows the text in blocks: a line that grows, lines let go, a new screen', () => {
  const view = new ScreenView(document.createElement('div'), new ScreenText(2), () => 1);
  view.text.add('a', 'output');
  view.show();
  view.text.add('b\nc', 'output');
  view.show();
  view.text.add('d\n', 'output');
  view.show();
  expect(shown(view)).toEqual(['ab', 'cd', '']);
  for (let i = 0; i < kMostScreenLines; ++i) {
    view.text.add(`${i}\n`, 'output');
  }
  view.show();  // lets go of more lines than it showed
  view.text.add('x\n', 'output');
  view.show();
  expect(shown(view)).toEqual(
    view.text.linesFrom(0).map((runs) => runs.map((r) => r.text).join('')));
  view.text.add('\n\nd', 'output');
  view.show();
  expect(shown(view)).toEqual(['d']);
  // It keeps lines in blocks, and changes only the lines that changed.
  const blocks = () => [...view.element.querySelectorAll('.block')].map((b) => b.childElementCount);
  view.text.add('a\n'.repeat(120), 'output');
  view.show();
  const kept = view.element.querySelectorAll('.line')[60];
  expect(blocks()).toEqual([50, 50, 21]);
  view.text.add(`b\n${'c\n'.repeat(kMostScreenLines - 71)}`, 'output');  // lets 51 lines go
  view.show();
  expect({kept: view.element.contains(kept), blocks: blocks()}).toEqual(
    {kept: true, blocks: [49, ...Array(39).fill(50), 1]});
  expect(shown(view).slice(68, 71)).toEqual(['a', 'b', 'c']);
});

it('keeps a screen\'s last lines, however many it lets go', () => {
  const text = new ScreenText(2);
  for (let i = 0; i < 3 * kMostScreenLines; ++i) {
    text.add(`${i}\n`, 'output');
  }
  const kept = text.linesFrom(0);
  expect({dropped: text.dropped, end: text.end, kept: kept.length, first: kept[0][0].text,
    fromEnd: text.linesFrom(text.end - 2)}).toEqual({dropped: 4001, end: 6001, kept: 2000,
    first: '4001', fromEnd: [[{text: '5999', kind: 'output'}], []]});
});

it('spaces characters as measured in their font, and sizes cells by the written rows', () => {
  // A font whose every code unit advances 0.6 of its size.
  vi.spyOn(HTMLElement.prototype, 'getBoundingClientRect').mockImplementation(
    /** @this {HTMLElement} */ function () {
      return DOMRect.fromRect({width: 0.6 * Number(this.textContent?.length) *
        parseFloat(this.parentElement?.style.fontSize ?? '')});
    });
  const screen = document.body.appendChild(document.createElement('div'));
  screen.style.fontFamily = 'measured';
  const view = new ScreenView(screen, new ScreenText(2), (codePoint) => (codePoint < 0x80 ? 1 : 2));
  view.text.add('abc  ', 'output');
  view.text.add('  typed  long  ', 'typed');
  view.text.add('𠮷𠮷ア', 'output');
  view.show();
  const line = /** @type {HTMLElement} */ (view.element.querySelector('.line'));
  expect({spacing: line.style.letterSpacing, widestRow: view.widestRow,
    pieces: [...line.childNodes].map((piece) => (piece instanceof HTMLElement ?
      {text: piece.textContent, kind: piece.className, spacing: piece.style.letterSpacing} :
      piece.textContent))}).toEqual({spacing: '-0.1em', widestRow: 11, pieces: ['abc  ',
    {text: '  typed  long  ', kind: 'typed', spacing: ''},
    {text: '𠮷𠮷', kind: '', spacing: '-0.2em'}, {text: 'ア', kind: '', spacing: '0.4em'}]});
  expect(Object.fromEntries(['--cell', '--font-cells', '--line-height', '--block-lines']
    .map((name) => [name, screen.style.getPropertyValue(name)]))).toEqual(
    {'--cell': '4px', '--font-cells': '2', '--line-height': '1.25', '--block-lines': '50'});
  // Measured once for the font: another session's view measures nothing again.
  const measured = vi.mocked(HTMLElement.prototype.getBoundingClientRect).mock.calls.length;
  const again = new ScreenView(screen, new ScreenText(2), () => 1);
  again.text.add('ab𠮷', 'output');
  again.show();
  expect(vi.mocked(HTMLElement.prototype.getBoundingClientRect)).toHaveBeenCalledTimes(measured);
});

it('measures many new characters, then fills a long line, a slice at a time', () => {
  const view = new ScreenView(document.createElement('div'), new ScreenText(2), () => 2);
  const line = String.fromCodePoint(...Array.from({length: 200}, (_, i) => 0x5000 + i)) +
    '＿'.repeat(2000);
  view.text.add(line, 'output');
  /** @type {number[]} */
  const seen = [];
  while (!view.show(0)) {  // its time always up: a layout in each call
    seen.push(shown(view)[0]?.length ?? 0);
  }
  expect({seen, shown: shown(view)}).toEqual(
    {seen: [0, 0, 0, 0, 1024, 2048, 2200], shown: [line]});
});
