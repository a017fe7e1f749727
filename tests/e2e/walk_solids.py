# SPDX-FileCopyrightText: 2026 Brenvo software
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""End to end: the box and the prism windows, each opened from the choice
window, answered once right and once wrong."""

import math
import re
import sys

from desktop import answer_right_then_wrong, close_and_expect_exit, open_exercise_window, run

SOLIDS = [
    # choice button, descriptive title, verdict for a right answer
    ("Parallelepipedo", "Giocare con i solidi", "Esatto. Ok!!"),
    ("Prisma", "Giocare con il Teorema di Pitagora", "Esatto, è incredibile!!!"),
]


def box_answer(window):
    """Works out the expected answer from the figure and the given-data line."""
    question = window.text_of("Domanda")
    a, b, c = (None if window.text_of(n) == "X" else int(window.text_of(n))
               for n in ("Larghezza", "Profondità", "Altezza"))
    if question in ("Altezza", "Dimensione a", "Dimensione b"):
        given = int(re.search(r"\d+", window.text_of("Dato")).group())
        return {"Altezza": lambda: given // (2 * (a + b)),
                "Dimensione a": lambda: given // 2 - b,
                "Dimensione b": lambda: given // 2 - a}[question]()
    return {"Volume": a * b * c,
            "Superficie laterale": 2 * (a + b) * c,
            "Superficie totale": 2 * (a + b) * c + 2 * a * b,
            "Diagonale": round(math.sqrt(a * a + b * b + c * c), 1)}[question]


def walk(desktop, program):
    for button, title, right in SOLIDS:
        process, window = open_exercise_window(desktop, program, button, title, key="space")
        answer_right_then_wrong(desktop, window, box_answer, right)
        close_and_expect_exit(desktop, process)


if __name__ == "__main__":
    sys.exit(run(walk))
