"""Sessions in headless Chromium: a refused link stops at once; a reload, and
another tab, keep what was typed."""

import os
import subprocess
import unittest

from dialogue import PAGE, TYPE_ALL, Browser, linux
from test_page import NAMES, browser, link_text

KEPT = "return Object.keys(localStorage).filter((key) => key.startsWith('zepiro.session')).length"

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

    def test_a_reload_opens_the_same_session_and_another_tab_keeps_its_own(self):
        lines = ["0", "3 2", "ゼピロ ミナ ｱｲｳ"]
        self.open(PAGE)
        self.driver.execute_script("localStorage.clear()")
        seed = self.driver.execute_script("return zepiro.seed")
        self.driver.execute_async_script(TYPE_ALL, lines)
        self.driver.refresh()
        self.assertEqual(self.driver.execute_async_script(TYPE_ALL, ["2"]),
                         linux(seed, lines + ["2"]))  # the draw, on the session typed before
        version = subprocess.run([os.environ["ZEPIRO_LINUX"], "--version"], capture_output=True,
                                 text=True, check=True).stdout
        shown = self.driver.execute_script(
            f"return [zepiro.seed, {KEPT[7:]}, document.getElementById('version').textContent]")
        self.assertEqual(shown, [seed, 1, version.removeprefix("zepiro ").rstrip()])
        first = self.driver.current_window_handle
        self.driver.switch_to.new_window("tab")
        try:
            self.open(PAGE)
            self.assertEqual(len(self.driver.find_elements("css selector", "#notice li button")), 1)
            self.driver.execute_async_script(TYPE_ALL, ["0"])
            self.assertEqual(self.driver.execute_script(KEPT), 2)
        finally:
            self.driver.close()
            self.driver.switch_to.window(first)
