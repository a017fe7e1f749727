// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CubeExercises.h"

#include "Arithmetic16.h"
#include "exercise/ExerciseState.h"
#include "exercise/NumberFormat.h"
#include "exercise/RandomSource.h"

#include <cmath>

namespace CubeExercises {

namespace {

struct Kind
{
    DrawRange edge;
    const char16_t *question;
    bool edgeGiven; // numbers on the figure, or "X" and a given-data line
};

constexpr Kind Kinds[KindCount] = {
    {{4, 14}, u"Volume", true},
    {{1, 11}, u"Superficie laterale", true},
    {{1, 11}, u"Superficie totale", true},
    {{1, 10}, u"Diagonale", true},
    {{1, 10}, u"Spigolo AB", false},
    {{1, 10}, u"Volume", false},
    {{1, 14}, u"Spigolo AB", false},
    {{1, 14}, u"Superficie laterale", false},
    {{1, 14}, u"Superficie totale", false},
};

const Kind &kindAt(int kind)
{
    Q_ASSERT(kind >= 1 && kind <= KindCount);
    return Kinds[kind - 1];
}

QString perimeterLine(qint16 p)
{
    return QStringLiteral("Perimetro di base = ") + QString::number(p) + QStringLiteral(" cm");
}

} // namespace

DrawRange edgeRange(int kind)
{
    return kindAt(kind).edge;
}

Exercise make(int kind, qint16 s)
{
    const Kind &k = kindAt(kind);
    const qint16 a = s, b = s, c = s;
    const qint16 perimeter = to16((a + b) * 2);
    const qint16 volume = to16(a * b * c);
    const qint16 lateral = to16((2 * a + 2 * b) * c);
    const qint16 total = to16(c * c * 6);

    Exercise e;
    e.kind = qint16(kind);
    e.width = a;
    e.depth = b;
    e.height = c;
    e.question = QString::fromUtf16(k.question);

    const QString shown = NumberFormat::format(s, NumberFormat::Plain3);
    const QString unknown = QStringLiteral("X");
    e.widthCaption = e.depthCaption = e.heightCaption = k.edgeGiven ? shown : unknown;

    switch (kind) {
    case 1: e.expected = volume; break;
    case 2: e.expected = lateral; break;
    case 3: e.expected = total; break;
    case 4: e.expected = spaceDiagonal(a, b, c); break;
    case 5:
        e.givenLine = QStringLiteral("Superficie laterale= ") + QString::number(to16((a + b) * 2 * c))
            + QStringLiteral(" cmq");
        e.expected = s;
        break;
    case 6:
        e.givenLine = perimeterLine(perimeter);
        e.expected = volume;
        break;
    case 7:
        e.givenLine = QStringLiteral("Volume = ") + QString::number(std::lround(std::pow(double(s), 3)))
            + QStringLiteral(" cmc");
        e.expected = s;
        break;
    case 8:
        e.givenLine = perimeterLine(perimeter);
        e.expected = lateral;
        break;
    case 9:
        e.givenLine = perimeterLine(perimeter);
        e.expected = total;
        break;
    }
    return e;
}

Exercise draw(ExerciseState &state, RandomSource &random)
{
    random.reseed(state.intMode);
    state.intMode = qint16(random.between(1, KindCount));

    random.reseedFromClock();
    const DrawRange range = edgeRange(state.intMode);
    state.intNumA = qint16(random.between(range.low, range.high));

    Exercise e = make(state.intMode, state.intNumA);
    state.sngExpected = e.expected;
    return e;
}

} // namespace CubeExercises
