// The text of the screen: what the program writes, with what the user typed
// where a terminal echoes it. A page break (the program's run of empty lines)
// starts a new screen.

/** @typedef {'output' | 'typed' | 'error'} TextKind */

/**
 * A piece of a line written in one kind.
 * @typedef {{text: string, kind: TextKind}} Run
 */

/**
 * A screen keeps this many of its last lines, as a terminal's scrollback does:
 * the largest draw writes some 1,500, while a flood of refused answers could
 * write lines without end.
 */
export const kMostScreenLines = 2000;

/**
 * The lines of a screen as runs of text of one kind, kept apart from their
 * elements so that a screen pushed away before it is shown costs no element.
 */
export class ScreenText {
  /** @param {number} pageBreakLineEnds  empty line ends in a row that start a new screen */
  constructor(pageBreakLineEnds) {
    this.pageBreakLineEnds = pageBreakLineEnds;
    /** @type {Run[][]} */
    this.lines = [[]];
    this.emptyLineEnds = 0;
    this.generation = 0;  // counts the screens begun
    this.dropped = 0;  // lines of this screen let go from its top
  }

  /**
   * @param {string} text
   * @param {TextKind} kind
   */
  add(text, kind) {
    for (const piece of text.split(/(\n)/)) {
      if (piece === '\n') {
        this.endLine();
      } else if (piece !== '') {
        this.lines[this.lines.length - 1].push({text: piece, kind});
        this.emptyLineEnds = 0;
      }
    }
  }

  /** @private */
  endLine() {
    const empty = this.lines[this.lines.length - 1].length === 0;
    this.emptyLineEnds = empty ? this.emptyLineEnds + 1 : 0;
    if (this.emptyLineEnds === this.pageBreakLineEnds) {
      this.lines = [[]];
      this.emptyLineEnds = 0;
      this.generation += 1;
      this.dropped = 0;
    } else {
      this.lines.push([]);
    }
    if (this.lines.length > kMostScreenLines) {
      this.lines.shift();
      this.dropped += 1;
    }
  }
}
