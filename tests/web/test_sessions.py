"""Sessions in headless Chromium: a refused link stops at once."""

import unittest

from dialogue import PAGE, Browser
from test_page import NAMES, browser, link_text

# When the refusal shows, taken as the page sets it: the program may hold the thread long after.
MARK_REFUSAL = """const hidden = Object.getOwnPropertyDescriptor(HTMLElement.prototype, 'hidden');
Object.defineProperty(HTMLElement.prototype, 'hidden', {...hidden, set(value) {
  if (this.id === 'notice' && this.textContent.includes('リンクを読めません')) {
    window.refusedAt ??= performance.now();
  }
  hidden.set.call(this, value);
}});"""


class Sessions(Browser, unittest.TestCase):
    browser = staticmethod(browser)

    def test_a_refused_link_of_one_long_line_leaves_the_page_free_at_once(self):
        typed = link_text("0\n15 99\n" + NAMES + "\n2\n" + "0 " * 32500)  # 64 KiB, one line
        mark = self.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                                           {"source": MARK_REFUSAL})
        try:  # the first timer after the session settled
            self.open(f"{PAGE}#seed=1&typed={typed}")
            refused_at, free_at = self.driver.execute_async_script(
                "setTimeout(() => arguments[0]([refusedAt, performance.now()]), 0)")
        finally:
            self.driver.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument", mark)
        print(f"refused {refused_at:.0f} ms after opening, free {free_at - refused_at:.0f} ms on")
        self.assertLess(free_at - refused_at, 1000)
