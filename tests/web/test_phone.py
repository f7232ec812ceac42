"""The page on a 360 x 640 phone, and the largest screen, in headless Chromium."""

import re
import unittest

from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.wait import WebDriverWait
from dialogue import TYPE_ALL, Browser, linux
from test_page import NAMES, browser

PHONE = {"width": 360, "height": 640, "deviceScaleFactor": 2, "mobile": True}
BIG_DRAW = ["0", "15 99", NAMES, "2"]
# The font's size, the page's width, and for each line that matches arguments[0]:
# its height in lines, and the left of each match of arguments[1] in it.
LOOK = """const [row, column] = [new RegExp(arguments[0]), new RegExp(arguments[1], 'g')];
const font = parseFloat(getComputedStyle(document.getElementById('screen')).fontSize);
const left = (line, index) => {
  const [walk, range] = [document.createTreeWalker(line, NodeFilter.SHOW_TEXT), new Range()];
  let node = walk.nextNode();
  for (; index >= node.length; node = walk.nextNode()) index -= node.length;
  range.setStart(node, index);
  return Math.round(range.getBoundingClientRect().left);
};
return [font, document.documentElement.scrollWidth, innerWidth, [...document.querySelectorAll(
  '.line')].filter((line) => row.test(line.textContent)).map((line) => [
    Math.round(line.getBoundingClientRect().height / font / 1.25),
    ...[...line.textContent.matchAll(column)].map((found) => left(line, found.index))])];"""
IN_VIEW = """requestAnimationFrame(() => setTimeout(() => {
  const [line, entry] = [[...document.querySelectorAll('.line')].findLast((l) => l.textContent),
    document.getElementById('entry')].map((part) => part.getBoundingClientRect());
  arguments[0]([line.top >= 0, line.bottom <= entry.top + 1, entry.bottom <= innerHeight + 1]);
}));"""
# The dark pixels of the picture the page hands out, as the browser decodes it.
PICTURE = """const done = arguments[0];
HTMLAnchorElement.prototype.click = () => {};
URL.createObjectURL = (blob) => void createImageBitmap(blob).then((picture) => {
  const canvas = new OffscreenCanvas(picture.width, picture.height).getContext('2d');
  canvas.drawImage(picture, 0, 0);
  done(canvas.getImageData(0, 0, picture.width, picture.height).data
    .filter((value, i) => i % 4 === 1 && value < 128).length);
}, () => done(0));
document.getElementById('picture').click();"""

# A draw with bans given as pairs, then a tally with a negative score, from its menu.
DRAW_AND_TALLY = ["0", "3 2", "A B C", "0", "7-1", "1-2", "0", "4", "2 1", "A B", "10", "-5"]
# The buttons shown under 44 x 44 CSS px; the keys shown (centre, smaller side); the centre of
# 結果を画像に if the result buttons are in the window; the line's keyboard; a key's focus.
TOUCH_LOOK = """const shown = [...document.querySelectorAll('button')].filter((b) => b.checkVisibility())
  .map((button) => [button, button.getBoundingClientRect()]);
const centre = (box) => [box.x + box.width / 2, box.y + box.height / 2];
const results = shown.filter(([b]) => b.parentElement.id === 'results').map(([, box]) => box);
return [shown.filter(([, box]) => box.width < 44 || box.height < 44).map(([b]) => b.textContent),
  Object.fromEntries(shown.filter(([b]) => b.parentElement.id === 'keypad').map(([b, box]) =>
    [b.textContent, [...centre(box), Math.min(box.width, box.height)]])),
  results.every((box) => box.top >= 0 && box.bottom <= innerHeight) && centre(results[2]),
  document.getElementById('line').inputMode,
  document.getElementById('keypad').contains(document.activeElement)];"""


class Phone(Browser, unittest.TestCase):
    browser = staticmethod(browser)

    def session(self, lines, metrics=PHONE):
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", metrics)
        return super().session(1, lines)

    def tap(self, x, y):
        for kind, points in (("touchStart", [{"x": x, "y": y}]), ("touchEnd", [])):
            self.driver.execute_cdp_cmd("Input.dispatchTouchEvent",
                                        {"type": kind, "touchPoints": points})

    def test_numbers_come_from_the_keypad_names_from_the_keyboard_results_in_reach(self):
        self.session([])  # without a touch screen, no keypad
        self.assertFalse(self.driver.find_element("id", "keypad").is_displayed())
        touch = {"enabled": True, "maxTouchPoints": 1}
        self.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", touch)
        self.addCleanup(self.driver.execute_cdp_cmd, "Emulation.setTouchEmulationEnabled",
                        dict(touch, enabled=False))
        self.session([])
        self.driver.execute_script("HTMLAnchorElement.prototype.click = () => {}")  # no download
        line, notice = (self.driver.find_element("id", part) for part in ("line", "notice"))
        for typed, picture in zip(DRAW_AND_TALLY, [None] * 6 + ["draw"] + [None] * 4 + ["tally"]):
            small, keys, picture_button, keyboard, focused = self.driver.execute_script(TOUCH_LOOK)
            self.assertEqual((small, bool(picture_button), focused), ([], True, False), typed)
            if re.fullmatch(r"[-\d ]+", typed):  # a number or a pair: keys, no keyboard
                self.assertEqual((min(key[2] for key in keys.values()), keyboard), (48, "none"))
                for label in [{" ": "空白"}.get(c, c) for c in typed + "9⌫"] + ["送信"]:
                    self.tap(*keys[label][:2])  # a slip deleted before it is sent
            else:  # a name: the phone's keyboard
                self.assertEqual((keys, keyboard), ({}, ""))
                line.send_keys(typed, Keys.ENTER)
            WebDriverWait(self.driver, 5).until(lambda _: line.get_property("value") == "")
            self.driver.execute_async_script("zepiro.idle().then(arguments[0])")
            if picture:  # saved from the bar at the bottom, the newest line still in view
                self.tap(*self.driver.execute_script(TOUCH_LOOK)[2])
                WebDriverWait(self.driver, 5).until(lambda _: f"-{picture}-1.png" in notice.text)
                self.assertEqual(self.driver.execute_async_script(IN_VIEW), [True] * 3)
        self.assertEqual(self.driver.execute_script("return zepiro.transcript()"),
                         linux(1, DRAW_AND_TALLY))

    def test_each_screen_is_legible_its_rows_whole_and_columns_lined_up(self):
        for lines, row, column, smallest in (
                ([], "^- ", "-$", 12),
                (["0", "1 1", "ゼピロ", "1"], r"^\d-\d: ", r"\d-\d:", 8),
                (["0", "1 1", "ゼピロ", "0"], r"^\d-\d:  ", r"\d-\d:", 9),
                (BIG_DRAW, r"^\d\d:  ", "(?<=:  ).", 12),
                (["1", "2 9", "ゼピロ ミナ"] + ["10"] * 18, "pts", "pts", 12)):
            with self.subTest(lines[:3]):
                self.session(lines)
                font, page_width, window_width, rows = self.driver.execute_script(LOOK, row, column)
                self.assertGreaterEqual(font, smallest)
                self.assertLessEqual(page_width, window_width)
                self.assertEqual({found[0] for found in rows}, {1})
                for at in range(1, 4):
                    self.assertLessEqual(len({found[at] for found in rows if at < len(found)}), 1)
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                                    dict(PHONE, width=640, height=360))  # turned sideways
        WebDriverWait(self.driver, 5).until(lambda d: d.execute_script(LOOK, "(?!)", "")[0] > font)

    def test_the_last_line_and_the_input_stay_in_view(self):
        for metrics in (PHONE, dict(PHONE, width=1024, height=768, mobile=False)):
            self.session([], metrics)
            for line in BIG_DRAW:
                self.driver.execute_async_script(TYPE_ALL, [line])
                self.assertEqual(self.driver.execute_async_script(IN_VIEW), [True] * 3, line)
            self.assertTrue(self.driver.execute_script(  # the input line sticks to the bottom
                "scrollTo(0, 0); return document.getElementById('entry')"
                ".getBoundingClientRect().bottom <= innerHeight"))

    def test_the_big_draw_is_few_elements_its_text_copied_found_drawn_then_ended(self):
        pairings = self.session(BIG_DRAW).split("-" * 29)[-2]
        self.assertLessEqual(self.driver.execute_script(
            "return document.querySelectorAll('*').length"), 5000)
        self.assertIn(pairings, self.driver.execute_script(
            "getSelection().selectAllChildren(document.getElementById('screen'));"
            "return getSelection().toString();"))
        self.assertTrue(self.driver.execute_script(
            "return window.find(arguments[0], true, false, true)", pairings.split("\n")[-2]))
        self.assertGreater(self.driver.execute_async_script(PICTURE), 100000)  # dark pixels
        self.assertIn("保存しました", self.driver.find_element("id", "notice").text)
        self.driver.execute_async_script(TYPE_ALL, ["5"])  # 終了する: send goes with the input
        send = self.driver.find_element("id", "send")
        self.assertTrue(send.get_property("disabled"))
        self.driver.find_element("id", "new").click()
        self.assertFalse(send.get_property("disabled"))
