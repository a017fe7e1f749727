// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PrismExercises.h"

#include "Quantities.h"
#include "Triples.h"
#include "Working.h"
#include "common/Checked16.h"

#include <iterator>

using namespace Qt::Literals::StringLiterals;
using Working::equals;
using Working::n;

namespace PrismExercises {

namespace {

// The places of the figure: the legs on Lbla and lblb, the height on
// Lblalt, the hypotenuse on lblc.
int a(const Measures &m) { return m.a; }
int b(const Measures &m) { return m.b; }
int h(const Measures &m) { return m.c; }
int c(const Measures &m) { return m.d; }

int basePerimeter(const Measures &m) { return a(m) + b(m) + c(m); }
int baseArea(const Measures &m) { return a(m) * b(m) / 2; }
int lateral(const Measures &m) { return basePerimeter(m) * h(m); }
int total(const Measures &m) { return lateral(m) + 2 * baseArea(m); }
int volume(const Measures &m) { return baseArea(m) * h(m); }

QString lateralGiven(const Measures &m)
{
    return u"Superficie laterale= "_s + QString::number(to16(lateral(m))) + u" cmq"_s;
}

QString sides(const Measures &m) { return QStringLiteral("(%1 + %2 + %3)").arg(a(m)).arg(b(m)).arg(c(m)); }

// The formulas, each written once: the worked solutions begin with them and
// the formula sheet lists them.
constexpr QStringView Perimeter = u"2p = a + b + c";
constexpr QStringView BaseArea = u"Ab = a · b : 2";
constexpr QStringView Lateral = u"Sl = (a + b + c) · h";
constexpr QStringView Total = u"St = (a + b + c) · h + a · b";
constexpr QStringView Volume = u"V = a · b : 2 · h";
constexpr QStringView Hypotenuse = u"c = √(a² + b²)";
constexpr QStringView LegA = u"a = √(c² − b²)";
constexpr QStringView LegB = u"b = √(c² − a²)";
constexpr QStringView HeightFromLateral = u"h = Sl : (a + b + c)";

FormulaSheet sheet()
{
    FormulaSheet f;
    f.title = u"Prisma"_s;
    f.direct = Formulas::list({Perimeter, BaseArea, Lateral, Total, Volume});
    f.inverse = Formulas::list({HeightFromLateral});
    f.pythagoras = Formulas::list({Hypotenuse, LegA, LegB});
    f.legend = QList<FormulaSheet::Symbol>{{u"a"_s, u"un cateto del triangolo di base"_s},
                                           {u"b"_s, u"l'altro cateto"_s},
                                           {u"c"_s, u"ipotenusa del triangolo di base"_s}}
        + Formulas::legend({u"h"_s, u"2p"_s, u"Ab"_s, u"Sl"_s, u"St"_s, u"V"_s});
    return f;
}

QString volumeWorked(const Measures &m)
{
    return equals({Volume, QStringLiteral("%1 · %2 : 2 · %3").arg(a(m)).arg(b(m)).arg(h(m)),
                   n(volume(m)) + u" cmc"_s});
}
QString lateralWorked(const Measures &m)
{
    return equals({Lateral, sides(m) + u" · "_s + n(h(m)), n(lateral(m)) + u" cmq"_s});
}
QString totalWorked(const Measures &m)
{
    return equals({Total,
                   sides(m) + QStringLiteral(" · %1 + %2 · %3").arg(h(m)).arg(a(m)).arg(b(m)),
                   n(total(m)) + u" cmq"_s});
}
QString hypotenuseWorked(const Measures &m)
{
    return equals({Hypotenuse, QStringLiteral("√(%1 + %2)").arg(a(m) * a(m)).arg(b(m) * b(m)),
                   n(c(m)) + u" cm"_s});
}
QString heightWorked(const Measures &m)
{
    return equals({HeightFromLateral, QStringLiteral("%1 : %2").arg(lateral(m)).arg(basePerimeter(m)),
                   n(h(m)) + u" cm"_s});
}
QString legAWorked(const Measures &m)
{
    return equals({LegA, QStringLiteral("√(%1 − %2)").arg(c(m) * c(m)).arg(b(m) * b(m)),
                   n(a(m)) + u" cm"_s});
}
QString legBWorked(const Measures &m)
{
    return equals({LegB, QStringLiteral("√(%1 − %2)").arg(c(m) * c(m)).arg(a(m) * a(m)),
                   n(b(m)) + u" cm"_s});
}

constexpr DrawRange AnyTriple{1, Triples::Count};
constexpr DrawRange Height{2, 12};

constexpr ExerciseKind Kinds[] = {
    // triple   h       question                X        given         expected            worked solution
    {AnyTriple, Height, u"Volume",              NoPlace, nullptr,      Asked::of<volume>,  volumeWorked},
    {AnyTriple, Height, u"Superficie laterale", NoPlace, nullptr,      Asked::of<lateral>, lateralWorked},
    {AnyTriple, Height, u"Superficie totale",   NoPlace, nullptr,      Asked::of<total>,   totalWorked},
    {AnyTriple, Height, u"Ipotenusa",           PlaceD,  nullptr,      Asked::of<c>,       hypotenuseWorked},
    {AnyTriple, Height, u"Altezza",             PlaceC,  lateralGiven, Asked::of<h>,       heightWorked},
    {AnyTriple, Height, u"Cateto a",            PlaceA,  nullptr,      Asked::of<a>,       legAWorked},
    {AnyTriple, Height, u"Cateto b",            PlaceB,  nullptr,      Asked::of<b>,       legBWorked},
};
static_assert(std::size(Kinds) == KindCount);

// A box's formulas on a triangle's base, and Pythagoras with the sides
// added instead of their squares, or the root left out.
constexpr quint32 Pythagoras = kinds({4, 6, 7});

constexpr LikelyMistake Mistakes[] = {
    {[](const Measures &m) { return a(m) * b(m) * h(m); },
     u"Hai calcolato il volume di un parallelepipedo: l'area del triangolo di base è a · b : 2.", kinds({1})},
    {[](const Measures &m) { return 2 * (a(m) + b(m)) * h(m); },
     u"Hai usato la formula del parallelepipedo: il perimetro di base è a + b + c.", kinds({2, 3})},
    {volume, u"Hai calcolato il volume."},
    {lateral, u"Hai calcolato la superficie laterale."},
    {total, u"Hai calcolato la superficie totale."},
    {baseArea, u"Hai calcolato l'area di base."},
    {basePerimeter, u"Hai calcolato il perimetro di base."},
    {[](const Measures &m) { return a(m) + b(m); }, u"Hai sommato i cateti: si sommano i loro quadrati.", Pythagoras},
    {[](const Measures &m) { return c(m) - b(m); }, u"Hai sottratto i lati: si sottraggono i loro quadrati.", Pythagoras},
    {[](const Measures &m) { return c(m) - a(m); }, u"Hai sottratto i lati: si sottraggono i loro quadrati.", Pythagoras},
    {[](const Measures &m) { return a(m) * a(m) + b(m) * b(m); }, u"Hai dimenticato la radice quadrata.", Pythagoras},
    {[](const Measures &m) { return c(m) * c(m) - b(m) * b(m); }, u"Hai dimenticato la radice quadrata.", Pythagoras},
    {[](const Measures &m) { return c(m) * c(m) - a(m) * a(m); }, u"Hai dimenticato la radice quadrata.", Pythagoras},
};

Measures prism(qint16 triple, qint16 height, qint16 turned)
{
    const Triples::Triple t = Triples::nth(triple, turned);
    return {t.p, t.q, height, t.r};
}

constexpr ExerciseSet Prism{Kinds, KindCount, ExerciseSet::FirstStepAndTurn, PlacesABC | PlaceD, prism,
                            Mistakes, int(std::size(Mistakes)), sheet,
    {u"a", u"b", u"h", u"c"}};

} // namespace

const ExerciseSet &set()
{
    return Prism;
}

} // namespace PrismExercises
