// One run of the program in its own instance: the seed it was started with,
// the lines typed into it, and everything it wrote.

import {kStandardOutput, rulesOf} from './program.js';

/** @typedef {import('./program.js').CreateProgram} CreateProgram */
/** @typedef {import('./program.js').ProgramRules} ProgramRules */
/** @typedef {import('./screen_text.js').TextKind} TextKind */

/**
 * What a session tells the page.
 * @typedef {object} SessionEvents
 * @property {(rules: ProgramRules) => void} started
 *   the program is ready and about to run; nothing is written before
 * @property {(text: string, kind: TextKind) => void} output  text for the screen
 * @property {() => void} idle  the program waits with nothing left to read
 * @property {(status: number | null) => void} ended
 *   the exit status, null if the program broke down
 * @property {() => void} refused  a replay wrote too much
 */

/**
 * A replayed session that writes more than this is refused: a link with a
 * few thousand redraws of the largest draw is no session anyone played.
 */
export const kMostReplayOutput = 32 * 1024 * 1024;

export class Session {
  /**
   * @param {number} seed
   * @param {string[]} replayed  lines typed before, sent at once
   * @param {SessionEvents} events
   * @param {CreateProgram} createProgram
   */
  constructor(seed, replayed, events, createProgram) {
    this.seed = seed;
    this.events = events;
    /** @type {ProgramRules | null} */
    this.rules = null;
    /** @type {Uint8Array[]} UTF-8 bytes of each line sent, its line end included */
    this.typed = [];
    /** @type {Uint8Array[]} lines sent but not yet taken */
    this.queue = [];
    /** @type {Uint8Array} the rest of the line being read */
    this.current = new Uint8Array(0);
    /** @type {(() => void) | null} resolves the read that waits for a line */
    this.reader = null;
    /** @type {(() => void)[]} */
    this.idleWaiters = [];
    this.transcript = '';
    /** @type {Record<number, TextDecoder>} one for each stream, which may split a character */
    this.decoders = {};
    this.ended = false;
    this.replaying = replayed.length > 0;
    replayed.forEach((line) => this.send(line));
    const page = {read: this.read.bind(this), write: this.write.bind(this)};
    createProgram({page, print: () => {}, printErr: () => {}, onAbort: () => this.end(null)})
      .then((instance) => {
        this.rules = rulesOf(instance);
        this.events.started(this.rules);
        return instance.start([`--seed=${seed}`]);
      })
      .then((status) => this.end(status), () => this.end(null));
  }

  /**
   * Resolves once the program waits with nothing left to read, or has ended.
   * @returns {Promise<void>}
   */
  idle() {
    return new Promise((resolve) => {
      if (this.ended || (this.reader !== null && this.queue.length === 0)) {
        resolve();
      } else {
        this.idleWaiters.push(resolve);
      }
    });
  }

  /**
   * Sends a line as if typed and entered; resolves as idle() does.
   * @param {string} line
   */
  send(line) {
    if (this.ended) {
      return this.idle();
    }
    const bytes = new TextEncoder().encode(line.replace(/[\r\n]/g, '') + '\n');
    this.typed.push(bytes);
    this.queue.push(bytes);
    if (this.reader !== null) {
      const reader = this.reader;
      this.reader = null;
      reader();
    }
    return this.idle();
  }

  /** Every byte typed so far, as one array. */
  typedBytes() {
    const all = new Uint8Array(this.typed.reduce((sum, line) => sum + line.length, 0));
    let at = 0;
    for (const line of this.typed) {
      all.set(line, at);
      at += line.length;
    }
    return all;
  }

  /**
   * Called by the program: up to `capacity` typed bytes, once there are some.
   * A line taken is echoed on the screen.
   * @param {number} capacity
   * @returns {Promise<Uint8Array>}
   */
  async read(capacity) {
    while (this.current.length === 0) {
      if (this.ended) {
        await new Promise(() => {});  // a refused replay reads nothing more
      }
      const next = this.queue.shift();
      if (next !== undefined) {
        this.current = next;
        this.events.output(new TextDecoder().decode(this.current), 'typed');
      } else {
        this.replaying = false;
        this.wake();
        await new Promise((resolve) => { this.reader = () => resolve(undefined); });
      }
    }
    const chunk = this.current.subarray(0, capacity);
    this.current = this.current.subarray(chunk.length);
    return chunk;
  }

  /**
   * Called by the program: bytes written to one of its streams.
   * @param {number} stream
   * @param {Uint8Array} bytes
   */
  write(stream, bytes) {
    if (this.ended) {
      return;
    }
    this.decoders[stream] ??= new TextDecoder();
    const text = this.decoders[stream].decode(bytes, {stream: true});
    if (stream === kStandardOutput) {
      this.transcript += text;
    }
    this.events.output(text, stream === kStandardOutput ? 'output' : 'error');
    if (this.replaying && this.transcript.length > kMostReplayOutput) {
      this.ended = true;  // every later read and write of this instance is ignored
      this.queue = [];
      this.events.refused();
      this.wake();
    }
  }

  /** @param {number | null} status */
  end(status) {
    if (this.ended) {
      return;
    }
    this.ended = true;
    this.events.ended(status);
    this.wake();
  }

  /** @private */
  wake() {
    this.events.idle();
    this.idleWaiters.splice(0).forEach((resolve) => resolve());
  }
}
