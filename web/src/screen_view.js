// Shows the screen's text in an element, laid out in cells so that it lines
// up in any font: every character takes the width of its CP932 form, one
// cell or two, as in the console. A character's letter spacing
// (spacings.js) makes up what its advance leaves of its cells; so a line is
// one element with its text, and only a run whose kind or spacing differs
// from the line's is an element of its own. Lines are grouped in blocks.

import {fitCells, kFontCells, kLineHeight, rowCells} from './cells.js';
import {characterLength, spacingsFor} from './spacings.js';
import {kSliceMilliseconds, nextTask} from './tasks.js';

/** @typedef {import('./screen_text.js').ScreenText} ScreenText */
/** @typedef {import('./screen_text.js').Run} Run */

// Lines are shown in blocks of this many, which page.css lays out only when
// in view: a long screen (the largest draw has some 1,500 lines) costs little
// more than the lines in view.
const kBlockLines = 50;
// A line longer than this many code units (a replayed line of thousands of
// characters; the program writes none) is shown in pieces of at most that
// many, each laid out on its own (page.css), a piece to a layout: the browser
// lays such a line out as one paragraph in most of a second on a phone, and
// again for each piece added to it. Each piece starts a row.
const kPieceUnits = 1024;

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
    // The runs of the last line shown, which is made again once it has more.
    this.lastRuns = 0;
    /** @type {{line: Element, pieces: Node[]}[]} long lines shown, and their pieces still to come */
    this.filling = [];
    // page.css sizes the screen's font, its lines and its blocks out of view by these.
    element.style.setProperty('--font-cells', String(kFontCells));
    element.style.setProperty('--line-height', String(kLineHeight));
    element.style.setProperty('--block-lines', String(kBlockLines));
    this.spacings = spacingsFor(element);
  }

  /**
   * Brings the elements up to the text: the last line shown may have grown,
   * lines may have come after it, and lines at the top may have been let go.
   * Where its new lines have characters new to measure, and measuring them
   * takes it past `until` (a time of performance.now()), it measures some
   * and changes nothing else; a long line is filled until then. It is called
   * again, until it has shown the text.
   * @param {number} [until]
   * @returns {boolean} whether it has shown the text
   */
  show(until = Infinity) {
    if (!this.fill(until)) {
      return false;
    }
    const text = this.text;
    const shown = this.shownGeneration === text.generation;
    const added = text.linesFrom(shown ? Math.max(0, this.shownEnd - 1) : 0);
    if (!this.spacings.measure(added.flatMap((runs) => runs.map((run) => run.text)),
      this.element, this.cellWidth, until)) {
      return false;
    }
    if (!shown) {
      this.element.replaceChildren();
      this.shownGeneration = text.generation;
      this.firstShown = 0;
      this.shownEnd = 0;
      this.widestRow = 0;
    } else if (this.shownEnd > Math.max(this.firstShown, text.dropped) &&
        text.linesFrom(this.shownEnd - 1)[0].length !== this.lastRuns) {
      removeLine(this.element.lastElementChild, 'lastElementChild');
      this.shownEnd -= 1;
    }
    for (; this.firstShown < Math.min(text.dropped, this.shownEnd); ++this.firstShown) {
      removeLine(this.element.firstElementChild, 'firstElementChild');
    }
    this.firstShown = Math.max(this.firstShown, text.dropped);
    const lines = text.linesFrom(this.shownEnd);
    for (const runs of lines) {
      const written = runs.filter((run) => run.kind === 'output').map((run) => run.text).join('');
      this.widestRow = Math.max(this.widestRow, rowCells(written, this.cellWidth));
    }
    this.fit();
    let block = this.element.lastElementChild;
    const blocks = document.createDocumentFragment();
    for (const runs of lines) {
      if (block === null || block.childElementCount === kBlockLines) {
        block = document.createElement('div');
        block.className = 'block';
        blocks.append(block);
      }
      const line = this.lineElement(runs);
      block.append(line.element);
      if (line.long) {
        this.filling.push({line: line.element, pieces: line.pieces});
      } else {
        line.element.append(...line.pieces);
      }
      this.lastRuns = runs.length;
    }
    this.element.append(blocks);
    this.shownEnd = text.end;
    return this.fill(until);
  }

  /**
   * Fills the long lines shown, a piece to a layout, until `until`.
   * @private
   * @param {number} until
   * @returns {boolean} whether they are whole
   */
  fill(until) {
    this.filling = this.filling.filter(({line, pieces}) =>
      pieces.length > 0 && this.element.contains(line));
    for (const {line, pieces} of this.filling) {
      while (pieces.length > 0) {
        line.append(/** @type {Node} */ (pieces.shift()));
        line.getBoundingClientRect();  // laid out now, without the pieces to come
        if (performance.now() > until) {
          return false;
        }
      }
    }
    this.filling = [];
    return true;
  }

  /**
   * Shows the text as show() does, at once where it can, else a slice of
   * work at a time, then the newest text; a screen that took several slices
   * is laid out and scrolled in one of its own. Stops once the view is no
   * longer `shown()`.
   * @param {() => boolean} shown
   */
  async showInSlices(shown) {
    for (let slices = 1; ; ++slices) {
      const done = this.show(performance.now() + kSliceMilliseconds);
      if (done && slices === 1) {
        break;
      }
      await nextTask();
      if (!shown()) {
        return;
      }
      if (done) {
        break;
      }
    }
    scrollToNewest();
  }

  /** Sizes the cells for the screen's width and its widest row. */
  fit() {
    fitCells(this.element, this.widestRow);
  }

  /**
   * One block per line, with the spacing most of its characters need; one
   * inline element per run of another kind or spacing, and in a long line one
   * per kPieceUnits code units. The pieces are not in the line yet.
   * @private
   * @param {Run[]} runs
   * @returns {{element: HTMLElement, pieces: Node[], long: boolean}}
   */
  lineElement(runs) {
    const line = document.createElement('div');
    line.className = 'line';
    /** @type {{run: Run, start: number, end: number, spacing: number}[]} */
    const pieces = [];
    for (const run of runs) {
      const text = run.text;
      for (let i = 0; i < text.length;) {
        const spacing = this.spacings.at(text, i);
        const end = i + characterLength(text, i);
        const last = pieces[pieces.length - 1];
        if (last !== undefined && last.run === run && last.spacing === spacing &&
            end - last.start <= kPieceUnits) {
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
    const long = runs.reduce((units, run) => units + run.text.length, 0) > kPieceUnits;
    return {element: line, long, pieces: pieces.map(({run, start, end, spacing}) => {
      const text = run.text.slice(start, end);
      if (run.kind === 'output' && spacing === lineSpacing && !long) {
        return document.createTextNode(text);
      }
      const span = document.createElement('span');
      span.textContent = text;
      if (run.kind !== 'output') {
        span.classList.add(run.kind);
      }
      if (long) {
        span.classList.add('piece');
      }
      if (spacing !== lineSpacing) {
        span.style.letterSpacing = `${spacing}em`;
      }
      return span;
    })};
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
 * Shows in the screen how far a replay has gone, until its view shows the
 * text (which replaces it); page.css shows it once it has lasted half a
 * second.
 * @param {HTMLElement} screen
 * @param {number} done  the replayed bytes the program has taken
 * @param {number} total
 */
export function showReplayProgress(screen, done, total) {
  let shown = screen.querySelector('.progress');
  if (shown === null) {
    shown = document.createElement('p');
    shown.className = 'progress';
    screen.replaceChildren(shown);
  }
  const bar = document.createElement('progress');
  bar.max = total;
  bar.value = done;
  shown.replaceChildren('入力を再生しています ', bar, ` ${grouped(done)} / ${grouped(total)} バイト`);
}

/**
 * A count with its digits in threes, as toLocaleString('ja-JP') writes it,
 * without the locale's data, whose loading would hold a replay's first slice.
 * @param {number} count
 */
function grouped(count) {
  return String(count).replace(/\B(?=(\d{3})+$)/g, ',');
}

/**
 * Shows the newest text, as a terminal does: the last line written, with the
 * input line below it.
 */
function scrollToNewest() {
  window.scrollTo(0, document.documentElement.scrollHeight);
}
