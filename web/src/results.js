// The last result of a session, for a chat: the pairings of the last draw, or
// the table of the last tally, between their dashed lines. The program frames
// a draw's pairings with 29 dashes and a tally's table with 36; a test runs
// both through this search.

const kDrawDashes = 29;
const kTallyDashes = 36;
const kResult = new RegExp(`^(-{${kDrawDashes}}|-{${kTallyDashes}})\\n[^]*?^\\1$`, 'gm');

/**
 * The lines of the last draw or tally result in a transcript, dashed lines
 * included; null if there is none yet.
 * @param {string} transcript
 */
export function lastResult(transcript) {
  let last = null;
  for (const found of transcript.matchAll(kResult)) {
    last = found[0];
  }
  return last === null ? null : last.split('\n');
}

/**
 * What each result in a transcript shows, oldest first: a draw's pairings or
 * a tally's table.
 * @param {string} transcript
 * @returns {('draw' | 'tally')[]}
 */
export function resultKinds(transcript) {
  return [...transcript.matchAll(kResult)].map((found) =>
    (found[1].length === kDrawDashes ? 'draw' : 'tally'));
}
