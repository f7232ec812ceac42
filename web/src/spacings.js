// Each character's letter spacing on the screen: what its advance in the
// screen's font leaves of its cells, in ems. A character is measured once for
// each font, whatever the session: its cells are the program's own rule, the
// same in every session.

import {kFontCells} from './cells.js';

// Characters are measured in a font this large, in pixels.
const kMeasuredSize = 100;
// Spacings are kept in thousandths of an em, so that characters of one
// advance share a spacing.
const kSpacingUnits = 1000;
// Characters are measured this many to a layout: a character new to the
// browser's fonts can take a tenth of a millisecond, four times that on a
// phone, so that a layout of them stays within a slice of work.
const kMeasuredAtOnce = 64;

/**
 * The code units of the character at `index`: two for a surrogate pair.
 * @param {string} text
 * @param {number} index
 */
export function characterLength(text, index) {
  return Number(text.codePointAt(index)) > 0xffff ? 2 : 1;
}

export class Spacings {
  constructor() {
    /** Those of the basic plane by code unit, NaN until measured. */
    this.plane = new Float64Array(0x10000).fill(NaN);
    /** @type {Map<string, number>} the others by their text */
    this.others = new Map();
  }

  /**
   * The spacing of the character at `index`; NaN if it is not measured yet.
   * @param {string} text
   * @param {number} index
   */
  at(text, index) {
    const unit = text.charCodeAt(index);
    return unit < 0xd800 || unit > 0xdfff ? this.plane[unit] :
      this.others.get(String.fromCodePoint(Number(text.codePointAt(index)))) ?? NaN;
  }

  /**
   * Measures those of `texts`' characters not measured yet, in `element`'s
   * font, kMeasuredAtOnce to a layout, until all are or `until` (a time of
   * performance.now()) has passed.
   * @param {string[]} texts
   * @param {HTMLElement} element
   * @param {(codePoint: number) => number} cellWidth
   * @param {number} [until]
   * @returns {boolean} whether every character is measured with time left
   */
  measure(texts, element, cellWidth, until = Infinity) {
    /** @type {Set<string>} */
    const batch = new Set();
    const measureBatch = () => {
      this.measureNow([...batch], element, cellWidth);
      batch.clear();
      return performance.now() <= until;
    };
    for (const text of texts) {
      for (let i = 0; i < text.length; i += characterLength(text, i)) {
        if (Number.isNaN(this.at(text, i))) {
          batch.add(String.fromCodePoint(Number(text.codePointAt(i))));
          if (batch.size === kMeasuredAtOnce && !measureBatch()) {
            return false;
          }
        }
      }
    }
    return batch.size === 0 || measureBatch();
  }

  /**
   * Measures `characters` in one layout.
   * @private
   * @param {string[]} characters
   * @param {HTMLElement} element
   * @param {(codePoint: number) => number} cellWidth
   */
  measureNow(characters, element, cellWidth) {
    const box = document.createElement('div');
    box.className = 'measure';
    box.style.fontSize = `${kMeasuredSize}px`;
    const measured = characters.map((character) => {
      const span = document.createElement('span');
      span.textContent = character;
      return span;
    });
    box.append(...measured);
    element.append(box);
    for (const span of measured) {
      const character = span.textContent ?? '';
      const codePoint = Number(character.codePointAt(0));
      const advance = span.getBoundingClientRect().width / kMeasuredSize;
      const spacing = Math.round((cellWidth(codePoint) / kFontCells - advance) * kSpacingUnits) /
        kSpacingUnits;
      if (character.length === 1 && (codePoint < 0xd800 || codePoint > 0xdfff)) {
        this.plane[codePoint] = spacing;
      } else {
        this.others.set(character, spacing);
      }
    }
    box.remove();
  }
}

/** @type {Map<string, Spacings>} by font family */
const kSpacingsByFont = new Map();

/**
 * The spacings of characters in the font `element` shows its text in.
 * @param {HTMLElement} element
 */
export function spacingsFor(element) {
  const font = getComputedStyle(element).fontFamily;
  let spacings = kSpacingsByFont.get(font);
  if (spacings === undefined) {
    spacings = new Spacings();
    kSpacingsByFont.set(font, spacings);
  }
  return spacings;
}
