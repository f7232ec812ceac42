// The last unfinished session, kept on the device so that the page can offer
// to go on with it when opened again.

import {describeSession, readSession} from './share_link.js';

/** @typedef {import('./share_link.js').SessionDescription} SessionDescription */

const kStorageKey = 'zepiro.session';

/**
 * Keeps a session that has begun and not ended; lets go of one that ended.
 * @param {{seed: number, ended: boolean, typedBytes: () => Uint8Array}} session
 */
export function remember(session) {
  try {
    if (session.ended) {
      localStorage.removeItem(kStorageKey);
    } else {
      const typed = session.typedBytes();
      if (typed.length > 0) {
        localStorage.setItem(kStorageKey, describeSession(session.seed, typed));
      }
    }
  } catch {
    // A browser that keeps nothing (storage off or full) still runs the page.
  }
}

/**
 * The session kept, if there is one that can be read.
 * @returns {SessionDescription | null}
 */
export function remembered() {
  try {
    return readSession(localStorage.getItem(kStorageKey) ?? '');
  } catch {
    return null;
  }
}
