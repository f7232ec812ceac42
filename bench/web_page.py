#!/usr/bin/python3
"""Timings of the page in headless Chromium beside the Linux program's: the
time from loading to the title prompt, the size of what is handed out, and
one draw of 15 players and 99 races, also at 4x CPU throttle as Chromium
emulates a phone, with the elements it leaves on the page and its picture
(結果を画像に). Not a test: run it by hand on a quiet machine, after
`cmake --workflow --preset web` and the default build.

    bench/web_page.py [build-web/site] [build/zepiro]
"""

import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

SITE = Path(sys.argv[1] if len(sys.argv) > 1 else "build-web/site").resolve()
LINUX = Path(sys.argv[2] if len(sys.argv) > 2 else "build/zepiro")
NAMES = " ".join(f"P{i}" for i in range(15))
SETUP = ["0", "15 99", NAMES, "2"]  # the first draw comes with the last answer
REDRAWS = 20
# Until the program waits again, then until the screen is painted.
REDRAW = """const done = arguments[0];
    const start = performance.now();
    zepiro.type('0').then(() => {
      const run = performance.now() - start;
      requestAnimationFrame(() => setTimeout(() => done([run, performance.now() - start])));
    });"""
# The picture of the last result: its size and the time from the button to the
# file handed out, which is not saved.
PICTURE = """const done = arguments[0];
    HTMLAnchorElement.prototype.click = () => {};
    const made = URL.createObjectURL;
    let start = 0;
    URL.createObjectURL = (blob) => {
      done([blob.size, performance.now() - start]);
      URL.createObjectURL = made;
      return made(blob);
    };
    start = performance.now();
    document.getElementById('picture').click();"""


def draws(driver):
    return [statistics.median(d) for d in zip(*[driver.execute_async_script(REDRAW)
                                                   for _ in range(REDRAWS)])]


def page_figures():
    options = webdriver.ChromeOptions()
    for flag in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
                 "--no-first-run", "--disable-background-networking",
                 "--disable-component-update", "--disable-sync",
                 "--user-data-dir=" + tempfile.mkdtemp()):
        options.add_argument(flag)
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    try:
        loads = []
        for _ in range(5):
            driver.get("about:blank")
            driver.get((SITE / "index.html").as_uri() + "#seed=1&typed=")
            loads.append(driver.execute_async_script(
                "zepiro.idle().then(() => arguments[0](performance.now()))"))
        driver.execute_async_script(
            "Promise.all(arguments[0].map(zepiro.type)).then(arguments[1])", SETUP)
        figures = {"load": statistics.median(loads), "draw": draws(driver)}
        figures["elements"] = driver.execute_script("return document.querySelectorAll('*').length")
        figures["picture"] = [statistics.median(p) for p in zip(*[
            driver.execute_async_script(PICTURE) for _ in range(5)])]
        driver.set_script_timeout(120)
        driver.execute_cdp_cmd("Emulation.setCPUThrottlingRate", {"rate": 4})
        figures["draw at 4x"] = draws(driver)
        return figures
    finally:
        driver.quit()


def linux_seconds(lines):
    start = time.perf_counter()
    subprocess.run([LINUX, "--seed=1"], input="".join(f"{line}\n" for line in lines).encode(),
                   stdout=subprocess.DEVNULL, check=False)
    return time.perf_counter() - start


def linux_figures():
    to_prompt = statistics.median(linux_seconds([]) for _ in range(20))
    setup = statistics.median(linux_seconds(SETUP) for _ in range(5))
    redrawn = statistics.median(linux_seconds(SETUP + ["0"] * REDRAWS) for _ in range(5))
    return to_prompt * 1000, (redrawn - setup) * 1000 / REDRAWS


def main():
    page = page_figures()
    load, (draw, painted), (draw4, painted4) = page["load"], page["draw"], page["draw at 4x"]
    to_prompt, linux_draw = linux_figures()
    site = sum(path.stat().st_size for path in SITE.iterdir())
    print(f"{'':34}{'page':>12}{'Linux':>12}")
    print(f"{'load to the title prompt (ms)':34}{load:12.1f}{to_prompt:12.1f}")
    print(f"{'size (KiB; site folder, program)':34}{site / 1024:12.0f}"
          f"{LINUX.stat().st_size / 1024:12.0f}")
    print(f"{'15 x 99 draw (ms)':34}{draw:12.1f}{linux_draw:12.2f}")
    print(f"{'15 x 99 draw, painted (ms)':34}{painted:12.1f}{'':>12}")
    print(f"{'at 4x CPU throttle (ms)':34}{draw4:12.1f}")
    print(f"{'at 4x CPU throttle, painted (ms)':34}{painted4:12.1f}")
    print(f"{'elements on the page after it':34}{page['elements']:12}")
    print(f"{'its picture (KiB)':34}{page['picture'][0] / 1024:12.0f}")
    print(f"{'its picture (ms)':34}{page['picture'][1]:12.1f}")


if __name__ == "__main__":
    main()
