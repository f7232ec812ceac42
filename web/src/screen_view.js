// Shows the screen's text in an element, laid out in cells so that it lines
// up in any font: every character takes the width of its CP932 form, one
// cell or two, as in the console. A cell is half the screen's font size
// (page.css). Each character's advance in the font is measured once, and its
// letter spacing makes up the rest of its cells; so a line is one element
// with its text, and only a run whose kind or spacing differs from the line's
// is an element of its own. Lines are grouped in blocks.

import {fitCells, rowCells} from './cells.js';

/** @typedef {import('./screen_text.js').ScreenText} ScreenText */
/** @typedef {import('./screen_text.js').Run} Run */

// Lines are shown in blocks of this many, which page.css lays out only when
// in view: a long screen (the largest draw has some 1,500 lines) costs little
// more than the lines in view.
const kBlockLines = 50;
// Characters are measured in a font this large, in pixels.
const kMeasuredSize = 100;
// Spacings are kept in thousandths of an em, so that characters of one
// advance share a spacing.
const kSpacingUnits = 1000;

export class ScreenView {
  /**
   * @param {HTMLElement} element
   * @param {ScreenText} text
   * @param {(codePoint: number) => number} cellWidth
   */
  constructor(element, text, cellWidth) {
    this.element = element;
    this.text = text;
    this.cellWidth = cellWidth;
    this.shownGeneration = -1;
    // The lines shown, counted from the top of the screen, those let go included.
    this.firstShown = 0;
    this.shownEnd = 0;
    // The cells of the screen's widest row (cells.js).
    this.widestRow = 0;
    // Each character's letter spacing, in ems: those of the basic plane by
    // code unit (NaN until measured), the others by their text.
    this.planeSpacings = new Float64Array(0x10000).fill(NaN);
    /** @type {Map<string, number>} */
    this.otherSpacings = new Map();
  }

  /**
   * Brings the elements up to the text: the last line shown may have grown,
   * lines may have come after it, and lines at the top may have been let go.
   * @returns {boolean} true if a new screen began
   */
  show() {
    const text = this.text;
    const newScreen = this.shownGeneration !== text.generation;
    if (newScreen) {
      this.element.replaceChildren();
      this.shownGeneration = text.generation;
      this.firstShown = 0;
      this.shownEnd = 0;
      this.widestRow = 0;
    } else if (this.shownEnd > this.firstShown) {
      removeLine(this.element.lastElementChild, 'lastElementChild');
      this.shownEnd -= 1;
    }
    for (; this.firstShown < Math.min(text.dropped, this.shownEnd); ++this.firstShown) {
      removeLine(this.element.firstElementChild, 'firstElementChild');
    }
    this.firstShown = Math.max(this.firstShown, text.dropped);
    const lines = text.lines.slice(Math.max(this.shownEnd, text.dropped) - text.dropped);
    this.measure(lines);
    for (const runs of lines) {
      const written = runs.filter((run) => run.kind === 'output').map((run) => run.text).join('');
      this.widestRow = Math.max(this.widestRow, rowCells(written, this.cellWidth));
    }
    this.fit();
    let block = this.element.lastElementChild;
    const added = document.createDocumentFragment();
    for (const runs of lines) {
      if (block === null || block.childElementCount === kBlockLines) {
        block = document.createElement('div');
        block.className = 'block';
        added.append(block);
      }
      block.append(this.lineElement(runs));
    }
    this.element.append(added);
    this.shownEnd = text.dropped + text.lines.length;
    return newScreen;
  }

  /** Sizes the cells for the screen's width and its widest row. */
  fit() {
    fitCells(this.element, this.widestRow);
  }

  /**
   * The letter spacing of the character at `index`, in ems; NaN if it is
   * not measured yet.
   * @private
   * @param {string} text
   * @param {number} index
   */
  spacingAt(text, index) {
    const unit = text.charCodeAt(index);
    return unit < 0xd800 || unit > 0xdfff ? this.planeSpacings[unit] :
      this.otherSpacings.get(String.fromCodePoint(Number(text.codePointAt(index)))) ?? NaN;
  }

  /**
   * Measures the characters not measured yet, all in one layout.
   * @private
   * @param {Run[][]} lines
   */
  measure(lines) {
    /** @type {Set<string>} */
    const characters = new Set();
    for (const runs of lines) {
      for (const {text} of runs) {
        for (let i = 0; i < text.length; i += characterLength(text, i)) {
          if (Number.isNaN(this.spacingAt(text, i))) {
            characters.add(String.fromCodePoint(Number(text.codePointAt(i))));
          }
        }
      }
    }
    if (characters.size === 0) {
      return;
    }
    const box = document.createElement('div');
    box.className = 'measure';
    box.style.fontSize = `${kMeasuredSize}px`;
    const measured = [...characters].map((character) => {
      const span = document.createElement('span');
      span.textContent = character;
      return span;
    });
    box.append(...measured);
    this.element.append(box);
    for (const span of measured) {
      const character = span.textContent ?? '';
      const codePoint = Number(character.codePointAt(0));
      const advance = span.getBoundingClientRect().width / kMeasuredSize;
      const spacing = Math.round((this.cellWidth(codePoint) / 2 - advance) * kSpacingUnits) /
        kSpacingUnits;
      if (character.length === 1 && (codePoint < 0xd800 || codePoint > 0xdfff)) {
        this.planeSpacings[codePoint] = spacing;
      } else {
        this.otherSpacings.set(character, spacing);
      }
    }
    box.remove();
  }

  /**
   * One block per line, with the spacing most of its characters need; one
   * inline element per run of another kind or spacing.
   * @private
   * @param {Run[]} runs
   */
  lineElement(runs) {
    const line = document.createElement('div');
    line.className = 'line';
    /** @type {{run: Run, start: number, end: number, spacing: number}[]} */
    const pieces = [];
    for (const run of runs) {
      const text = run.text;
      for (let i = 0; i < text.length;) {
        const spacing = this.spacingAt(text, i);
        const end = i + characterLength(text, i);
        const last = pieces[pieces.length - 1];
        if (last !== undefined && last.run === run && last.spacing === spacing) {
          last.end = end;
        } else {
          pieces.push({run, start: i, end, spacing});
        }
        i = end;
      }
    }
    /** @type {Map<number, number>} the code units of each spacing */
    const counts = new Map();
    let lineSpacing = 0;
    for (const {start, end, spacing} of pieces) {
      counts.set(spacing, (counts.get(spacing) ?? 0) + end - start);
      if (Number(counts.get(spacing)) > (counts.get(lineSpacing) ?? 0)) {
        lineSpacing = spacing;
      }
    }
    if (lineSpacing !== 0) {
      line.style.letterSpacing = `${lineSpacing}em`;
    }
    for (const {run, start, end, spacing} of pieces) {
      const text = run.text.slice(start, end);
      if (run.kind === 'output' && spacing === lineSpacing) {
        line.append(text);
        continue;
      }
      const span = document.createElement('span');
      span.textContent = text;
      if (run.kind !== 'output') {
        span.className = run.kind;
      }
      if (spacing !== lineSpacing) {
        span.style.letterSpacing = `${spacing}em`;
      }
      line.append(span);
    }
    return line;
  }
}

/**
 * Removes the first or the last line of a block, and the block once empty.
 * @param {Element | null} block
 * @param {'firstElementChild' | 'lastElementChild'} which
 */
function removeLine(block, which) {
  block?.[which]?.remove();
  if (block?.childElementCount === 0) {
    block.remove();
  }
}

/**
 * The code units of the character at `index`: two for a surrogate pair.
 * @param {string} text
 * @param {number} index
 */
function characterLength(text, index) {
  return Number(text.codePointAt(index)) > 0xffff ? 2 : 1;
}

/**
 * Shows the newest text, as a terminal does: the last line written, with the
 * input line below it.
 */
export function scrollToNewest() {
  window.scrollTo(0, document.documentElement.scrollHeight);
}
