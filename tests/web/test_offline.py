"""The page over http://127.0.0.1 in headless Chromium: installable, opened
offline once visited, a new build taking over from the old one, two builds in
two folders of one origin, and deploys that go wrong without breaking it."""

import http.server
import os
import shutil
import subprocess
import tempfile
import threading
import unittest
from pathlib import Path
from urllib.parse import urlsplit

from selenium.webdriver.support.wait import WebDriverWait

from dialogue import TYPE_ALL, linux
from test_page import browser

CONTROLLED = "return navigator.serviceWorker.controller !== null"
LINES = ["0", "3 2", "ゼピロ ミナ ｱｲｳ", "2"]
SERVED = "fetch('page.css').then((answer) => answer.text()).then(arguments[0])"
NEXT = "/* the next build */\n"


class Host(http.server.SimpleHTTPRequestHandler):
    """A static host on this machine alone that goes wrong as real ones do: it
    serves the paths in `server.mistyped` once as application/octet-stream,
    and with `server.pretty` it redirects each index.html to its folder."""
    timeout = 10

    def log_message(self, *args):
        pass

    def send_head(self):
        path = urlsplit(self.path).path
        self.mistyped = path in self.server.mistyped
        self.server.mistyped.discard(path)
        if self.server.pretty and path.endswith("/index.html"):
            self.send_response(301)
            self.send_header("Location", path.removesuffix("index.html"))
            self.end_headers()
            return None
        return super().send_head()

    def guess_type(self, path):
        return "application/octet-stream" if self.mistyped else super().guess_type(path)

    def send_response(self, code, message=None):
        super().send_response(code, message)
        self.send_header("X-Content-Type-Options", "nosniff")
        # A file is checked with the host at each visit, a wrong type never kept;
        # the redirect of a folder without its slash is kept, as browsers keep a 301.
        if code == 200:
            self.send_header("Cache-Control", "no-store" if self.mistyped else "no-cache")


def deploy(test, folder):
    """Puts the next build, whole, in the host's folder."""
    shutil.copytree(test.next, folder, dirs_exist_ok=True)


def cut_short(test, folder):
    deploy(test, folder)
    data = Path(folder, "zepiro.js").read_bytes()
    Path(folder, "zepiro.js").write_bytes(data[:len(data) // 2])


def worker_first(test, folder):
    shutil.copy(Path(test.next, "service_worker.js"), folder)


def mistyped(test, folder):
    deploy(test, folder)
    test.server.mistyped.add("/a/zepiro.js")


# Each: what goes wrong, what the console says at the first visit, whether
# index.html is redirected, and how the next build reaches the host first.
DEPLOYS = [("zepiro.js cut short", None, False, cut_short),
           ("the new worker beside the old files", None, False, worker_first),
           ("zepiro.js once of a wrong type", None, False, mistyped),
           ("service_worker.js of a wrong type", "could not be registered", False, worker_first),
           ("index.html redirected to its folder", None, True, cut_short)]


class Offline(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.next = tempfile.mkdtemp()
        cls.addClassCleanup(shutil.rmtree, cls.next)
        shutil.copytree(os.environ["ZEPIRO_SITE"], cls.next, dirs_exist_ok=True)
        for name in ("page.css", "zepiro.js"):
            with Path(cls.next, name).open("a", encoding="utf-8") as file:
                file.write(NEXT)
        subprocess.run([os.environ["ZEPIRO_NODE"], os.environ["ZEPIRO_WORKER_WRITER"], cls.next],
                       check=True)

    def host(self, pretty=False):
        """A fresh browser, and this build in the host's folders a/ and b/."""
        root = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, root)
        for folder in ("a", "b"):
            shutil.copytree(os.environ["ZEPIRO_SITE"], Path(root, folder))
        self.server = http.server.ThreadingHTTPServer(
            ("127.0.0.1", 0), lambda *args: Host(*args, directory=root))
        self.server.mistyped, self.server.pretty = set(), pretty
        self.addCleanup(self.server.server_close)
        threading.Thread(target=self.server.serve_forever, daemon=True).start()
        self.addCleanup(self.server.shutdown)
        self.url = f"http://127.0.0.1:{self.server.server_port}/"
        self.driver = browser()
        self.addCleanup(self.driver.quit)
        self.driver.execute_cdp_cmd("Network.setBlockedURLs", {"urls": []})
        self.said = ""
        return root

    def visit(self, path="a/#seed=7&typed=", said=None):
        """Opens the page, and waits until it is controlled, or the console says `said`."""
        self.driver.get("about:blank")
        self.driver.get(self.url + path)

        def ready(driver):
            self.said += "".join(entry["message"] for entry in driver.get_log("browser"))
            return said in self.said if said else driver.execute_script(CONTROLLED)
        WebDriverWait(self.driver, 20).until(ready)

    def served(self):
        return [self.driver.execute_async_script(SERVED),
                self.driver.execute_async_script(TYPE_ALL, LINES)]

    def test_a_deploy_that_goes_wrong_leaves_the_kept_build_serving_until_it_is_whole(self):
        kept = [Path(os.environ["ZEPIRO_SITE"], "page.css").read_text(encoding="utf-8"),
                linux(7, LINES)]
        for name, first, pretty, goes_wrong in DEPLOYS:
            with self.subTest(name):
                a = Path(self.host(pretty), "a")
                if first:
                    self.server.mistyped.add("/a/service_worker.js")
                self.visit(said=first)
                self.visit()
                goes_wrong(self, a)
                self.visit(said="not kept for offline use")
                self.assertEqual(self.served(), kept)
                deploy(self, a)
                self.visit()
                WebDriverWait(self.driver, 20).until(
                    lambda d: d.execute_async_script(SERVED) == kept[0] + NEXT)
                self.visit()
                self.assertEqual(self.served(), [kept[0] + NEXT, kept[1]])

    def test_two_builds_in_two_folders_each_keep_their_own_and_run_offline(self):
        root = self.host()
        self.visit("a")  # the folder without its slash, redirected to it
        self.assertFalse(self.driver.find_element("id", "notice").is_displayed())  # no news
        self.assertEqual(self.driver.execute_cdp_cmd("Page.getInstallabilityErrors", {}),
                         {"installabilityErrors": []})
        self.assertEqual(self.said, "")
        self.visit("b/index.html")
        self.driver.execute_async_script(TYPE_ALL, ["0"])  # a session kept, offered at the next
        deploy(self, Path(root, "b"))
        self.visit("b/index.html")
        # The news waits for the user's say.
        WebDriverWait(self.driver, 20).until(
            lambda d: d.execute_async_script(SERVED).endswith(NEXT))
        offer = self.driver.find_element("css selector", "#notice button")
        self.assertEqual(offer.text, "続きから")
        offer.click()
        WebDriverWait(self.driver, 5).until(
            lambda d: "新しい版" in d.find_element("id", "notice").text)
        self.server.shutdown()
        self.server.server_close()
        self.driver.execute_cdp_cmd("Network.emulateNetworkConditions", {
            "offline": True, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})
        for folder in ("a", "b/"):  # as typed, and as a phone's icon opens it
            self.driver.get("about:blank")
            self.driver.get(self.url + folder + "#seed=7&typed=")
            self.assertEqual(self.driver.execute_async_script(TYPE_ALL, LINES), linux(7, LINES))
