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

from selenium.webdriver.support.wait import WebDriverWait

from test_page import TYPE_ALL, browser, linux

CONTROLLED = "return navigator.serviceWorker.controller !== null"
KEPT_CSS = """const done = arguments[0];
  caches.keys().then((names) => Promise.all(names.map(async (name) =>
    (await (await caches.open(name)).match('page.css')).text()))).then(done);"""


class Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


class Offline(unittest.TestCase):
    def setUp(self):
        self.site = tempfile.mkdtemp()
        shutil.copytree(os.environ["ZEPIRO_SITE"], self.site, dirs_exist_ok=True)
        self.server = http.server.ThreadingHTTPServer(
            ("127.0.0.1", 0), functools.partial(Quiet, directory=self.site))
        threading.Thread(target=self.server.serve_forever, daemon=True).start()
        self.url = f"http://127.0.0.1:{self.server.server_port}/"
        self.driver = browser()
        self.driver.execute_cdp_cmd("Network.setBlockedURLs", {"urls": []})

    def tearDown(self):
        self.driver.quit()
        self.server.shutdown()
        self.server.server_close()
        shutil.rmtree(self.site)

    def visit(self, url):
        self.driver.get(url)
        WebDriverWait(self.driver, 20).until(lambda d: d.execute_script(CONTROLLED))

    def test_installable_and_once_visited_it_runs_offline(self):
        self.visit(self.url + "index.html")
        self.assertFalse(self.driver.find_element("id", "notice").is_displayed())  # no news
        self.assertEqual(self.driver.execute_cdp_cmd("Page.getInstallabilityErrors", {}),
                         {"installabilityErrors": []})
        self.assertEqual([entry["message"] for entry in self.driver.get_log("browser")], [])
        self.server.shutdown()
        self.driver.execute_cdp_cmd("Network.emulateNetworkConditions", {
            "offline": True, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})
        lines = ["0", "3 2", "ゼピロ ミナ ｱｲｳ", "2"]
        self.driver.get("about:blank")
        self.driver.get(self.url + "#seed=7&typed=")  # the folder, as a phone's icon opens it
        self.assertEqual(self.driver.execute_async_script(TYPE_ALL, lines), linux(7, lines))

    def test_a_new_build_takes_over_at_the_next_visit_with_a_notice(self):
        self.visit(self.url)
        with open(os.path.join(self.site, "page.css"), "a", encoding="utf-8") as css:
            css.write("/* the next build */\n")
        subprocess.run([os.environ["ZEPIRO_CMAKE"], "-DSITE=" + self.site,
                        "-DTEMPLATE=" + os.environ["ZEPIRO_WORKER"],
                        "-P", os.environ["ZEPIRO_WORKER_WRITER"]], check=True)
        self.visit(self.url)
        WebDriverWait(self.driver, 20).until(
            lambda d: "新しい版" in d.find_element("id", "notice").text)
        # and the old build's files are gone
        WebDriverWait(self.driver, 10).until(lambda d: [
            css.endswith("/* the next build */\n") for css in d.execute_async_script(KEPT_CSS)
        ] == [True])
