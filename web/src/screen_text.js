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
    /**
     * The screen's lines from `head` on; those before it are let go, and
     * removed together once there are as many as the screen keeps, so that
     * letting a line go costs the same however long the screen.
     * @type {Run[][]}
     */
    this.kept = [[]];
    this.head = 0;
    this.emptyLineEnds = 0;
    this.generation = 0;  // counts the screens begun
    this.dropped = 0;  // lines of this screen let go from its top
  }

  /** One past the screen's last line, counted from its top, those let go included. */
  get end() {
    return this.dropped + this.kept.length - this.head;
  }

  /**
   * The lines kept from line `from` on, counted from the top of the screen.
   * @param {number} from
   */
  linesFrom(from) {
    return this.kept.slice(this.head + Math.max(0, from - this.dropped));
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
        this.kept[this.kept.length - 1].push({text: piece, kind});
        this.emptyLineEnds = 0;
      }
    }
  }

  /** @private */
  endLine() {
    const empty = this.kept[this.kept.length - 1].length === 0;
    this.emptyLineEnds = empty ? this.emptyLineEnds + 1 : 0;
    if (this.emptyLineEnds === this.pageBreakLineEnds) {
      this.kept = [[]];
      this.head = 0;
      this.emptyLineEnds = 0;
      this.generation += 1;
      this.dropped = 0;
    } else {
      this.kept.push([]);
    }
    if (this.kept.length - this.head > kMostScreenLines) {
      this.head += 1;
      this.dropped += 1;
      if (this.head === kMostScreenLines) {
        this.kept.splice(0, this.head);
        this.head = 0;
      }
    }
  }
}
