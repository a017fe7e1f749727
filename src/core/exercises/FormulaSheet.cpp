// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FormulaSheet.h"

#include <iterator>

using namespace Qt::Literals::StringLiterals;

bool FormulaSheet::holds(const QString &formula) const
{
    return direct.contains(formula) || inverse.contains(formula) || pythagoras.contains(formula);
}

QStringList FormulaSheet::lines() const
{
    QStringList out{title};
    const auto section = [&out](const QString &heading, const QStringList &formulas) {
        if (formulas.isEmpty())
            return;
        out << heading;
        out << formulas;
    };
    section(Formulas::directTitle(), direct);
    section(Formulas::inverseTitle(), inverse);
    section(Formulas::pythagorasTitle(), pythagoras);
    out << notes;
    if (!legend.isEmpty()) {
        out << Formulas::legendTitle();
        for (const Symbol &s : legend)
            out << s.symbol + u" = "_s + s.meaning;
    }
    return out;
}

namespace Formulas {

QString directTitle() { return u"Formule dirette"_s; }
QString inverseTitle() { return u"Formule inverse"_s; }
QString pythagorasTitle() { return u"Teorema di Pitagora"_s; }
QString legendTitle() { return u"Legenda"_s; }
QString piNote() { return u"π ≈ 3,14"_s; }

namespace {

struct Meaning
{
    const char16_t *symbol;
    const char16_t *meaning;
};

// What a symbol means wherever it is written.
constexpr Meaning Common[] = {
    {u"2p", u"perimetro di base"},
    {u"p", u"semiperimetro di base"},
    {u"Ab", u"area di base"},
    {u"Sl", u"superficie laterale"},
    {u"St", u"superficie totale"},
    {u"S", u"superficie della sfera"},
    {u"V", u"volume"},
    {u"d", u"diagonale"},
    {u"d1", u"diagonale minore"},
    {u"d2", u"diagonale maggiore"},
    {u"h", u"altezza"},
    {u"r", u"raggio"},
    {u"π", u"pi greco"},
    {u"i", u"ipotenusa"},
    {u"hc", u"altezza del cono"},
    {u"hp", u"altezza della piramide"},
    {u"c1", u"cateto sull'asse di rotazione"},
    {u"c2", u"altro cateto"},
    {u"B", u"base maggiore"},
    {u"b", u"base minore"},
    {u"C", u"capacità"},
    {u"ps", u"peso specifico"},
    {u"P", u"peso"},
};

} // namespace

QStringList list(std::initializer_list<QStringView> formulas)
{
    QStringList out;
    for (QStringView formula : formulas)
        out.append(formula.toString());
    return out;
}

QList<FormulaSheet::Symbol> legend(const QStringList &symbols)
{
    QList<FormulaSheet::Symbol> out;
    for (const QString &symbol : symbols) {
        for (const Meaning &m : Common) {
            if (symbol == QStringView(m.symbol))
                out.append({symbol, QString::fromUtf16(m.meaning)});
        }
    }
    return out;
}

} // namespace Formulas
