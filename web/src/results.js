'use strict';

// The last result of a session, for a chat: the pairings of the last draw, or
// the table of the last tally, between their dashed lines, as text or as a
// picture drawn in the screen's cells.

// The lines of the last draw or tally result in a transcript, dashed lines
// included; null if there is none yet.
function lastResult(transcript) {
  let last = null;
  for (const found of transcript.matchAll(/^(-{29}|-{36})\n[^]*?^\1$/gm)) {
    last = found[0];
  }
  return last === null ? null : last.split('\n');
}

// Canvases are limited to some 32,000 pixels a side.
const kTallestPicture = 32000;

// A PNG of the lines, each character in its cells on white; resolves with
// null if the lines are too many for a picture.
function pictureOf(lines, fontFamily) {
  const widest = Math.max(...lines.map((line) => {
    let cells = 0;
    for (const character of line) {
      cells += cellWidth(character.codePointAt(0));
    }
    return cells;
  }));
  const cell = Math.min(12, Math.floor(kTallestPicture / (2.5 * (lines.length + 1))));
  if (cell < 4) {
    return Promise.resolve(null);
  }
  const lineHeight = Math.round(2.5 * cell);
  const canvas = document.createElement('canvas');
  canvas.width = (widest + 4) * cell;
  canvas.height = (lines.length + 1) * lineHeight;
  const context = canvas.getContext('2d');
  context.fillStyle = '#fff';
  context.fillRect(0, 0, canvas.width, canvas.height);
  context.fillStyle = '#000';
  context.font = `${2 * cell}px ${fontFamily}`;
  context.textBaseline = 'middle';
  lines.forEach((line, row) => {
    let column = 1;
    for (const character of line) {
      context.fillText(character, column * cell, (row + 1) * lineHeight);
      column += cellWidth(character.codePointAt(0));
    }
  });
  return new Promise((resolve) => canvas.toBlob(resolve, 'image/png'));
}
