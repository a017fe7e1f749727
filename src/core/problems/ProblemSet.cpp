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

constexpr QLatin1StringView Pair("{coppia}");

int between(RandomSource &random, DrawRange range)
{
    return random.between(range.low, range.high);
}

ProblemStep step(const FormulaEntry &entry)
{
    return {Formula(entry), QString::fromUtf16(entry.unit)};
}

// The weight is asked last wherever a material is named: the volume found
// before it, times the specific weight, in grams or in kg.
AskedQuestion weightQuestion(bool kilograms)
{
    using namespace FormulaTable::Composite;
    AskedQuestion q{u"Peso del solido"_s, {step(kilograms ? WeightInKg : Weight)}, {}, {}, {}};
    q.slips << (kilograms ? ProblemSlip{Formula(Weight), u"Hai espresso il peso in grammi: 1 kg = 1000 g."_s}
                          : ProblemSlip{Formula(WeightInKg), u"Hai espresso il peso in kg: 1 kg = 1000 g."_s});
    return q;
}

// Each step worked in turn over what is known; the value is the last's.
void work(AskedQuestion &q, const Symbols &known)
{
    Symbols values = known;
    for (const ProblemStep &s : std::as_const(q.steps)) {
        q.value = s.formula.evaluate(values);
        values.insert(s.formula.symbol(), q.value);
        q.found.insert(s.formula.symbol(), q.value);
    }
    q.found.insert(q.symbol(), q.carried());
}

} // namespace

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
    if (pair)
        t.replace(Pair, pair->sentence());
    const QHash<QString, QString> values = dataValues();
    for (auto v = values.cbegin(); v != values.cend(); ++v)
        t.replace(u'{' + v.key() + u'}', v.value());
    if (hasMaterial()) {
        const bool kilograms = questions.constLast().unit() == u"kg"_s;
        t += u" Il solido è di %1 (ps = %2 g/cmc); esprimi il peso in %3."_s.arg(
            QString::fromUtf16(set->materials[material].name), data.value(u"ps"_s).text(),
            kilograms ? u"kg"_s : u"grammi"_s);
    }
    return t;
}

QStringList Problem::dataLines() const
{
    const MeasurePair &p = row().pair;
    QStringList lines;
    for (const FormulaEntry *measure : row().shape.measures) {
        if (!measure)
            continue;
        const QString symbol = measure->symbol();
        if (pair && symbol == QStringView(p.symbols[0]))
            lines << pair->dataLines();
        else if (!pair || symbol != QStringView(p.symbols[1]))
            lines << symbol + u" = "_s + data.value(symbol).text() + u' ' + QString::fromUtf16(measure->unit);
    }
    if (hasMaterial())
        lines << u"ps = "_s + data.value(u"ps"_s).text() + u" g/cmc"_s;
    return lines;
}

Symbols Problem::known(int question) const
{
    Symbols values = data;
    for (int i = 0; i < question; ++i)
        values.insert(questions[i].found);
    return values;
}

QString Problem::workedStep(int question) const
{
    // Each step with what the steps before it found, as the problem was made.
    const Symbols values = known(question + 1);
    QStringList lines;
    for (const ProblemStep &s : questions.at(question).steps)
        lines << s.formula.worked(values, s.unit);
    return lines.join(u", "_s);
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
    // A slip may start from what the steps before the last have found.
    const Symbols values = known(question + 1);
    for (const ProblemSlip &slip : q.slips) {
        const Value value = slip.formula.evaluate(values);
        if (value.isValid() && value != q.value && Answer::matches(value, typed))
            return slip.text;
    }
    return std::nullopt;
}

QList<FormulaSheet> Problem::formulaSheets() const
{
    const ProblemKind &k = row();
    FormulaSheet own;
    own.title = title();
    QStringList used; // every symbol of the sheet's formulas, in order
    for (const AskedQuestion &q : questions) {
        for (const ProblemStep &s : q.steps) {
            const QString formula = s.formula.text();
            if (!own.direct.contains(formula))
                own.direct << formula;
            for (const QString &symbol : QStringList{s.formula.symbol()} + s.formula.uses()) {
                if (!used.contains(symbol))
                    used << symbol;
            }
        }
    }
    // The data first, then the rest as the formulas use them; each by what
    // the kind, the relation, the question that finds it or the common
    // legend says, in that order.
    QStringList order = k.shape.measureSymbols();
    if (hasMaterial())
        order << u"ps"_s;
    for (const QString &symbol : std::as_const(used)) {
        if (!order.contains(symbol))
            order << symbol;
    }
    const QList<FormulaSheet::Symbol> relationLetters = pair ? pair->legend() : QList<FormulaSheet::Symbol>();
    for (const QString &symbol : std::as_const(order)) {
        const auto meaning = std::find_if(k.meanings.cbegin(), k.meanings.cend(),
                                          [&](const SheetTable::Meaning &m) { return m.symbol && symbol == QStringView(m.symbol); });
        const auto letter = std::find_if(relationLetters.cbegin(), relationLetters.cend(),
                                         [&](const FormulaSheet::Symbol &s) { return s.symbol == symbol; });
        const auto asked = std::find_if(questions.cbegin(), questions.cend(),
                                        [&](const AskedQuestion &q) { return q.symbol() == symbol; });
        const QList<FormulaSheet::Symbol> common = Formulas::legend({symbol});
        if (meaning != k.meanings.cend())
            own.legend << FormulaSheet::Symbol{symbol, QString::fromUtf16(meaning->meaning)};
        else if (letter != relationLetters.cend())
            own.legend << *letter;
        else if (asked != questions.cend())
            own.legend << FormulaSheet::Symbol{symbol, asked->text().toLower()};
        else
            own.legend << common;
    }
    own.notes << u"Le parti a contatto non fanno parte della superficie totale."_s
              << u"Solido composto: il volume è la somma dei volumi delle parti; solido scavato: la differenza."_s;
    // The rules of capacity and weight where the problem asks for them.
    const auto asks = [this](QStringView unit) {
        return std::any_of(questions.cbegin(), questions.cend(), [unit](const AskedQuestion &q) { return q.unit() == unit; });
    };
    if (asks(u"l"))
        own.notes << u"1 l = 1 dmc = 1000 cmc"_s;
    if (asks(u"kg"))
        own.notes << u"1 kg = 1000 g"_s;
    if (k.schoolPiOnly)
        own.notes << Formulas::piNote();
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

Problem ProblemSet::make(int number, int first, int second, int third, int material, Wording wording) const
{
    const ProblemKind &k = kind(number);
    Problem p;
    p.set = this;
    p.kind = number;
    p.draws = {first, second, third};
    const Symbols drawn = k.shape.symbols(first, second, third);
    for (const QString &symbol : k.shape.measureSymbols())
        p.data.insert(symbol, drawn.value(symbol));
    if (k.pair.isSet()) {
        p.pair = GivenPair::of(k.pair, wording.relation, wording.secondIsX, p.data);
        if (!p.pair)
            p.pair = GivenPair::of(k.pair, Relation::ByValue, false, p.data);
        p.data.insert(p.pair->symbols());
        p.questions << p.pair->questions();
    }
    for (const ProblemQuestion &row : k.questions) {
        AskedQuestion q{QString::fromUtf16(row.text), {}, {}, {}, {}};
        if (row.before)
            q.steps << step(*row.before);
        q.steps << step(*row.formula);
        for (const ProblemMistake &mistake : k.mistakes) {
            if (mistake.formula->symbol() == row.symbol())
                q.slips << ProblemSlip{Formula(*mistake.formula), QString::fromUtf16(mistake.text)};
        }
        p.questions << q;
    }
    for (int i = 0; i < p.questions.size(); ++i)
        work(p.questions[i], p.known(i));
    const bool hasVolume = std::any_of(p.questions.cbegin(), p.questions.cend(),
                                       [](const AskedQuestion &q) { return q.symbol() == u"V"_s; });
    if (material >= 0 && k.weighable && hasVolume) {
        Q_ASSERT(material < materialCount);
        p.material = material;
        p.data.insert(u"ps"_s, Value(Rational::fraction(materials[material].psTenths, 10)));
        const int last = int(p.questions.size());
        AskedQuestion weight = weightQuestion(wording.kilograms);
        work(weight, p.known(last));
        // In kg only where a pupil can write it to the hundredth.
        const Rational factor = weight.value.isPlain() ? weight.value.plain() : weight.value.pi();
        if (wording.kilograms && !factor.hundredths()) {
            weight = weightQuestion(false);
            work(weight, p.known(last));
        }
        p.questions << weight;
    }
    return p;
}

QList<Relation> ProblemSet::relationsFor(int number, int first, int second, int third, bool secondIsX) const
{
    const ProblemKind &k = kind(number);
    QList<Relation> out;
    if (!k.pair.isSet())
        return out;
    const Symbols drawn = k.shape.symbols(first, second, third);
    for (int r = int(Relation::ByValue) + 1; r < RelationCount; ++r) {
        if (GivenPair::of(k.pair, Relation(r), secondIsX, drawn))
            out << Relation(r);
    }
    return out;
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
    Wording wording;
    wording.kilograms = weighed && random.between(0, 1) == 1;
    // In kg, a material whose weight has two decimals at most in kg.
    QList<int> materials;
    for (int m = 0; weighed && m < materialCount; ++m) {
        if (!wording.kilograms || make(number, first, second, third, m, wording).questions.constLast().unit() == u"kg"_s)
            materials << m;
    }
    if (weighed && materials.isEmpty()) {
        wording.kilograms = false;
        for (int m = 0; m < materialCount; ++m)
            materials << m;
    }
    const int material = weighed ? materials.at(random.between(0, int(materials.size()) - 1)) : -1;
    if (k.pair.isSet() && random.between(0, 1) == 1) {
        wording.secondIsX = random.between(0, 1) == 1;
        const QList<Relation> relations = relationsFor(number, first, second, third, wording.secondIsX);
        if (!relations.isEmpty())
            wording.relation = relations.at(random.between(0, int(relations.size()) - 1));
    }
    return make(number, first, second, third, material, wording);
}
