// A result as a picture: each character drawn in its cells on white, as the
// screen lays it out, in four greys (png.js).

import {greyPng, greyScanlines} from './png.js';
import {kFontCells, kLineHeight, kNarrowestCell} from './cells.js';

// Canvases are limited to some 32,000 pixels a side.
const kTallestPicture = 32000;
// A cell in pixels, unless the picture has so many lines that it needs
// narrower ones (never narrower than kNarrowestCell).
const kPictureCell = 12;
// A line is this many cells high, as on the screen.
const kLineCells = kFontCells * kLineHeight;
// Blank cells around the text: half a line above, a cell to the left and three
// to the right.
const kMarginCells = 4;
// A character whose advance is this close to its cells' width fills them.
const kFitPixels = 0.001;

/**
 * A PNG of the lines; resolves with null if the lines are too many for a picture.
 * @param {string[]} lines
 * @param {string} fontFamily
 * @param {(codePoint: number) => number} cellWidth
 * @returns {Promise<Blob | null>}
 */
export async function pictureOf(lines, fontFamily, cellWidth) {
  const widthOf = (/** @type {string} */ line) =>
    [...line].reduce((cells, character) => cells + cellWidth(Number(character.codePointAt(0))), 0);
  const widest = Math.max(...lines.map(widthOf));
  const cell = Math.min(kPictureCell, Math.floor(kTallestPicture / (kLineCells * (lines.length + 1))));
  if (cell < kNarrowestCell) {
    return null;
  }
  const lineHeight = Math.round(kLineCells * cell);
  const canvas = document.createElement('canvas');
  canvas.width = (widest + kMarginCells) * cell;
  canvas.height = (lines.length + 1) * lineHeight;
  const context = canvas.getContext('2d', {alpha: false, willReadFrequently: true});
  if (context === null) {
    return null;
  }
  context.fillStyle = '#fff';
  context.fillRect(0, 0, canvas.width, canvas.height);
  context.fillStyle = '#000';
  context.font = `${kFontCells * cell}px ${fontFamily}`;
  context.textBaseline = 'middle';
  context.fontKerning = 'none';
  // A run of characters whose advances fill their cells exactly is drawn in
  // one call; any other character alone, at its cells.
  /** @type {Map<string, boolean>} */
  const fits = new Map();
  const fitting = (/** @type {string} */ character, /** @type {number} */ cells) => {
    let fit = fits.get(character);
    if (fit === undefined) {
      fit = Math.abs(context.measureText(character).width - cells * cell) < kFitPixels;
      fits.set(character, fit);
    }
    return fit;
  };
  lines.forEach((line, row) => {
    const y = (row + 1) * lineHeight;
    let column = 1;
    let run = '';
    let runColumn = column;
    for (const character of line) {
      const cells = cellWidth(Number(character.codePointAt(0)));
      if (!fitting(character, cells)) {
        context.fillText(run, runColumn * cell, y);
        context.fillText(character, column * cell, y);
        run = '';
      } else if (run === '') {
        run = character;
        runColumn = column;
      } else {
        run += character;
      }
      column += cells;
    }
    context.fillText(run, runColumn * cell, y);
  });
  const {width, height} = canvas;
  return greyPng(width, height, greyScanlines(context.getImageData(0, 0, width, height).data,
    width, height));
}
