import {expect, it} from 'vitest';
import {ScreenText, kMostScreenLines} from '../../web/src/screen_text.js';
import {ScreenView} from '../../web/src/screen_view.js';
import {run} from './program_harness.js';

it('lays each character in the cells the program pads it by', async () => {
  const {rules} = await run(1, []);
  const view = new ScreenView(document.createElement('div'), new ScreenText(25), rules.cellWidth);
  view.text.add('Aｱア¥‾　~', 'output');
  view.text.add('  x', 'typed');
  view.show();
  const cells = [...view.element.querySelectorAll('span')];
  expect(cells.map((cell) => [cell.textContent, cell.className])).toEqual([
    ['A', 'c1 output'], ['ｱ', 'c1 output'], ['ア', 'c2 output'], ['¥', 'c1 output'],
    ['‾', 'c1 output'], ['　', 'c2 output'], ['~', 'c1 output'], ['  ', 'c1 typed'],
    ['x', 'c1 typed']]);
  expect(cells[7].style.width).toBe('calc(var(--cell) * 2)');
});

it('follows the text: a line that grows, lines let go, a new screen', () => {
  const view = new ScreenView(document.createElement('div'), new ScreenText(2), () => 1);
  const shown = () => [...view.element.children].map((line) => line.textContent);
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
