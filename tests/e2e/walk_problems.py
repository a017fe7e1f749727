# SPDX-FileCopyrightText: 2026 Brenvo software
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""End to end: the problems window from the choice window. Thirty problems,
and more until twelve kinds, three ways of giving a pair of measures by a
relation and a weight in kg have been seen, answered question by question,
right and wrong in turn, the answers with pi as the factor and as the value
with 3,14. Each value is worked out here from the data the window shows:
the pair given by a relation is solved first, by the method of the
segments."""

import re
import sys
from fractions import Fraction

from desktop import check, close_and_expect_exit, open_exercise_window, run, verdict, wait_for

PROBLEMS = 30
KINDS = 12
RELATIONS = 3
PI = Fraction(314, 100)

# The questions that find a pair given by a relation, by the symbol they find.
PAIR_QUESTIONS = {
    "Diagonale minore": "d1", "Diagonale maggiore": "d2", "Base maggiore": "B", "Base minore": "b",
    "Raggio di base": "r", "Altezza del cilindro": "h", "Altezza del cono": "hc", "Spigolo del cubo": "l",
    "Altezza della piramide": "hp", "Cateto c1": "c1", "Cateto c2": "c2", "Altezza del recipiente": "h",
    "Lato a": "a", "Lato b": "b", "Lato di base": "l", "Base del triangolo": "b", "Lato obliquo": "l",
}


def root(square, degree=2):
    value = Fraction(round(float(square) ** (1 / degree)))
    if value ** degree != square:
        # A root in tenths or hundredths.
        value = Fraction(round(float(square) ** (1 / degree) * 100), 100)
    check(value ** degree == square, "no root of %s with two decimals" % square)
    return value


def plain(value):
    return (value, False)


def times_pi(value):
    return (value, True)


def school_pi(value, pi_part):
    """A value with a plain part and a pi part: asked with 3,14 alone."""
    return (value + pi_part * PI, "school")


def values(kind, d):
    """Each question's value, and whether it multiplies pi, by the question's text."""
    g = d.get
    r, h, hc, l, hp, c1, c2, B, b = (g(s) for s in ("r", "h", "hc", "l", "hp", "c1", "c2", "B", "b"))
    d1, d2, a, c = g("d1"), g("d2"), g("a"), g("c")
    total, volume = "Superficie totale del solido", "Volume del solido"
    if kind in ("Cilindro sormontato da un cono", "Cilindro con una cavità conica"):
        apothem = root(r * r + hc * hc)
        cone = r * r * hc / 3
        found = {"Apotema del cono": plain(apothem), total: times_pi(r * r + 2 * r * h + r * apothem),
                 volume: times_pi(r * r * h + (cone if kind.startswith("Cilindro sormontato") else -cone))}
    elif kind == "Cubo sormontato da una piramide quadrangolare regolare":
        apothem = root((l / 2) ** 2 + hp * hp)
        found = {"Apotema della piramide": plain(apothem), total: plain(5 * l * l + 2 * l * apothem),
                 volume: plain(l ** 3 + l * l * hp / 3)}
    elif kind == "Triangolo rettangolo che ruota intorno a un cateto":
        i = root(c1 * c1 + c2 * c2)
        found = {"Ipotenusa": plain(i), total: times_pi(c2 * c2 + c2 * i), volume: times_pi(c2 * c2 * c1 / 3)}
    elif kind == "Triangolo rettangolo che ruota intorno all'ipotenusa":
        i = root(c1 * c1 + c2 * c2)
        radius = c1 * c2 / i
        found = {"Ipotenusa": plain(i), "Raggio dei due coni": plain(radius), total: times_pi(radius * (c1 + c2)),
                 volume: times_pi(radius * radius * i / 3)}
    elif kind == "Recipiente cilindrico":
        found = {"Volume del recipiente": times_pi(r * r * h), "Capacità del recipiente": times_pi(r * r * h / 1000)}
    elif kind.startswith("Trapezio rettangolo che ruota intorno alla base"):
        side = root(h * h + (B - b) ** 2)
        cone = h * h * (B - b) / 3
        if kind.endswith("maggiore"):
            surface, solid = h * h + 2 * h * b + h * side, h * h * b + cone
        else:
            surface, solid = h * h + 2 * h * B + h * side, h * h * B - cone
        found = {"Lato obliquo del trapezio": plain(side), total: times_pi(surface), volume: times_pi(solid)}
    elif kind == "Rettangolo che ruota intorno a un lato":
        found = {"Superficie laterale del cilindro": times_pi(2 * a * b), total: times_pi(2 * a * (a + b)),
                 volume: times_pi(a * a * b)}
    elif kind in ("Prisma retto a base rombica", "Piramide retta a base rombica", "Rombo che ruota intorno alla diagonale maggiore"):
        side = root((d1 / 2) ** 2 + (d2 / 2) ** 2)
        base = d1 * d2 / 2
        if kind.startswith("Prisma"):
            found = {"Lato del rombo": plain(side), "Area di base": plain(base), "Superficie laterale": plain(4 * side * h),
                     total: plain(4 * side * h + 2 * base), volume: plain(base * h)}
        elif kind.startswith("Piramide"):
            inscribed = 2 * base / (4 * side)
            apothem = root(h * h + inscribed * inscribed)
            found = {"Lato del rombo": plain(side), "Area di base": plain(base),
                     "Raggio del cerchio inscritto nella base": plain(inscribed), "Apotema della piramide": plain(apothem),
                     total: plain(base + 2 * side * apothem), volume: plain(base * h / 3)}
        else:
            found = {"Lato del rombo": plain(side), total: times_pi(d1 * side), volume: times_pi(d1 * d1 * d2 / 12)}
    elif kind == "Prisma retto a base trapezio isoscele":
        height = root(l * l - ((B - b) / 2) ** 2)
        base = (B + b) * height / 2
        found = {"Altezza del trapezio": plain(height), "Area di base": plain(base), "Perimetro di base": plain(B + b + 2 * l),
                 total: plain((B + b + 2 * l) * h + 2 * base), volume: plain(base * h)}
    elif kind == "Prisma retto a base triangolare isoscele":
        height = root(l * l - (b / 2) ** 2)
        base = b * height / 2
        found = {"Altezza del triangolo di base": plain(height), "Area di base": plain(base),
                 total: plain((b + 2 * l) * h + 2 * base), volume: plain(base * h)}
    elif kind == "Parallelepipedo a base quadrata sormontato da una piramide":
        apothem = root((l / 2) ** 2 + hp * hp)
        found = {"Apotema della piramide": plain(apothem), total: plain(l * l + 4 * l * h + 2 * l * apothem),
                 volume: plain(l * l * h + l * l * hp / 3)}
    elif kind == "Cilindro sormontato da una semisfera":
        found = {"Superficie della semisfera": times_pi(2 * r * r), total: times_pi(3 * r * r + 2 * r * h),
                 volume: times_pi(r * r * h + 2 * r ** 3 / 3)}
    elif kind == "Cono sormontato da una semisfera":
        apothem = root(r * r + hc * hc)
        found = {"Apotema del cono": plain(apothem), total: times_pi(r * apothem + 2 * r * r),
                 volume: times_pi(r * r * hc / 3 + 2 * r ** 3 / 3)}
    elif kind == "Cubo con un foro cilindrico":
        found = {total: school_pi(6 * l * l, -2 * r * r + 2 * r * l), volume: school_pi(l ** 3, -r * r * l)}
    elif kind.startswith("Trapezio isoscele che ruota intorno alla base"):
        height = root(l * l - ((B - b) / 2) ** 2)
        if kind.endswith("maggiore"):
            surface, solid = 2 * height * b + 2 * height * l, height * height * (b + (B - b) / 3)
        else:
            surface, solid = 2 * height * B + 2 * height * l, height * height * (B - (B - b) / 3)
        found = {"Altezza del trapezio": plain(height), total: times_pi(surface), volume: times_pi(solid)}
    elif kind == "Triangolo isoscele che ruota intorno alla base":
        height = root(l * l - (b / 2) ** 2)
        found = {"Altezza del triangolo": plain(height), total: times_pi(2 * height * l),
                 volume: times_pi(height * height * b / 3)}
    elif kind == "Acquario a forma di parallelepipedo":
        found = {"Superficie del vetro": plain(a * b + 2 * c * (a + b)), "Volume dell'acquario": plain(a * b * c),
                 "Capacità dell'acquario": plain(a * b * c / 1000), "Peso dell'acqua che lo riempie": plain(a * b * c / 1000)}
    elif kind == "Cubo equivalente a un parallelepipedo":
        edge = root(a * b * c, 3)
        found = {"Volume del parallelepipedo": plain(a * b * c), "Spigolo del cubo": plain(edge),
                 "Superficie totale del cubo": plain(6 * edge * edge)}
    else:
        raise AssertionError("a kind of problem the walk does not know: " + kind)
    if "ps" in d:
        solid, pi = next(v for question, v in found.items() if question.startswith("Volume"))
        # A volume taken with 3,14 gives a plain weight.
        found["Peso del solido"] = (solid * d["ps"] / (1000 if d["kg"] else 1), pi is True)
    return found


def solve(data, relations):
    """The pair a relation gives, by the method of the segments: x = p/q * y
    with their sum, or their difference, or y itself; or their sum and
    difference. Returns the form seen."""
    ratio = relations.get("ratio")
    if ratio:
        x, p, q, y = ratio
        if y in data:
            data[x] = p * data[y] / q
            return "fraction"
        if "sum" in relations:
            part = relations["sum"][2] / (p + q)
            form = "sum and ratio"
        else:
            part = relations["difference"][2] / abs(p - q)
            form = "difference and ratio"
        data[x], data[y] = p * part, q * part
        return form
    if "sum" in relations:
        larger, smaller, difference = relations["difference"]
        total = relations["sum"][2]
        data[larger], data[smaller] = (total + difference) / 2, (total - difference) / 2
        return "sum and difference"
    return None


def data_of(window):
    """The data labels, "r = 6 cm", "ps = 7,8 g/cmc", and those that give a
    pair by a relation: "d1 + d2 = 28 cm", "d2 − d1 = 4 cm", "d1 = 3/4 · d2"."""
    data, relations, numbers = {}, {}, []
    for text in window.texts_of("Dato"):
        numbers += re.findall(r"(?<!\w)\d+(?:,\d+)?(?:/\d+)?", text)
        match = re.match(r"^(\w+) = (\d+)/(\d+) · (\w+)$", text)
        if match:
            x, p, q, y = match.groups()
            relations["ratio"] = (x, int(p), int(q), y)
            continue
        match = re.match(r"^(\w+) ([+−]) (\w+) = ([\d,]+) ", text)
        if match:
            x, sign, y, value = match.groups()
            relations["sum" if sign == "+" else "difference"] = (x, y, Fraction(value.replace(",", ".")))
            continue
        match = re.match(r"^(\w+) = ([\d,]+) ", text)
        check(match, "a datum the walk does not read: %r" % text)
        symbol, value = match.groups()
        data[symbol] = Fraction(value.replace(",", "."))
    return data, relations, numbers


def hundredths(value):
    cents = value * 100
    check(cents.denominator == 1, "%s has more than two decimals" % value)
    return int(cents)


def italian(cents):
    whole, part = divmod(cents, 100)
    return str(whole) if part == 0 else ("%d,%02d" % (whole, part)).rstrip("0")


def walk(desktop, program):
    process, window = open_exercise_window(desktop, program, "Problemi", "Problemi di geometria solida")
    kinds, forms = set(), set()
    kilograms = False
    answered = right = 0
    problem = 0
    while problem < PROBLEMS or len(kinds) < KINDS or len(forms) < RELATIONS or not kilograms:
        check(problem < 120, "in 120 problems: kinds %s, relations %s, kg %s" % (kinds, forms, kilograms))
        kind = window.text_of("Tipo di problema")
        kinds.add(kind)
        text = window.text_of("Testo del problema")
        data, relations, numbers = data_of(window)
        for number in numbers:
            check(number in text, "the datum %s is not in the text: %s" % (number, text))
        form = solve(data, relations)
        if form:
            forms.add(form)
        data["kg"] = text.endswith("esprimi il peso in kg.")
        kilograms = kilograms or data["kg"]
        found = {question: (data[symbol], False) for question, symbol in PAIR_QUESTIONS.items() if symbol in data}
        found.update(values(kind, data))
        number = 0
        while True:
            number += 1
            question = wait_for("question %d" % number,
                                lambda: re.match(r"^%d\. (.*)$" % number, window.text_of("Domanda")))
            value, pi = found[question.group(1)]
            cents = hundredths(value) if pi != "school" else int(value * 100)
            shown = italian(cents) + ("π" if pi is True else "")
            if answered % 2 == 0:
                # Right; with pi, every other time its value with 3,14 (the hundredth above where it is not exact).
                typed = italian(cents)
                if pi is True and answered % 4 == 2:
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
            listed = window.text_of("Domande del problema")
            expected = "≈ %s " % shown if pi == "school" else "%d. %s: %s" % (number, question.group(1), shown)
            check(expected in listed, "the answered question does not show its value %r: %s" % (expected, listed))
            last = listed.count("\n") + 1 == number
            window.key("Return")
            wait_for("the next question", lambda: window.text_of("Esito") == "")
            if last:
                break
        problem += 1
    print("%d problems, %d questions, %d kinds: %s; relations: %s" % (problem, answered, len(kinds), ", ".join(sorted(kinds)),
                                                                     ", ".join(sorted(forms))))
    close_and_expect_exit(window, process)


if __name__ == "__main__":
    sys.exit(run(walk))
