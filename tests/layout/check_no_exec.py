# SPDX-FileCopyrightText: 2026 Brenvo software
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""No dialog of the program runs an event loop of its own: a web page has
none to give (a modal exec() aborts it), so every dialog is opened and goes
on from its finished signal. Only main() runs the application's loop; the
static QMessageBox and QFileDialog helpers run one too.
  check_no_exec.py SRC_DIR"""

import pathlib
import re
import sys

src = pathlib.Path(sys.argv[1])
loop = re.compile(r"(?<![\w.])(?:\w+(?:\.|->))exec\(\)|QMessageBox::(?:warning|information|critical|question|about)\("
                  r"|QFileDialog::get\w+\(|QInputDialog::get\w+\(")
faults = []
for file in sorted(src.rglob("*.[ch]*")):
    for number, line in enumerate(file.read_text(encoding="utf-8").splitlines(), 1):
        code = line.split("//")[0]
        if loop.search(code) and not (file.name == "main.cpp" and "app.exec()" in code):
            faults.append(f"{file.relative_to(src)}:{number}: {line.strip()}")
for fault in faults:
    print("FAIL: a loop of its own:", fault)
print(f"{len(faults)} dialogs run a loop of their own")
sys.exit(1 if faults else 0)
