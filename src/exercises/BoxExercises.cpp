// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BoxExercises.h"

#include "Arithmetic16.h"
#include "exercise/ExerciseState.h"
#include "exercise/NumberFormat.h"
#include "exercise/RandomSource.h"

namespace BoxExercises {

namespace {

struct Kind
{
    DrawRange width;
    DrawRange step;
    const char16_t *question;
};

constexpr Kind Kinds[KindCount] = {
    {{4, 9}, {1, 3}, u"Volume"},
    {{3, 8}, {1, 2}, u"Superficie laterale"},
    {{3, 8}, {1, 2}, u"Superficie totale"},
    {{3, 8}, {1, 2}, u"Diagonale"},
    {{3, 8}, {1, 2}, u"Altezza"},
    {{4, 9}, {1, 2}, u"Dimensione a"},
    {{4, 9}, {1, 2}, u"Dimensione b"},
};

const Kind &kindAt(int kind)
{
    Q_ASSERT(kind >= 1 && kind <= KindCount);
    return Kinds[kind - 1];
}

QString perimeterLine(qint16 p)
{
    return QStringLiteral("Perimetro= ") + QString::number(p) + QStringLiteral(" cm");
}

} // namespace

DrawRange widthRange(int kind)
{
    return kindAt(kind).width;
}

DrawRange stepRange(int kind)
{
    return kindAt(kind).step;
}

Exercise make(int kind, qint16 a, qint16 d, qint16 t)
{
    const Kind &k = kindAt(kind);
    const qint16 b = to16(a - d);
    const qint16 c = to16(a - t + d + 1);
    const qint16 perimeter = to16((a + b) * 2);
    const qint16 lateral = to16((2 * a + 2 * b) * c);

    Exercise e;
    e.solid = Exercise::Solid::Box;
    e.kind = qint16(kind);
    e.width = a;
    e.depth = b;
    e.height = c;
    e.question = QString::fromUtf16(k.question);
    e.widthCaption = NumberFormat::format(a, NumberFormat::Plain3);
    e.depthCaption = NumberFormat::format(b, NumberFormat::Plain3);
    e.heightCaption = NumberFormat::format(c, NumberFormat::Plain3);

    const QString unknown = QStringLiteral("X");
    switch (kind) {
    case 1: e.expected = to16(a * b * c); break;
    case 2: e.expected = lateral; break;
    case 3: e.expected = to16(lateral + 2 * a * b); break;
    case 4: e.expected = spaceDiagonal(a, b, c); break;
    case 5:
        e.heightCaption = unknown;
        e.givenLine = QStringLiteral("Superficie laterale= ") + QString::number(to16((a + b) * 2 * c))
            + QStringLiteral(" cmq");
        e.expected = c;
        break;
    case 6:
        e.widthCaption = unknown;
        e.givenLine = perimeterLine(perimeter);
        e.expected = a;
        break;
    case 7:
        e.depthCaption = unknown;
        e.givenLine = perimeterLine(perimeter);
        e.expected = b;
        break;
    }
    return e;
}

Exercise draw(ExerciseState &state, RandomSource &random)
{
    random.reseed(state.intMode);
    state.intMode = qint16(random.between(1, KindCount));

    random.reseedFromClock();
    const Kind &k = kindAt(state.intMode);
    state.intNumA = qint16(random.between(k.width.low, k.width.high));
    state.intNumB = qint16(random.between(k.step.low, k.step.high));
    const qint16 t = qint16(random.between(0, 1));

    Exercise e = make(state.intMode, state.intNumA, state.intNumB, t);
    state.sngExpected = e.expected;
    return e;
}

} // namespace BoxExercises
