"""End to end: splash, choice, the cube window answered right and wrong, close."""

import math
import re
import sys

from desktop import Window, check, italian, run, verdict, wait_for


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
    process = desktop.launch(program)
    Window.find(desktop, "Il Tramolo")
    desktop.key("a")

    choice = Window.find(desktop, "Clicca per iniziare" + " " * 26)
    choice.press("push button", "Cubi")

    cubi = Window.find(desktop, "Ripassiamo le formule del cubo")
    answer_box = cubi.control("text", "Risposta")
    wait_for("focus in the answer box",
             lambda: answer_box.getState().contains(desktop.atspi.STATE_FOCUSED))

    # A right answer.
    expected = cube_answer(cubi)
    desktop.type(italian(expected))
    desktop.key("Return")
    verdict(cubi, "Esatto. Ok!!!")
    check(cubi.text_of("Risposte esatte") == "1", "right score")
    check(cubi.text_of("Risposte totali") == "1", "total score")

    # Enter on the button draws the next exercise; then a wrong answer.
    desktop.key("Return")
    wait_for("a new exercise", lambda: cubi.text_of("Esito") == "")
    expected = cube_answer(cubi)
    desktop.type(italian(expected + 1))
    desktop.key("Return")
    shown = verdict(cubi, "Sbagliato!! ")
    check(shown == "Sbagliato!! " + italian(expected), "wrong verdict: " + shown)
    check(cubi.text_of("Risposte errate") == "1", "wrong score")
    check(cubi.text_of("Risposte totali") == "2", "total after two answers")

    # Alt+N is the button's own shortcut.
    desktop.key("alt+n")
    wait_for("a new exercise by Alt+N", lambda: cubi.text_of("Esito") == "")

    desktop.key("alt+F4")
    status = wait_for("the program to end", lambda: process.poll() is not None or None)
    check(process.returncode == 0, "exit status %s" % process.returncode)


if __name__ == "__main__":
    sys.exit(run(walk))
