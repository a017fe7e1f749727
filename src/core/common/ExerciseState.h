// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

// The record an exercise window keeps for as long as the program runs.
// Field names, widths and order are the window's own; the generator writes
// the measures and the expected value, the answer check the counters.
struct ExerciseState
{
    qint16 intRight = 0;      // right answers in the current game
    qint16 intWrong = 0;      // wrong answers in the current game
    qint16 intMode = 0;       // kind of the current exercise; seeds the next draw
    qint16 intNumA = 0;       // first random measure
    float sngExpected = 0.0f; // what the answer check accepts
    float sngAnswer = 0.0f;   // the pupil's last answer as a number
    qint16 intNumB = 0;       // second random measure, where the window draws one
    bool blnTimesPi = false;  // the round solids: sngExpected is the number that multiplies π
};

static_assert(sizeof(qint16) == 2 && sizeof(float) == 4,
              "the record holds 16-bit counters and 32-bit floats");
