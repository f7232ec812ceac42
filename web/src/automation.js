// window.zepiro: the page's documented interface for scripts and tests.

/** @typedef {import('./session_host.js').Page} Page */

/**
 * The interface over the page's current session.
 * @param {Page} page
 */
export function automationInterface(page) {
  return {
    /** Everything the program wrote to its standard output. */
    transcript: () => page.session.transcript,
    /**
     * Types a line and enters it, its bytes as they are; resolves as idle()
     * does, and rejects a line that would take the session past a link's size.
     * @param {unknown} line
     */
    type: (line) => page.session.send(String(line)),
    /**
     * Resolves once the program waits with nothing left to read, or has
     * ended: by itself, refused, or left for another session.
     */
    idle: () => page.session.idle(),
    get seed() {
      return page.session.seed;
    },
    get ended() {
      return page.session.ended;
    },
    shareLink: () => page.shareLink(),
  };
}
