// The page's sessions: one at a time on the screen, started fresh, from a
// link or from a session kept on the device, and what the page says when
// one ends or is refused. A session left for another is stopped, and stays
// kept. The session shown is kept on the device and in the address bar as it
// goes. The parts that follow the session shown (the input line, 送信)
// listen to the host.

import {Session} from './session.js';
import {ScreenText} from './screen_text.js';
import {ScreenView, showReplayProgress} from './screen_view.js';
import {describeSession, kMostTypedBytes, readSession} from './session_description.js';
import {KeptSessions, kMostKept} from './storage.js';
import {summarize} from './session_summary.js';
import {AddressBar} from './address_bar.js';

/** @typedef {import('./program.js').CreateProgram} CreateProgram */
/** @typedef {import('./notices.js').Notice} Notice */
/** @typedef {import('./storage.js').Entry} Entry */
/** @typedef {import('./storage.js').KeptSession} KeptSession */

/** A seed for a new session. */
function randomSeed() {
  return crypto.getRandomValues(new Uint32Array(1))[0];
}

/**
 * The parts of the page a session shows itself in.
 * @typedef {object} HostParts
 * @property {HTMLElement} screen  busy (aria-busy) until the program has loaded, or failed to
 * @property {HTMLElement} seed  where the session's seed is shown
 * @property {HTMLElement} version  where the program's version is shown, once it has started
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

export class SessionHost {
  /**
   * Opens the session a link's fragment describes, else a new one with the
   * kept ones offered.
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
    this.store = new KeptSessions(location.pathname);
    this.address = new AddressBar();
    /** @type {Entry} where the session shown is kept */
    this.entry = {id: '', written: null};
    /** @type {string | null} the version a link or kept session shown names; null for a new one */
    this.madeBy = null;
    /** @type {string | null} the program's, known once one has started */
    this.version = null;
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
   * replayed into it at once. The address bar holds a link's fragment as it
   * was opened, and any other session once its program waits.
   * @param {number} seed
   * @param {Uint8Array} typed
   * @param {SessionSource} [source]
   * @param {Entry} [entry]  where it is kept: a new entry unless given
   * @param {string | null} [madeBy]  the version a link or kept session names
   * @returns {Session}
   */
  start(seed, typed, source = 'new', entry = this.store.newEntry(), madeBy = null) {
    const left = this.session;
    if (left !== undefined) {
      left.stop();
      this.tell('left', left);
    }
    this.view = null;
    this.source = source;
    this.entry = entry;
    this.madeBy = madeBy;
    this.saidUnkept = false;
    if (source !== 'link') {
      this.address.show('');
    }
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
          this.ranBy(rules.version);
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
   * Starts a new session and offers to go on with each one kept on the
   * device, newest first. Those that cannot be read have been let go, and
   * the notice says so.
   * @param {string} [first]  what the notice says before the offers
   */
  startWithOffer(first = '') {
    const session = this.startNew();
    const {kept, unreadable} = this.store.list();
    const said = first + (unreadable > 0 ? kUnreadableKept : '');
    if (kept.length > 0) {
      this.parts.notice.offer(
        `${said}この端末に残っている、終わっていないセッションの続きから始められます（新しい順）。`,
        kept.map((one) => ({about: summarize(one), label: '続きから',
          run: () => this.takeOffer(one)})));
    } else if (said !== '') {
      this.parts.notice.say(said);
    }
    return session;
  }

  /**
   * Goes on with a kept session. The session shown stays kept if anything
   * was typed into it.
   * @param {KeptSession} kept
   */
  takeOffer(kept) {
    this.parts.notice.hide();
    const {seed, typed, version} = kept.session;
    this.start(seed, typed, 'kept', this.store.take(kept), version);
  }

  /**
   * The program of the session shown has started: the page shows its
   * version, and names the one a link or kept session was made by if it is
   * another, as a seed draws the same only on the same version.
   * @param {string} version
   */
  ranBy(version) {
    this.version = version;
    this.parts.version.textContent = version;
    if (this.madeBy !== null && this.madeBy !== version) {
      this.parts.notice.prepend(`${this.source === 'link' ? 'このリンク' : 'このセッション'}は` +
        `版 ${this.madeBy} で作られました。版 ${version} で再生しているため、抽選などが違うことがあります。`);
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
    this.parts.notice.hide();  // said before this answer; it would only take room from the screen now
    void this.type(line);
    return true;
  }

  /** @param {Session} session */
  idle(session) {
    this.keep(session);
    this.showScreen();
  }

  /**
   * Keeps the session shown in the address bar and, once something is typed
   * into it here, on the device; lets it go once it ended through the
   * program's own end (status 0). A link's session is left to its link until
   * something is typed into it. A session stopped by the page, or broken
   * down, stays kept as it was, to be taken up again. A session whose replay
   * would write more than a replay may is kept no further: what was kept
   * before stays, in the address bar too.
   * @param {Session} session
   */
  keep(session) {
    const typedHere = session.typedLength() > session.replayedLength;
    if (session.ended && session.status === 0) {
      this.store.letGo(this.entry);
    }
    if (this.version === null || (this.source === 'link' && !typedHere)) {
      return;
    }
    if (!session.ended && !session.replayable()) {
      this.sayUnkept('このセッションは長くなりすぎたため、これ以上この端末に保存できません。' +
        '保存されているのは、その前の入力までです。');
      return;
    }
    const description = {seed: session.seed, typed: session.typedBytes(), version: this.version};
    this.address.show(describeSession(description));
    if (session.ended || !typedHere) {
      return;
    }
    const {kept, letGo} = this.store.keep(this.entry, description);
    letGo.forEach((one) => this.parts.notice.prepend(`この端末に残せるセッションは${kMostKept}件までのため、` +
      `いちばん前に入力したセッション（${summarize(one)}）を削除しました。`));
    if (!kept) {
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

  /**
   * The program could not be loaded (missing, refused, cut short): nothing
   * ran, and loading the page again may find it whole. What the session holds
   * is in the address bar for the reload.
   */
  unloaded() {
    this.tell('ended', this.session);
    this.parts.notice.say('プログラムを読み込めませんでした。接続を確かめて、読み込み直してください。',
      {label: '読み込み直す', run: () => location.reload()});
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
    this.store.letGo(this.entry);
    this.startNew();
    this.parts.notice.say('この端末に保存されていたセッションは、再生すると長すぎるため削除しました。' +
      '新しいセッションを始めました。');
  }

  /**
   * Opens the session a link's fragment describes, if it has one: in the
   * tab's own entry if it is that entry's session (the tab was reloaded),
   * else in a new one, so that the sessions kept stay as they are.
   * @returns {Session | null} the session started, null if there was no fragment
   */
  openFragment() {
    const fragment = location.hash.slice(1);
    if (fragment === '') {
      return null;
    }
    if (this.session !== undefined && fragment === this.address.fragment) {
      return this.session;  // the address bar following the session shown, not a link opened
    }
    const shared = readSession(fragment);
    if (shared === null) {
      return this.refuseLink();
    }
    this.parts.notice.hide();
    const session = this.start(shared.seed, shared.typed, 'link', this.store.entryFor(shared),
      shared.version);
    if (this.store.list().unreadable > 0) {
      this.parts.notice.say(kUnreadableKept);
    }
    return session;
  }

  /**
   * A link to this session as far as it went, naming the version that runs
   * it; null until the page's program has started, and named its version.
   */
  shareLink() {
    if (this.version === null) {
      return null;
    }
    const base = location.href.replace(/#.*$/, '');
    const {seed} = this.session;
    const typed = this.session.typedBytes();
    return `${base}#${describeSession({seed, typed, version: this.version})}`;
  }
}
