// A result as a picture: each character drawn in its cells on white, as the
// screen lays it out.

// Canvases are limited to some 32,000 pixels a side.
const kTallestPicture = 32000;
// A cell in pixels: this wide at most, and no narrower than is legible.
const kWidestCell = 12;
const kNarrowestCell = 4;
// A line is this many cells high; a character two cells high.
const kLineCells = 2.5;
// Blank cells around the text: half a line above, a cell to the left and three
// to the right.
const kMarginCells = 4;

/**
 * A PNG of the lines; resolves with null if the lines are too many for a picture.
 * @param {string[]} lines
 * @param {string} fontFamily
 * @param {(codePoint: number) => number} cellWidth
 * @returns {Promise<Blob | null>}
 */
export function pictureOf(lines, fontFamily, cellWidth) {
  const widthOf = (/** @type {string} */ line) =>
    [...line].reduce((cells, character) => cells + cellWidth(Number(character.codePointAt(0))), 0);
  const widest = Math.max(...lines.map(widthOf));
  const cell = Math.min(kWidestCell, Math.floor(kTallestPicture / (kLineCells * (lines.length + 1))));
  if (cell < kNarrowestCell) {
    return Promise.resolve(null);
  }
  const lineHeight = Math.round(kLineCells * cell);
  const canvas = document.createElement('canvas');
  canvas.width = (widest + kMarginCells) * cell;
  canvas.height = (lines.length + 1) * lineHeight;
  const context = canvas.getContext('2d');
  if (context === null) {
    return Promise.resolve(null);
  }
  context.fillStyle = '#fff';
  context.fillRect(0, 0, canvas.width, canvas.height);
  context.fillStyle = '#000';
  context.font = `${2 * cell}px ${fontFamily}`;
  context.textBaseline = 'middle';
  lines.forEach((line, row) => {
    let column = 1;
    for (const character of line) {
      context.fillText(character, column * cell, (row + 1) * lineHeight);
      column += cellWidth(Number(character.codePointAt(0)));
    }
  });
  return new Promise((resolve) => canvas.toBlob(resolve, 'image/png'));
}
