#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Brenvo software
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The web page walked in headless Chromium, as a pupil at home would: the
splash, a key, the choice window, a tap on "Cubi", the cube window answered
right and wrong, F5 reading aloud (a stub voice: headless Chromium has
none) without the browser reloading.

  walk_page.py BUILD-WEB-DIR

What cannot be read from a canvas is read from the program's test log
(?test-log=1): windows shown, labels changed, files downloaded."""

import os
import sys
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
    def __init__(self, chrome):
        self.chrome = chrome

    def log(self):
        return [line[len("tramolo-test: "):] for line in self.chrome.lines()
                if line.startswith("tramolo-test: ")]

    def label(self, name):
        """The label's last text, as the log last told it."""
        text = None
        for line in self.log():
            if line.startswith("label %s: " % name):
                text = line[len("label %s: " % name):]
        return text

    def window_shown(self, name, after=0):
        return any(line.startswith("window %s " % name) for line in self.log()[after:])

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


def walk(chrome, page, url):
    chrome.call("Page.addScriptToEvaluateOnNewDocument", source=STUB_VOICE)
    started = time.monotonic()
    chrome.open(url + "index.html?test-log=1")
    # The splash painted to its last label: the canvas is up and takes keys.
    wait_for("the splash", lambda: page.label("Label1"))
    print("splash shown %.1f s after navigation" % (time.monotonic() - started))

    # Any key leaves the splash.
    chrome.type("a")
    wait_for("the choice window", lambda: page.window_shown("scelte"))

    # A tap on "Cubi", the large button at the top left.
    chrome.click(*page.at(0.17, 0.38))
    wait_for("the cube window", lambda: page.window_shown("cubi"))
    wait_for("an exercise", lambda: page.label("Domanda"))

    chrome.type(italian(cube_answer(page)))
    chrome.enter()
    wait_for("the right verdict", lambda: page.label("Esito") == "Esatto. Ok!!!")
    wait_for("the right score", lambda: page.label("Risposte esatte") == "1")

    chrome.enter()
    wait_for("a new exercise", lambda: page.label("Esito") == "")
    expected = cube_answer(page)
    chrome.type(italian(expected + 1))
    chrome.enter()
    wait_for("the wrong verdict", lambda: (page.label("Esito") or "").startswith("Sbagliato"))
    check(page.label("Esito") == "Sbagliato!! " + italian(expected), "verdict: %r" % page.label("Esito"))

    # F5 reads aloud, in Italian, and the page is not reloaded.
    chrome.key("F5", code="F5", key_code=116)
    spoken = wait_for("the voice to speak", lambda: chrome.evaluate("speechSynthesis.spoken"))
    check(all(s["lang"] == "it-IT" for s in spoken), "not an Italian voice: %r" % spoken)
    check(any(page.label("Domanda") in s["text"] for s in spoken), "the question not read: %r" % spoken)
    check(chrome.evaluate("window.walkMarker") == "still the first page", "F5 reloaded the page")
    chrome.evaluate("speechSynthesis.finish()")


def main():
    folder = os.path.abspath(sys.argv[1])
    if not browser.chromium():
        print("no Chromium here (Ubuntu's is a snap stub): the walk is skipped")
        return SKIPPED
    with browser.serving(folder) as (server, chrome):
        page = Page(chrome)
        try:
            walk(chrome, page, server.url)
        except AssertionError as failure:
            print("web walk FAILED: %s" % failure)
            for line in chrome.lines()[-40:]:
                print("  page:", line)
            return 1
    print("web walk: passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
