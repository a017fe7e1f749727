// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Relation.h"

#include "exercises/FormulaTable.h"

#include <QRegularExpression>
#include <numeric>

using namespace Qt::Literals::StringLiterals;
namespace Table = FormulaTable::Relation;

namespace {

constexpr qint64 LargestTerm = 9;

// "della diagonale minore" from "la diagonale minore".
QString of(const QString &name)
{
    static const std::pair<QStringView, QStringView> articles[] = {
        {u"la ", u"della "}, {u"il ", u"del "}, {u"lo ", u"dello "}, {u"l'", u"dell'"},
        {u"i ", u"dei "},    {u"le ", u"delle "}, {u"gli ", u"degli "},
    };
    for (const auto &[article, joined] : articles) {
        if (name.startsWith(article))
            return joined.toString() + name.mid(article.size());
    }
    return u"di "_s + name;
}

QString capitalized(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

// The generic formula with x and y become the pair's symbols.
Formula renamed(const FormulaEntry &entry, const QString &x, const QString &y)
{
    QString text = QString::fromUtf16(entry.text);
    static const QRegularExpression letterX(u"(?<!\\w)x(?!\\w)"_s);
    static const QRegularExpression letterY(u"(?<!\\w)y(?!\\w)"_s);
    text.replace(letterX, u"\u0001"_s).replace(letterY, y).replace(u'\u0001', x);
    return Formula(text);
}

ProblemStep step(const FormulaEntry &entry, const QString &x, const QString &y)
{
    return {renamed(entry, x, y), QString::fromUtf16(entry.unit)};
}

} // namespace

std::optional<GivenPair> GivenPair::of(const MeasurePair &pair, Relation relation, bool secondIsX, const Symbols &data)
{
    GivenPair given;
    given.m_pair = &pair;
    given.m_relation = relation;
    for (int i = 0; i < 2; ++i) {
        const Value v = data.value(QString::fromUtf16(pair.symbols[i]), Value::invalid());
        if (!v.isValid() || !v.isPlain())
            return std::nullopt;
        given.m_values[i] = v.plain();
    }
    const Rational difference = given.m_values[1] - given.m_values[0];
    switch (relation) {
    case Relation::ByValue:
        return given;
    case Relation::SumAndDifference:
        if (difference.isZero())
            return std::nullopt;
        given.m_x = difference.isNegative() ? 0 : 1; // the larger
        return given;
    case Relation::SumAndRatio:
    case Relation::DifferenceAndRatio:
    case Relation::FractionOfDatum:
        break;
    }
    given.m_x = secondIsX ? 1 : 0;
    const Rational ratio = given.m_values[given.m_x] / given.m_values[1 - given.m_x];
    if (!ratio.isValid() || ratio.numerator() < 1 || ratio.numerator() > LargestTerm || ratio.denominator() > LargestTerm
        || ratio.numerator() == ratio.denominator())
        return std::nullopt;
    given.m_m = ratio.numerator();
    given.m_n = ratio.denominator();
    return given;
}

Symbols GivenPair::symbols() const
{
    Symbols s;
    if (m_relation == Relation::ByValue)
        return s;
    const Rational difference = m_values[m_x] - m_values[1 - m_x];
    s.insert(u"s"_s, Value(m_values[0] + m_values[1]));
    s.insert(u"k"_s, Value(xIsLarger() ? difference : Rational(0) - difference));
    if (m_relation != Relation::SumAndDifference) {
        s.insert(u"m"_s, Value(m_m));
        s.insert(u"n"_s, Value(m_n));
    }
    return s;
}

QString GivenPair::larger() const
{
    const QString x = symbol(m_x);
    const QString y = symbol(1 - m_x);
    return xIsLarger() ? x + u" − "_s + y : y + u" − "_s + x;
}

QString GivenPair::fraction() const
{
    return u"%1/%2"_s.arg(m_m).arg(m_n);
}

QStringList GivenPair::dataLines() const
{
    const QString x = symbol(m_x);
    const QString y = symbol(1 - m_x);
    const QString cm = u" cm"_s;
    const Symbols s = symbols();
    const QString ratio = x + u" = "_s + fraction() + u" · "_s + y;
    const QString difference = larger() + u" = "_s + s.value(u"k"_s).text() + cm;
    switch (m_relation) {
    case Relation::ByValue:
        return {symbol(0) + u" = "_s + m_values[0].text() + cm, symbol(1) + u" = "_s + m_values[1].text() + cm};
    case Relation::SumAndRatio:
        return {x + u" + "_s + y + u" = "_s + s.value(u"s"_s).text() + cm, ratio};
    case Relation::DifferenceAndRatio:
        return {difference, ratio};
    case Relation::SumAndDifference:
        return {x + u" + "_s + y + u" = "_s + s.value(u"s"_s).text() + cm, difference};
    case Relation::FractionOfDatum:
        return {y + u" = "_s + m_values[1 - m_x].text() + cm, ratio};
    }
    return {};
}

QString GivenPair::sentence() const
{
    const QString both = m_pair->both ? QString::fromUtf16(m_pair->both) : ::of(name(0)) + u" e "_s + ::of(name(1));
    const Symbols s = symbols();
    const QString part = (m_m == 1 ? QString() : u"i "_s) + fraction();
    const QString xOfY = name(m_x) + u" è "_s + part + u' ' + ::of(name(1 - m_x));
    switch (m_relation) {
    case Relation::ByValue:
        return capitalized(name(0) + u" misura "_s + m_values[0].text() + u" cm e "_s + name(1) + u' '
                           + m_values[1].text() + u" cm"_s);
    case Relation::SumAndRatio:
        return u"La somma "_s + both + u" misura "_s + s.value(u"s"_s).text() + u" cm e "_s + xOfY;
    case Relation::DifferenceAndRatio:
        return u"La differenza "_s + both + u" misura "_s + s.value(u"k"_s).text() + u" cm e "_s + xOfY;
    case Relation::SumAndDifference:
        return u"La somma "_s + both + u" misura "_s + s.value(u"s"_s).text() + u" cm e "_s + name(m_x)
               + u" supera "_s + name(1 - m_x) + u" di "_s + s.value(u"k"_s).text() + u" cm"_s;
    case Relation::FractionOfDatum:
        return capitalized(name(1 - m_x) + u" misura "_s + m_values[1 - m_x].text() + u" cm e "_s + xOfY);
    }
    return {};
}

QList<AskedQuestion> GivenPair::questions() const
{
    if (m_relation == Relation::ByValue)
        return {};
    const QString x = symbol(m_x);
    const QString y = symbol(1 - m_x);
    const QString half = u"Hai dimenticato di dividere per 2."_s;
    QList<AskedQuestion> out;
    auto ask = [&](int i) -> AskedQuestion & {
        out.append(AskedQuestion{QString::fromUtf16(m_pair->questions[i]), {}, {}, {}, {}});
        return out.last();
    };
    switch (m_relation) {
    case Relation::ByValue:
        break;
    case Relation::SumAndRatio:
    case Relation::DifferenceAndRatio: {
        const bool sum = m_relation == Relation::SumAndRatio;
        const FormulaEntry &part = sum ? Table::PartOfSum
                                       : (m_m > m_n ? Table::PartOfDifferenceAbove : Table::PartOfDifferenceBelow);
        const QString byOneTerm =
            sum ? u"Hai diviso la somma per un solo termine della frazione: va divisa per il numero delle parti, %1 + %2 = %3."_s
                      .arg(m_m).arg(m_n).arg(m_m + m_n)
                : u"Hai diviso la differenza per un solo termine della frazione: va divisa per la differenza delle parti, %1 − %2 = %3."_s
                      .arg(std::max(m_m, m_n)).arg(std::min(m_m, m_n)).arg(std::abs(m_m - m_n));
        const QString onePart = u"Hai trovato una parte sola (u): moltiplicala per il numero delle parti."_s;
        for (int i = 0; i < 2; ++i) {
            AskedQuestion &q = ask(i);
            if (i == 0)
                q.steps << step(part, x, y);
            const bool isX = i == m_x;
            q.steps << step(isX ? Table::XOfParts : Table::YOfParts, x, y);
            const FormulaEntry &slip = isX ? (sum ? Table::XOfSumByDenominator : Table::XOfDifferenceByDenominator)
                                           : (sum ? Table::YOfSumByNumerator : Table::YOfDifferenceByNumerator);
            q.slips << ProblemSlip{renamed(slip, x, y), byOneTerm}
                    << ProblemSlip{renamed(isX ? Table::XIsOnePart : Table::YIsOnePart, x, y), onePart};
        }
        break;
    }
    case Relation::SumAndDifference:
        for (int i = 0; i < 2; ++i) {
            AskedQuestion &q = ask(i);
            const bool isX = i == m_x;
            q.steps << step(isX ? Table::LargerOfSum : Table::SmallerOfSum, x, y);
            q.slips << ProblemSlip{renamed(isX ? Table::LargerNoHalf : Table::SmallerNoHalf, x, y), half};
        }
        break;
    case Relation::FractionOfDatum: {
        AskedQuestion &q = ask(m_x);
        q.steps << step(Table::FractionOfY, x, y);
        q.slips << ProblemSlip{renamed(Table::FractionUpsideDown, x, y),
                               u"Hai capovolto la frazione: si moltiplica per il numeratore e si divide per il denominatore."_s};
        break;
    }
    }
    return out;
}

QList<FormulaSheet::Symbol> GivenPair::legend() const
{
    const QString x = symbol(m_x);
    const QString y = symbol(1 - m_x);
    QList<FormulaSheet::Symbol> out;
    switch (m_relation) {
    case Relation::ByValue:
        return out;
    case Relation::SumAndRatio:
    case Relation::SumAndDifference:
        out.append({u"s"_s, u"somma: "_s + x + u" + "_s + y});
        break;
    case Relation::DifferenceAndRatio:
    case Relation::FractionOfDatum:
        break;
    }
    if (m_relation == Relation::DifferenceAndRatio || m_relation == Relation::SumAndDifference)
        out.append({u"k"_s, u"differenza: "_s + larger()});
    if (m_relation != Relation::SumAndDifference) {
        out.append({u"m"_s, u"numeratore della frazione: "_s + x + u" = m/n · "_s + y});
        out.append({u"n"_s, u"denominatore della frazione"_s});
    }
    if (m_relation == Relation::SumAndRatio || m_relation == Relation::DifferenceAndRatio)
        out.append({u"u"_s, u"una delle parti uguali (segmento unitario)"_s});
    return out;
}
