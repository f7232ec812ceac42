"""The page on a 360 x 640 phone, and the largest screen, in headless Chromium."""

import unittest

from selenium.webdriver.support.wait import WebDriverWait
from test_page import NAMES, PAGE, TYPE_ALL, browser

PHONE = {"width": 360, "height": 640, "deviceScaleFactor": 2, "mobile": True}
BIG_DRAW = ["0", "15 99", NAMES, "2"]
# The font's size, the page's width, and for each line of the screen that
# matches arguments[0]: its height in lines and the left of the character
# where its column's match arguments[1] starts.
LOOK = """const [row, column] = [new RegExp(arguments[0]), new RegExp(arguments[1], 'g')];
const font = parseFloat(getComputedStyle(document.getElementById('screen')).fontSize);
const rows = [...document.querySelectorAll('.line')].filter((line) => row.test(line.textContent));
return [font, document.documentElement.scrollWidth, innerWidth, rows.map((line) => {
  const range = document.createRange();
  const at = (index) => {
    const walk = document.createTreeWalker(line, NodeFilter.SHOW_TEXT);
    for (let node = walk.nextNode(); ; node = walk.nextNode()) {
      if (index < node.length) { range.setStart(node, index); return range; }
      index -= node.length;
    }
  };
  const starts = [...line.textContent.matchAll(column)].map((found) => found.index);
  return [Math.round(line.getBoundingClientRect().height / font / 1.25),
          ...starts.map((index) => Math.round(at(index).getBoundingClientRect().left))];
})];"""
IN_VIEW = """const line = [...document.querySelectorAll('.line')].findLast((l) => l.textContent);
const entry = document.getElementById('entry').getBoundingClientRect();
requestAnimationFrame(() => setTimeout(() => arguments[0]([line.getBoundingClientRect().top >= 0,
  line.getBoundingClientRect().bottom <= entry.top + 1, entry.bottom <= innerHeight + 1])));"""


class Phone(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.driver = browser()
        cls.driver.set_script_timeout(60)

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()

    def setUp(self):
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", PHONE)

    def session(self, lines):
        self.driver.get("about:blank")
        self.driver.get(f"{PAGE}#seed=1&typed=")
        return self.driver.execute_async_script(TYPE_ALL, lines)

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
                for entry in range(1, 4):
                    self.assertLessEqual(len({found[entry] for found in rows if entry < len(found)}), 1)
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                                    dict(PHONE, width=640, height=360))  # turned sideways
        WebDriverWait(self.driver, 5).until(lambda d: d.execute_script(LOOK, "(?!)", "")[0] > font)

    def test_the_last_line_and_the_input_stay_in_view(self):
        for metrics in (PHONE, dict(PHONE, width=1024, height=768, mobile=False)):
            self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", metrics)
            self.session([])
            for line in BIG_DRAW:
                self.driver.execute_async_script(TYPE_ALL, [line])
                self.assertEqual(self.driver.execute_async_script(IN_VIEW), [True] * 3, line)
            self.driver.execute_script("scrollTo(0, 0)")  # the input line sticks to the bottom
            self.assertLessEqual(*self.driver.execute_script(
                "return [document.getElementById('entry').getBoundingClientRect().bottom, innerHeight]"))

    def test_the_big_draw_is_few_elements_and_its_text_is_copied_and_found(self):
        pairings = self.session(BIG_DRAW).split("-" * 29)[-2]
        self.assertLessEqual(self.driver.execute_script(
            "return document.querySelectorAll('*').length"), 5000)
        result = self.driver.execute_script("""
            getSelection().selectAllChildren(document.getElementById('screen'));
            return getSelection().toString();""")
        self.assertIn(pairings, result)
        self.assertTrue(self.driver.execute_script("return window.find(arguments[0], true, false, true)", pairings.split("\n")[-2]))

    def test_the_picture_is_saved_with_a_notice_and_send_is_disabled_with_the_input(self):
        self.session(["0", "3 2", "A B C", "2"])
        width, dark = self.driver.execute_async_script("""const done = arguments[0];
            HTMLAnchorElement.prototype.click = () => {};
            URL.createObjectURL = (blob) => void createImageBitmap(blob).then((picture) => {
              const canvas = new OffscreenCanvas(picture.width, picture.height).getContext('2d');
              canvas.drawImage(picture, 0, 0);
              const data = canvas.getImageData(0, 0, picture.width, picture.height).data;
              done([picture.width, data.filter((value, i) => i % 4 === 1 && value < 128).length]);
            }, () => done([0, 0]));
            document.getElementById('picture').click();""")
        self.assertGreater(width, 0)
        self.assertGreater(dark, 1000)
        self.assertIn("保存しました", self.driver.find_element("id", "notice").text)
        send = self.driver.find_element("id", "send")
        self.driver.execute_async_script(TYPE_ALL, ["5"])  # 終了する
        self.assertTrue(send.get_property("disabled"))
        self.driver.find_element("id", "new").click()
        self.assertFalse(send.get_property("disabled"))
