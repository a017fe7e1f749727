# SPDX-FileCopyrightText: 2026 Brenvo software
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""End to end: worksheets, by keyboard from the choice window. A sheet of
12 exercises with solutions is saved to a typed path; its text holds 12
exercises, every solid and the problems, and 12 solution lines, those of the
direct quantities worked out again here from the sheet's data; the same
number gives the same text; two versions differ; a save into a read-only
folder is refused with a message, leaves no file, and the program goes on."""

import os
import re
import shutil
import subprocess
import sys
import tempfile

from desktop import CHOICE_TITLE, Window, check, run, wait_for

SOLIDS = ["Cubo", "Parallelepipedo", "Prisma", "Piramide", "Cilindro", "Cono", "Sfera"]


def text_of(path):
    # The paper keeps a number with its unit by a no-break space.
    return subprocess.run(["pdftotext", path, "-"], capture_output=True, text=True,
                          check=True).stdout.replace("\u00a0", " ")


def saved(path):
    """Whole: the file exists and ends as a PDF ends."""
    try:
        with open(path, "rb") as f:
            return f.read().rstrip().endswith(b"%%EOF")
    except OSError:
        return False


def save_as(dialog, desktop, path):
    dialog.key("alt+p")
    files = Window.find(desktop, "Salva come PDF")
    files.key("ctrl+a")
    files.type(path)
    files.key("Return")
    return files


def number(value):
    return float(value.replace(",", "."))


def direct_value(solid, asked, data):
    """The direct quantities, from the data line: (value, times π), or None."""
    g = data.get
    formulas = {
        "Cubo": {"volume": lambda: g("l") ** 3, "superficie laterale": lambda: 4 * g("l") ** 2,
                 "superficie totale": lambda: 6 * g("l") ** 2},
        "Parallelepipedo": {"volume": lambda: g("a") * g("b") * g("c"),
                            "superficie laterale": lambda: 2 * (g("a") + g("b")) * g("c"),
                            "superficie totale": lambda: 2 * (g("a") + g("b")) * g("c") + 2 * g("a") * g("b")},
        "Prisma": {"volume": lambda: g("a") * g("b") / 2 * g("h"),
                   "superficie laterale": lambda: (g("a") + g("b") + g("c")) * g("h"),
                   "superficie totale": lambda: (g("a") + g("b") + g("c")) * g("h") + g("a") * g("b")},
        "Piramide": {"volume": lambda: g("l") ** 2 * g("h") / 3, "superficie laterale": lambda: 2 * g("l") * g("a"),
                     "superficie totale": lambda: 2 * g("l") * g("a") + g("l") ** 2},
        "Cilindro": {"volume": lambda: g("r") ** 2 * g("h"), "superficie laterale": lambda: 2 * g("r") * g("h"),
                     "superficie totale": lambda: 2 * g("r") * (g("r") + g("h"))},
        "Cono": {"volume": lambda: g("r") ** 2 * g("h") / 3, "superficie laterale": lambda: g("r") * g("a"),
                 "superficie totale": lambda: g("r") * (g("r") + g("a"))},
        "Sfera": {"superficie": lambda: 4 * g("r") ** 2, "volume": lambda: 4 * g("r") ** 3 / 3},
    }
    formula = formulas.get(solid, {}).get(asked)
    if formula is None:
        return None
    try:
        return formula(), solid in ("Cilindro", "Cono", "Sfera")
    except TypeError:  # a datum the kind does not give
        return None


def check_sheet(text, exercises):
    body, _, solutions = text.partition("Soluzioni")
    headings = re.findall(r"Esercizio (\d+) · (Problema: )?(\w+)", body)
    check([int(n) for n, _, _ in headings] == list(range(1, exercises + 1)), "exercises: %r" % headings)
    named = {solid for _, problem, solid in headings if not problem} | {"Problemi" for _, p, _ in headings if p}
    check(named == set(SOLIDS) | {"Problemi"}, "solids on the sheet: %r" % sorted(named))
    lines = re.findall(r"^(\d+)\. (.*)$", solutions, re.M)
    check([int(n) for n, _ in lines] == list(range(1, exercises + 1)), "solution lines: %r" % lines)

    worked = 0
    parts = re.split(r"Esercizio \d+ · ", body)[1:]
    for (n, problem, solid), part, (_, solution) in zip(headings, parts, lines):
        if problem:
            check(" = " in solution and ";" in solution, "problem %s: %r" % (n, solution))
            continue
        data = dict((s, number(v)) for s, v in re.findall(r"(\w+) = (\d+(?:,\d+)?) cm\b(?!q|c)",
                                                           re.search(r"Dati: (.*)", part).group(1)))
        asked = re.search(r"Calcola: (.*)", part).group(1).strip()
        expected = direct_value(solid, asked, data)
        if expected is None:
            continue
        value, times_pi = expected
        shown = ("%d" % value) + ("π" if times_pi else "")
        check(solution.startswith(shown + " "), "exercise %s, %s of %s %r: %r, not %s"
              % (n, asked, solid, data, solution, shown))
        worked += 1
    return worked


def read_only_folder(folder):
    """A folder the program may not write in: one without write permission,
    or, for the administrator, whom permissions do not stop, the kernel's
    /sys, where no file can be made."""
    if os.geteuid() == 0:
        return "/sys"
    locked = os.path.join(folder, "sola lettura")
    os.mkdir(locked, 0o555)
    return locked


def walk(desktop, program):
    folder = tempfile.mkdtemp(prefix="tramolo-walk-sheets-")
    process = desktop.launch(program)
    Window.find(desktop, "Il Tramolo", x_title="tramolo").key("space")
    choice = Window.find(desktop, CHOICE_TITLE)
    # From the cube, the first button, to the ninth.
    for _ in range(8):
        choice.key("Tab")
    choice.key("space")
    dialog = Window.find(desktop, "Scheda da stampare")
    dialog.key("alt+s")
    dialog.key("ctrl+a")
    dialog.type("4321")

    first, again, two = (os.path.join(folder, name) for name in ("prima.pdf", "ancora.pdf", "due versioni.pdf"))
    save_as(dialog, desktop, first)
    wait_for("the sheet saved", lambda: saved(first))
    text = text_of(first)
    worked = check_sheet(text, 12)
    check(worked >= 2, "only %d solutions worked out again" % worked)
    check("Il Tramolo · Scheda n. 4321 · Versione A" in text and "Pagina 1 di " in text, "the pages' header")
    check("Cognome e nome" in text, "the pupil's line")

    save_as(dialog, desktop, again)
    wait_for("the sheet saved again", lambda: saved(again))
    check(text_of(again) == text, "the same number gave another sheet")

    dialog.key("alt+v")
    dialog.key("ctrl+a")
    dialog.type("2")
    save_as(dialog, desktop, two)
    wait_for("two versions saved", lambda: saved(two))
    both = text_of(two)
    version_a, _, version_b = both.partition("Versione B")
    check("Versione A" in version_a and version_b, "two versions")
    check(re.sub(r"Versione [AB]|Pagina \d+ di \d+", "", version_a.split("Soluzioni")[0])
          != re.sub(r"Versione [AB]|Pagina \d+ di \d+", "", version_b.split("Soluzioni")[0]),
          "the two versions are the same")

    refused = os.path.join(read_only_folder(folder), "Scheda 4321.pdf")
    files = save_as(dialog, desktop, refused)
    message = Window.find(desktop, "Il Tramolo")
    said = " ".join(node.name for node in message._all() if node.getRoleName() == "label")
    check("Non è stato possibile salvare il file «%s»" % refused in said, "the message: %r" % said)
    check(not os.path.exists(refused), "a file was left in the read-only folder")
    message.key("Return")
    files.wait_active()
    files.key("Escape")
    dialog.wait_active()
    dialog.key("Escape")
    choice.wait_active()
    check(process.poll() is None, "the program ended")
    choice.key("alt+F4")
    wait_for("the program to end", lambda: process.poll() is not None)
    check(process.returncode == 0, "exit status %s" % process.returncode)
    shutil.rmtree(folder)


if __name__ == "__main__":
    sys.exit(run(walk))
