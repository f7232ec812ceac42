"""The page over http://127.0.0.1 in headless Chromium: installable, opened
offline once visited, a new build taking over from the old one in its own
folder, and deploys that go wrong without breaking it."""

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
# Asked every 2 s: Chromium puts a worker's update off while fetches keep coming.
SERVED = "fetch('page.css').then((answer) => answer.text()).then(arguments[0])"
NEXT = "/* the next build */\n"
LINES = ["0", "3 2", "ゼピロ ミナ ｱｲｳ", "2"]
# Each: whether the host redirects index.html to its folder, the file it serves
# once of a wrong type at the first visit and at the deploy, and the next
# build's files it gets first in a/, one of them cut short.
DEPLOYS = {
    "zepiro.js cut short": (False, None, None, "*", "zepiro.js"),
    "the new worker beside the old files": (False, None, None, "service_worker.js", None),
    "zepiro.js once of a wrong type": (False, None, "/a/zepiro.js", "*", None),
    "service_worker.js of a wrong type":
        (False, "/a/service_worker.js", None, "service_worker.js", None),
    "index.html redirected to its folder": (True, None, None, "*", "zepiro.js")}


class Quiet(http.server.SimpleHTTPRequestHandler):
    """A host on this machine alone that goes wrong as real ones do: it serves each
    path in server.once once as application/octet-stream and, with server.pretty,
    each index.html as a redirect to its folder."""
    timeout = 10  # no connection holds a thread longer

    def log_message(self, *args):
        pass

    def send_head(self):
        self.mistyped = self.path in self.server.once and not self.server.once.remove(self.path)
        if self.server.pretty and self.path.endswith("/index.html"):
            self.path = self.path.removesuffix("/index.html")  # a redirect to the folder
        return super().send_head()

    def guess_type(self, path):
        return "application/octet-stream" if self.mistyped else super().guess_type(path)

    def end_headers(self):
        self.send_header("X-Content-Type-Options", "nosniff")
        self.send_header("Cache-Control", "no-store")  # each visit asks the host again
        super().end_headers()


class Offline(unittest.TestCase):
    def host(self, pretty=False, once=None):
        """This build in the host's folders a/ and b/, the next one in next/."""
        self.site = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, self.site)
        for folder in ("a", "b", "next"):
            shutil.copytree(os.environ["ZEPIRO_SITE"], Path(self.site, folder))
        for name in ("page.css", "zepiro.js"):
            with Path(self.site, "next", name).open("a", encoding="utf-8") as file:
                file.write(NEXT)
        subprocess.run([os.environ["ZEPIRO_NODE"], os.environ["ZEPIRO_WORKER_WRITER"],
                        Path(self.site, "next")], check=True)
        self.server = http.server.ThreadingHTTPServer(
            ("127.0.0.1", 0), functools.partial(Quiet, directory=self.site))
        self.server.pretty, self.server.once, self.said = pretty, {once}, ""
        self.addCleanup(self.server.server_close)
        threading.Thread(target=self.server.serve_forever, daemon=True).start()
        self.addCleanup(self.server.shutdown)
        self.url = f"http://127.0.0.1:{self.server.server_port}/"
        self.driver = browser()
        self.addCleanup(self.driver.quit)
        self.driver.execute_cdp_cmd("Network.setBlockedURLs", {"urls": []})

    def put(self, names="*", cut=None, folder="a"):
        """Puts the next build's files in a folder of the host, one of them cut short."""
        for path in Path(self.site, "next").glob(names):
            if path.is_file():  # file/ is the disk's, which no worker keeps
                shutil.copy(path, Path(self.site, folder))
        if cut:
            whole = Path(self.site, "next", cut).read_bytes()
            Path(self.site, folder, cut).write_bytes(whole[:len(whole) // 2])

    def visit(self, path="a/#seed=7&typed=", said=None):
        """Opens the page anew, then waits until it is controlled, or the console says `said`."""
        self.driver.get("about:blank")
        self.driver.get(self.url + path)

        def done(driver):
            self.said += "".join(entry["message"] for entry in driver.get_log("browser"))
            return said in self.said if said else driver.execute_script(CONTROLLED)
        WebDriverWait(self.driver, 60).until(done)

    def test_a_deploy_that_goes_wrong_leaves_the_kept_build_serving_until_it_is_whole(self):
        kept = Path(os.environ["ZEPIRO_SITE"], "page.css").read_text(encoding="utf-8")
        for name, (pretty, first, once, names, cut) in DEPLOYS.items():
            with self.subTest(name):
                self.host(pretty, first)
                self.visit(said=first and "could not be registered")
                self.visit()
                self.put(names, cut)
                self.server.once.add(once)
                self.visit(said="not kept for offline use")
                self.assertEqual(self.driver.execute_async_script(SERVED), kept)
                self.assertEqual(self.driver.execute_async_script(TYPE_ALL, LINES), linux(7, LINES))
                self.put()
                for _ in "12":  # the next build taken up within two visits
                    self.visit()
                    WebDriverWait(self.driver, 60, 2).until(
                        lambda d: d.execute_async_script(SERVED) == kept + NEXT)
                self.assertEqual(self.driver.execute_async_script(TYPE_ALL, LINES), linux(7, LINES))

    def test_installable_a_new_build_takes_over_with_a_notice_and_it_runs_offline(self):
        self.host()
        self.visit("a")  # the folder without its slash, redirected to it
        self.assertFalse(self.driver.find_element("id", "notice").is_displayed())  # no news
        self.assertEqual(self.driver.execute_cdp_cmd("Page.getInstallabilityErrors", {}),
                         {"installabilityErrors": []})
        self.assertEqual(self.said, "")
        self.visit("b/")  # another build in another folder
        self.driver.execute_async_script(TYPE_ALL, ["0"])  # a session kept, offered at the next
        self.put(folder="b")
        self.visit("b/")
        # The news waits for the user's say.
        WebDriverWait(self.driver, 60, 2).until(
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
        for folder in ("a/", "b/"):  # as a phone's icon opens it
            self.driver.get("about:blank")
            self.driver.get(self.url + folder + "#seed=7&typed=")
            self.assertEqual(self.driver.execute_async_script(TYPE_ALL, LINES), linux(7, LINES))
