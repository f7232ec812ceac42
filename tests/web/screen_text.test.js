import {describe, expect, it} from 'vitest';
import {ScreenText} from '../../web/src/screen_text.js';
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
});
