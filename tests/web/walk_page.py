#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Brenvo software
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The web page walked in headless Chromium, as a pupil at home would: the
splash, a key, the choice window, a tap on "Cubi", the cube window answered
right and wrong, F5 reading aloud (a stub voice: headless Chromium has
none) without the browser reloading, the calculator's message, the close
box back to the choice window, the problems window, a worksheet downloaded
and read back.

  walk_page.py BUILD-WEB-DIR

What cannot be read from a canvas is read from the program's test log
(?test-log=1): windows shown, labels changed, files downloaded."""

import os
import shutil
import subprocess
import sys
import tempfile
import time

here = os.path.dirname(os.path.abspath(__file__))
sys.path[:0] = [here, os.path.join(here, "..", "e2e")]
import browser  # noqa: E402
from answers import cube_answer  # noqa: E402
from browser import wait_for  # noqa: E402

SKIPPED = 77

# A voice that speaks until the walk has heard it: "speaking" stays true
# until the walk calls finish(), so no reading starts and ends between two
# looks.
STUB_VOICE = """
(() => {
  const synthesis = {
    speaking: false, pending: false, spoken: [],
    getVoices() { return [{ name: "Prova", lang: "it-IT", localService: true }]; },
    speak(utterance) { this.spoken.push({ text: utterance.text, lang: utterance.lang }); this.speaking = true; },
    cancel() { this.speaking = false; },
    finish() { this.speaking = false; },
  };
  Object.defineProperty(window, "speechSynthesis", { value: synthesis, configurable: true });
  window.SpeechSynthesisUtterance = function (text) { this.text = text; };
  window.walkMarker = "still the first page";
})();
"""


class Page:
    """The program as its test log tells it."""

    def __init__(self, chrome):
        self.chrome = chrome

    def log(self):
        return [line[len("tramolo-test: "):] for line in self.chrome.lines()
                if line.startswith("tramolo-test: ")]

    def drawn(self):
        """The log up to the last pass painted whole: labels changed together
        are read together, never half an exercise."""
        lines = self.log()
        last = max((i for i, line in enumerate(lines) if line == "drawn"), default=-1)
        return lines[:last + 1]

    def label(self, name):
        """The label's last text, as the log last told it."""
        text = None
        for line in self.drawn():
            if line.startswith("label %s: " % name):
                text = line[len("label %s: " % name):]
        return text

    def focus(self):
        return next((line[len("focus "):] for line in reversed(self.log()) if line.startswith("focus ")), None)

    def active(self):
        """The window that takes the keys."""
        return next((line[len("active "):] for line in reversed(self.log()) if line.startswith("active ")), None)

    def window_shown(self, name, after=0):
        """A window shown since the mark, by its name or its title."""
        return any(line.startswith("window %s " % name) or ("«%s" % name) in line
                   for line in self.log()[after:] if line.startswith("window "))

    def downloaded(self, after=0):
        lines = [line.split(" ", 1)[1] for line in self.log()[after:] if line.startswith("download ")]
        return lines[-1] if lines else None

    def menu_entry(self, text):
        """Where the menu bar last painted shows the entry, in page pixels."""
        for line in reversed(self.log()):
            if line.startswith("menu "):
                for entry in line[len("menu "):].split("; "):
                    name, _, place = entry.rpartition(" ")
                    if name == text:
                        return tuple(int(n) for n in place.split(","))
                return None
        return None

    def mark(self):
        return len(self.log())

    def at(self, x, y):
        """A point of the page, as fractions of its width and height."""
        size = self.chrome.evaluate("[window.innerWidth, window.innerHeight]")
        return size[0] * x, size[1] * y

    def text_of(self, name):
        """As a desktop walk reads a control: the label's text, or nothing."""
        return self.label(name) or ""


def check(condition, what):
    if not condition:
        raise AssertionError(what)


def italian(number):
    return ("%g" % number).replace(".", ",")


def tab_to(chrome, page, name):
    """Tab until the focus is on the named control, as a pupil without a
    mouse would."""
    for _ in range(20):
        if page.focus() == name:
            return
        mark = page.mark()
        chrome.key("Tab", code="Tab", key_code=9)
        wait_for("the focus to move", lambda: any(line.startswith("focus ") for line in page.log()[mark:]))
    raise AssertionError("the focus never reached %s (last on %s)" % (name, page.focus()))


def answer(chrome, page, window, text):
    """Types into the answer box once it has the focus, then Enter."""
    wait_for("the answer box to have the focus", lambda: page.focus() == "txtAnswer" and page.active() == window)
    chrome.type(text)
    chrome.enter()


def splash_to_choice(chrome, page, url):
    started = time.monotonic()
    chrome.open(url + "index.html?test-log=1")
    # The splash painted to its last label: the canvas is up and takes keys.
    wait_for("the splash", lambda: page.label("Label1") and page.active() == "frmSplash")
    print("splash shown %.1f s after navigation" % (time.monotonic() - started))
    # Any key leaves the splash.
    mark = page.mark()
    chrome.type("a")
    wait_for("the choice window", lambda: page.window_shown("scelte", mark))
    wait_for("the focus on Cubi", lambda: page.focus() == "Command3" and page.active() == "scelte")


def cube_window(chrome, page):
    # A tap on "Cubi", the large button at the top left.
    mark = page.mark()
    chrome.click(*page.at(0.17, 0.38))
    wait_for("the cube window", lambda: page.window_shown("cubi", mark))
    wait_for("an exercise", lambda: page.label("Domanda"))

    answer(chrome, page, "cubi", italian(cube_answer(page)))
    wait_for("the right verdict", lambda: page.label("Esito") == "Esatto. Ok!!!")
    wait_for("the right score", lambda: page.label("Risposte esatte") == "1")

    chrome.enter()
    wait_for("a new exercise", lambda: page.label("Esito") == "")
    expected = cube_answer(page)
    answer(chrome, page, "cubi", italian(expected + 1))
    wait_for("the wrong verdict", lambda: (page.label("Esito") or "").startswith("Sbagliato"))
    check(page.label("Esito") == "Sbagliato!! " + italian(expected), "verdict: %r" % page.label("Esito"))
    check(page.label("Risposte totali") == "2", "total: %r" % page.label("Risposte totali"))


def reading_aloud(chrome, page):
    # F5 reads aloud, in Italian, and the page is not reloaded.
    chrome.key("F5", code="F5", key_code=116)
    spoken = wait_for("the voice to speak", lambda: chrome.evaluate("speechSynthesis.spoken"))
    check(all(s["lang"] == "it-IT" for s in spoken), "not an Italian voice: %r" % spoken)
    check(any(page.label("Domanda") in s["text"] for s in spoken), "the question not read: %r" % spoken)
    check(chrome.evaluate("window.walkMarker") == "still the first page", "F5 reloaded the page")
    chrome.evaluate("speechSynthesis.finish()")


def calculator(chrome, page):
    # "Calcolatrice" clicked in the menu bar, where the log says it lies.
    place = wait_for("the menu bar", lambda: page.menu_entry("Calcolatrice"))
    mark = page.mark()
    chrome.click(*place)
    said = "Nel browser usa la calcolatrice del tuo dispositivo."
    wait_for("the calculator message", lambda: any(line.endswith(": " + said)
                                                   for line in page.log()[mark:] if line.startswith("label ")))
    wait_for("the message to take the keys", lambda: page.active() == "message")
    mark = page.mark()
    chrome.enter()
    wait_for("the message closed", lambda: "hidden message" in page.log()[mark:] and page.active() == "cubi")


def back_to_choice(chrome, page):
    # The close box at the right of the window's title bar, which Qt draws
    # in the page.
    mark = page.mark()
    width = chrome.evaluate("window.innerWidth")
    chrome.click(width - 12, 12)
    wait_for("the choice window again", lambda: page.window_shown("scelte", mark) and page.active() == "scelte")


def problems_window(chrome, page):
    tab_to(chrome, page, "cmdProblems")
    mark = page.mark()
    chrome.enter()
    wait_for("the problems window", lambda: page.window_shown("Problemi di geometria solida", mark))
    wait_for("a problem", lambda: page.label("Testo del problema"))
    wait_for("a question", lambda: page.label("Domanda"))
    answer(chrome, page, "Problemi", "1")
    wait_for("a verdict", lambda: page.label("Risposte totali") == "1")
    check((page.label("Esito") or "").startswith(("Esatto", "Sbagliato")), "verdict: %r" % page.label("Esito"))
    back_to_choice(chrome, page)


def worksheet(chrome, page, downloads):
    tab_to(chrome, page, "cmdWorksheets")
    mark = page.mark()
    chrome.enter()
    wait_for("the worksheet dialog", lambda: page.window_shown("frmWorksheet", mark))
    wait_for("the dialog to take the keys", lambda: page.active() == "frmWorksheet")
    mark = page.mark()
    # "Scarica PDF…" by its accelerator.
    chrome.key("p", code="KeyP", key_code=80, modifiers=1)
    name, size = wait_for("the download", lambda: page.downloaded(mark)).rsplit(" ", 1)
    path = os.path.join(downloads, name)
    wait_for("the file in the downloads", lambda: os.path.exists(path) and os.path.getsize(path) == int(size))
    text = subprocess.run(["pdftotext", path, "-"], capture_output=True, text=True, check=True).stdout
    check("Scheda" in text and "cm" in text, "the worksheet reads: %r" % text[:300])
    wait_for("the downloaded message", lambda: any("è stato scaricato" in line for line in page.log()[mark:]))
    print("worksheet downloaded: %s, %s bytes" % (name, size))


def walk(chrome, page, url, downloads):
    chrome.call("Page.addScriptToEvaluateOnNewDocument", source=STUB_VOICE)
    splash_to_choice(chrome, page, url)
    cube_window(chrome, page)
    reading_aloud(chrome, page)
    calculator(chrome, page)
    back_to_choice(chrome, page)
    problems_window(chrome, page)
    worksheet(chrome, page, downloads)


def main():
    folder = os.path.abspath(sys.argv[1])
    if not browser.chromium():
        print("no Chromium here (Ubuntu's is a snap stub): the walk is skipped")
        return SKIPPED
    downloads = tempfile.mkdtemp(prefix="tramolo-downloads-")
    with browser.serving(folder, downloads) as (server, chrome):
        page = Page(chrome)
        try:
            walk(chrome, page, server.url, downloads)
        except AssertionError as failure:
            print("web walk FAILED: %s" % failure)
            # The clock's ticks left out: they would hide what went before.
            told = [line for line in chrome.lines() if "label Orologio:" not in line and not line.endswith(" drawn")]
            for line in told[-40:]:
                print("  page:", line)
            return 1
        finally:
            shutil.rmtree(downloads, ignore_errors=True)
    print("web walk: passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
