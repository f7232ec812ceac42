// Long work in slices: the page's thread is handed back between them, so
// that it paints, takes clicks and runs its timers while a replay runs.

/**
 * How long a slice of work runs (ms) before the page has its thread back:
 * half the 50 ms that makes a task a long one, so that with the step that
 * passes it (a line the program takes, a layout of characters) it stays
 * under that.
 */
export const kSliceMilliseconds = 25;

/**
 * Resolves in a task of its own, after what the page has queued before it:
 * a click, a paint, and a timer that was due first, which a message (in
 * Chromium) would keep waiting for one more slice. A hidden tab runs timers
 * seldom, so a replay there goes on slowly until the tab is seen.
 * @returns {Promise<void>}
 */
export function nextTask() {
  return new Promise((resolve) => { setTimeout(resolve, 0); });
}
