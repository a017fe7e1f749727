// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExerciseSet.h"

#include "common/ExerciseState.h"
#include "common/NumberFormat.h"
#include "common/RandomSource.h"

namespace {

QString caption(qint16 measure, bool unknown)
{
    return unknown ? QStringLiteral("X") : NumberFormat::format(measure, NumberFormat::Plain3);
}

int between(RandomSource &random, DrawRange range)
{
    return random.between(range.low, range.high);
}

} // namespace

const ExerciseKind &ExerciseSet::kind(int number) const
{
    Q_ASSERT(number >= 1 && number <= kindCount);
    return kinds[number - 1];
}

Exercise ExerciseSet::make(int number, qint16 first, qint16 step, qint16 t) const
{
    const ExerciseKind &k = kind(number);
    const Measures m = shape(first, step, t);

    Exercise e;
    e.set = this;
    e.kind = qint16(number);
    e.measures = m;
    const qint16 values[MeasurePlaces] = {m.a, m.b, m.c, m.d};
    for (int place = 0; place < MeasurePlaces; ++place) {
        const quint8 bit = quint8(1 << place);
        if (places & bit)
            e.captions[place] = caption(values[place], k.unknown & bit);
    }
    e.question = QString::fromUtf16(k.question);
    if (k.given)
        e.givenLine = k.given(m);
    if (k.unit)
        e.unit = QString::fromUtf16(k.unit);
    e.expected = k.expected(m);
    e.timesPi = k.has(TimesPi);
    return e;
}

QString ExerciseSet::kindName(int number) const
{
    const ExerciseKind &k = kind(number);
    const QString question = QString::fromUtf16(k.question);
    if (!k.given)
        return question;
    // The given line opens with its quantity: "Superficie laterale= 50 cmq".
    const Measures sample = shape(qint16(k.first.low), qint16(k.step.low), 0);
    QString quantity = k.given(sample).section(u'=', 0, 0).trimmed();
    quantity[0] = quantity[0].toLower();
    const bool feminine = quantity.startsWith(u"superficie");
    return question + (feminine ? QStringLiteral(" (data la ") : QStringLiteral(" (dato il ")) + quantity + u')';
}

Exercise ExerciseSet::drawOf(int number, RandomSource &random) const
{
    const ExerciseKind &k = kind(number);
    const qint16 first = qint16(between(random, k.first));
    const qint16 step = draws >= FirstAndStep ? qint16(between(random, k.step)) : qint16(0);
    const qint16 t = draws == FirstStepAndTurn ? qint16(random.between(0, 1)) : qint16(0);
    Exercise e = make(number, first, step, t);
    e.draws = {first, step, t};
    return e;
}

QStringList ExerciseSet::data(const Exercise &exercise) const
{
    QStringList lines;
    QStringList seen;
    for (int place = 0; place < MeasurePlaces; ++place) {
        if (!symbols[place] || !(places & (1 << place)))
            continue;
        const QString symbol = QString::fromUtf16(symbols[place]);
        if (seen.contains(symbol))
            continue;
        seen << symbol;
        const QString &caption = exercise.captions[place];
        lines << symbol + QStringLiteral(" = ") + caption + (caption == QStringLiteral("X") ? QString() : QStringLiteral(" cm"));
    }
    return lines;
}

Exercise ExerciseSet::draw(ExerciseState &state, RandomSource &random, const QList<qint16> &onlyKinds) const
{
    random.reseed(state.intMode);
    if (onlyKinds.isEmpty())
        state.intMode = qint16(random.between(1, kindCount));
    else
        state.intMode = onlyKinds.at(random.between(0, int(onlyKinds.size()) - 1));

    random.reseedFromClock();
    Exercise e = drawOf(state.intMode, random);
    state.intNumA = e.draws[0];
    if (draws >= FirstAndStep)
        state.intNumB = e.draws[1];
    state.sngExpected = e.expected;
    state.blnTimesPi = e.timesPi;
    return e;
}
