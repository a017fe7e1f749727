#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 Brenvo software
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""CTest's emulator for the web build: runs a Qt Test program built for the
browser (its .js beside its .html and .wasm) in headless Chromium, served by a
plain static web server, prints what it printed and ends with its verdict.

  run-test.py PROGRAM.js [ARGUMENTS...]

Qt Test's last lines say it all ("Totals: N passed, M failed" and "Finished
testing of"); a page does not end as a process does, so those lines are the
end. Without a real Chromium the test is skipped (status 77)."""

import os
import re
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import browser  # noqa: E402

SKIPPED = 77


def main():
    program = os.path.abspath(sys.argv[1])
    if not browser.chromium():
        print("no Chromium here (Ubuntu's is a snap stub): the browser tests are skipped")
        return SKIPPED
    folder, name = os.path.split(program)
    name = re.sub(r"\.(js|html|wasm)$", "", name)
    with browser.serving(folder) as (server, chrome):
        chrome.open(server.url + name + ".html")
        printed = 0
        deadline = time.monotonic() + 600
        totals = None
        while time.monotonic() < deadline:
            lines = chrome.lines()
            for line in lines[printed:]:
                print(line, flush=True)
                found = re.match(r"Totals: (\d+) passed, (\d+) failed", line)
                if found:
                    totals = found
                if line.startswith("********* Finished testing of") and totals:
                    return 0 if int(totals.group(2)) == 0 else 1
            printed = len(lines)
            if chrome.process.poll() is not None:
                print("Chromium ended before the test did")
                return 1
            time.sleep(0.05)
        print("the test did not finish within ten minutes")
        return 1


if __name__ == "__main__":
    sys.exit(main())
