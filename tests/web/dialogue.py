"""The sessions every engine must run exactly as the Linux program does: the
seed corpus's and the names hardest to measure. Each engine's test class runs
them all through its sessions(cases) and gets back their transcripts."""

import os
import subprocess
from pathlib import Path

PAGE = (Path(os.environ["ZEPIRO_SITE"]) / "index.html").as_uri()
TYPE_ALL = """Promise.all([zepiro.idle(), ...arguments[0].map((line) => zepiro.type(line))])
  .then(() => arguments[1](zepiro.transcript()));"""


def linux(seed, lines):
    """What the Linux program writes for the lines, up to where the page,
    whose input never ends, waits for the next one: a run that met the end
    of its input (status 1) wrote one line end more."""
    run = subprocess.run([os.environ["ZEPIRO_LINUX"], f"--seed={seed}"], capture_output=True,
                         input="".join(line + "\n" for line in lines).encode(), check=False)
    return run.stdout.decode()[:-1 if run.returncode == 1 else None]


def cases():
    """(name, seed, lines) of each session."""
    for path in sorted(Path(os.environ["ZEPIRO_CORPUS"]).glob("*-utf8")):
        data = path.read_bytes()
        if data[0] == 0:  # the others make the console's output fail
            lines = data[5:].decode().split("\n")[:-1]  # the page types whole lines
            yield path.name, int.from_bytes(data[1:5], "little"), lines
    lines = ["0", "15 1"]
    for character in "¥‾～－−〜—¢①㈱髙﨑éｱ😀":
        lines += [character * 6, character * 5]
    lines += ["¥" * 11, "¥" * 12, "ｱｲｳｴｵｶｷｸｹｺｻ", "ｱｲｳｴｵｶｷｸｹｺｻｼ", "2"]
    yield "names taken and refused", 5, lines


class Dialogue:
    def test_corpus_sessions_and_hard_names_write_what_linux_writes(self):
        every = list(cases())
        for (name, seed, lines), shown in zip(every, self.sessions(every), strict=True):
            with self.subTest(name):
                self.assertEqual(shown, linux(seed, lines))


class Browser:
    """The page in the driver that the class's browser() starts."""

    @classmethod
    def setUpClass(cls):
        cls.driver = cls.browser()
        cls.addClassCleanup(cls.driver.quit)

    def open(self, url, driver=None):
        """Loads the page anew, as a link opened in a new tab does."""
        driver = driver or self.driver
        driver.get("about:blank")
        driver.get(url)
        return driver.execute_async_script(TYPE_ALL, [])

    def session(self, seed, lines):
        self.open(f"{PAGE}#seed={seed}&typed=")
        return self.driver.execute_async_script(TYPE_ALL, lines)


class SeleniumDialogue(Dialogue, Browser):
    def sessions(self, every):
        return [self.session(seed, lines) for _, seed, lines in every]
