"""The dialogue in the page's other engines, against the Linux program:
WebKit, as in every iPhone browser, and Gecko."""

import json
import os
import subprocess
import unittest

from selenium import webdriver
from selenium.webdriver.webkitgtk.options import Options

from dialogue import Dialogue, SeleniumDialogue


class WebKit(SeleniumDialogue, unittest.TestCase):
    """WebKitGTK's MiniBrowser, which WebKitWebDriver starts itself, in a
    virtual X display."""

    @staticmethod
    def browser():
        return webdriver.WebKitGTK(executable_path=os.environ["ZEPIRO_WEBKITDRIVER"],
                                   options=Options())


class Gecko(Dialogue, unittest.TestCase):
    """Firefox through puppeteer-core, over WebDriver BiDi."""

    def sessions(self, every):
        run = subprocess.run([os.environ["ZEPIRO_NODE"], os.environ["ZEPIRO_GECKO_SESSIONS"]],
                             input=json.dumps([{"seed": seed, "lines": lines}
                                               for _, seed, lines in every]),
                             stdout=subprocess.PIPE, text=True, check=True, timeout=100)
        return json.loads(run.stdout)
