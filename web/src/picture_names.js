// The names pictures are saved under, each its own: zepiro-SEED-draw-N.png
// for the session's Nth draw, zepiro-SEED-tally-N.png for its Nth tally. The
// number comes from the session's own results, so a session taken up again
// later goes on from where it was; the same result saved again in one visit
// gets -2, -3 after it.

import {resultKinds} from './results.js';

export class PictureNames {
  constructor() {
    /** @type {Map<string, number>} how often each name was given in this visit */
    this.given = new Map();
  }

  /**
   * The name for a picture of the last result of a transcript that has one.
   * @param {number} seed
   * @param {string} transcript
   */
  next(seed, transcript) {
    const kinds = resultKinds(transcript);
    const kind = kinds.at(-1);
    const name = `zepiro-${seed}-${kind}-${kinds.filter((each) => each === kind).length}`;
    const times = (this.given.get(name) ?? 0) + 1;
    this.given.set(name, times);
    return times === 1 ? `${name}.png` : `${name}-${times}.png`;
  }
}
