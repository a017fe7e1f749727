# SPDX-FileCopyrightText: 2026 Brenvo software
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""End to end: the problems window from the choice window. Sixteen problems,
and more until five kinds have been seen, answered question by question,
right and wrong in turn, the answers with pi as the factor and as the value
with 3,14. Each value is worked out here from the data the window shows."""

import re
import sys
from fractions import Fraction

from desktop import check, close_and_expect_exit, open_exercise_window, run, verdict, wait_for

PROBLEMS = 16


def root(square):
    value = round(float(square) ** 0.5)
    check(value * value == square, "no whole root of %s" % square)
    return Fraction(value)


def values(kind, d):
    """Each question's value, and whether it multiplies pi, by the question's text."""
    r, h, hc, l, hp = (d.get(s) for s in ("r", "h", "hc", "l", "hp"))
    c1, c2, B, b = (d.get(s) for s in ("c1", "c2", "B", "b"))
    if kind in ("Cilindro sormontato da un cono", "Cilindro con una cavità conica"):
        a = root(r * r + hc * hc)
        cone = r * r * hc / 3
        volume = r * r * h + (cone if kind.startswith("Cilindro sormontato") else -cone)
        found = {"Apotema del cono": (a, False), "Superficie totale del solido": (r * r + 2 * r * h + r * a, True),
                 "Volume del solido": (volume, True)}
    elif kind == "Cubo sormontato da una piramide quadrangolare regolare":
        a = root((l / 2) ** 2 + hp * hp)
        found = {"Apotema della piramide": (a, False), "Superficie totale del solido": (5 * l * l + 2 * l * a, False),
                 "Volume del solido": (l ** 3 + l * l * hp / 3, False)}
    elif kind == "Triangolo rettangolo che ruota intorno a un cateto":
        i = root(c1 * c1 + c2 * c2)
        found = {"Ipotenusa": (i, False), "Superficie totale del solido": (c2 * c2 + c2 * i, True),
                 "Volume del solido": (c2 * c2 * c1 / 3, True)}
    elif kind == "Triangolo rettangolo che ruota intorno all'ipotenusa":
        i = root(c1 * c1 + c2 * c2)
        radius = c1 * c2 / i
        found = {"Ipotenusa": (i, False), "Raggio dei due coni": (radius, False),
                 "Superficie totale del solido": (radius * (c1 + c2), True),
                 "Volume del solido": (radius * radius * i / 3, True)}
    elif kind == "Recipiente cilindrico":
        found = {"Volume del recipiente": (r * r * h, True), "Capacità del recipiente": (r * r * h / 1000, True)}
    elif kind.startswith("Trapezio rettangolo che ruota intorno alla base"):
        side = root(h * h + (B - b) ** 2)
        cone = h * h * (B - b) / 3
        if kind.endswith("maggiore"):
            surface, volume = h * h + 2 * h * b + h * side, h * h * b + cone
        else:
            surface, volume = h * h + 2 * h * B + h * side, h * h * B - cone
        found = {"Lato obliquo del trapezio": (side, False), "Superficie totale del solido": (surface, True),
                 "Volume del solido": (volume, True)}
    elif kind == "Rettangolo che ruota intorno a un lato":
        a = d.get("a")
        found = {"Superficie laterale del cilindro": (2 * a * b, True),
                 "Superficie totale del solido": (2 * a * (a + b), True), "Volume del solido": (a * a * b, True)}
    else:
        raise AssertionError("a kind of problem the walk does not know: " + kind)
    if "ps" in d:
        volume, times_pi = found["Volume del solido"]
        found["Peso del solido"] = (volume * d["ps"], times_pi)
    return found


def hundredths(value):
    cents = value * 100
    check(cents.denominator == 1, "%s has more than two decimals" % value)
    return int(cents)


def italian(cents):
    whole, part = divmod(cents, 100)
    return str(whole) if part == 0 else ("%d,%02d" % (whole, part)).rstrip("0")


def data_of(window):
    """The data labels: "r = 6 cm", "ps = 7,8 g/cmc"."""
    data = {}
    for text in window.texts_of("Dato"):
        symbol, value = re.match(r"^(\w+) = ([\d,]+) ", text).groups()
        data[symbol] = Fraction(value.replace(",", "."))
    return data


def walk(desktop, program):
    process, window = open_exercise_window(desktop, program, "Problemi", "Problemi di geometria solida")
    kinds = set()
    answered = right = 0
    problem = 0
    while problem < PROBLEMS or len(kinds) < 5:
        check(problem < 40, "fewer than five kinds of problem in 40 problems: %s" % kinds)
        kind = window.text_of("Tipo di problema")
        kinds.add(kind)
        text = window.text_of("Testo del problema")
        data = data_of(window)
        for symbol, value in data.items():
            check(italian(hundredths(value)) in text, "the datum %s is not in the text: %s" % (symbol, text))
        found = values(kind, data)
        count = len(found)
        for number in range(1, count + 1):
            question = wait_for("question %d" % number,
                                lambda: re.match(r"^%d\. (.*)$" % number, window.text_of("Domanda")))
            value, times_pi = found[question.group(1)]
            cents = hundredths(value)
            shown = italian(cents) + ("π" if times_pi else "")
            if answered % 2 == 0:
                # Right; with pi, every other time its value with 3,14 (the hundredth above where it is not exact).
                typed = italian(cents)
                if times_pi and answered % 4 == 2:
                    typed = italian(-(-cents * 314 // 100))
                window.type(typed)
                window.key("Return")
                verdict(window, "Esatto!")
                right += 1
            else:
                window.type(italian(cents + 100))
                window.key("Return")
                said = verdict(window, "Sbagliato!! ")
                check(said == "Sbagliato!! " + shown, "verdict %r, not %r" % (said, "Sbagliato!! " + shown))
                check(window.text_of("Soluzione") != "", "no worked step after a wrong answer")
            answered += 1
            check(window.text_of("Risposte esatte") == str(right), "right score")
            check(window.text_of("Risposte errate") == str(answered - right), "wrong score")
            check(window.text_of("Risposte totali") == str(answered), "total score")
            check("%d. %s: %s" % (number, question.group(1), shown) in window.text_of("Domande del problema"),
                  "the answered question does not show its value")
            window.key("Return")
            wait_for("the next question", lambda: window.text_of("Esito") == "")
        problem += 1
    print("%d problems, %d questions, %d kinds: %s" % (problem, answered, len(kinds), ", ".join(sorted(kinds))))
    close_and_expect_exit(window, process)


if __name__ == "__main__":
    sys.exit(run(walk))
