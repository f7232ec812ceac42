// The page's sessions: one at a time on the screen, started fresh, from a
// link or from the session kept on the device, and what the page says when
// one ends or is refused. A session left for another is stopped. The parts
// that follow the session shown (the input line, 送信) listen to the host.

import {Session} from './session.js';
import {ScreenText} from './screen_text.js';
import {ScreenView, showReplayProgress} from './screen_view.js';
import {describeSession, kMostTypedBytes, readSession} from './session_description.js';
import {forget, remember, remembered} from './storage.js';

/** @typedef {import('./program.js').CreateProgram} CreateProgram */
/** @typedef {import('./notices.js').Notice} Notice */
/** @typedef {import('./session_description.js').SessionDescription} SessionDescription */

/** A seed for a new session. */
function randomSeed() {
  return crypto.getRandomValues(new Uint32Array(1))[0];
}

/**
 * The parts of the page a session shows itself in.
 * @typedef {object} HostParts
 * @property {HTMLElement} screen  busy (aria-busy) until the program has loaded, or failed to
 * @property {HTMLElement} seed  where the session's seed is shown
 * @property {Notice} notice
 */

/**
 * Where a session's replayed bytes came from: none, a link, or the device.
 * @typedef {'new' | 'link' | 'kept'} SessionSource
 */

/**
 * What became of the session shown: it began, a line was typed into it, it
 * ended (by itself or at a limit), or the host left it for another.
 * @typedef {'began' | 'typed' | 'ended' | 'left'} SessionChange
 */

/** @typedef {(change: SessionChange, session: Session) => void} SessionListener */

const kUnreadableKept = 'この端末に保存されていたセッションは読めなかったため、削除しました。';

/**
 * @param {SessionDescription} one
 * @param {SessionDescription} other
 */
function sameSession(one, other) {
  return one.seed === other.seed && one.typed.length === other.typed.length &&
    one.typed.every((byte, i) => byte === other.typed[i]);
}

export class SessionHost {
  /**
   * Opens the session a link's fragment describes, else a new one with the
   * kept one offered.
   * @param {HostParts} parts
   * @param {CreateProgram} createProgram
   */
  constructor(parts, createProgram) {
    this.parts = parts;
    /** @type {CreateProgram} */
    this.createProgram = (options) => createProgram(options)
      .finally(() => parts.screen.removeAttribute('aria-busy'));
    /** @type {SessionListener[]} */
    this.listeners = [];
    /** @type {ScreenView | null} */
    this.view = null;
    /** Whether the host has said that the device refused to keep the shown session. */
    this.saidUnkept = false;
    /** @type {SessionSource} */
    this.source = 'new';
    /** Resolves once the screen shows what the session shown has written. */
    this.screenShown = Promise.resolve();
    /** The notice's action that starts a new session. */
    this.startAnew = {label: '新しく始める', run: () => void this.startNew()};
    /** @type {Session} */
    this.session = this.openFragment() ?? this.startWithOffer();
  }

  /**
   * Tells `listener` of every change to the session shown, starting with the
   * one shown now: 'began', or 'ended' if it has.
   * @param {SessionListener} listener
   */
  listen(listener) {
    this.listeners.push(listener);
    listener(this.session.ended ? 'ended' : 'began', this.session);
  }

  /**
   * @private
   * @param {SessionChange} change
   * @param {Session} session
   */
  tell(change, session) {
    this.listeners.forEach((listener) => listener(change, session));
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
    const left = this.session;
    if (left !== undefined) {
      left.stop();
      this.tell('left', left);
    }
    this.view = null;
    this.source = source;
    this.saidUnkept = false;
    this.parts.screen.replaceChildren();
    this.parts.seed.textContent = String(seed);
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
      refused: () => shown() && this.refuse(source),
      limited: (limit) => shown() && this.reachedLimit(limit),
      replaying: (done, total) => shown() && showReplayProgress(this.parts.screen, done, total),
    }, this.createProgram);
    this.session = session;
    this.tell('began', session);
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
    this.tellOfKept(first, '前回のセッションの続きから始められます。', null);
    return session;
  }

  /**
   * Says what the notice says first, then offers the session kept on the
   * device, unless it is the one shown; one that cannot be read has been let
   * go, and the notice says so instead.
   * @param {string} first
   * @param {string} offer  what the notice says of the kept session
   * @param {SessionDescription | null} shown  the session shown, if it came from elsewhere
   */
  tellOfKept(first, offer, shown) {
    const kept = remembered();
    if (kept === 'unreadable') {
      this.parts.notice.say(first + kUnreadableKept);
    } else if (kept !== null && (shown === null || !sameSession(kept, shown))) {
      this.parts.notice.say(first + offer, {label: '続きから', run: () => {
        this.parts.notice.hide();
        this.start(kept.seed, kept.typed, 'kept');
      }});
    } else if (first !== '') {
      this.parts.notice.say(first);
    }
  }

  /**
   * Types a line into the session shown and enters it, its bytes as they
   * are; resolves as Session.send() does, and rejects a line that does not fit.
   * @param {string} line
   */
  type(line) {
    const session = this.session;
    const typed = !session.ended && session.fits(line);
    const sent = session.send(line);
    if (typed) {
      this.tell('typed', session);
    }
    return sent;
  }

  /**
   * Enters a line from the input line. A line is taken whole, however long
   * (a paste): only one that would take the session past what a link holds
   * is refused, with a notice, and stays where it was typed.
   * @param {string} line
   * @returns {boolean} whether the line was taken
   */
  enter(line) {
    if (this.session.ended) {
      return false;
    }
    if (!this.session.fits(line)) {
      this.parts.notice.say('入力が長すぎます。1つのセッションに入力できるのは、' +
        `リンクに収まる${kMostTypedBytes}バイトまでです。`);
      return false;
    }
    void this.type(line);
    return true;
  }

  /** @param {Session} session */
  idle(session) {
    this.keep(session);
    this.showScreen();
  }

  /**
   * Keeps the session on the device. A link's session replaces the session
   * kept only once something is typed into it: the link itself keeps its
   * replay, and the page has said so when it opened. A session whose replay
   * would write more than a replay may is kept no further: what was kept
   * before stays.
   * @param {Session} session
   */
  keep(session) {
    if (this.source === 'link' && session.typedLength() === session.replayedLength) {
      return;
    }
    if (!session.ended && !session.replayable()) {
      this.sayUnkept('このセッションは長くなりすぎたため、これ以上この端末に保存できません。' +
        '保存されているのは、その前の入力までです。');
    } else if (!remember(session)) {
      this.sayUnkept('この端末にセッションを保存できませんでした（保存領域が一杯か、使えません）。' +
        '続きを残すには「リンクをコピー」を使ってください。');
    }
  }

  /**
   * Says once per session why it is not kept.
   * @private
   * @param {string} why
   */
  sayUnkept(why) {
    if (!this.saidUnkept) {
      this.saidUnkept = true;
      this.parts.notice.say(why);
    }
  }

  showScreen() {
    const view = this.view;
    if (view !== null) {
      this.screenShown = view.showInSlices(() => this.view === view);
    }
  }

  /** @param {number | null} status */
  ended(status) {
    this.showScreen();
    this.keep(this.session);
    this.tell('ended', this.session);
    if (status === 0) {
      this.parts.notice.say('終了しました。', this.startAnew);
    } else if (status === null) {
      this.parts.notice.say('プログラムが異常終了しました。', this.startAnew);
    } else {
      this.parts.notice.say(`プログラムが終了しました（終了コード ${status}）。`, this.startAnew);
    }
  }

  /** @param {string} limit */
  reachedLimit(limit) {
    this.showScreen();
    this.tell('ended', this.session);
    this.parts.notice.say(`${limit}に達したため、このセッションを終えました。` +
      'この端末に保存したセッションは、その前の入力までで残っています。', this.startAnew);
  }

  refuseLink() {
    return this.startWithOffer('リンクを読めませんでした（壊れているか、長すぎます）。新しいセッションを始めました。');
  }

  /**
   * Refuses a replay that wrote more than a replay may: a link's, or the
   * session kept on the device, which is then let go rather than offered again.
   * @param {SessionSource} source
   */
  refuse(source) {
    if (source !== 'kept') {
      this.refuseLink();
      return;
    }
    forget();
    this.startNew();
    this.parts.notice.say('この端末に保存されていたセッションは、再生すると長すぎるため削除しました。' +
      '新しいセッションを始めました。');
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
    this.tellOfKept('', 'リンクのセッションを開きました。前回のセッションは、' +
      'ここで入力するまでこの端末に残ります。', shared);
    return session;
  }

  /** A link to this session as far as it went. */
  shareLink() {
    const base = location.href.replace(/#.*$/, '');
    return `${base}#${describeSession(this.session.seed, this.session.typedBytes())}`;
  }
}
