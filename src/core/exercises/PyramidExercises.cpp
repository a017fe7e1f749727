// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PyramidExercises.h"

#include "Quantities.h"
#include "Triples.h"
#include "Working.h"
#include "common/Checked16.h"

#include <iterator>

using namespace Qt::Literals::StringLiterals;
using Working::equals;
using Working::n;
using Working::squared;

namespace PyramidExercises {

namespace {

// The places of the figure: the side on Lbla, the apothem on lblb, the
// height on Lblalt.
int l(const Measures &m) { return m.a; }
int a(const Measures &m) { return m.b; }
int h(const Measures &m) { return m.c; }
int halfSide(const Measures &m) { return m.a / 2; }

int baseArea(const Measures &m) { return l(m) * l(m); }
int lateral(const Measures &m) { return 2 * l(m) * a(m); }
int total(const Measures &m) { return lateral(m) + baseArea(m); }
// One leg of every triple is a multiple of 3, so the volume is whole.
int volume(const Measures &m) { return baseArea(m) * h(m) / 3; }

QString volumeGiven(const Measures &m) { return Working::given(u"Volume", volume(m), u"cmc"); }

// The formulas, each written once: the worked solutions begin with them and
// the formula sheet lists them.
constexpr QStringView Perimeter = u"2p = 4 · l";
constexpr QStringView BaseArea = u"Ab = l²";
constexpr QStringView Lateral = u"Sl = 2 · l · a";
constexpr QStringView Total = u"St = 2 · l · a + l²";
constexpr QStringView Volume = u"V = l² · h : 3";
constexpr QStringView Apothem = u"a = √((l : 2)² + h²)";
constexpr QStringView Height = u"h = √(a² − (l : 2)²)";
constexpr QStringView HeightFromVolume = u"h = 3 · V : l²";

FormulaSheet sheet()
{
    FormulaSheet f;
    f.title = u"Piramide"_s;
    f.direct = Formulas::list({Perimeter, BaseArea, Lateral, Total, Volume});
    f.inverse = Formulas::list({HeightFromVolume});
    f.pythagoras = Formulas::list({Apothem, Height});
    f.legend = QList<FormulaSheet::Symbol>{{u"l"_s, u"lato di base"_s}, {u"a"_s, u"apotema"_s}}
        + Formulas::legend({u"h"_s, u"2p"_s, u"Ab"_s, u"Sl"_s, u"St"_s, u"V"_s});
    return f;
}

QString volumeWorked(const Measures &m)
{
    return equals({Volume, squared(l(m)) + u" · "_s + n(h(m)) + u" : 3"_s, n(volume(m)) + u" cmc"_s});
}
QString lateralWorked(const Measures &m)
{
    return equals({Lateral, QStringLiteral("2 · %1 · %2").arg(l(m)).arg(a(m)), n(lateral(m)) + u" cmq"_s});
}
QString totalWorked(const Measures &m)
{
    return equals({Total, QStringLiteral("2 · %1 · %2 + ").arg(l(m)).arg(a(m)) + squared(l(m)),
                   n(total(m)) + u" cmq"_s});
}
QString apothemWorked(const Measures &m)
{
    return equals({Apothem,
                   QStringLiteral("√(%1 + %2)").arg(halfSide(m) * halfSide(m)).arg(h(m) * h(m)), n(a(m)) + u" cm"_s});
}
QString heightWorked(const Measures &m)
{
    return equals({Height,
                   QStringLiteral("√(%1 − %2)").arg(a(m) * a(m)).arg(halfSide(m) * halfSide(m)), n(h(m)) + u" cm"_s});
}
QString heightFromVolumeWorked(const Measures &m)
{
    return equals({HeightFromVolume, QStringLiteral("3 · %1 : %2").arg(volume(m)).arg(baseArea(m)),
                   n(h(m)) + u" cm"_s});
}

constexpr DrawRange AnyTriple{1, Triples::Count};
constexpr DrawRange EitherLeg{0, 1};

constexpr ExerciseKind Kinds[] = {
    // triple   turn       question                X                given        expected            worked solution         unit
    {AnyTriple, EitherLeg, u"Volume",              NoPlace,         nullptr,     Asked::of<volume>,  volumeWorked,           u"cmc"},
    {AnyTriple, EitherLeg, u"Superficie laterale", NoPlace,         nullptr,     Asked::of<lateral>, lateralWorked,          u"cmq"},
    {AnyTriple, EitherLeg, u"Superficie totale",   NoPlace,         nullptr,     Asked::of<total>,   totalWorked,            u"cmq"},
    {AnyTriple, EitherLeg, u"Apotema",             PlaceB,          nullptr,     Asked::of<a>,       apothemWorked,          u"cm"},
    {AnyTriple, EitherLeg, u"Altezza",             PlaceC,          nullptr,     Asked::of<h>,       heightWorked,           u"cm"},
    {AnyTriple, EitherLeg, u"Altezza",             PlaceB | PlaceC, volumeGiven, Asked::of<h>,       heightFromVolumeWorked, u"cm"},
};
static_assert(std::size(Kinds) == KindCount);

constexpr quint32 Pythagoras = kinds({4, 5});

constexpr LikelyMistake Mistakes[] = {
    {[](const Measures &m) { return baseArea(m) * h(m); }, u"Hai dimenticato di dividere per 3.", kinds({1})},
    {[](const Measures &m) { return 2 * l(m) * h(m); }, u"Hai usato l'altezza al posto dell'apotema.", kinds({2, 3})},
    {[](const Measures &m) { return 4 * l(m) * a(m); }, u"Hai dimenticato di dividere per 2: Sl = perimetro · apotema : 2."},
    {lateral, u"Hai calcolato la superficie laterale: manca l'area di base."},
    {total, u"Hai calcolato la superficie totale."},
    {volume, u"Hai calcolato il volume."},
    {baseArea, u"Hai calcolato l'area di base."},
    {[](const Measures &m) { return 4 * l(m); }, u"Hai calcolato il perimetro di base."},
    {[](const Measures &m) { return halfSide(m) + h(m); }, u"Hai sommato i cateti: si sommano i loro quadrati.", Pythagoras},
    {[](const Measures &m) { return a(m) - halfSide(m); }, u"Hai sottratto i lati: si sottraggono i loro quadrati.", Pythagoras},
    {[](const Measures &m) { return halfSide(m) * halfSide(m) + h(m) * h(m); }, u"Hai dimenticato la radice quadrata.", Pythagoras},
    {[](const Measures &m) { return a(m) * a(m) - halfSide(m) * halfSide(m); }, u"Hai dimenticato la radice quadrata.", Pythagoras},
};

// Half the side and the height are the triple's legs, the apothem its hypotenuse.
Measures pyramid(qint16 triple, qint16 turned, qint16)
{
    const Triples::Triple t = Triples::nth(triple, turned);
    return {to16(2 * t.p), t.r, t.q, 0};
}

constexpr ExerciseSet Pyramid{Kinds, KindCount, ExerciseSet::FirstAndStep, PlacesABC, pyramid, Mistakes,
                              int(std::size(Mistakes)), sheet,
    {u"l", u"a", u"h", nullptr}};

} // namespace

const ExerciseSet &set()
{
    return Pyramid;
}

} // namespace PyramidExercises
