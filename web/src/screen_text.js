'use strict';

// The screen: what the program writes, with what the user typed where a
// terminal echoes it, laid out in cells so that it lines up in any font.
// Every character takes the width of its CP932 form, one cell or two, as in
// the console; 25 line ends in a row (a page break) start a new screen.

const kPageBreakLineEnds = 25;
// A screen keeps this many of its last lines, as a terminal's scrollback does:
// the largest draw writes some 1,500, while a flood of refused answers could
// write lines without end.
const kMostScreenLines = 2000;

// Cells a character takes: ASCII, half-width katakana, "¥" and "‾" one, every
// other character two.
function cellWidth(codePoint) {
  return codePoint < 0x80 || (codePoint >= 0xff61 && codePoint <= 0xff9f) ||
    codePoint === 0xa5 || codePoint === 0x203e ? 1 : 2;
}

// The lines of a screen as runs of text of one kind ('output', 'typed' or
// 'error'), kept apart from their elements so that a screen pushed away
// before it is shown costs no element at all.
class ScreenText {
  constructor() {
    this.lines = [[]];
    this.emptyLineEnds = 0;
    this.generation = 0;  // counts the screens begun
    this.trimmings = 0;  // counts the times old lines were let go
  }

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

  endLine() {
    const empty = this.lines[this.lines.length - 1].length === 0;
    this.emptyLineEnds = empty ? this.emptyLineEnds + 1 : 0;
    if (this.emptyLineEnds === kPageBreakLineEnds) {
      this.lines = [[]];
      this.emptyLineEnds = 0;
      this.generation += 1;
    } else {
      this.lines.push([]);
    }
    if (this.lines.length > kMostScreenLines + kMostScreenLines / 4) {
      this.lines.splice(0, this.lines.length - kMostScreenLines);
      this.trimmings += 1;
    }
  }
}

// Shows a ScreenText in an element: one block per line, one inline block per
// character (or per run of blanks) of a width in cells. The page sets the
// cell's width in the CSS variable --cell.
class ScreenView {
  constructor(element) {
    this.element = element;
    this.text = new ScreenText();
    this.shownGeneration = -1;
    this.shownTrimmings = 0;
    this.shownLines = 0;
  }

  add(text, kind) {
    this.text.add(text, kind);
  }

  // Brings the elements up to the text: the last line shown may have grown,
  // and lines may have come after it. True if a new screen began.
  show() {
    const lines = this.text.lines;
    const newScreen = this.shownGeneration !== this.text.generation;
    if (newScreen || this.shownTrimmings !== this.text.trimmings) {
      this.element.replaceChildren();
      this.shownGeneration = this.text.generation;
      this.shownTrimmings = this.text.trimmings;
      this.shownLines = 0;
    } else if (this.shownLines > 0) {
      this.element.lastChild.remove();
      this.shownLines -= 1;
    }
    const added = document.createDocumentFragment();
    for (let i = this.shownLines; i < lines.length; ++i) {
      added.append(lineElement(lines[i]));
    }
    this.element.append(added);
    this.shownLines = lines.length;
    return newScreen;
  }
}

function lineElement(runs) {
  const line = document.createElement('div');
  line.className = 'line';
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
      cell.className = `c${cellWidth(character.codePointAt(0))} ${run.kind}`;
      line.append(cell);
      blanks = character === ' ' ? {cell, count: 1, kind: run.kind} : null;
    }
  }
  return line;
}
