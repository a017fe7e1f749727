# SPDX-FileCopyrightText: 2026 Brenvo software
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""End to end: the class register, as a new teacher and two pupils of 3B
would use it. The teacher picks the register folder with the folder dialog
and chooses the code; Maria answers in the cube window and in the problems
window, Luca in the sphere window and the cube window, each saying who they
are in "Chi sei?"; the teacher opens the register with the code and finds
both with the counts the windows showed, saves the table as CSV and reads it
back as a spreadsheet would, erases Maria, and three wrong codes close the
register."""

import csv
import os
import sys
import tempfile

from desktop import (CHOICE_TITLE, Window, check, close_and_expect_exit, open_exercise_window, run,
                     wait_for)

CODE = "prof3B"
REGISTER = "Registro della classe"


def launch_to_choice(desktop, program):
    process = desktop.launch(program)
    Window.find(desktop, "Il Tramolo", x_title="tramolo").key("a")
    return process


def say_who(desktop, name, school_class):
    who = Window.find(desktop, "Chi sei?")
    who.type(name)
    who.key("Tab")
    who.type(school_class)
    who.key("Return")
    choice = Window.find(desktop, CHOICE_TITLE)
    # The splash and "Chi sei?" gone from the window manager's hands too: a
    # window mapped while it still unmaps them may lose its maximised state.
    choice.wait_active()
    return choice


def answer(window, typed, counts):
    """Answers the item on screen; counts the verdict the window shows."""
    window.type(typed)
    window.key("Return")
    verdict = wait_for("a verdict", lambda: window.text_of("Esito") or None)
    counts["wrong" if verdict.startswith("Sbagliato") else "right"] += 1


def pupil_works(desktop, program, name, button, title, answers, counts):
    process = launch_to_choice(desktop, program)
    choice = say_who(desktop, name, "3B")
    choice.press("push button", button)
    window = Window.find(desktop, title)
    check(window.text_of("Registro") == "Registro: %s, 3B" % name,
          "the status bar says who is recorded: " + repr(window.text_of("Registro")))
    for i, typed in enumerate(answers):
        if i:
            window.key("Return")  # the focus is on "Avanti" after an answer
            wait_for("the next item", lambda: window.text_of("Esito") == "")
        answer(window, typed, counts)
    close_and_expect_exit(window, process)


def open_register(desktop, program, as_guest):
    process = launch_to_choice(desktop, program)
    if as_guest:  # once the register is kept, the teacher is nobody's pupil
        Window.find(desktop, "Chi sei?").press("push button", "Entra come ospite")
    choice = Window.find(desktop, CHOICE_TITLE)
    choice.wait_active()
    choice.press("push button", REGISTER)
    return process, choice


def give_code(desktop, code):
    dialog = Window.find(desktop, "Codice dell'insegnante")
    dialog.type(code)
    dialog.key("Return")


def table_rows(window):
    table = window.control("table", "Alunni")

    def rows():
        t = table.queryTable()
        out = [[t.getAccessibleAt(r, c).name for c in range(t.nColumns)] for r in range(t.nRows)]
        return out if out and all(out) else None
    return wait_for("the register's table", rows)


def walk(desktop, program):
    home = tempfile.mkdtemp(prefix="tramolo-walk-register-")
    folder = os.path.join(home, "registro")
    os.makedirs(folder)
    desktop.env.update(HOME=home, XDG_CONFIG_HOME=os.path.join(home, "config"),
                       XDG_DATA_HOME=os.path.join(home, "data"))

    # The teacher turns the register on: the folder, then the code.
    process, choice = open_register(desktop, program, as_guest=False)
    register = Window.find(desktop, REGISTER)
    register.press("push button", "Cartella…")
    files = Window.find(desktop, "Cartella del registro")
    files.key("ctrl+a")
    files.type(folder)
    files.key("Return")
    dialog = Window.find(desktop, "Codice dell'insegnante")
    dialog.type(CODE)
    dialog.key("Tab")
    dialog.type(CODE)
    dialog.key("Return")
    wait_for("the code in the folder", lambda: os.path.exists(os.path.join(folder, "codice-insegnante.txt")))
    check(CODE not in open(os.path.join(folder, "codice-insegnante.txt")).read(), "the code kept in clear")
    register.press("push button", "Chiudi")
    choice.wait_active()
    close_and_expect_exit(choice, process)

    maria = {"right": 0, "wrong": 0}
    luca = {"right": 0, "wrong": 0}
    pupil_works(desktop, program, "Maria Rossi", "Cubi", "Ripassiamo le formule del cubo", ["1", "8"], maria)
    pupil_works(desktop, program, "Maria Rossi", "Problemi", "Problemi di geometria solida", ["1"], maria)
    pupil_works(desktop, program, "Luca Bianchi", "Sfera", "Ripassiamo le formule della sfera", ["4", "36"], luca)
    pupil_works(desktop, program, "Luca Bianchi", "Cubi", "Ripassiamo le formule del cubo", ["27"], luca)

    # The teacher's view, with the code.
    process, choice = open_register(desktop, program, as_guest=True)
    give_code(desktop, CODE)
    register = Window.find(desktop, REGISTER)
    rows = {row[1]: row for row in table_rows(register)}
    for name, counts in (("Maria Rossi", maria), ("Luca Bianchi", luca)):
        row = rows.get(name)
        check(row is not None, "%s is not in the table: %s" % (name, rows))
        total = counts["right"] + counts["wrong"]
        check(row[0] == "3B" and row[2:5] == [str(total), str(counts["right"]), str(counts["wrong"])],
              "%s's row %s, the windows counted %s" % (name, row, counts))

    saved = os.path.join(home, "registro-3B.csv")
    register.press("push button", "Salva CSV…")
    files = Window.find(desktop, "Salva come CSV")
    files.key("ctrl+a")
    files.type(saved)
    files.key("Return")
    wait_for("the CSV file", lambda: os.path.exists(saved))
    with open(saved, newline="", encoding="utf-8-sig") as f:
        table = list(csv.reader(f, delimiter=";"))
    check(table[0][:5] == ["Classe", "Alunno", "Risposte", "Esatte", "Errate"], "CSV header " + repr(table[0]))
    for line in table[1:]:
        check(line[:5] == rows[line[1]][:5], "CSV row %s, the table's %s" % (line, rows[line[1]]))
    check(len(table) == 3, "CSV rows: %d" % len(table))

    # Maria's parents ask for her answers to be erased.
    table_node = register.control("table", "Alunni")
    t = table_node.queryTable()
    maria_row = next(r for r in range(t.nRows) if t.getAccessibleAt(r, 1).name == "Maria Rossi")
    check(t.addRowSelection(maria_row), "Maria's row cannot be selected")
    register.press("push button", "Elimina alunno…")
    confirm = wait_for("the confirmation", lambda: next(
        (Window(desktop, w, REGISTER, REGISTER) for w in desktop.application()
         if w is not None and w.getRoleName() == "alert"), None))
    check("Maria Rossi (3B)" in confirm.control("label", None).name or any(
        "Maria Rossi (3B)" in (node.name or "") for node in confirm._all()), "the confirmation names the pupil")
    confirm.press("push button", "Sì")
    wait_for("Maria's files to go",
             lambda: not any(name.startswith("3B - Maria Rossi") for name in os.listdir(folder)))
    wait_for("the table without Maria", lambda: [row[1] for row in table_rows(register)] == ["Luca Bianchi"])
    register.press("push button", "Chiudi")
    choice.wait_active()

    # Three wrong codes close the register.
    choice.press("push button", REGISTER)
    for wrong in ("a", "b", "c"):
        dialog = Window.find(desktop, "Codice dell'insegnante")
        dialog.key("ctrl+a")
        dialog.type(wrong)
        dialog.key("Return")
    choice.wait_active()
    check(not any(w is not None and w.name == REGISTER for w in desktop.application()),
          "the register is still open after three wrong codes")
    close_and_expect_exit(choice, process)


if __name__ == "__main__":
    sys.exit(run(walk))
