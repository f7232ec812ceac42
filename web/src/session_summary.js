// A kept session in a few words, enough to tell it from the others offered:
// when it was last typed into, the names typed into it, and its version.

/** @typedef {import('./storage.js').KeptSession} KeptSession */

/** The most names a summary shows; more are left at "…". */
const kNamesShown = 4;

/**
 * The names typed: every word (the program reads names as words, between
 * ASCII blanks) that is not an answer of digits, signs and pairs such as 4-2.
 * @param {Uint8Array} typed
 */
export function namesTyped(typed) {
  const words = new TextDecoder().decode(typed).split(/[\t\n\v\f\r ]+/);
  return [...new Set(words.filter((word) => /[^0-9０-９+＋\-－−ーｰ]/.test(word)))];
}

/** @param {KeptSession} kept */
export function summarize(kept) {
  const names = namesTyped(kept.session.typed);
  const parts = [
    names.length === 0 ? '名前の入力前' : names.slice(0, kNamesShown).join('、') +
      (names.length > kNamesShown ? '…' : ''),
    `版 ${kept.session.version}`,
  ];
  if (kept.typedAt > 0) {
    parts.unshift(new Date(kept.typedAt).toLocaleString('ja-JP',
      {month: 'numeric', day: 'numeric', hour: 'numeric', minute: '2-digit'}));
  }
  return parts.join('・');
}
