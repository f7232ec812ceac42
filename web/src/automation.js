// window.zepiro: the page's documented interface for scripts and tests.

/** @typedef {import('./session_host.js').SessionHost} SessionHost */

/**
 * The interface over the host's current session.
 * @param {SessionHost} host
 */
export function automationInterface(host) {
  return {
    /** Everything the program wrote to its standard output. */
    transcript: () => host.session.transcript,
    /**
     * Types a line and enters it, its bytes as they are; resolves as idle()
     * does, and rejects a line that would take the session past a link's size.
     * @param {unknown} line
     */
    type: (line) => host.type(String(line)).then(() => host.screenShown),
    /**
     * Resolves once the program waits with nothing left to read, or has
     * ended: by itself, refused, or left for another session; and the
     * screen shows what it wrote.
     */
    idle: () => host.session.idle().then(() => host.screenShown),
    get seed() {
      return host.session.seed;
    },
    get ended() {
      return host.session.ended;
    },
    /** A link to the session as far as it went; null until the program has loaded. */
    shareLink: () => host.shareLink(),
  };
}
