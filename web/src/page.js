// The page's sessions: one at a time on the screen, started fresh, from a
// link or from the session kept on the device, and what the page says when
// one ends or is refused.

import {Session} from './session.js';
import {ScreenText} from './screen_text.js';
import {ScreenView} from './screen_view.js';
import {describeSession, readSession} from './share_link.js';
import {remember, remembered} from './storage.js';
import {scrollToNewest} from './layout.js';

/** @typedef {import('./program.js').CreateProgram} CreateProgram */
/** @typedef {import('./notices.js').Notice} Notice */

/** A seed for a new session. */
function randomSeed() {
  return crypto.getRandomValues(new Uint32Array(1))[0];
}

/**
 * The parts of the page a session shows itself in.
 * @typedef {object} PageParts
 * @property {HTMLElement} screen
 * @property {HTMLInputElement} line  the input line
 * @property {HTMLElement} seed  where the session's seed is shown
 * @property {Notice} notice
 */

export class Page {
  /**
   * @param {PageParts} parts
   * @param {CreateProgram} createProgram
   */
  constructor(parts, createProgram) {
    this.parts = parts;
    this.createProgram = createProgram;
    /** @type {ScreenView | null} */
    this.view = null;
    this.session = this.openFragment() ?? this.startWithOffer();
  }

  /**
   * Starts a session; `replayed` lines are typed into it at once.
   * @param {number} seed
   * @param {string[]} replayed
   */
  start(seed, replayed) {
    this.view = null;
    this.parts.screen.replaceChildren();
    this.parts.seed.textContent = String(seed);
    this.parts.line.disabled = false;
    /** @type {(run: () => void) => () => void} what a session no longer shown says is dropped */
    const ifShown = (run) => () => {
      if (this.session === session) {
        run();
      }
    };
    const session = new Session(seed, replayed, {
      started: (rules) => {
        if (this.session === session) {
          const text = new ScreenText(rules.pageBreakLineEnds);
          this.view = new ScreenView(this.parts.screen, text, rules.cellWidth);
        }
      },
      output: (text, kind) => {
        if (this.session === session) {
          this.view?.text.add(text, kind);
        }
      },
      idle: ifShown(() => this.idle(session)),
      ended: (status) => {
        if (this.session === session) {
          this.ended(status);
        }
      },
      refused: ifShown(() => this.refuseLink()),
    }, this.createProgram);
    this.session = session;
    return session;
  }

  startNew() {
    this.parts.notice.hide();
    return this.start(randomSeed(), []);
  }

  /** Starts a new session and offers to go on with the one kept on the device, if any. */
  startWithOffer() {
    const session = this.startNew();
    const last = remembered();
    if (last !== null) {
      this.parts.notice.say('前回のセッションの続きから始められます。',
        {label: '続きから', run: () => {
          this.parts.notice.hide();
          this.start(last.seed, last.lines);
        }});
    }
    return session;
  }

  /** @param {Session} session */
  idle(session) {
    remember(session);
    this.showScreen();
  }

  showScreen() {
    if (this.view !== null) {
      this.view.show();
      scrollToNewest();
    }
  }

  /** @param {number | null} status */
  ended(status) {
    this.showScreen();
    remember(this.session);
    this.parts.line.disabled = true;
    const newSession = {label: '新しく始める', run: () => this.startNew()};
    if (status === 0) {
      this.parts.notice.say('終了しました。', newSession);
    } else if (status === null) {
      this.parts.notice.say('プログラムが異常終了しました。', newSession);
    } else {
      this.parts.notice.say(`プログラムが終了しました（終了コード ${status}）。`, newSession);
    }
  }

  refuseLink() {
    this.parts.notice.say('リンクを読めませんでした（壊れているか、長すぎます）。新しいセッションを始めました。');
    return this.start(randomSeed(), []);
  }

  /**
   * Opens the session a link's fragment describes, if it has one.
   * @returns {Session | null} the session started, null if there was no fragment
   */
  openFragment() {
    const fragment = location.hash.slice(1);
    if (fragment === '') {
      return null;
    }
    history.replaceState(null, '', location.pathname + location.search);
    const shared = readSession(fragment);
    if (shared === null) {
      return this.refuseLink();
    }
    this.parts.notice.hide();
    return this.start(shared.seed, shared.lines);
  }

  /** A link to this session as far as it went. */
  shareLink() {
    const base = location.href.replace(/#.*$/, '');
    return `${base}#${describeSession(this.session.seed, this.session.typedBytes())}`;
  }
}
