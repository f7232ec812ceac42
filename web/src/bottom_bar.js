// The bar that sticks to the bottom of the window (the notice, the result
// buttons, the input line, the keypad) covers the page's end as it grows.

/**
 * Scrolls the page by as much as the bar grows, so that what was just above
 * it, the newest line when the view is at the end, stays in view. A bar that
 * shrinks covers nothing more.
 * @param {HTMLElement} bar
 */
export function keepInViewAbove(bar) {
  let height = bar.offsetHeight;
  new ResizeObserver(() => {
    const grown = bar.offsetHeight - height;
    height = bar.offsetHeight;
    if (grown > 0) {
      window.scrollBy(0, grown);
    }
  }).observe(bar);
}
