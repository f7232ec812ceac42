#!/usr/bin/python3
"""Lighthouse's figures for the page, as a phone on a slow network would
load it: npm lighthouse@12.2.3 (the last that runs on Node 20) against
Debian's Chromium, over local http servers that do and do not compress as
static hosts may, three runs each, the median of each figure. Not a test: run it
by hand after `cmake --build --preset web`.

    bench/lighthouse.py [build-web/site]

Lighthouse is installed on first use into ~/.cache/zepiro-lighthouse (or
$ZEPIRO_LIGHTHOUSE), not into the project's own tools.
"""

import functools
import gzip
import http.server
import json
import os
import statistics
import subprocess
import sys
import threading
from pathlib import Path

SITE = Path(sys.argv[1] if len(sys.argv) > 1 else "build-web/site").resolve()
TOOLS = Path(os.environ.get("ZEPIRO_LIGHTHOUSE",
                            Path.home() / ".cache" / "zepiro-lighthouse"))
CATEGORIES = ("performance", "accessibility", "best-practices", "seo")
METRICS = ("first-contentful-paint", "largest-contentful-paint", "speed-index",
           "total-blocking-time", "cumulative-layout-shift")
RUNS = 3


class StaticHost(http.server.SimpleHTTPRequestHandler):
    """Serves the folder as a static host does: text compressed with gzip
    for a browser that takes it, and WebAssembly too, unless not `compressing`."""
    compressing = True

    def do_GET(self):
        path = Path(self.translate_path(self.path))
        if (path.suffix not in (".html", ".css", ".js", ".webmanifest", ".svg", ".txt", ".wasm")
                or not self.compressing
                or "gzip" not in self.headers.get("Accept-Encoding", "") or not path.is_file()):
            super().do_GET()
            return
        body = gzip.compress(path.read_bytes())
        self.send_response(200)
        self.send_header("Content-Type", self.guess_type(str(path)))
        self.send_header("Content-Encoding", "gzip")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def log_message(self, *args):
        pass


def lighthouse():
    program = TOOLS / "node_modules" / ".bin" / "lighthouse"
    if not program.exists():
        TOOLS.mkdir(parents=True, exist_ok=True)
        subprocess.run(["npm", "install", "--prefix", str(TOOLS), "--no-audit", "--no-fund",
                        "--save-exact", "lighthouse@12.2.3"], check=True)
    return program


def run(program, url):
    report = subprocess.run(
        [str(program), url, "--quiet", "--output=json", "--output-path=stdout",
         "--only-categories=" + ",".join(CATEGORIES),
         "--chrome-flags=--headless=new --no-sandbox"],
        env=dict(os.environ, CHROME_PATH="/usr/bin/chromium"),
        capture_output=True, check=True).stdout
    return json.loads(report)


def main():
    program = lighthouse()
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0),
                                             functools.partial(StaticHost, directory=SITE))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    url = f"http://127.0.0.1:{server.server_port}/index.html"
    reports = [run(program, url) for _ in range(RUNS)]
    server.shutdown()

    print(f"Lighthouse {reports[0]['lighthouseVersion']}, mobile, median of {RUNS} runs")
    for category in CATEGORIES:
        scores = [report["categories"][category]["score"] for report in reports]
        print(f"  {category:<16} {statistics.median(scores):.2f}   "
              f"({' '.join(f'{score:.2f}' for score in scores)})")
    for metric in METRICS:
        values = [report["audits"][metric]["numericValue"] for report in reports]
        unit = "" if metric == "cumulative-layout-shift" else " ms"
        print(f"  {metric:<26} {statistics.median(values):8.0f}{unit}" if unit else
              f"  {metric:<26} {statistics.median(values):8.3f}")
    observed = [report["audits"]["metrics"]["details"]["items"][0]["observedFirstContentfulPaint"]
                for report in reports]
    print(f"  {'first paint, as observed':<26} {statistics.median(observed):8.0f} ms")
    # What keeps a category from 1: each audit that failed in any run.
    for category in CATEGORIES:
        failed = set()
        for report in reports:
            for ref in report["categories"][category]["auditRefs"]:
                audit = report["audits"][ref["id"]]
                if ref["weight"] > 0 and audit["score"] is not None and audit["score"] < 1:
                    failed.add(f"{audit['title']} ({audit.get('displayValue', audit['score'])})")
        for title in sorted(failed):
            print(f"  {category}: {title}")


main()
StaticHost.compressing = False
print("\nAnd with nothing compressed, as python3 -m http.server serves the folder:")
main()
