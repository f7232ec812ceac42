// Handing a session out of the page, with what the notice line says of it:
// its link or its last result copied for a chat, or the result saved as a
// picture. Text is copied through the clipboard's interface where the
// browser allows it (a secure page), else through a selection copied the
// old way; a file is saved as a download.

import {lastResult} from './results.js';
import {pictureOf} from './picture.js';
import {PictureNames} from './picture_names.js';

/** @typedef {import('./session_host.js').SessionHost} SessionHost */
/** @typedef {import('./notices.js').Notice} Notice */

/**
 * @param {string} text
 * @returns {Promise<boolean>} whether the text was copied
 */
export async function copyText(text) {
  try {
    await navigator.clipboard.writeText(text);
    return true;
  } catch {
    const area = document.createElement('textarea');
    area.value = text;
    document.body.append(area);
    area.select();
    const copied = document.execCommand('copy');
    area.remove();
    return copied;
  }
}

/**
 * Offers a file to save, as a download.
 * @param {Blob} blob
 * @param {string} name
 */
export function saveFile(blob, name) {
  const link = document.createElement('a');
  link.href = URL.createObjectURL(blob);
  link.download = name;
  link.click();
  // The download has its own copy by then.
  setTimeout(() => URL.revokeObjectURL(link.href), 10000);
}

export class HandOut {
  /**
   * @param {SessionHost} host  whose shown session is handed out
   * @param {Notice} notice
   * @param {HTMLElement} screen  whose font a picture is drawn in
   */
  constructor(host, notice, screen) {
    this.host = host;
    this.notice = notice;
    this.screen = screen;
    this.pictureNames = new PictureNames();
  }

  /** Copies the session's link; one the page would refuse to replay, it does not. */
  async copyLink() {
    if (!this.host.session.replayable()) {
      this.notice.say('このセッションは長くなりすぎたため、リンクにできません' +
        '（リンクから再生できる画面の出力を超えています）。');
      return;
    }
    const link = this.host.shareLink();
    if (link === null) {
      this.notice.say('プログラムを読み込んでいます。読み込みが終わってから、もう一度押してください。');
      return;
    }
    await this.copy(link, 'このセッションのリンクをコピーしました。');
  }

  async copyResult() {
    const lines = this.result();
    if (lines !== null) {
      await this.copy(lines.join('\n') + '\n', '結果をコピーしました。');
    }
  }

  async savePicture() {
    const lines = this.result();
    if (lines === null) {
      return;
    }
    const session = this.host.session;
    const rules = session.rules;
    const picture = rules && await pictureOf(lines, getComputedStyle(this.screen).fontFamily,
      rules.cellWidth);
    if (!picture) {
      this.notice.say('結果が長すぎて画像にできません。');
      return;
    }
    const name = this.pictureNames.next(session.seed, session.transcript);
    saveFile(picture, name);
    this.notice.say(`結果を画像 ${name} に保存しました。`);
  }

  /**
   * @private
   * @param {string} text
   * @param {string} done  what the notice says once it is copied
   */
  async copy(text, done) {
    this.notice.say(await copyText(text) ? done : 'コピーできませんでした。');
  }

  /**
   * The shown session's last result; null, and the notice says so, if it has none yet.
   * @private
   */
  result() {
    const lines = lastResult(this.host.session.transcript);
    if (lines === null) {
      this.notice.say('まだ抽選結果も集計結果もありません。');
    }
    return lines;
  }
}
