// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ProblemSet.h"

#include "common/ExerciseState.h"
#include "common/ItalianNumber.h"
#include "common/PiApproximation.h"
#include "common/RandomSource.h"
#include "exercises/ExerciseSet.h"

#include <QHash>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

// The weight is asked last wherever a material is named: the volume found
// before it, times the specific weight.
constexpr ProblemQuestion Weight{u"P", u"Peso del solido", u"g", u"P = V · ps", nullptr, false};
constexpr ProblemQuestion WeightTimesPi{u"P", u"Peso del solido", u"g", u"P = V · ps", nullptr, true};

int between(RandomSource &random, DrawRange range)
{
    return random.between(range.low, range.high);
}

// A factor of π in hundredths times 3,14, in ten-thousandths.
qint64 withPi(qint64 hundredths)
{
    return hundredths * PiApproximation::Hundredths;
}

// The formula's right side with each symbol replaced by its value; symbols
// are letters, then letters or digits ("c1", "hc", "ps").
QString putIn(QStringView formula, const QHash<QString, QString> &values)
{
    QString out;
    for (qsizetype i = 0; i < formula.size();) {
        const auto isLetter = [](QChar c) { return c.unicode() < 128 && c.isLetter(); };
        if (!isLetter(formula[i])) {
            out += formula[i++];
            continue;
        }
        qsizetype end = i + 1;
        while (end < formula.size() && formula[end].unicode() < 128 && formula[end].isLetterOrNumber())
            ++end;
        const QString symbol = formula.mid(i, end - i).toString();
        out += values.value(symbol, symbol);
        i = end;
    }
    return out;
}

} // namespace

QString AskedQuestion::valueText() const
{
    return value.text() + (row->timesPi ? u"π"_s : QString());
}

QString AskedQuestion::valueWithUnit() const
{
    const QString u = unit();
    if (!row->timesPi)
        return valueText() + u' ' + u;
    // Rounded half up to the hundredth, as a pupil writes it.
    const qint64 approximately = (withPi(*value.hundredths()) + 50) / 100;
    return valueText() + u' ' + u + u" ≈ "_s + ItalianNumber::fromHundredths(approximately) + u' ' + u;
}

bool answersQuestion(const AskedQuestion &question, qint64 typed)
{
    const std::optional<qint64> expected = question.value.hundredths();
    if (!expected)
        return false;
    if (typed == *expected)
        return true;
    if (!question.row->timesPi)
        return false;
    const qint64 below = withPi(*expected) / 100;
    const bool exact = withPi(*expected) % 100 == 0;
    return typed == below || (!exact && typed == below + 1);
}

const ProblemKind &Problem::row() const
{
    return set->kind(kind);
}

QString Problem::title() const
{
    return QString::fromUtf16(row().title);
}

QHash<QString, QString> Problem::dataValues() const
{
    QHash<QString, QString> values;
    const ProblemKind &k = row();
    for (int i = 0; i < k.dataCount; ++i)
        values.insert(QString::fromUtf16(k.data[i].symbol), k.data[i].value(data).text());
    if (data.hasMaterial())
        values.insert(u"ps"_s, data.ps.text());
    return values;
}

QString Problem::text() const
{
    QString t = QString::fromUtf16(row().text);
    const QHash<QString, QString> values = dataValues();
    for (auto v = values.cbegin(); v != values.cend(); ++v)
        t.replace(u'{' + v.key() + u'}', v.value());
    if (data.hasMaterial()) {
        t += u" Il solido è di %1 (ps = %2 g/cmc)."_s.arg(QString::fromUtf16(set->materials[data.material].name),
                                                         data.ps.text());
    }
    return t;
}

QStringList Problem::dataLines() const
{
    QStringList lines;
    const ProblemKind &k = row();
    for (int i = 0; i < k.dataCount; ++i) {
        lines << QString::fromUtf16(k.data[i].symbol) + u" = "_s + k.data[i].value(data).text() + u' '
                + QString::fromUtf16(k.data[i].unit);
    }
    if (data.hasMaterial())
        lines << u"ps = "_s + data.ps.text() + u" g/cmc"_s;
    return lines;
}

QString Problem::workedStep(int question) const
{
    QHash<QString, QString> values = dataValues();
    for (int i = 0; i < question; ++i)
        values.insert(questions[i].symbol(), questions[i].valueText());

    const AskedQuestion &q = questions.at(question);
    const QString formula = QString::fromUtf16(q.row->formula);
    const QString right = formula.section(u" = "_s, 1);
    return formula + u" = "_s + putIn(right, values) + u" = "_s + q.valueWithUnit();
}

std::optional<QString> Problem::likelyMistake(int question, qint64 typed) const
{
    const AskedQuestion &q = questions.at(question);
    if (answersQuestion(q, typed))
        return std::nullopt;
    if (q.row->timesPi) {
        // Worked out with the calculator's π, to a whole, a tenth or a hundredth.
        const double withCalculator = double(*q.value.hundredths()) * PiApproximation::Calculator;
        for (qint64 step : {100, 10, 1}) {
            if (typed == qint64(std::llround(withCalculator / double(step))) * step)
                return u"Usa π = 3,14, oppure scrivi solo il numero che moltiplica π."_s;
        }
    }
    const ProblemKind &k = row();
    for (int i = 0; i < k.mistakeCount; ++i) {
        const ProblemMistake &m = k.mistakes[i];
        if (QStringView(m.symbol) != q.symbol())
            continue;
        const AskedQuestion slip{q.row, m.value(data)};
        if (slip.value != q.value && answersQuestion(slip, typed))
            return QString::fromUtf16(m.text);
    }
    if (q.row == &Weight || q.row == &WeightTimesPi) {
        if (answersQuestion({q.row, q.value / Exact(1000)}, typed))
            return u"Hai scritto il peso in kg: va dato in grammi (1 kg = 1000 g)."_s;
    }
    return std::nullopt;
}

QList<FormulaSheet> Problem::formulaSheets() const
{
    const ProblemKind &k = row();
    FormulaSheet own;
    own.title = title();
    QStringList symbols;
    for (int i = 0; i < k.dataCount; ++i)
        symbols << QString::fromUtf16(k.data[i].symbol);
    if (data.hasMaterial())
        symbols << u"ps"_s;
    own.legend = Formulas::legend(symbols);
    for (const AskedQuestion &q : questions) {
        const QString formula = QString::fromUtf16(q.row->formula);
        if (!own.direct.contains(formula))
            own.direct << formula;
        // A question names its own symbol: "a = apotema del cono".
        if (!symbols.contains(q.symbol())) {
            symbols << q.symbol();
            own.legend << FormulaSheet::Symbol{q.symbol(), q.text().toLower()};
        }
    }
    own.notes << u"Le parti a contatto non fanno parte della superficie totale."_s
              << u"Solido composto: il volume è la somma dei volumi delle parti; solido scavato: la differenza."_s;
    for (const QString &rule : {u"P = V · ps"_s, u"1 l = 1 dmc = 1000 cmc"_s}) {
        if (!own.direct.contains(rule))
            own.notes << rule;
    }
    QList<FormulaSheet> sheets{own};
    for (const auto &solid : k.solids) {
        if (solid)
            sheets << solid().sheet();
    }
    return sheets;
}

const ProblemKind &ProblemSet::kind(int number) const
{
    Q_ASSERT(number >= 1 && number <= kindCount);
    return kinds[number - 1];
}

Problem ProblemSet::make(int number, int first, int second, int third, int material) const
{
    const ProblemKind &k = kind(number);
    Problem p;
    p.set = this;
    p.kind = number;
    p.data = k.shape(first, second, third);
    int volume = -1;
    for (int i = 0; i < k.questionCount; ++i) {
        p.questions.append({&k.questions[i], k.questions[i].value(p.data)});
        if (QStringView(k.questions[i].symbol) == u"V")
            volume = i;
    }
    if (material >= 0 && k.weighable && volume >= 0) {
        Q_ASSERT(material < materialCount);
        p.data.material = material;
        p.data.ps = Exact::fraction(materials[material].psTenths, 10);
        const AskedQuestion &v = p.questions.at(volume);
        const AskedQuestion weight{v.row->timesPi ? &WeightTimesPi : &Weight, v.value * p.data.ps};
        p.questions.append(weight);
    }
    return p;
}

Problem ProblemSet::draw(ExerciseState &state, RandomSource &random, const QList<qint16> &onlyKinds) const
{
    random.reseed(state.intMode);
    state.intMode = onlyKinds.isEmpty() ? qint16(random.between(1, kindCount))
                                        : onlyKinds.at(random.between(0, int(onlyKinds.size()) - 1));
    random.reseedFromClock();
    const bool weighed = kind(state.intMode).weighable && random.between(0, 1) == 1;
    Problem p = drawOf(state.intMode, weighed, random);
    state.intNumA = qint16(p.draws[0]);
    state.intNumB = qint16(p.draws[2]);
    return p;
}

Problem ProblemSet::drawOf(int number, bool weighed, RandomSource &random) const
{
    const ProblemKind &k = kind(number);
    weighed = weighed && k.weighable;
    const int first = between(random, weighed && k.weighedFirst.low > 0 ? k.weighedFirst : k.first);
    const int second = between(random, k.second);
    const int third = between(random, k.third);
    const int material = weighed ? random.between(0, materialCount - 1) : -1;
    Problem p = make(number, first, second, third, material);
    p.draws = {first, second, third};
    return p;
}
