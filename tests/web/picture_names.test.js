import {expect, it} from 'vitest';
import {PictureNames} from '../../web/src/picture_names.js';
import {run} from './program_harness.js';

it('names a picture by what the program framed, its number in the session and the seed', async () => {
  const draw = (await run(7, ['0', '2 2', 'ゼピロ ミナ', '2'])).session.transcript;
  const tally = (await run(7, ['1', '2 1', 'A B', '10', '-20'])).session.transcript;
  const names = new PictureNames();
  expect([draw, draw + tally, draw + tally + draw, draw + tally + draw, draw]
    .map((transcript) => names.next(7, transcript))).toEqual(['zepiro-7-draw-1.png',
    'zepiro-7-tally-1.png', 'zepiro-7-draw-2.png', 'zepiro-7-draw-2-2.png', 'zepiro-7-draw-1-2.png']);
});
