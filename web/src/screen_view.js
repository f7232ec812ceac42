// Shows the screen's text in an element, laid out in cells so that it lines
// up in any font: every character takes the width of its CP932 form, one
// cell or two, as in the console. The page sets a cell's width in the CSS
// variable --cell.

/** @typedef {import('./screen_text.js').ScreenText} ScreenText */
/** @typedef {import('./screen_text.js').Run} Run */

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
    } else if (this.shownEnd > this.firstShown) {
      this.element.lastChild?.remove();
      this.shownEnd -= 1;
    }
    for (; this.firstShown < Math.min(text.dropped, this.shownEnd); ++this.firstShown) {
      this.element.firstChild?.remove();
    }
    this.firstShown = Math.max(this.firstShown, text.dropped);
    const added = document.createDocumentFragment();
    for (let i = Math.max(this.shownEnd, text.dropped); i < text.dropped + text.lines.length; ++i) {
      added.append(this.lineElement(text.lines[i - text.dropped]));
    }
    this.element.append(added);
    this.shownEnd = text.dropped + text.lines.length;
    return newScreen;
  }

  /**
   * One block per line, one inline block per character or per run of blanks.
   * @private
   * @param {Run[]} runs
   */
  lineElement(runs) {
    const line = document.createElement('div');
    line.className = 'line';
    /** @type {{cell: HTMLElement, count: number, kind: string} | null} */
    let blanks = null;
    for (const run of runs) {
      for (const character of run.text) {
        if (character === ' ' && blanks !== null && blanks.kind === run.kind) {
          blanks.count += 1;
          blanks.cell.textContent += ' ';
          blanks.cell.style.width = `calc(var(--cell) * ${blanks.count})`;
          continue;
        }
        const cell = document.createElement('span');
        cell.textContent = character;
        cell.className = `c${this.cellWidth(Number(character.codePointAt(0)))} ${run.kind}`;
        line.append(cell);
        blanks = character === ' ' ? {cell, count: 1, kind: run.kind} : null;
      }
    }
    return line;
  }
}
