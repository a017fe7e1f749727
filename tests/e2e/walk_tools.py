# SPDX-FileCopyrightText: 2026 Brenvo software
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""End to end: the compensatory tools. In each of the eight exercise
windows the formula sheet opens and closes by keyboard and holds the
window's volume formula, its inverse formulas and its Pythagoras relations;
in the cylinder window and the problems window the exercise and the sheet
are read aloud, the status bar saying so while the voice speaks, and Esc
stops a reading before it closes the sheet."""

import sys

from desktop import check, close_and_expect_exit, open_exercise_window, run, wait_for

SHEETS = [
    # choice button, descriptive title, what the sheet must hold
    ("Cubi", "Ripassiamo le formule del cubo",
     ["V = l³", "l = 2p : 4", "l = √(Sl : 4)", "l = ∛V", "d = l·√3"]),
    ("Parallelepipedo", "Giocare con i solidi",
     ["V = a·b·c", "c = Sl : (2·(a + b))", "a = p − b", "b = p − a", "d = √(a² + b² + c²)"]),
    ("Prisma", "Giocare con il Teorema di Pitagora",
     ["V = a · b : 2 · h", "h = Sl : (a + b + c)", "c = √(a² + b²)", "a = √(c² − b²)", "b = √(c² − a²)"]),
    ("Piramide", "Ripassiamo le formule della piramide",
     ["V = l² · h : 3", "h = 3 · V : l²", "a = √((l : 2)² + h²)", "h = √(a² − (l : 2)²)"]),
    ("Cilindro", "Ripassiamo le formule del cilindro",
     ["V = π · r² · h", "h = V : (π · r²)", "r = Sl : (2 · π · h)", "π ≈ 3,14"]),
    ("Cono", "Ripassiamo le formule del cono",
     ["V = π · r² · h : 3", "h = 3 · V : (π · r²)", "a = √(r² + h²)", "h = √(a² − r²)"]),
    ("Sfera", "Ripassiamo le formule della sfera",
     ["V = 4 : 3 · π · r³", "r = √(S : (4 · π))", "r = ∛(3 · V : (4 · π))"]),
    ("Problemi", "Problemi di geometria solida",
     ["Formule inverse", "Le parti a contatto non fanno parte della superficie totale.", "Legenda"]),
]

READING = "Lettura in corso…"


def sheet_text(window):
    """The sheet's text: of the nodes named "Formulario" (the panel, its
    title, the sheet), the longest text."""
    longest = ""
    for node in window._all():
        try:
            if node.name != "Formulario" or node.getRoleName() == "menu item":
                continue
            text = node.queryText()
            content = text.getText(0, text.characterCount)
        except Exception:
            continue
        if len(content) > len(longest):
            longest = content
    return longest


def sheet_is_open(window):
    return any(node.name == "Formulario" and node.getRoleName() == "frame" for node in window._all())


def open_and_close_sheet(window, holds):
    window.key("alt+f")
    wait_for("the formula sheet", lambda: sheet_is_open(window))
    text = sheet_text(window)
    for formula in holds:
        check(formula in text, "the sheet lacks %r" % formula)
    window.key("Escape")
    wait_for("the sheet closed by Esc", lambda: not sheet_is_open(window))
    window.key("alt+f")
    wait_for("the sheet again", lambda: sheet_is_open(window))
    window.key("alt+f")
    wait_for("the sheet closed by its entry", lambda: not sheet_is_open(window))


def speech_line(window):
    return window.text_of("Sintesi vocale")


def read_aloud(desktop, window):
    """F5 reads; the status bar says so, and nothing once the voice ends.
    The voice is held until the walk has seen it speak."""
    desktop.hold_voice()
    window.key("F5")
    wait_for("the reading to begin", lambda: speech_line(window) == READING)
    desktop.release_voice()
    wait_for("the reading to end", lambda: speech_line(window) == "")


def read_sheet_and_stop(desktop, window):
    """With the sheet open F5 reads the sheet; a first Esc stops the voice
    and leaves the sheet open, a second closes it. The voice is held until
    the Esc is sent, and the sheet takes seconds to say, so that the Esc
    surely comes while it speaks."""
    window.key("alt+f")
    wait_for("the formula sheet", lambda: sheet_is_open(window))
    desktop.hold_voice()
    window.key("F5")
    wait_for("the sheet being read", lambda: speech_line(window) == READING)
    window.key("Escape")
    desktop.release_voice()
    wait_for("the reading stopped", lambda: speech_line(window) == "")
    check(sheet_is_open(window), "the first Esc closed the sheet while the voice spoke")
    window.key("Escape")
    wait_for("the sheet closed", lambda: not sheet_is_open(window))


def walk(desktop, program):
    desktop.quiet_speech()
    for button, title, holds in SHEETS:
        process, window = open_exercise_window(desktop, program, button, title, key="space")
        open_and_close_sheet(window, holds)
        if button in ("Cilindro", "Problemi"):
            read_aloud(desktop, window)
            read_sheet_and_stop(desktop, window)
        close_and_expect_exit(window, process)


if __name__ == "__main__":
    sys.exit(run(walk))
