"""End to end: the box and the prism windows, each opened from the choice
window, answered once right and once wrong."""

import math
import re
import sys

from desktop import Window, check, italian, run, verdict, wait_for

SOLIDS = [
    # choice button, descriptive title, verdict for a right answer
    ("Parallelepipedo", "Giocare con i solidi", "Esatto. Ok!!"),
    ("Prisma", "Giocare con il Teorema di Pitagora", "Esatto, è incredibile!!!"),
]


def box_answer(window):
    """Works out the expected answer from the figure and the given-data line."""
    question = window.text_of("Domanda")
    shown = {name: window.text_of(name) for name in ("Larghezza", "Profondità", "Altezza")}
    a, b, c = (None if shown[n] == "X" else int(shown[n])
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


def walk_one(desktop, program, button, title, right):
    process = desktop.launch(program)
    Window.find(desktop, "Il Tramolo")
    desktop.key("space")
    Window.find(desktop, "Clicca per iniziare" + " " * 26).press("push button", button)

    window = Window.find(desktop, title)
    desktop.type(italian(box_answer(window)))
    desktop.key("Return")
    verdict(window, right)

    desktop.key("Return")
    wait_for("a new exercise", lambda: window.text_of("Esito") == "")
    expected = box_answer(window)
    desktop.type(italian(expected + 1))
    desktop.key("Return")
    shown = verdict(window, "Sbagliato!! ")
    check(shown == "Sbagliato!! " + italian(expected), "wrong verdict: " + shown)
    check(window.text_of("Risposte totali") == "2", "total after two answers")

    desktop.key("alt+F4")
    wait_for("the program to end", lambda: process.poll() is not None)
    check(process.returncode == 0, "exit status %s" % process.returncode)


def walk(desktop, program):
    for button, title, right in SOLIDS:
        walk_one(desktop, program, button, title, right)


if __name__ == "__main__":
    sys.exit(run(walk))
