// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ProblemSet.h"

#include "common/ExerciseState.h"
#include "common/RandomSource.h"
#include "exercises/ExerciseSet.h"
#include "exercises/FormulaTable.h"
#include "formula/Answer.h"
#include "formula/PiApproximation.h"

#include <QHash>
#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

// The weight is asked last wherever a material is named: the volume found
// before it, times the specific weight.
constexpr ProblemQuestion Weight{u"Peso del solido", &FormulaTable::Composite::Weight};

int between(RandomSource &random, DrawRange range)
{
    return random.between(range.low, range.high);
}

} // namespace

const ProblemQuestion &ProblemSet::weight()
{
    return Weight;
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
    for (const QString &symbol : row().shape.measureSymbols())
        values.insert(symbol, data.value(symbol).text());
    if (hasMaterial())
        values.insert(u"ps"_s, data.value(u"ps"_s).text());
    return values;
}

QString Problem::text() const
{
    QString t = QString::fromUtf16(row().text);
    const QHash<QString, QString> values = dataValues();
    for (auto v = values.cbegin(); v != values.cend(); ++v)
        t.replace(u'{' + v.key() + u'}', v.value());
    if (hasMaterial()) {
        t += u" Il solido è di %1 (ps = %2 g/cmc)."_s.arg(QString::fromUtf16(set->materials[material].name),
                                                         data.value(u"ps"_s).text());
    }
    return t;
}

QStringList Problem::dataLines() const
{
    QStringList lines;
    for (const FormulaEntry *measure : row().shape.measures) {
        if (measure) {
            const QString symbol = measure->symbol();
            lines << symbol + u" = "_s + data.value(symbol).text() + u' ' + QString::fromUtf16(measure->unit);
        }
    }
    if (hasMaterial())
        lines << u"ps = "_s + data.value(u"ps"_s).text() + u" g/cmc"_s;
    return lines;
}

Symbols Problem::known(int question) const
{
    Symbols values = data;
    for (int i = 0; i < question; ++i)
        values.insert(questions[i].symbol(), questions[i].value);
    return values;
}

QString Problem::workedStep(int question) const
{
    const AskedQuestion &q = questions.at(question);
    return Formula(*q.row->formula).worked(known(question), q.unit());
}

std::optional<QString> Problem::likelyMistake(int question, const Rational &typed) const
{
    const AskedQuestion &q = questions.at(question);
    if (Answer::matches(q.value, typed))
        return std::nullopt;
    if (q.value.hasPi()) {
        // Worked out with the calculator's π, to a whole, a tenth or a hundredth.
        const Rational withCalculator = q.value.plain() + q.value.pi() * PiApproximation::calculator();
        for (int places : {0, 1, 2}) {
            if (typed == withCalculator.rounded(places))
                return u"Usa π = 3,14, oppure scrivi solo il numero che moltiplica π."_s;
        }
    }
    const ProblemKind &k = row();
    const Symbols values = known(question);
    for (const ProblemMistake &mistake : k.mistakes) {
        const Formula slip(*mistake.formula);
        if (slip.symbol() != q.symbol())
            continue;
        const Value value = slip.evaluate(values);
        if (value != q.value && Answer::matches(value, typed))
            return QString::fromUtf16(mistake.text);
    }
    if (q.row == &Weight && Answer::matches(q.value / Value(1000), typed))
        return u"Hai scritto il peso in kg: va dato in grammi (1 kg = 1000 g)."_s;
    return std::nullopt;
}

QList<FormulaSheet> Problem::formulaSheets() const
{
    const ProblemKind &k = row();
    FormulaSheet own;
    own.title = title();
    QStringList symbols = k.shape.measureSymbols();
    if (hasMaterial())
        symbols << u"ps"_s;
    QStringList common = symbols;
    for (const SheetTable::Meaning &m : k.meanings) {
        if (m.symbol) {
            own.legend << FormulaSheet::Symbol{QString::fromUtf16(m.symbol), QString::fromUtf16(m.meaning)};
            common.removeAll(QString::fromUtf16(m.symbol));
        }
    }
    own.legend += Formulas::legend(common);
    for (const AskedQuestion &q : questions) {
        const QString formula = QString::fromUtf16(q.row->formula->text);
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
    // The rules of weight and capacity where the problem asks for them.
    const bool litres = std::any_of(questions.cbegin(), questions.cend(),
                                    [](const AskedQuestion &q) { return q.unit() == u"l"_s; });
    if (litres)
        own.notes << u"1 l = 1 dmc = 1000 cmc"_s;
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
    p.draws = {first, second, third};
    const Symbols drawn = k.shape.symbols(first, second, third);
    for (const QString &symbol : k.shape.measureSymbols())
        p.data.insert(symbol, drawn.value(symbol));
    bool hasVolume = false;
    for (int i = 0; i < k.questions.count; ++i) {
        const Formula f(*k.questions[i].formula);
        p.questions.append({&k.questions[i], f.evaluate(p.known(i))});
        hasVolume = hasVolume || f.symbol() == u"V"_s;
    }
    if (material >= 0 && k.weighable && hasVolume) {
        Q_ASSERT(material < materialCount);
        p.material = material;
        p.data.insert(u"ps"_s, Value(Rational::fraction(materials[material].psTenths, 10)));
        const int last = int(p.questions.size());
        p.questions.append({&Weight, Formula(*Weight.formula).evaluate(p.known(last))});
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
    return make(number, first, second, third, material);
}
