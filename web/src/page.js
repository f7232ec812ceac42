// The page's sessions: one at a time on the screen, started fresh, from a
// link or from the session kept on the device, and what the page says when
// one ends or is refused. A session left for another is stopped.

import {Session, kMostReplayOutput, kMostTranscript} from './session.js';
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

/**
 * Where a session's replayed bytes came from: none, a link, or the device.
 * @typedef {'new' | 'link' | 'kept'} SessionSource
 */

/** @type {Record<SessionSource, import('./session.js').SessionLimits>} */
const kLimits = {
  new: {replayOutput: kMostReplayOutput, transcript: kMostTranscript},
  link: {replayOutput: kMostReplayOutput, transcript: kMostTranscript},
  // The device's own session ran here before, however much it wrote.
  kept: {replayOutput: Infinity, transcript: kMostTranscript},
};

/**
 * @param {{seed: number, typed: Uint8Array}} one
 * @param {{seed: number, typed: Uint8Array}} other
 */
function sameSession(one, other) {
  return one.seed === other.seed && one.typed.length === other.typed.length &&
    one.typed.every((byte, i) => byte === other.typed[i]);
}

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
    /** Whether the page has said that the device refused to keep the shown session. */
    this.saidUnkept = false;
    /** @type {SessionSource} */
    this.source = 'new';
    /** @type {Session} */
    this.session = this.openFragment() ?? this.startWithOffer();
  }

  /**
   * Starts a session, stopping the one shown before; `typed` bytes are
   * replayed into it at once.
   * @param {number} seed
   * @param {Uint8Array} typed
   * @param {SessionSource} [source]
   * @returns {Session}
   */
  start(seed, typed, source = 'new') {
    this.session?.stop();
    this.view = null;
    this.source = source;
    this.saidUnkept = false;
    this.parts.screen.replaceChildren();
    this.parts.seed.textContent = String(seed);
    this.parts.line.disabled = false;
    /** @returns {boolean} */
    const shown = () => this.session === session;
    /** @type {Session} */
    const session = new Session(seed, typed, {
      started: (rules) => {
        if (shown()) {
          const text = new ScreenText(rules.pageBreakLineEnds);
          this.view = new ScreenView(this.parts.screen, text, rules.cellWidth);
        }
      },
      output: (text, kind) => {
        if (shown()) {
          this.view?.text.add(text, kind);
        }
      },
      idle: () => shown() && this.idle(session),
      ended: (status) => shown() && this.ended(status),
      unloaded: () => shown() && this.unloaded(),
      refused: () => shown() && this.refuseLink(),
      limited: (limit) => shown() && this.reachedLimit(limit),
    }, this.createProgram, kLimits[source]);
    this.session = session;
    return session;
  }

  startNew() {
    this.parts.notice.hide();
    return this.start(randomSeed(), new Uint8Array(0));
  }

  /**
   * Starts a new session and offers to go on with the one kept on the device, if any.
   * @param {string} [first]  what the notice says before the offer
   */
  startWithOffer(first = '') {
    const session = this.startNew();
    const last = remembered();
    if (last === 'unreadable') {
      this.parts.notice.say(`${first}この端末に保存されていたセッションは読めなかったため、削除しました。`);
    } else if (last !== null) {
      this.offerKept(last, `${first}前回のセッションの続きから始められます。`);
    } else if (first !== '') {
      this.parts.notice.say(first);
    }
    return session;
  }

  /**
   * @param {{seed: number, typed: Uint8Array}} kept
   * @param {string} text
   */
  offerKept(kept, text) {
    this.parts.notice.say(text, {label: '続きから', run: () => {
      this.parts.notice.hide();
      this.start(kept.seed, kept.typed, 'kept');
    }});
  }

  /** @param {Session} session */
  idle(session) {
    this.keep(session);
    this.showScreen();
  }

  /**
   * Keeps the session on the device. A link's session replaces the session
   * kept only once something is typed into it: the link itself keeps its
   * replay, and the page has said so when it opened.
   * @param {Session} session
   */
  keep(session) {
    if (this.source === 'link' && session.typedLength() === session.replayedLength) {
      return;
    }
    if (!remember(session) && !this.saidUnkept) {
      this.saidUnkept = true;
      this.parts.notice.say('この端末にセッションを保存できませんでした（保存領域が一杯か、使えません）。' +
        '続きを残すには「リンクをコピー」を使ってください。');
    }
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
    this.keep(this.session);
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

  /**
   * The program could not be loaded: the page offers to load again, with
   * the session's link in the address bar, so that nothing typed is lost.
   */
  unloaded() {
    this.parts.line.disabled = true;
    this.parts.notice.say('プログラムを読み込めませんでした。接続を確かめて、読み込み直してください。',
      {label: '読み込み直す', run: () => {
        history.replaceState(null, '', this.shareLink());
        location.reload();
      }});
  }

  /** @param {string} limit */
  reachedLimit(limit) {
    this.showScreen();
    this.parts.line.disabled = true;
    this.parts.notice.say(`${limit}に達したため、このセッションを終えました。` +
      'この端末に保存したセッションは、その前の入力までで残っています。',
    {label: '新しく始める', run: () => this.startNew()});
  }

  refuseLink() {
    return this.startWithOffer('リンクを読めませんでした（壊れているか、長すぎます）。新しいセッションを始めました。');
  }

  /**
   * Opens the session a link's fragment describes, if it has one. A session
   * kept on the device stays kept, and offered, until one is typed into the
   * link's.
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
    const session = this.start(shared.seed, shared.typed, 'link');
    const kept = remembered();
    if (kept === 'unreadable') {
      this.parts.notice.say('この端末に保存されていたセッションは読めなかったため、削除しました。');
    } else if (kept !== null && !sameSession(kept, shared)) {
      this.offerKept(kept, 'リンクのセッションを開きました。前回のセッションは、' +
        'ここで入力するまでこの端末に残ります。');
    }
    return session;
  }

  /** A link to this session as far as it went. */
  shareLink() {
    const base = location.href.replace(/#.*$/, '');
    return `${base}#${describeSession(this.session.seed, this.session.typedBytes())}`;
  }
}
