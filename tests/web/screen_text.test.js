import {describe, expect, it} from 'vitest';
import {ScreenText, kMostScreenLines} from '../../web/src/screen_text.js';
import {run} from './program_harness.js';

/** @param {ScreenText} screen */
const linesOf = (screen) => screen.lines.map((runs) => runs.map((r) => r.text).join(''));

describe('ScreenText', () => {
  it('starts a new screen where the program breaks the page, and only there', async () => {
    /** @type {[string, any][]} */
    const written = [];
    const {rules} = await run(1, ['1'], (text, kind) => written.push([text, kind]));
    const shown = new ScreenText(rules.pageBreakLineEnds);
    written.forEach(([text, kind]) => shown.add(text, kind));
    expect(shown.generation).toBe(1);
    expect(linesOf(shown)).toEqual(['', '', '-= 大会用ポイント集計 =-', '', '', '□参加人数:']);
  });

  it('keeps its last lines, each run in its kind', () => {
    const screen = new ScreenText(25);
    screen.add('a\nb', 'output');
    screen.add('1\n', 'typed');
    expect(screen.lines.slice(0, 2)).toEqual(
      [[{text: 'a', kind: 'output'}], [{text: 'b', kind: 'output'}, {text: '1', kind: 'typed'}]]);
    for (let i = 0; i < 3 * kMostScreenLines; ++i) {
      screen.add(`${i}\n`, 'output');
    }
    expect(screen.lines.length).toBeLessThanOrEqual(kMostScreenLines + 1);
    expect(linesOf(screen).slice(-2)).toEqual([`${3 * kMostScreenLines - 1}`, '']);
    expect(screen.generation).toBe(0);
  });
});
