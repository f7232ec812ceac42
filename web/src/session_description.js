// A session as a link: `#seed=N&typed=T&version=V`, N the seed in decimal, T
// the UTF-8 bytes typed so far (each line with its "\n") in base64url without
// padding, V the version of the program that ran it: the same seed and bytes
// draw the same only on the same version. The same form keeps sessions on the
// device.

/** The largest seed the program takes (`--seed`); a test holds the two together. */
export const kLargestSeed = 4294967295;
/** More typed bytes than a long evening of draws and tallies would take. */
export const kMostTypedBytes = 65536;
/** The version that made a link without one: links named none before it. */
export const kUnnamedVersion = '2.2.0';

/** @param {Uint8Array} bytes */
export function toBase64Url(bytes) {
  let binary = '';
  for (const byte of bytes) {
    binary += String.fromCharCode(byte);
  }
  return btoa(binary).replace(/\+/g, '-').replace(/\//g, '_').replace(/=+$/, '');
}

/**
 * The bytes of base64url text, or null if it is not exactly the form
 * toBase64Url makes.
 * @param {string} text
 */
export function fromBase64Url(text) {
  if (!/^[A-Za-z0-9_-]*$/.test(text) || text.length % 4 === 1) {
    return null;
  }
  const binary = atob(text.replace(/-/g, '+').replace(/_/g, '/'));
  const bytes = Uint8Array.from(binary, (character) => character.charCodeAt(0));
  return toBase64Url(bytes) === text ? bytes : null;
}

/**
 * A session as a link or the device describes it: its seed, the bytes typed
 * into it, replayed exactly as they are, and the version that ran it.
 * @typedef {{seed: number, typed: Uint8Array, version: string}} SessionDescription
 */

/** @param {SessionDescription} session */
export function describeSession({seed, typed, version}) {
  return `seed=${seed}&typed=${toBase64Url(typed)}&version=${version}`;
}

/**
 * Reads what describeSession wrote (without the "#"); null if anything in it
 * is wrong, too long, or not whole lines of UTF-8 text as the page types them.
 * @param {string} description
 * @returns {SessionDescription | null}
 */
export function readSession(description) {
  const fields = new RegExp('^seed=(0|[1-9][0-9]{0,9})&typed=([A-Za-z0-9_-]*)' +
    '(?:&version=([0-9A-Za-z.+-]{1,40}))?$').exec(description);
  if (fields === null || Number(fields[1]) > kLargestSeed ||
      fields[2].length > Math.ceil(kMostTypedBytes * 4 / 3)) {
    return null;
  }
  const typed = fromBase64Url(fields[2]);
  if (typed === null || (typed.length > 0 && typed[typed.length - 1] !== 0x0a)) {
    return null;
  }
  try {
    new TextDecoder('utf-8', {fatal: true}).decode(typed);
  } catch {
    return null;
  }
  return {seed: Number(fields[1]), typed, version: fields[3] ?? kUnnamedVersion};
}
