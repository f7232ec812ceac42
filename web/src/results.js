// The last result of a session, for a chat: the pairings of the last draw, or
// the table of the last tally, between their dashed lines. The program frames
// a draw's pairings with 29 dashes and a tally's table with 36; a test runs
// both through this search.

/**
 * The lines of the last draw or tally result in a transcript, dashed lines
 * included; null if there is none yet.
 * @param {string} transcript
 */
export function lastResult(transcript) {
  let last = null;
  for (const found of transcript.matchAll(/^(-{29}|-{36})\n[^]*?^\1$/gm)) {
    last = found[0];
  }
  return last === null ? null : last.split('\n');
}
