#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Brenvo software
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The source folders form layers: each includes only folders below it, no
two include each other, and the core library never reaches a widget folder.
  check_layers.py SRC_DIR"""

import pathlib
import re
import sys

src = pathlib.Path(sys.argv[1])
roots = {"core": src / "core", "widgets": src / "widgets"}
folders = {f.name: (library, f) for library, root in roots.items() for f in root.iterdir() if f.is_dir()}
include = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)

uses = {name: set() for name in folders}
faults = []
for name, (library, folder) in folders.items():
    for file in sorted(folder.glob("*.[ch]*")):
        for target in include.findall(file.read_text(encoding="utf-8")):
            if target.endswith(".moc"):  # moc's output for the file itself, made by the build
                continue
            if "/" not in target:
                if not (folder / target).exists():
                    faults.append(f"{file.relative_to(src)}: {target} is not in its folder")
                continue
            other = target.split("/")[0]
            if other not in folders:
                faults.append(f"{file.relative_to(src)}: {target} names no source folder")
                continue
            uses[name].add(other)
            if library == "core" and folders[other][0] != "core":
                faults.append(f"{file.relative_to(src)}: the core includes the widget header {target}")


def reaches(start, goal, seen=()):
    return any(n == goal or (n not in seen and reaches(n, goal, seen + (n,))) for n in uses[start])


for name in sorted(folders):
    if reaches(name, name):
        faults.append(f"{name}/ includes, through others or directly, itself")

for fault in faults:
    print("FAIL:", fault)
print(f"{len(folders)} folders, {sum(map(len, uses.values()))} folder-to-folder uses, {len(faults)} faults")
sys.exit(1 if faults else 0)
