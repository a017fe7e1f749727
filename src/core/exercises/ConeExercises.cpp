// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ConeExercises.h"

#include "Quantities.h"
#include "RoundSolids.h"
#include "Triples.h"
#include "Working.h"
#include "common/Checked16.h"

#include <iterator>

using namespace Qt::Literals::StringLiterals;
using Working::equals;
using Working::n;
using Working::piResult;
using Working::squared;
using Working::timesPi;

namespace ConeExercises {

namespace {

// The places of the figure: the radius on Lbla, the apothem on lblb, the
// height on Lblalt.
int r(const Measures &m) { return m.a; }
int a(const Measures &m) { return m.b; }
int h(const Measures &m) { return m.c; }

// Each quantity as the number that multiplies π. One leg of every triple
// is a multiple of 3, so the volume is whole.
int volume(const Measures &m) { return RoundSolids::coneVolume(r(m), h(m)); }
int lateral(const Measures &m) { return RoundSolids::coneLateral(r(m), a(m)); }
int total(const Measures &m) { return lateral(m) + RoundSolids::circle(r(m)); }

QString volumeGiven(const Measures &m) { return Working::givenTimesPi(u"Volume", volume(m), u"cmc"); }

// The formulas, each written once: the worked solutions begin with them and
// the formula sheet lists them.
constexpr QStringView Circumference = u"2p = 2 · π · r";
constexpr QStringView BaseArea = u"Ab = π · r²";
constexpr QStringView Lateral = u"Sl = π · r · a";
constexpr QStringView Total = u"St = π · r · (r + a)";
constexpr QStringView Volume = u"V = π · r² · h : 3";
constexpr QStringView Apothem = u"a = √(r² + h²)";
constexpr QStringView Height = u"h = √(a² − r²)";
constexpr QStringView HeightFromVolume = u"h = 3 · V : (π · r²)";

FormulaSheet sheet()
{
    FormulaSheet f;
    f.title = u"Cono"_s;
    f.direct = Formulas::list({Circumference, BaseArea, Lateral, Total, Volume});
    f.inverse = Formulas::list({HeightFromVolume});
    f.pythagoras = Formulas::list({Apothem, Height});
    f.notes = QStringList{Formulas::piNote()};
    f.legend = QList<FormulaSheet::Symbol>{{u"a"_s, u"apotema"_s}} + Formulas::legend({u"r"_s, u"h"_s, u"2p"_s, u"Ab"_s, u"Sl"_s, u"St"_s, u"V"_s, u"π"_s});
    return f;
}

QString volumeWorked(const Measures &m)
{
    return equals({Volume, u"π · "_s + squared(r(m)) + u" · "_s + n(h(m)) + u" : 3"_s,
                   piResult(volume(m), u"cmc")});
}
QString lateralWorked(const Measures &m)
{
    return equals({Lateral, QStringLiteral("π · %1 · %2").arg(r(m)).arg(a(m)), piResult(lateral(m), u"cmq")});
}
QString totalWorked(const Measures &m)
{
    return equals({Total, QStringLiteral("π · %1 · (%1 + %2)").arg(r(m)).arg(a(m)),
                   piResult(total(m), u"cmq")});
}
QString apothemWorked(const Measures &m)
{
    return equals({Apothem, QStringLiteral("√(%1 + %2)").arg(r(m) * r(m)).arg(h(m) * h(m)),
                   n(a(m)) + u" cm"_s});
}
QString heightWorked(const Measures &m)
{
    return equals({Height, QStringLiteral("√(%1 − %2)").arg(a(m) * a(m)).arg(r(m) * r(m)),
                   n(h(m)) + u" cm"_s});
}
QString heightFromVolumeWorked(const Measures &m)
{
    return equals({HeightFromVolume, u"3 · "_s + timesPi(volume(m)) + u" : (π · "_s + squared(r(m)) + u')',
                   QStringLiteral("%1 : %2").arg(3 * volume(m)).arg(r(m) * r(m)), n(h(m)) + u" cm"_s});
}

// The five smallest triples keep k · 3,14 within seven characters.
constexpr DrawRange SmallTriple{1, 5};
constexpr DrawRange EitherLeg{0, 1};

constexpr ExerciseKind Kinds[] = {
    // triple     turn       question                X                given        expected            worked solution         unit    traits
    {SmallTriple, EitherLeg, u"Volume",              NoPlace,         nullptr,     Asked::of<volume>,  volumeWorked,           u"cmc", TimesPi},
    {SmallTriple, EitherLeg, u"Superficie laterale", NoPlace,         nullptr,     Asked::of<lateral>, lateralWorked,          u"cmq", TimesPi},
    {SmallTriple, EitherLeg, u"Superficie totale",   NoPlace,         nullptr,     Asked::of<total>,   totalWorked,            u"cmq", TimesPi},
    {SmallTriple, EitherLeg, u"Apotema",             PlaceB,          nullptr,     Asked::of<a>,       apothemWorked,          u"cm"},
    {SmallTriple, EitherLeg, u"Altezza",             PlaceC,          nullptr,     Asked::of<h>,       heightWorked,           u"cm"},
    {SmallTriple, EitherLeg, u"Altezza",             PlaceB | PlaceC, volumeGiven, Asked::of<h>,       heightFromVolumeWorked, u"cm",  PiGiven},
};
static_assert(std::size(Kinds) == KindCount);

constexpr quint32 Pythagoras = kinds({4, 5});

constexpr LikelyMistake Mistakes[] = {
    {[](const Measures &m) { return r(m) * r(m) * h(m); }, u"Hai dimenticato di dividere per 3.", kinds({1})},
    {[](const Measures &m) { return r(m) * h(m); }, u"Hai usato l'altezza al posto dell'apotema.", kinds({2, 3})},
    {[](const Measures &m) { return 2 * r(m) * a(m); }, u"Hai usato il diametro al posto del raggio."},
    {lateral, u"Hai calcolato la superficie laterale: manca l'area di base."},
    {total, u"Hai calcolato la superficie totale."},
    {volume, u"Hai calcolato il volume."},
    {[](const Measures &m) { return r(m) * r(m); }, u"Hai calcolato l'area di base."},
    {[](const Measures &m) { return r(m) + h(m); }, u"Hai sommato i cateti: si sommano i loro quadrati.", Pythagoras},
    {[](const Measures &m) { return a(m) - r(m); }, u"Hai sottratto i lati: si sottraggono i loro quadrati.", Pythagoras},
    {[](const Measures &m) { return r(m) * r(m) + h(m) * h(m); }, u"Hai dimenticato la radice quadrata.", Pythagoras},
    {[](const Measures &m) { return a(m) * a(m) - r(m) * r(m); }, u"Hai dimenticato la radice quadrata.", Pythagoras},
};

// The radius and the height are the triple's legs, the apothem its hypotenuse.
Measures cone(qint16 triple, qint16 turned, qint16)
{
    const Triples::Triple t = Triples::nth(triple, turned);
    return {t.p, t.r, t.q, 0};
}

constexpr ExerciseSet Cone{Kinds, KindCount, ExerciseSet::FirstAndStep, PlacesABC, cone, Mistakes,
                           int(std::size(Mistakes)), sheet,
    {u"r", u"a", u"h", nullptr}};

} // namespace

const ExerciseSet &set()
{
    return Cone;
}

} // namespace ConeExercises
