// Long work in slices: the page's thread is handed back between them, so
// that it paints, takes clicks and runs its timers while a replay runs.

/**
 * The longest a slice of work runs (ms) before the page has its thread back:
 * under the 50 ms that makes a task a long one.
 */
export const kSliceMilliseconds = 40;

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
