# SPDX-FileCopyrightText: 2026 Brenvo software
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""End to end: every solid's window opened from the choice window. The box
is answered once right and once wrong; the prism and the new solids are
drilled, right and wrong in turn, with each answer worked out from what the
figure shows (and checked to be consistent: whole sides, whole π factors)."""

import math
import re
import sys

from desktop import (answer_right_then_wrong, check, close_and_expect_exit, open_exercise_window, run,
                     verdict, wait_for)


def numbers(window, *descriptions):
    """The measures on the figure by their description, "8" or "8 cm"; None for "X"."""
    shown = [window.text_of(d) for d in descriptions]
    return [None if text == "X" else int(text.removesuffix(" cm")) for text in shown]


def given_value(window):
    return int(re.search(r"\d+", window.text_of("Dato")).group())


def root(square, power=2):
    """A whole root, or the walk fails: the figure must be consistent."""
    value = round(square ** (1 / power))
    check(value ** power == square, "no whole root of %d" % square)
    return value


def box_answer(window):
    question = window.text_of("Domanda")
    a, b, c = numbers(window, "Larghezza", "Profondità", "Altezza")
    if question in ("Altezza", "Dimensione a", "Dimensione b"):
        given = given_value(window)
        return {"Altezza": lambda: given // (2 * (a + b)),
                "Dimensione a": lambda: given // 2 - b,
                "Dimensione b": lambda: given // 2 - a}[question]()
    return {"Volume": a * b * c,
            "Superficie laterale": 2 * (a + b) * c,
            "Superficie totale": 2 * (a + b) * c + 2 * a * b,
            "Diagonale": round(math.sqrt(a * a + b * b + c * c), 1)}[question]


# Each returns the expected value and whether it multiplies π.

def prism_answer(window):
    question = window.text_of("Domanda")
    a, b, c, h = numbers(window, "Cateto a", "Cateto b", "Ipotenusa", "Altezza")
    if None not in (a, b, c):
        check(a * a + b * b == c * c, "the prism's base is no right triangle")
    value = {"Volume": lambda: a * b // 2 * h,
             "Superficie laterale": lambda: (a + b + c) * h,
             "Superficie totale": lambda: (a + b + c) * h + a * b,
             "Ipotenusa": lambda: root(a * a + b * b),
             "Altezza": lambda: given_value(window) // (a + b + c),
             "Cateto a": lambda: root(c * c - b * b),
             "Cateto b": lambda: root(c * c - a * a)}[question]()
    return value, False


def pyramid_answer(window):
    question = window.text_of("Domanda")
    l, a, h = numbers(window, "Lato di base", "Apotema", "Altezza")
    half = l // 2
    if question == "Altezza":
        value = root(a * a - half * half) if a is not None else 3 * given_value(window) // (l * l)
    else:
        value = {"Volume": lambda: l * l * h // 3,
                 "Superficie laterale": lambda: 2 * l * a,
                 "Superficie totale": lambda: 2 * l * a + l * l,
                 "Apotema": lambda: root(half * half + h * h)}[question]()
    return value, False


def cylinder_answer(window):
    question = window.text_of("Domanda")
    r, h = numbers(window, "Raggio", "Altezza")
    if question == "Altezza":
        return given_value(window) // (r * r), False
    if question == "Raggio":
        return given_value(window) // (2 * h), False
    return {"Volume": r * r * h, "Superficie laterale": 2 * r * h,
            "Superficie totale": 2 * r * (r + h)}[question], True


def cone_answer(window):
    question = window.text_of("Domanda")
    r, a, h = numbers(window, "Raggio", "Apotema", "Altezza")
    if question == "Altezza":
        if a is not None:
            return root(a * a - r * r), False
        return 3 * given_value(window) // (r * r), False
    if question == "Apotema":
        return root(r * r + h * h), False
    check(r * r + h * h == a * a, "the cone's triangle is no right triangle")
    check(r * r * h % 3 == 0, "the cone's volume is not whole")
    return {"Volume": r * r * h // 3, "Superficie laterale": r * a,
            "Superficie totale": r * (r + a)}[question], True


def sphere_answer(window):
    question = window.text_of("Domanda")
    (r,) = numbers(window, "Raggio")
    if question == "Raggio":
        given = window.text_of("Dato")
        k = given_value(window)
        return (root(k // 4) if given.startswith("Superficie") else root(3 * k // 4, 3)), False
    return {"Superficie": 4 * r * r, "Volume": 4 * r ** 3 // 3}[question], True


def with_pi_approximation(factor):
    """The factor times 3,14, as a pupil writes it: "141,3"."""
    hundredths = factor * 314
    whole, cents = divmod(hundredths, 100)
    return str(whole) if cents == 0 else ("%d,%02d" % (whole, cents)).rstrip("0")


def drill(window, answer_of, right, count):
    """Answers count exercises right and wrong in turn (the right ones with
    π in both forms); checks each verdict and the three scores."""
    for i in range(count):
        value, times_pi = answer_of(window)
        if i % 2 == 0:
            typed = with_pi_approximation(value) if times_pi and i % 4 == 2 else str(value)
        else:
            typed = str(value + 1)
        window.type(typed)
        window.key("Return")
        if i % 2 == 0:
            verdict(window, right)
        else:
            shown = verdict(window, "Sbagliato!! ")
            wanted = "Sbagliato!! %d%s" % (value, "π" if times_pi else "")
            check(shown == wanted, "wrong verdict %r, not %r" % (shown, wanted))
        check(window.text_of("Risposte esatte") == str(i // 2 + 1), "right score")
        check(window.text_of("Risposte errate") == str((i + 1) // 2), "wrong score")
        check(window.text_of("Risposte totali") == str(i + 1), "total score")
        window.key("Return")
        wait_for("a new exercise", lambda: window.text_of("Esito") == "")


DRILLED = [
    # choice button, descriptive title, verdict for a right answer, answer, exercises
    ("Prisma", "Giocare con il Teorema di Pitagora", "Esatto, è incredibile!!!", prism_answer, 30),
    ("Piramide", "Ripassiamo le formule della piramide", "Esatto, bravo!!!", pyramid_answer, 20),
    ("Cilindro", "Ripassiamo le formule del cilindro", "Esatto. Ottimo!!!", cylinder_answer, 20),
    ("Cono", "Ripassiamo le formule del cono", "Esatto, perfetto!!!", cone_answer, 20),
    ("Sfera", "Ripassiamo le formule della sfera", "Esatto. Grande!!!", sphere_answer, 20),
]


def walk(desktop, program):
    process, window = open_exercise_window(desktop, program, "Parallelepipedo", "Giocare con i solidi",
                                           key="space")
    answer_right_then_wrong(window, box_answer, "Esatto. Ok!!")
    close_and_expect_exit(window, process)
    for button, title, right, answer_of, count in DRILLED:
        process, window = open_exercise_window(desktop, program, button, title, key="space")
        drill(window, answer_of, right, count)
        close_and_expect_exit(window, process)


if __name__ == "__main__":
    sys.exit(run(walk))
