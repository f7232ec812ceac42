// A screen in cells: the proportions of its text, the cells of its rows, and
// the width of a cell that fits the widest row to the window.

// The proportions of the screen's text, which page.css takes from here
// (ScreenView sets them on the screen) and a picture of it keeps too.
/** A character's font size is two cells: a full-width character fills it. */
export const kFontCells = 2;
/** A line is this many font sizes high. */
export const kLineHeight = 1.25;
/** A cell in pixels is never narrower than this, on the screen or in a picture: characters of 8. */
export const kNarrowestCell = 4;

// A screen's cells are sized from its widest row, the widest line that keeps
// columns: a rule of dashes, or a line with a run of blanks two cells wide or
// more between its words (the pairings, the tables, the ban editors). Such a
// row fits the screen's width with a cell to spare for rounding, so it never
// wraps; longer prose (a prompt, the names typed together) wraps as a narrow
// terminal wraps it. A cell is never narrower than kNarrowestCell nor wider
// than kWidestCell.
const kWidestCell = 10;
const kRow = /^-+$|\S(?: {2}|\u3000)\s*\S/;
// Browsers lay out in 64ths of a pixel; a cell of whole 64ths has no edge rounded.
const kLayoutUnits = 64;

/**
 * The cells of a line written by the program if it is a row, else 0.
 * @param {string} line
 * @param {(codePoint: number) => number} cellWidth
 */
export function rowCells(line, cellWidth) {
  if (!kRow.test(line)) {
    return 0;
  }
  let cells = 0;
  for (const character of line) {
    cells += cellWidth(Number(character.codePointAt(0)));
  }
  return cells;
}

/**
 * The width of a cell in pixels for a screen this wide whose widest row has these cells.
 * @param {number} screenWidth
 * @param {number} widestRow
 */
export function cellFor(screenWidth, widestRow) {
  const cell = Math.min(kWidestCell, Math.max(kNarrowestCell, screenWidth / (widestRow + 1)));
  return Math.floor(cell * kLayoutUnits) / kLayoutUnits;
}

/**
 * Sets the screen's cell width (--cell) for its width and its widest row.
 * @param {HTMLElement} screen
 * @param {number} widestRow
 */
export function fitCells(screen, widestRow) {
  screen.style.setProperty('--cell', `${cellFor(screen.clientWidth, widestRow)}px`);
}
