// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExerciseSet.h"

#include "common/ExerciseState.h"
#include "common/NumberFormat.h"
#include "common/RandomSource.h"

using namespace Qt::Literals::StringLiterals;

namespace {

QString caption(qint16 measure, bool unknown)
{
    return unknown ? QStringLiteral("X") : NumberFormat::format(measure, NumberFormat::Plain3);
}

int between(RandomSource &random, DrawRange range)
{
    return random.between(range.low, range.high);
}

// The record keeps 32-bit floats: the value, or with π its factor.
float recordOf(const Value &v)
{
    const Rational r = v.isPlain() ? v.plain() : v.pi();
    return float(double(r.numerator()) / double(r.denominator()));
}

qint16 whole(const Value &v)
{
    return v.isPlain() && v.plain().isWhole() ? qint16(v.plain().numerator()) : qint16(0);
}

template <typename List>
QStringList texts(const List &entries)
{
    QStringList out;
    for (const FormulaEntry *e : entries) {
        if (e)
            out << QString::fromUtf16(e->text);
    }
    return out;
}

} // namespace

FormulaSheet SheetTable::sheet() const
{
    FormulaSheet f;
    f.title = QString::fromUtf16(title);
    f.direct = texts(direct);
    f.inverse = texts(inverse);
    f.pythagoras = texts(pythagoras);
    if (round)
        f.notes = QStringList{Formulas::piNote()};
    for (const Meaning &m : own) {
        if (m.symbol)
            f.legend << FormulaSheet::Symbol{QString::fromUtf16(m.symbol), QString::fromUtf16(m.meaning)};
    }
    QStringList symbols;
    for (const char16_t *s : common) {
        if (s)
            symbols << QString::fromUtf16(s);
    }
    f.legend += Formulas::legend(symbols);
    return f;
}

const ExerciseKind &ExerciseSet::kind(int number) const
{
    Q_ASSERT(number >= 1 && number <= kindCount);
    return kinds[number - 1];
}

Symbols ExerciseSet::measures(const Exercise &e) const
{
    return shape.symbols(e.draws[0], e.draws[1], e.draws[2]);
}

Symbols ExerciseSet::seen(const Exercise &e) const
{
    const ExerciseKind &k = kind(e.kind);
    const Symbols all = measures(e);
    Symbols seen;
    for (int place = 0; place < MeasurePlaces; ++place) {
        if (symbols[place] && (places & (1 << place)) && !(k.unknown & (1 << place))) {
            const QString symbol = QString::fromUtf16(symbols[place]);
            seen.insert(symbol, all.value(symbol));
        }
    }
    if (k.given.formula) {
        const Formula given(*k.given.formula);
        seen.insert(given.symbol(), given.evaluate(all));
    }
    return seen;
}

Symbols ExerciseSet::worked(const Exercise &e) const
{
    Symbols known = seen(e);
    for (const FormulaEntry *entry : kind(e.kind).steps) {
        if (entry) {
            const Formula f(*entry);
            known.insert(f.symbol(), f.evaluate(known));
        }
    }
    return known;
}

Exercise ExerciseSet::make(int number, qint16 first, qint16 step, qint16 t) const
{
    const ExerciseKind &k = kind(number);
    Exercise e;
    e.set = this;
    e.kind = qint16(number);
    e.draws = {first, step, t};
    const Symbols all = measures(e);
    const auto at = [&](int place) {
        return symbols[place] ? whole(all.value(QString::fromUtf16(symbols[place]))) : qint16(0);
    };
    e.measures = {at(0), at(1), at(2), at(3)};
    const qint16 values[MeasurePlaces] = {e.measures.a, e.measures.b, e.measures.c, e.measures.d};
    for (int place = 0; place < MeasurePlaces; ++place) {
        const quint8 bit = quint8(1 << place);
        if (places & bit)
            e.captions[place] = caption(values[place], k.unknown & bit);
    }
    e.question = QString::fromUtf16(k.question);
    if (k.given.label) {
        const Formula given(*k.given.formula);
        e.givenLine = QString::fromUtf16(k.given.label) + given.evaluate(all).text() + u' '
            + QString::fromUtf16(k.given.formula->unit);
    }
    if (k.unit)
        e.unit = QString::fromUtf16(k.unit);

    // The answer comes out of what the pupil sees, step by step.
    e.value = worked(e).value(k.answer().symbol());
    e.timesPi = e.value.isPiMultiple();
    e.expected = recordOf(e.value);
    return e;
}

QString ExerciseSet::kindName(int number) const
{
    const ExerciseKind &k = kind(number);
    const QString question = QString::fromUtf16(k.question);
    if (!k.given.label)
        return question;
    // The given line opens with its quantity: "Superficie laterale= 50 cmq".
    QString quantity = QString::fromUtf16(k.given.label).section(u'=', 0, 0).trimmed();
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
    return make(number, first, step, t);
}

QString Exercise::measureLabel(int place) const
{
    const QString &caption = captions.at(place);
    return caption == QStringLiteral("X") || caption.isEmpty() ? caption : caption + QStringLiteral(" cm");
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
        lines << symbol + QStringLiteral(" = ") + exercise.measureLabel(place);
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
