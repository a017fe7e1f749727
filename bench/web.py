#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Brenvo software
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Measures the web page in headless Chromium (a benchmark, never a test):
the .wasm's size gzipped, the time from navigation to the splash's first
paint, and from the key on the splash to the cube window's first paint
(Enter on the choice window's first button). Medians of N fresh browsers.

  python3 bench/web.py [--runs N] [--build DIR]

A window's first paint is the first line the program's test log writes for
one of its labels: the log reads labels as they are painted."""

import argparse
import gzip
import os
import statistics
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
import browser  # noqa: E402


def first_label_after(chrome, window):
    """Whether a label was painted after the window was shown."""
    shown = False
    for line in chrome.lines():
        if line.startswith("tramolo-test: window %s " % window):
            shown = True
        elif shown and line.startswith("tramolo-test: label "):
            return True
    return False


def once(server):
    chrome = browser.Browser()
    try:
        started = time.monotonic()
        chrome.open(server.url + "index.html?test-log=1")
        browser.wait_for("the splash", lambda: first_label_after(chrome, "frmSplash"))
        splash = time.monotonic() - started
        browser.wait_for("the splash to take the keys", lambda: "tramolo-test: active frmSplash" in chrome.lines())
        chrome.type("a")
        # The key is sent once the window takes keys and the button it
        # presses has the focus.
        browser.wait_for("the choice window to take the keys",
                         lambda: "tramolo-test: active scelte" in chrome.lines()
                         and "tramolo-test: focus Command3" in chrome.lines())
        pressed = time.monotonic()
        chrome.enter()
        browser.wait_for("the cube window", lambda: first_label_after(chrome, "cubi"))
        return splash, time.monotonic() - pressed
    finally:
        chrome.close()


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--build", default=os.path.join(os.path.dirname(__file__), "..", "build-web"))
    parser.add_argument("--runs", type=int, default=5)
    args = parser.parse_args()
    if not browser.chromium():
        sys.exit("no Chromium here")
    wasm = open(os.path.join(args.build, "tramolo.wasm"), "rb").read()
    print("tramolo.wasm: %.1f MB, %.1f MB gzipped" % (len(wasm) / 1e6, len(gzip.compress(wasm, 9)) / 1e6))
    server = browser.Server(os.path.abspath(args.build))
    try:
        found = [once(server) for _ in range(args.runs)]
    finally:
        server.close()
    print("navigation to the splash's first paint: median %.2f s (%s)"
          % (statistics.median(f[0] for f in found), ", ".join("%.2f" % f[0] for f in found)))
    print("Enter on the choice window to the cube window's first paint: median %.2f s (%s)"
          % (statistics.median(f[1] for f in found), ", ".join("%.2f" % f[1] for f in found)))


if __name__ == "__main__":
    main()
