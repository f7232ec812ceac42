"""Sessions in headless Chromium: a refused link stops at once, a long replay never freezes;
a reload, and another tab, keep what was typed."""

import itertools
import os
import subprocess
import unittest

from selenium.webdriver.support.wait import WebDriverWait
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
# A 20 ms timer that keeps the longest gap between its ticks once the program's script has run
# (the page's own load, replay or not), and the last replay progress it saw.
TICKS = """window.ticks = {longest: 0, last: 0, progress: ''};
setInterval(() => {
  const now = performance.now();
  ticks.longest = Math.max(ticks.longest, ticks.last && now - ticks.last);
  ticks.last = window.createZepiro ? now : 0;
  ticks.progress = document.querySelector('#screen .progress')?.textContent ?? ticks.progress;
}, 20);"""
REPLAYS = (("65,536 empty lines", [""] * 65536),  # each 64 KiB typed, as much as a link holds
           ("one line of 21,845 distinct characters", ["".join(map(chr, range(0x4E00, 0xA355)))]))


def replay_link(lines):
    return f"{PAGE}#seed=1&typed={link_text(chr(10).join(lines))}"


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

    def test_a_long_replay_leaves_the_page_free_shows_how_far_it_is_and_can_be_left(self):
        mark = self.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                                           {"source": TICKS})
        self.driver.set_script_timeout(120)
        try:
            for rate, (name, lines) in itertools.product((1, 4), REPLAYS):  # 4: a phone's CPU
                self.driver.execute_cdp_cmd("Emulation.setCPUThrottlingRate", {"rate": rate})
                with self.subTest(name, rate=rate):
                    self.assertEqual(self.open(replay_link(lines)), linux(1, lines))
                    ticks = self.driver.execute_script("return ticks")
                    print(f"{name} at {rate}x: longest gap {ticks['longest']:.0f} ms")
                    self.assertLessEqual(ticks["longest"], 250)
                    self.assertRegex(ticks["progress"], r"^入力を再生しています\s+[\d,]+ / 65,536")
            self.driver.get(replay_link(REPLAYS[0][1]))  # some seconds at 4x
            WebDriverWait(self.driver, 30).until(lambda d: d.execute_script(  # after half a second
                "return [...document.getElementsByClassName('progress')].some((e) =>"
                " getComputedStyle(e).visibility === 'visible')"))
            self.driver.find_element("id", "new").click()  # 新しく始める leaves it
            self.assertEqual(self.driver.execute_async_script(TYPE_ALL, []), linux(1, []))
            self.assertNotEqual(self.driver.execute_script("return zepiro.seed"), 1)
        finally:
            self.driver.execute_cdp_cmd("Emulation.setCPUThrottlingRate", {"rate": 1})
            self.driver.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument", mark)
