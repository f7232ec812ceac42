// The address bar holds the session shown: its fragment follows each line
// typed, replaced in place (no history entry per line), so that a reload, a
// tab the phone dropped and reopened, or a bookmark opens the same session.

/** How long to wait before writing again what the browser would not take. */
const kRetryMs = 1000;

export class AddressBar {
  constructor() {
    /** The fragment wanted, without its "#"; '' for none. */
    this.fragment = '';
    /** @type {ReturnType<typeof setTimeout> | null} */
    this.retry = null;
  }

  /**
   * Puts `fragment` in the address bar ('' takes it out).
   * @param {string} fragment
   */
  show(fragment) {
    this.fragment = fragment;
    this.write();
  }

  /**
   * A browser refuses (WebKit) or drops (Blink) calls past a few hundred in
   * a short time, as a pasted flood of lines makes: the latest fragment is
   * written again a little later.
   * @private
   */
  write() {
    const hash = this.fragment === '' ? '' : `#${this.fragment}`;
    try {
      history.replaceState(history.state, '', location.pathname + location.search + hash);
    } catch {
      // Written again below.
    }
    if (location.hash !== hash && this.retry === null) {
      this.retry = setTimeout(() => {
        this.retry = null;
        this.write();
      }, kRetryMs);
    }
  }
}
