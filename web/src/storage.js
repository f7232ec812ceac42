// The last unfinished session, kept on the device so that the page can offer
// to go on with it when opened again.

import {describeSession, readSession} from './session_description.js';

/** @typedef {import('./session_description.js').SessionDescription} SessionDescription */

const kStorageKey = 'zepiro.session';

/**
 * Keeps a session that has begun and not ended; lets go of one that ended
 * through the program's own end (status 0). A session stopped by the page or
 * broken down leaves what was kept as it was, to be taken up again.
 * @param {{seed: number, ended: boolean, status?: number | null,
 *   typedBytes: () => Uint8Array}} session
 * @returns {boolean} false if the browser refused to keep it (storage off or full)
 */
export function remember(session) {
  try {
    if (session.ended) {
      if (session.status === 0) {
        localStorage.removeItem(kStorageKey);
      }
    } else {
      const typed = session.typedBytes();
      if (typed.length > 0) {
        localStorage.setItem(kStorageKey, describeSession(session.seed, typed));
      }
    }
    return true;
  } catch {
    return false;
  }
}

/** Lets go of the session kept, as when it cannot be read or replayed. */
export function forget() {
  try {
    localStorage.removeItem(kStorageKey);
  } catch {
    // Nothing is kept where storage is off.
  }
}

/**
 * The session kept: null if there is none (or storage is off), 'unreadable'
 * if what is kept cannot be read, which is then let go.
 * @returns {SessionDescription | 'unreadable' | null}
 */
export function remembered() {
  let value;
  try {
    value = localStorage.getItem(kStorageKey);
  } catch {
    return null;
  }
  if (value === null) {
    return null;
  }
  const kept = readSession(value);
  if (kept === null) {
    forget();
    return 'unreadable';
  }
  return kept;
}
