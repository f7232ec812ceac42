"""The page in headless Chromium, network blocked, against the Linux program."""

import base64
import json
import os
import tempfile
import unittest

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.keys import Keys

from dialogue import PAGE, TYPE_ALL, SeleniumDialogue, linux

NAMES = " ".join(f"P{i}" for i in range(15))


def browser():
    options = webdriver.ChromeOptions()
    options.binary_location = os.environ["ZEPIRO_CHROMIUM"]
    for flag in ("--headless --no-sandbox --disable-gpu --disable-quic --no-first-run "
                 "--disable-background-networking --disable-component-update --disable-sync "
                 "--user-data-dir=" + tempfile.mkdtemp()).split():
        options.add_argument(flag)
    options.set_capability("goog:loggingPrefs", {"performance": "ALL"})
    driver = webdriver.Chrome(service=Service(os.environ["ZEPIRO_CHROMEDRIVER"]), options=options)
    driver.execute_cdp_cmd("Network.enable", {})
    driver.execute_cdp_cmd("Network.setBlockedURLs", {"urls": ["http*", "ws*"]})
    return driver


def link_text(line):
    return base64.urlsafe_b64encode(line.encode() + b"\n").decode().rstrip("=")


class Page(SeleniumDialogue, unittest.TestCase):
    browser = staticmethod(browser)

    def test_a_share_link_shows_the_same_draw_in_another_browser(self):
        self.open(PAGE)
        self.driver.execute_async_script(TYPE_ALL, ["0", "3 2", "ゼピロ ミナ ｱｲｳ", "2"])
        link, shown = self.driver.execute_script("return [zepiro.shareLink(), zepiro.transcript()]")
        other = browser()
        try:
            self.assertEqual(self.open(link, other), shown)
            screen = ("id", "screen")
            self.assertEqual(other.find_element(*screen).text,
                             self.driver.find_element(*screen).text)
            self.assertEqual(other.execute_async_script(TYPE_ALL, ["0"]),  # and it goes on
                             self.driver.execute_async_script(TYPE_ALL, ["0"]))
        finally:
            other.quit()

    def test_a_bad_fragment_gives_a_notice_and_a_fresh_session(self):
        redraws = link_text("0\n15 99\n" + NAMES + "\n2" + "\n0" * 1100)  # 35 M characters
        for fragment in ("seed=1&typed=M!o", "seed=4294967296&typed=", "seed=1&typed=MQ",
                         "seed=1&typed=" + "MAo" * 90000, "seed=1&typed=" + redraws):
            with self.subTest(fragment[:24]):
                self.open(f"{PAGE}#{fragment}")  # idle once refused: the replay yields
                self.assertTrue(self.driver.execute_async_script(TYPE_ALL, []).startswith("- ゼピロ"))
                self.assertIn("リンクを読めません", self.driver.find_element("id", "notice").text)
        # Hostile text is shown as text, and a flood of refused answers keeps few lines.
        flood = link_text("\n".join(["<img src=x onerror=window.hacked=1>"] + ["x"] * 20000))
        self.open(f"{PAGE}#seed=1&typed={flood}")
        self.assertIsNone(self.driver.execute_script("return window.hacked"))
        self.assertEqual(self.driver.find_elements("css selector", "img"), [])
        self.assertLess(len(self.driver.find_elements("css selector", ".line")), 2600)

    def test_the_enter_that_ends_a_conversion_sends_nothing(self):
        self.session(1, [])
        line = self.driver.find_element("id", "line")
        line.send_keys("1")
        for composing in ("isComposing: true", "keyCode: 229"):
            self.driver.execute_script("arguments[0].dispatchEvent(new KeyboardEvent("
                                       f"'keydown', {{key: 'Enter', {composing}}}))", line)
        typed = "return zepiro.shareLink().split('typed=')[1].split('&')[0]"
        self.assertEqual(self.driver.execute_script(typed), "")
        line.send_keys(Keys.ENTER)
        self.assertEqual(self.driver.execute_script(typed), link_text("1"))

    def test_an_unfinished_session_is_offered_again(self):
        self.session(2, ["0", "2 1", "A B"])
        self.open(PAGE)
        self.driver.find_element("css selector", "#notice button").click()
        self.assertEqual(self.driver.execute_async_script(TYPE_ALL, []),
                         linux(2, ["0", "2 1", "A B"]))

    def test_nothing_but_the_page_itself_is_ever_asked_for(self):
        self.session(3, ["0", "2 1", "A B", "2"])
        messages = [json.loads(entry["message"])["message"]
                    for entry in self.driver.get_log("performance")]
        asked = [message["params"]["request"]["url"] for message in messages
                 if message["method"] == "Network.requestWillBeSent"]
        self.assertIn(PAGE, asked)
        for url in asked:
            self.assertRegex(url, r"^(file|data|about|chrome):")  # the browser's own pages
