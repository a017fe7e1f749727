# SPDX-FileCopyrightText: 2026 Brenvo software
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The answers the walks give, worked out from what a window shows, as a
pupil would: the window is anything with text_of(accessible name)."""

import math
import re


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
