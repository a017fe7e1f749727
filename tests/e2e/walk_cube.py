# SPDX-FileCopyrightText: 2026 Brenvo software
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""End to end: splash, choice, the cube window answered right and wrong, close."""

import sys

from answers import cube_answer
from desktop import (answer_right_then_wrong, check, close_and_expect_exit,
                     open_exercise_window, run, wait_for)


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
