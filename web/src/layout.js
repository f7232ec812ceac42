// Fitting the screen to the window: the width of a cell, and where the view
// stands after the program writes.

// The widest screen is about 80 cells; a cell is never narrower than this
// (characters of at least 8 pixels) nor wider.
const kScreenCells = 80;
const kNarrowestCell = 4;
const kWidestCell = 10;
// Browsers lay out in 64ths of a pixel; a cell of whole 64ths has no edge rounded.
const kLayoutUnits = 64;

/**
 * The width of a cell in pixels for a screen this wide.
 * @param {number} screenWidth
 */
export function cellFor(screenWidth) {
  const cell = Math.min(kWidestCell, Math.max(kNarrowestCell, screenWidth / kScreenCells));
  return Math.floor(cell * kLayoutUnits) / kLayoutUnits;
}

/**
 * Sets the cell's width (--cell) for the screen element's width.
 * @param {HTMLElement} screen
 */
export function fitCells(screen) {
  document.documentElement.style.setProperty('--cell', `${cellFor(screen.clientWidth)}px`);
}

/**
 * A new screen is shown from its top; more text on the same screen, as a
 * terminal shows it, at the bottom. The input line stays in view below.
 * @param {boolean} newScreen
 */
export function scrollToNewest(newScreen) {
  window.scrollTo(0, newScreen ? 0 : document.body.scrollHeight);
}
