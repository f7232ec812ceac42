"""The dialogue in the page's other engines, against the Linux program:
WebKit, as in every iPhone browser."""

import os
import unittest

from selenium import webdriver
from selenium.webdriver.webkitgtk.options import Options

from dialogue import SeleniumDialogue


class WebKit(SeleniumDialogue, unittest.TestCase):
    """WebKitGTK's MiniBrowser, which WebKitWebDriver starts itself, in a
    virtual X display."""

    @staticmethod
    def browser():
        return webdriver.WebKitGTK(executable_path=os.environ["ZEPIRO_WEBKITDRIVER"],
                                   options=Options())

