import {expect, it} from 'vitest';
import {lastResult} from '../../web/src/results.js';
import {PictureNames} from '../../web/src/picture_names.js';
import {run} from './program_harness.js';

it('finds the last draw or tally the program framed, nothing before one, and names its picture', async () => {
  const draw = (await run(7, ['0', '2 2', 'ゼピロ ミナ', '2'])).session.transcript;
  const tally = (await run(7, ['1', '2 1', 'A B', '10', '20'])).session.transcript;
  const pairings = lastResult(draw) ?? [];
  expect(pairings.filter((line) => !/^[12]: {2}/.test(line))).toEqual(
    ['-----------------------------', 'ゼピロ:', 'ミナ:', '-----------------------------']);
  expect(pairings).toHaveLength(2 + 2 * 3);
  expect(lastResult(draw + tally)).toEqual(['------------------------------------',
    '■○○杯　結果', ' 1st　[20]  20pts　B', ' 2nd　[10]  10pts　A',
    '------------------------------------']);
  expect(lastResult(tally.slice(0, tally.indexOf('■○○杯')))).toBeNull();
  const names = new PictureNames();  // what it shows, which one in the session, the seed
  expect([draw, draw + tally, draw + tally + draw, draw + tally + draw, draw].map((transcript) =>
    names.next(7, transcript))).toEqual(['zepiro-7-draw-1.png', 'zepiro-7-tally-1.png',
    'zepiro-7-draw-2.png', 'zepiro-7-draw-2-2.png', 'zepiro-7-draw-1-2.png']);
});
