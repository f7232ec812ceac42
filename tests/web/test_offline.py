"""The page over http://127.0.0.1 in headless Chromium: installable, opened
offline once visited, and a new build taking over from the old one."""

import functools
import http.server
import os
import shutil
import subprocess
import tempfile
import threading
import unittest
from pathlib import Path

from selenium.webdriver.support.wait import WebDriverWait

from dialogue import TYPE_ALL, linux
from test_page import browser

CONTROLLED = "return navigator.serviceWorker.controller !== null"
# Whether the page's worker is the newest, and the page.css of each build kept;
# null while a worker or a cache is still being made.
TAKEN_OVER = """const done = arguments[0];
  navigator.serviceWorker.getRegistration().then(async (registration) => done([
    registration.active === navigator.serviceWorker.controller,
    ...await Promise.all((await caches.keys()).map(async (name) =>
      (await (await caches.open(name)).match('page.css')).text()))])).catch(() => done(null));"""


class Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


class Offline(unittest.TestCase):
    def setUp(self):
        self.site = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, self.site)
        shutil.copytree(os.environ["ZEPIRO_SITE"], self.site, dirs_exist_ok=True)
        self.server = http.server.ThreadingHTTPServer(
            ("127.0.0.1", 0), functools.partial(Quiet, directory=self.site))
        self.addCleanup(self.server.server_close)
        threading.Thread(target=self.server.serve_forever, daemon=True).start()
        self.addCleanup(self.server.shutdown)
        self.url = f"http://127.0.0.1:{self.server.server_port}/"
        self.driver = browser()
        self.addCleanup(self.driver.quit)
        self.driver.execute_cdp_cmd("Network.setBlockedURLs", {"urls": []})

    def visit(self):
        self.driver.get(self.url + "index.html")
        WebDriverWait(self.driver, 20).until(lambda d: d.execute_script(CONTROLLED))

    def test_installable_a_new_build_takes_over_with_a_notice_and_it_runs_offline(self):
        self.visit()
        self.assertFalse(self.driver.find_element("id", "notice").is_displayed())  # no news
        self.assertEqual(self.driver.execute_cdp_cmd("Page.getInstallabilityErrors", {}),
                         {"installabilityErrors": []})
        self.assertEqual([entry["message"] for entry in self.driver.get_log("browser")], [])
        self.driver.execute_async_script(TYPE_ALL, ["0"])  # a session kept, offered at the next
        with Path(self.site, "page.css").open("a", encoding="utf-8") as css:
            css.write("/* the next build */\n")
        subprocess.run([os.environ["ZEPIRO_CMAKE"], "-DSITE=" + self.site,
                        "-DTEMPLATE=" + os.environ["ZEPIRO_WORKER"],
                        "-P", os.environ["ZEPIRO_WORKER_WRITER"]], check=True)
        self.visit()
        # The old build's files are gone, and the news waits for the user's say.
        WebDriverWait(self.driver, 20).until(lambda d: d.execute_async_script(TAKEN_OVER) == [
            True, Path(self.site, "page.css").read_text(encoding="utf-8")])
        offer = self.driver.find_element("css selector", "#notice button")
        self.assertEqual(offer.text, "続きから")
        offer.click()
        WebDriverWait(self.driver, 5).until(
            lambda d: "新しい版" in d.find_element("id", "notice").text)
        self.server.shutdown()
        self.driver.execute_cdp_cmd("Network.emulateNetworkConditions", {
            "offline": True, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})
        lines = ["0", "3 2", "ゼピロ ミナ ｱｲｳ", "2"]
        self.driver.get("about:blank")
        self.driver.get(self.url + "#seed=7&typed=")  # the folder, as a phone's icon opens it
        self.assertEqual(self.driver.execute_async_script(TYPE_ALL, lines), linux(7, lines))
