# SPDX-FileCopyrightText: 2026 Brenvo software
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""End to end: splash, choice, the cube window answered right and wrong, close."""

import math
import re
import sys

from desktop import (answer_right_then_wrong, check, close_and_expect_exit,
                     open_exercise_window, run, wait_for)


def cube_answer(window):
    """Works out the expected answer from what the window shows."""
    question = window.text_of("Domanda")
    edge = window.text_of("Altezza")
    if edge != "X":
        s = int(edge)
        return {"Volume": s ** 3, "Superficie laterale": 4 * s * s,
                "Superficie totale": 6 * s * s,
                "Diagonale": round(s * math.sqrt(3), 1)}[question]
    given = window.text_of("Dato")
    value = int(re.search(r"\d+", given).group())
    if given.startswith("Superficie laterale"):
        s = round(math.sqrt(value / 4))
    elif given.startswith("Volume"):
        s = round(value ** (1 / 3))
    else:
        s = value // 4
    return {"Spigolo AB": s, "Volume": s ** 3, "Superficie laterale": 4 * s * s,
            "Superficie totale": 6 * s * s}[question]


def walk(desktop, program):
    process, cubi = open_exercise_window(desktop, program, "Cubi",
                                         "Ripassiamo le formule del cubo")
    answer_box = cubi.control("text", "Risposta")
    wait_for("focus in the answer box",
             lambda: answer_box.getState().contains(desktop.atspi.STATE_FOCUSED))

    answer_right_then_wrong(cubi, cube_answer, "Esatto. Ok!!!")

    # Alt+N is the button's own shortcut.
    cubi.key("alt+n")
    wait_for("a new exercise by Alt+N", lambda: cubi.text_of("Esito") == "")

    # The menus by keyboard alone: Alt, then right to "Nuovo gioco", Enter.
    cubi.key("alt", "Right", "Return")
    wait_for("a new game from the menu", lambda: cubi.text_of("Risposte totali") == "0")
    check(cubi.text_of("Risposte errate") == "0", "wrong score after a new game")
    check(cubi.is_maximised(), "the new game's window is not maximised")
    close_and_expect_exit(cubi, process)


if __name__ == "__main__":
    sys.exit(run(walk))
