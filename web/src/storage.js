// The unfinished sessions kept on the device (localStorage), so that the page
// can offer to go on with them when opened again. Each session has an entry
// of its own, so that two tabs never replace or delete each other's, under
// the page's folder, so that two builds in two folders of one site never see
// each other's. A tab keeps the entry of the session it shows in its
// sessionStorage: reloaded, it goes on writing the same one.

import {describeSession, readSession} from './session_description.js';

/** @typedef {import('./session_description.js').SessionDescription} SessionDescription */

/** The most sessions kept in one folder: the one typed into longest ago makes room. */
export const kMostKept = 10;

/** Where the page kept its one session before folders: the first folder to look takes it up. */
const kOriginWideKey = 'zepiro.session';

/**
 * A session kept on the device.
 * @typedef {object} KeptSession
 * @property {string} id  its entry's
 * @property {SessionDescription} session
 * @property {number} typedAt  when it was last typed into (ms since 1970), 0 if not known
 * @property {string} value  as stored, which tells whether anyone wrote it since
 */

/**
 * The entry a session shown here writes to, and what this page last wrote
 * (or read) there: a value other than that was written by another tab, which
 * the entry then belongs to.
 * @typedef {{id: string, written: string | null}} Entry
 */

/** A new entry's id, random: two tabs never draw the same one. */
function newId() {
  return Array.from(crypto.getRandomValues(new Uint8Array(8)),
    (byte) => byte.toString(16).padStart(2, '0')).join('');
}

/**
 * @param {Storage} storage
 * @param {string} key
 */
function read(storage, key) {
  try {
    return storage.getItem(key);
  } catch {
    return null;  // storage off: nothing is kept
  }
}

export class KeptSessions {
  /** @param {string} pathname  the page's, whose folder the sessions belong to */
  constructor(pathname) {
    const folder = pathname.replace(/[^/]*$/, '');
    // A path has no raw blank, so no folder's prefix begins another's.
    this.prefix = `zepiro.session ${folder} `;
    this.tabKey = `zepiro.tab ${folder}`;
  }

  /**
   * Every session kept in the folder, newest first, and how many entries
   * could not be read, which are let go.
   * @returns {{kept: KeptSession[], unreadable: number}}
   */
  list() {
    this.takeOriginWide();
    const {kept, unreadable} = this.readAll();
    unreadable.forEach((key) => this.remove(key));
    return {kept, unreadable: unreadable.length};
  }

  /**
   * @private
   * @returns {{kept: KeptSession[], unreadable: string[]}} the sessions kept,
   *   newest first, and the keys of entries that cannot be read
   */
  readAll() {
    /** @type {KeptSession[]} */
    const kept = [];
    /** @type {string[]} */
    const unreadable = [];
    for (const key of this.keys()) {
      const value = read(localStorage, key) ?? '';
      const fields = /^(0|[1-9][0-9]{0,15}) (.*)$/.exec(value);
      const session = fields && readSession(fields[2]);
      if (fields && session) {
        kept.push({id: key.slice(this.prefix.length), session, typedAt: Number(fields[1]), value});
      } else {
        unreadable.push(key);
      }
    }
    return {kept: kept.sort((one, other) => other.typedAt - one.typedAt), unreadable};
  }

  /**
   * The entry for a session this tab opens from a link: the tab's own if it
   * holds that very session (the tab was reloaded), else a new one.
   * @param {SessionDescription} session
   * @returns {Entry}
   */
  entryFor(session) {
    const id = read(sessionStorage, this.tabKey);
    const value = id === null ? null : read(localStorage, this.prefix + id);
    if (id !== null && value !== null && value.endsWith(` ${describeSession(session)}`)) {
      return {id, written: value};
    }
    return this.newEntry();
  }

  /** @returns {Entry} a new session's */
  newEntry() {
    return this.taken({id: newId(), written: null});
  }

  /**
   * The entry of a kept session that the tab goes on with.
   * @param {KeptSession} kept
   */
  take(kept) {
    return this.taken({id: kept.id, written: kept.value});
  }

  /**
   * Writes a session into its entry; into a new one if another tab wrote the
   * entry since. A new entry past kMostKept lets go of those typed into
   * longest ago.
   * @param {Entry} entry  updated to what was written
   * @param {SessionDescription} session
   * @returns {{kept: boolean, letGo: KeptSession[]}} kept false if the browser
   *   refused (storage off or full)
   */
  keep(entry, session) {
    const stored = read(localStorage, this.prefix + entry.id);
    if (stored !== null && stored !== entry.written) {
      Object.assign(entry, this.newEntry());
    }
    const value = `${Date.now()} ${describeSession(session)}`;
    /** @type {KeptSession[]} */
    let letGo = [];
    if (stored === null || entry.written === null) {
      const others = this.readAll().kept.filter((kept) => kept.id !== entry.id);
      letGo = others.slice(kMostKept - 1);
      letGo.forEach((kept) => this.remove(this.prefix + kept.id));
    }
    try {
      localStorage.setItem(this.prefix + entry.id, value);
    } catch {
      return {kept: false, letGo};
    }
    entry.written = value;
    return {kept: true, letGo};
  }

  /**
   * Lets go of a session's entry (its program has ended), unless another
   * tab has written it since, whose session it then is.
   * @param {Entry} entry
   */
  letGo(entry) {
    if (read(localStorage, this.prefix + entry.id) === entry.written) {
      this.remove(this.prefix + entry.id);
    }
  }

  /**
   * @private
   * @param {Entry} entry  now the tab's
   */
  taken(entry) {
    try {
      sessionStorage.setItem(this.tabKey, entry.id);
    } catch {
      // Storage off: a reload starts a new entry.
    }
    return entry;
  }

  /** @private */
  keys() {
    try {
      return Array.from({length: localStorage.length}, (_, i) => localStorage.key(i) ?? '')
        .filter((key) => key.startsWith(this.prefix));
    } catch {
      return [];
    }
  }

  /**
   * @private
   * @param {string} key
   */
  remove(key) {
    try {
      localStorage.removeItem(key);
    } catch {
      // Nothing is kept where storage is off.
    }
  }

  /**
   * Takes the session the page kept for the whole site before it kept them
   * by folder, when it was last typed into not known.
   * @private
   */
  takeOriginWide() {
    const value = read(localStorage, kOriginWideKey);
    try {
      if (value !== null) {
        localStorage.setItem(this.prefix + newId(), `0 ${value}`);
        localStorage.removeItem(kOriginWideKey);
      }
    } catch {
      // Storage full: it stays where it was, to be taken up another time.
    }
  }
}
