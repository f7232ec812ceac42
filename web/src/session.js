// One run of the program in its own instance: the seed it was started with,
// the lines typed into it, and everything it wrote.

import {kStandardOutput, rulesOf} from './program.js';
import {kMostTypedBytes} from './session_description.js';
import {kSliceMilliseconds, nextTask} from './tasks.js';

/** @typedef {import('./program.js').CreateProgram} CreateProgram */
/** @typedef {import('./program.js').ProgramRules} ProgramRules */
/** @typedef {import('./screen_text.js').TextKind} TextKind */

/**
 * What a session tells the page.
 * @typedef {object} SessionEvents
 * @property {(rules: ProgramRules) => void} started
 *   the program is ready and about to run; nothing is written before
 * @property {(text: string, kind: TextKind) => void} output  text for the screen
 * @property {() => void} idle  the program waits with nothing left to read, or has ended
 * @property {(status: number | null) => void} ended
 *   the exit status, null if the program broke down
 * @property {() => void} unloaded
 *   the program could not be loaded (missing, refused or cut short); the session has ended
 * @property {() => void} refused  a replay wrote too much; the program is stopped
 * @property {(limit: string) => void} limited
 *   the session reached one of the page's limits, named in words; the program is stopped
 * @property {(done: number, total: number) => void} replaying
 *   the replay hands the page its thread back, or has ended, with `done` of its
 *   `total` bytes taken
 */

/**
 * A replayed link that writes more than this is refused: some 500 redraws of
 * the largest draw, more than any evening's link holds, and little enough
 * that a hostile link is refused within a second of opening.
 */
const kMostReplayOutput = 16 * 1024 * 1024;

/**
 * The longest transcript a session keeps: the shortest string the engines
 * the page runs in can hold (V8's on a 32-bit phone), some 8,000 of the
 * largest draws. A session that reaches it ends.
 */
const kMostTranscript = 2 ** 28 - 16;

/**
 * The limits a session keeps to; tests give smaller ones.
 * @typedef {{replayOutput: number, transcript: number}} SessionLimits
 */
/** @type {SessionLimits} */
export const kSessionLimits = {replayOutput: kMostReplayOutput, transcript: kMostTranscript};

/** @param {Uint8Array} bytes  split after each line end, which stays with its line */
function linesOf(bytes) {
  const lines = [];
  for (let at = 0; at < bytes.length;) {
    const end = bytes.indexOf(0x0a, at);
    const next = end < 0 ? bytes.length : end + 1;
    lines.push(bytes.subarray(at, next));
    at = next;
  }
  return lines;
}

export class Session {
  /**
   * @param {number} seed
   * @param {Uint8Array} replayed  bytes typed before, sent at once, exactly as they are
   * @param {SessionEvents} events
   * @param {CreateProgram} createProgram
   * @param {SessionLimits} [limits]
   */
  constructor(seed, replayed, events, createProgram, limits = kSessionLimits) {
    this.seed = seed;
    this.events = events;
    this.limits = limits;
    /** @type {ProgramRules | null} */
    this.rules = null;
    /** @type {Uint8Array[]} every line sent, its line end included */
    this.typed = linesOf(replayed);
    /** How many of the typed bytes were replayed rather than typed here. */
    this.replayedLength = replayed.length;
    /** How many of the typed lines the program has taken; the others wait. */
    this.taken = 0;
    /** How many typed bytes the program has taken, in lines taken whole. */
    this.takenBytes = 0;
    /** When the program last had the thread back from the page (performance.now()). */
    this.sliceStart = performance.now();
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
    /** @type {number | null | undefined} the exit status, once the program has ended by itself */
    this.status = undefined;
    this.replaying = replayed.length > 0;
    const terminal = {read: this.read.bind(this), write: this.write.bind(this)};
    createProgram({terminal, print: () => {}, printErr: () => {}, onAbort: () => this.breakDown()})
      .then((instance) => {
        if (this.ended) {
          return null;  // stopped before it began
        }
        this.rules = rulesOf(instance);
        this.events.started(this.rules);
        return instance.start([`--seed=${seed}`]);
      })
      .then((status) => this.end(status), () => this.breakDown());
  }

  /**
   * The program failed: it broke down, or, before it was made, could not be loaded.
   * @private
   */
  breakDown() {
    if (this.rules === null) {
      this.halt(() => this.events.unloaded());
    } else {
      this.end(null);
    }
  }

  /**
   * Resolves once the program waits with nothing left to read, or has ended
   * (by itself, refused, at a limit, or stopped for another session).
   * @returns {Promise<void>}
   */
  idle() {
    return new Promise((resolve) => {
      if (this.ended || (this.reader !== null && this.taken === this.typed.length)) {
        resolve();
      } else {
        this.idleWaiters.push(resolve);
      }
    });
  }

  /**
   * Whether a line can be sent: every byte typed in a session fits a link.
   * @param {string} line
   */
  fits(line) {
    return this.typedLength() + new TextEncoder().encode(line + '\n').length <= kMostTypedBytes;
  }

  /**
   * Sends a line as if typed and entered, its bytes exactly as they are;
   * resolves as idle() does. A line that does not fit is refused: the
   * promise rejects and nothing is sent.
   * @param {string} line
   */
  send(line) {
    if (this.ended) {
      return this.idle();
    }
    if (!this.fits(line)) {
      return Promise.reject(new RangeError(
        `a session takes at most ${kMostTypedBytes} typed bytes, as a link holds`));
    }
    this.typed.push(new TextEncoder().encode(line + '\n'));
    this.release();
    return this.idle();
  }

  /**
   * Whether a link to the session as far as it went would be taken: its
   * replay writes no more than a replay may.
   */
  replayable() {
    return this.transcript.length <= this.limits.replayOutput;
  }

  /** How many bytes have been typed, replayed ones included. */
  typedLength() {
    return this.typed.reduce((sum, line) => sum + line.length, 0);
  }

  /** Every byte typed so far, as one array. */
  typedBytes() {
    const all = new Uint8Array(this.typedLength());
    let at = 0;
    for (const line of this.typed) {
      all.set(line, at);
      at += line.length;
    }
    return all;
  }

  /**
   * Called by the program: up to `capacity` typed bytes, once there are some.
   * A line taken is echoed on the screen. Once the session has ended, the
   * program's input ends too (no bytes), so that a stopped program stops.
   * A program that has run for a slice, with bytes waiting for it, first
   * hands the page its thread back (with none, it waits anyway), and tells
   * how far a replay has gone.
   * @param {number} capacity
   * @returns {Promise<Uint8Array>}
   */
  async read(capacity) {
    const inputWaits = this.current.length > 0 || this.taken < this.typed.length;
    if (inputWaits && performance.now() - this.sliceStart > kSliceMilliseconds) {
      await nextTask();
      this.sliceStart = performance.now();
      if (this.replaying && !this.ended) {
        this.events.replaying(Math.min(this.takenBytes, this.replayedLength), this.replayedLength);
      }
    }
    while (this.current.length === 0) {
      if (this.ended) {
        return new Uint8Array(0);
      }
      if (this.taken < this.typed.length) {
        this.current = this.typed[this.taken++];
        this.takenBytes += this.current.length;
        this.events.output(new TextDecoder().decode(this.current), 'typed');
      } else {
        if (this.replaying) {
          this.replaying = false;
          this.events.replaying(this.replayedLength, this.replayedLength);
        }
        this.wake();
        await new Promise((resolve) => { this.reader = () => resolve(undefined); });
        this.sliceStart = performance.now();
      }
    }
    const chunk = this.current.subarray(0, capacity);
    this.current = this.current.subarray(chunk.length);
    return chunk;
  }

  /**
   * Called by the program: bytes written to one of its streams. False once
   * the session has ended, or when the write would pass a limit: the
   * program's output then fails, and it ends at once, mid-line too.
   * @param {number} stream
   * @param {Uint8Array} bytes
   * @returns {boolean}
   */
  write(stream, bytes) {
    if (this.ended) {
      return false;
    }
    this.decoders[stream] ??= new TextDecoder();
    const text = this.decoders[stream].decode(bytes, {stream: true});
    if (stream === kStandardOutput) {
      if (this.transcript.length + text.length > this.limits.transcript) {
        return this.reachLimit();
      }
      try {
        this.transcript += text;
      } catch {
        return this.reachLimit();  // an engine whose strings end sooner
      }
    }
    this.events.output(text, stream === kStandardOutput ? 'output' : 'error');
    if (this.replaying && this.transcript.length > this.limits.replayOutput) {
      this.halt(() => this.events.refused());
      return false;
    }
    return true;
  }

  /** Stops the program for good: the page has left this session for another. */
  stop() {
    this.halt();
  }

  /** @private */
  reachLimit() {
    this.halt(() => this.events.limited(
      `画面の記録の上限（${this.limits.transcript.toLocaleString('ja-JP')}文字）`));
    return false;
  }

  /** @param {number | null} status */
  end(status) {
    if (this.ended) {
      return;
    }
    this.ended = true;
    this.status = status;
    this.events.ended(status);
    this.wake();
  }

  /**
   * Ends the session from the page's side: nothing more is read or shown,
   * and the program, whose next write fails and whose input ends, stops.
   * @private
   * @param {() => void} [say]  tells the page why, before any waiter wakes
   */
  halt(say = () => {}) {
    if (this.ended) {
      return;
    }
    this.ended = true;
    this.current = new Uint8Array(0);
    say();
    this.release();
    this.wake();
  }

  /** @private */
  release() {
    if (this.reader !== null) {
      const reader = this.reader;
      this.reader = null;
      reader();
    }
  }

  /** @private */
  wake() {
    this.events.idle();
    this.idleWaiters.splice(0).forEach((resolve) => resolve());
  }
}
