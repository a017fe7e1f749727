// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ProblemKinds.h"

#include "exercises/ConeExercises.h"
#include "exercises/CubeExercises.h"
#include "exercises/CylinderExercises.h"
#include "exercises/PyramidExercises.h"
#include "exercises/RoundSolids.h"
#include "exercises/Triples.h"

#include <iterator>
#include <utility>

using namespace Qt::Literals::StringLiterals;
using RoundSolids::circle;
using RoundSolids::coneLateral;
using RoundSolids::coneVolume;
using RoundSolids::cylinderLateral;
using RoundSolids::cylinderVolume;

namespace ProblemKinds {

namespace {

using D = const ProblemData &;

Exact sumOfSquares(Exact p, Exact q) { return p * p + q * q; }

// Each kind's own quantities, from its data alone: a later question uses
// the right value of an earlier one by working it out again.

// A cylinder with a cone on its top base, or hollowed out of it.
Exact coneApothem(D d) { return root(sumOfSquares(d.r, d.hc)); }
Exact cylinderAndCone(D d) { return circle<Exact>(d.r) + cylinderLateral<Exact>(d.r, d.h) + coneLateral(Exact(d.r), coneApothem(d)); }
Exact cylinderPlusCone(D d) { return cylinderVolume<Exact>(d.r, d.h) + coneVolume<Exact>(d.r, d.hc); }
Exact cylinderLessCone(D d) { return cylinderVolume<Exact>(d.r, d.h) - coneVolume<Exact>(d.r, d.hc); }

// A cube with a regular square pyramid on a face.
Exact pyramidApothem(D d) { return root(sumOfSquares(Exact(d.l) / 2, d.hp)); }
Exact cubeAndPyramid(D d) { return Exact(5 * d.l * d.l) + Exact(2 * d.l) * pyramidApothem(d); }
Exact cubePlusPyramid(D d) { return Exact(d.l * d.l * d.l) + Exact(d.l * d.l * d.hp) / 3; }

// A right triangle turned about a leg, c1 on the axis: a cone of radius c2.
Exact hypotenuse(D d) { return root(sumOfSquares(d.c1, d.c2)); }
Exact coneOfLeg(D d) { return circle<Exact>(d.c2) + coneLateral(Exact(d.c2), hypotenuse(d)); }
Exact coneOfLegVolume(D d) { return coneVolume<Exact>(d.c2, d.c1); }

// Turned about the hypotenuse: two cones base to base, whose radius is the
// height on the hypotenuse and whose apothems are the legs.
Exact twoConesRadius(D d) { return Exact(d.c1 * d.c2) / hypotenuse(d); }
Exact twoCones(D d) { return coneLateral(twoConesRadius(d), Exact(d.c1)) + coneLateral(twoConesRadius(d), Exact(d.c2)); }
Exact twoConesVolume(D d) { return coneVolume(twoConesRadius(d), hypotenuse(d)); }

// A container: its inner volume, and the capacity in litres.
Exact containerVolume(D d) { return cylinderVolume<Exact>(d.r, d.h); }
Exact capacity(D d) { return containerVolume(d) / 1000; }

// A right trapezium turned about a base: h, the leg at right angles to the
// bases, is the radius; B − b the cone's height and the slant side its apothem.
Exact slantSide(D d) { return root(sumOfSquares(d.h, d.B - d.b)); }
Exact aboutMajor(D d) { return circle<Exact>(d.h) + cylinderLateral<Exact>(d.h, d.b) + coneLateral(Exact(d.h), slantSide(d)); }
Exact aboutMajorVolume(D d) { return cylinderVolume<Exact>(d.h, d.b) + coneVolume<Exact>(d.h, d.B - d.b); }
Exact aboutMinor(D d) { return circle<Exact>(d.h) + cylinderLateral<Exact>(d.h, d.B) + coneLateral(Exact(d.h), slantSide(d)); }
Exact aboutMinorVolume(D d) { return cylinderVolume<Exact>(d.h, d.B) - coneVolume<Exact>(d.h, d.B - d.b); }

// The data each kind shows.
Exact r(D d) { return d.r; }
Exact h(D d) { return d.h; }
Exact hc(D d) { return d.hc; }
Exact l(D d) { return d.l; }
Exact hp(D d) { return d.hp; }
Exact c1(D d) { return d.c1; }
Exact c2(D d) { return d.c2; }
Exact B(D d) { return d.B; }
Exact b(D d) { return d.b; }

// The shapes, from the draws: a triple's number and turn, and a third
// measure; the container's radius and its height in tens of centimetres.
Triples::Triple triple(int number, int turned) { return Triples::nth(number, turned); }
ProblemData cylinderWithCone(int t, int turned, int height)
{
    const Triples::Triple legs = triple(t, turned);
    ProblemData d;
    d.r = legs.p;
    d.hc = legs.q;
    d.h = height;
    return d;
}
ProblemData hollowCylinder(int t, int turned, int above)
{
    ProblemData d = cylinderWithCone(t, turned, 0);
    d.h = d.hc + above;
    return d;
}
ProblemData cubeWithPyramid(int t, int, int)
{
    const Triples::Triple legs = triple(t, false);
    ProblemData d;
    d.l = 2 * legs.p;
    d.hp = legs.q;
    return d;
}
ProblemData turnedTriangle(int t, int turned, int)
{
    const Triples::Triple legs = triple(t, turned);
    ProblemData d;
    d.c1 = legs.p;
    d.c2 = legs.q;
    return d;
}
// The radius of the two cones has two decimals at most only where the
// hypotenuse divides the legs' product by 100: the multiples of (3, 4, 5)
// and (7, 24, 25). Their volume is whole, so that the weight can follow it,
// only for (15, 20, 25), the last.
constexpr Triples::Triple AboutHypotenuse[] = {{3, 4, 5}, {6, 8, 10}, {9, 12, 15}, {12, 16, 20}, {7, 24, 25}, {15, 20, 25}};
ProblemData triangleAboutHypotenuse(int t, int turned, int)
{
    Triples::Triple legs = AboutHypotenuse[t - 1];
    if (turned)
        std::swap(legs.p, legs.q);
    ProblemData d;
    d.c1 = legs.p;
    d.c2 = legs.q;
    return d;
}
ProblemData container(int radius, int tens, int)
{
    ProblemData d;
    d.r = radius;
    d.h = 10 * tens;
    return d;
}
ProblemData trapezium(int t, int turned, int minor)
{
    const Triples::Triple legs = triple(t, turned);
    ProblemData d;
    d.h = legs.p;
    d.b = minor;
    d.B = minor + legs.q;
    return d;
}

// The texts, as a textbook words them; each datum by its symbol in braces.
constexpr const char16_t *CylinderWithConeText =
    u"Un solido è formato da un cilindro sormontato da un cono che ha la base coincidente con quella del cilindro. "
    u"Il raggio di base misura {r} cm, l'altezza del cilindro {h} cm e l'altezza del cono {hc} cm.";
constexpr const char16_t *CubeWithPyramidText =
    u"Un solido è formato da un cubo sormontato da una piramide quadrangolare regolare che ha per base una faccia "
    u"del cubo. Lo spigolo del cubo misura {l} cm e l'altezza della piramide {hp} cm.";
constexpr const char16_t *HollowCylinderText =
    u"Un cilindro ha il raggio di base di {r} cm e l'altezza di {h} cm. Nella base superiore è scavata una cavità "
    u"a forma di cono, che ha la stessa base del cilindro e l'altezza di {hc} cm.";
constexpr const char16_t *AboutLegText =
    u"Un triangolo rettangolo ha i cateti di {c1} cm e di {c2} cm e compie una rotazione completa intorno al "
    u"cateto di {c1} cm.";
constexpr const char16_t *AboutHypotenuseText =
    u"Un triangolo rettangolo ha i cateti di {c1} cm e di {c2} cm e compie una rotazione completa intorno "
    u"all'ipotenusa: si ottengono due coni con la base in comune.";
constexpr const char16_t *ContainerText =
    u"Un recipiente ha la forma di un cilindro: all'interno il raggio di base misura {r} cm e l'altezza {h} cm.";
constexpr const char16_t *AboutMajorText =
    u"Un trapezio rettangolo ha la base maggiore di {B} cm, la base minore di {b} cm e l'altezza di {h} cm. Compie "
    u"una rotazione completa intorno alla base maggiore.";
constexpr const char16_t *AboutMinorText =
    u"Un trapezio rettangolo ha la base maggiore di {B} cm, la base minore di {b} cm e l'altezza di {h} cm. Compie "
    u"una rotazione completa intorno alla base minore.";

constexpr ProblemDatum CylinderConeData[] = {{u"r", r, u"cm"}, {u"h", h, u"cm"}, {u"hc", hc, u"cm"}};
constexpr ProblemDatum CubePyramidData[] = {{u"l", l, u"cm"}, {u"hp", hp, u"cm"}};
constexpr ProblemDatum TriangleData[] = {{u"c1", c1, u"cm"}, {u"c2", c2, u"cm"}};
constexpr ProblemDatum ContainerData[] = {{u"r", r, u"cm"}, {u"h", h, u"cm"}};
constexpr ProblemDatum TrapeziumData[] = {{u"B", B, u"cm"}, {u"b", b, u"cm"}, {u"h", h, u"cm"}};

// The questions, in order. Each formula is written once, here; the worked
// step puts the numbers into it.
constexpr const char16_t *TotalSurface = u"Superficie totale del solido";
constexpr const char16_t *Volume = u"Volume del solido";
constexpr ProblemQuestion ConeApothem{u"a", u"Apotema del cono", u"cm", u"a = √(r² + hc²)", coneApothem};
constexpr ProblemQuestion CylinderAndConeSurface{u"St", TotalSurface, u"cmq", u"St = π · r² + 2 · π · r · h + π · r · a",
                                                 cylinderAndCone, true};
constexpr ProblemQuestion Hypotenuse{u"i", u"Ipotenusa", u"cm", u"i = √(c1² + c2²)", hypotenuse};
constexpr ProblemQuestion SlantSide{u"l", u"Lato obliquo del trapezio", u"cm", u"l = √(h² + (B − b)²)", slantSide};
constexpr ProblemQuestion CylinderConeQuestions[] = {
    ConeApothem,
    CylinderAndConeSurface,
    {u"V", Volume, u"cmc", u"V = π · r² · h + π · r² · hc : 3", cylinderPlusCone, true},
};
constexpr ProblemQuestion CubePyramidQuestions[] = {
    {u"a", u"Apotema della piramide", u"cm", u"a = √((l : 2)² + hp²)", pyramidApothem},
    {u"St", TotalSurface, u"cmq", u"St = 5 · l² + 2 · l · a", cubeAndPyramid},
    {u"V", Volume, u"cmc", u"V = l³ + l² · hp : 3", cubePlusPyramid},
};
constexpr ProblemQuestion HollowCylinderQuestions[] = {
    ConeApothem,
    CylinderAndConeSurface,
    {u"V", Volume, u"cmc", u"V = π · r² · h − π · r² · hc : 3", cylinderLessCone, true},
};
constexpr ProblemQuestion AboutLegQuestions[] = {
    Hypotenuse,
    {u"St", TotalSurface, u"cmq", u"St = π · c2² + π · c2 · i", coneOfLeg, true},
    {u"V", Volume, u"cmc", u"V = π · c2² · c1 : 3", coneOfLegVolume, true},
};
constexpr ProblemQuestion AboutHypotenuseQuestions[] = {
    Hypotenuse,
    {u"r", u"Raggio dei due coni", u"cm", u"r = c1 · c2 : i", twoConesRadius},
    {u"St", TotalSurface, u"cmq", u"St = π · r · c1 + π · r · c2", twoCones, true},
    {u"V", Volume, u"cmc", u"V = π · r² · i : 3", twoConesVolume, true},
};
constexpr ProblemQuestion ContainerQuestions[] = {
    {u"V", u"Volume del recipiente", u"cmc", u"V = π · r² · h", containerVolume, true},
    {u"C", u"Capacità del recipiente", u"l", u"C = V : 1000", capacity, true},
};
constexpr ProblemQuestion AboutMajorQuestions[] = {
    SlantSide,
    {u"St", TotalSurface, u"cmq", u"St = π · h² + 2 · π · h · b + π · h · l", aboutMajor, true},
    {u"V", Volume, u"cmc", u"V = π · h² · b + π · h² · (B − b) : 3", aboutMajorVolume, true},
};
constexpr ProblemQuestion AboutMinorQuestions[] = {
    SlantSide,
    {u"St", TotalSurface, u"cmq", u"St = π · h² + 2 · π · h · B + π · h · l", aboutMinor, true},
    {u"V", Volume, u"cmc", u"V = π · h² · B − π · h² · (B − b) : 3", aboutMinorVolume, true},
};

// The slips between the formulas, where pupils fail.
constexpr const char16_t *SumOfLegs = u"Hai sommato i cateti: si sommano i loro quadrati.";
constexpr const char16_t *NoRoot = u"Hai dimenticato la radice quadrata.";
constexpr const char16_t *NoThird = u"Hai dimenticato di dividere per 3 il volume del cono.";
constexpr const char16_t *Joined = u"Hai contato anche le parti a contatto: non fanno parte della superficie totale.";
constexpr const char16_t *HeightForApothem = u"Hai usato l'altezza del cono al posto dell'apotema.";
constexpr const char16_t *Hollow = u"Il cono è scavato nel cilindro: il suo volume va sottratto, non sommato.";
constexpr const char16_t *HollowTop = u"La base scavata non c'è più: al suo posto c'è la superficie laterale del cono.";

constexpr ProblemMistake CylinderConeMistakes[] = {
    {u"a", [](D d) { return Exact(d.r + d.hc); }, SumOfLegs},
    {u"a", [](D d) { return sumOfSquares(d.r, d.hc); }, NoRoot},
    {u"St", [](D d) { return cylinderAndCone(d) + circle<Exact>(d.r); }, Joined},
    {u"St", [](D d) { return cylinderAndCone(d) - coneLateral<Exact>(d.r, coneApothem(d)) + coneLateral<Exact>(d.r, d.hc); }, HeightForApothem},
    {u"V", [](D d) { return cylinderVolume<Exact>(d.r, d.h) + circle<Exact>(d.r) * d.hc; }, NoThird},
};
constexpr ProblemMistake CubePyramidMistakes[] = {
    {u"a", [](D d) { return Exact(d.l) / 2 + d.hp; }, SumOfLegs},
    {u"a", [](D d) { return sumOfSquares(Exact(d.l) / 2, d.hp); }, NoRoot},
    {u"St", [](D d) { return cubeAndPyramid(d) + Exact(d.l * d.l); }, Joined},
    {u"St", [](D d) { return Exact(5 * d.l * d.l + 2 * d.l * d.hp); }, u"Hai usato l'altezza della piramide al posto dell'apotema."},
    {u"St", [](D d) { return cubeAndPyramid(d) + Exact(2 * d.l) * pyramidApothem(d); },
     u"Hai dimenticato di dividere per 2: la superficie laterale della piramide è perimetro di base · apotema : 2."},
    {u"V", [](D d) { return Exact(d.l * d.l * d.l + d.l * d.l * d.hp); }, u"Hai dimenticato di dividere per 3 il volume della piramide."},
};
constexpr ProblemMistake HollowCylinderMistakes[] = {
    {u"a", [](D d) { return Exact(d.r + d.hc); }, SumOfLegs},
    {u"a", [](D d) { return sumOfSquares(d.r, d.hc); }, NoRoot},
    {u"St", [](D d) { return circle<Exact>(d.r) * 2 + cylinderLateral<Exact>(d.r, d.h); }, HollowTop},
    {u"St", [](D d) { return cylinderAndCone(d) + circle<Exact>(d.r); }, HollowTop},
    {u"St", [](D d) { return cylinderAndCone(d) - coneLateral<Exact>(d.r, coneApothem(d)) + coneLateral<Exact>(d.r, d.hc); }, HeightForApothem},
    {u"V", cylinderPlusCone, Hollow},
    {u"V", [](D d) { return cylinderVolume<Exact>(d.r, d.h) - circle<Exact>(d.r) * d.hc; }, NoThird},
};
constexpr const char16_t *LegsSwapped = u"Hai scambiato i cateti: il raggio del cono è il cateto che non sta sull'asse.";
constexpr ProblemMistake AboutLegMistakes[] = {
    {u"i", [](D d) { return Exact(d.c1 + d.c2); }, SumOfLegs},
    {u"i", [](D d) { return sumOfSquares(d.c1, d.c2); }, NoRoot},
    {u"St", [](D d) { return circle<Exact>(d.c2) + coneLateral<Exact>(d.c2, d.c1); },
     u"Hai usato il cateto sull'asse al posto dell'apotema: l'apotema del cono è l'ipotenusa."},
    {u"St", [](D d) { return circle<Exact>(d.c1) + coneLateral(Exact(d.c1), hypotenuse(d)); }, LegsSwapped},
    {u"V", [](D d) { return circle<Exact>(d.c2) * d.c1; }, NoThird},
    {u"V", [](D d) { return coneVolume<Exact>(d.c1, d.c2); }, LegsSwapped},
};
constexpr const char16_t *LegForRadius = u"Il raggio dei due coni non è un cateto: è l'altezza relativa all'ipotenusa, r = c1 · c2 : i.";
constexpr ProblemMistake AboutHypotenuseMistakes[] = {
    {u"i", [](D d) { return Exact(d.c1 + d.c2); }, SumOfLegs},
    {u"i", [](D d) { return sumOfSquares(d.c1, d.c2); }, NoRoot},
    {u"r", c1, LegForRadius},
    {u"r", c2, LegForRadius},
    {u"St", [](D d) { return twoCones(d) + circle(twoConesRadius(d)) * 2; },
     u"Le basi dei due coni sono a contatto: non fanno parte della superficie totale."},
    {u"V", [](D d) { return circle(twoConesRadius(d)) * hypotenuse(d); }, u"Hai dimenticato di dividere per 3."},
};
constexpr ProblemMistake ContainerMistakes[] = {
    {u"V", [](D d) { return cylinderVolume<Exact>(2 * d.r, d.h); }, u"Hai usato il diametro al posto del raggio."},
    {u"C", containerVolume, u"Hai dato il volume in cmc: la capacità va in litri (1 l = 1 dmc = 1000 cmc)."},
    {u"C", [](D d) { return containerVolume(d) / 100; }, u"1 l = 1 dmc = 1000 cmc: dividi il volume per 1000."},
};
constexpr const char16_t *SlantFromDifference = u"Hai calcolato B − b: è un cateto, il lato obliquo è l'ipotenusa.";
constexpr const char16_t *HeightForSlant = u"Hai usato l'altezza del cono (B − b) al posto dell'apotema, che è il lato obliquo.";
constexpr ProblemMistake AboutMajorMistakes[] = {
    {u"l", [](D d) { return Exact(d.h + d.B - d.b); }, SumOfLegs},
    {u"l", [](D d) { return sumOfSquares(d.h, d.B - d.b); }, NoRoot},
    {u"l", [](D d) { return Exact(d.B - d.b); }, SlantFromDifference},
    {u"St", [](D d) { return aboutMajor(d) + circle<Exact>(d.h); }, Joined},
    {u"St", [](D d) { return aboutMajor(d) - coneLateral(Exact(d.h), slantSide(d)) + coneLateral<Exact>(d.h, d.B - d.b); }, HeightForSlant},
    {u"V", [](D d) { return cylinderVolume<Exact>(d.h, d.b) + circle<Exact>(d.h) * (d.B - d.b); }, NoThird},
};
constexpr ProblemMistake AboutMinorMistakes[] = {
    {u"l", [](D d) { return Exact(d.h + d.B - d.b); }, SumOfLegs},
    {u"l", [](D d) { return sumOfSquares(d.h, d.B - d.b); }, NoRoot},
    {u"l", [](D d) { return Exact(d.B - d.b); }, SlantFromDifference},
    {u"St", [](D d) { return circle<Exact>(d.h) * 2 + cylinderLateral<Exact>(d.h, d.B); }, HollowTop},
    {u"St", [](D d) { return aboutMinor(d) + circle<Exact>(d.h); }, HollowTop},
    {u"St", [](D d) { return aboutMinor(d) - coneLateral(Exact(d.h), slantSide(d)) + coneLateral<Exact>(d.h, d.B - d.b); }, HeightForSlant},
    {u"V", [](D d) { return cylinderVolume<Exact>(d.h, d.B) + coneVolume<Exact>(d.h, d.B - d.b); }, Hollow},
    {u"V", [](D d) { return cylinderVolume<Exact>(d.h, d.B) - circle<Exact>(d.h) * (d.B - d.b); }, NoThird},
};

// The solids a kind is made of, for their formula sheets.
using Solids = std::array<const ExerciseSet &(*)(), 2>;
constexpr Solids CylinderAndCone{CylinderExercises::set, ConeExercises::set};
constexpr Solids CubeAndPyramid{CubeExercises::set, PyramidExercises::set};
constexpr Solids ConeAlone{ConeExercises::set, nullptr};
constexpr Solids CylinderAlone{CylinderExercises::set, nullptr};

template <typename T, std::size_t N>
constexpr int count(const T (&)[N]) { return int(N); }

constexpr DrawRange SmallTriple{1, 5};
constexpr DrawRange AnyTriple{1, Triples::Count};
constexpr DrawRange EitherLeg{0, 1};
constexpr DrawRange None{0, 0};
constexpr DrawRange Same{0, 0};

constexpr ProblemKind Kinds[] = {
    {u"Cilindro sormontato da un cono", SmallTriple, EitherLeg, {2, 12}, Same, cylinderWithCone, CylinderWithConeText,
     CylinderConeData, count(CylinderConeData), CylinderConeQuestions, count(CylinderConeQuestions),
     CylinderConeMistakes, count(CylinderConeMistakes), CylinderAndCone},
    {u"Cubo sormontato da una piramide quadrangolare regolare", SmallTriple, None, None, Same, cubeWithPyramid,
     CubeWithPyramidText, CubePyramidData, count(CubePyramidData), CubePyramidQuestions, count(CubePyramidQuestions),
     CubePyramidMistakes, count(CubePyramidMistakes), CubeAndPyramid},
    {u"Cilindro con una cavità conica", SmallTriple, EitherLeg, {1, 6}, Same, hollowCylinder, HollowCylinderText,
     CylinderConeData, count(CylinderConeData), HollowCylinderQuestions, count(HollowCylinderQuestions),
     HollowCylinderMistakes, count(HollowCylinderMistakes), CylinderAndCone},
    {u"Triangolo rettangolo che ruota intorno a un cateto", AnyTriple, EitherLeg, None, Same, turnedTriangle,
     AboutLegText, TriangleData, count(TriangleData), AboutLegQuestions, count(AboutLegQuestions), AboutLegMistakes,
     count(AboutLegMistakes), ConeAlone},
    {u"Triangolo rettangolo che ruota intorno all'ipotenusa", {1, int(std::size(AboutHypotenuse))}, EitherLeg, None,
     {int(std::size(AboutHypotenuse)), int(std::size(AboutHypotenuse))}, triangleAboutHypotenuse, AboutHypotenuseText,
     TriangleData, count(TriangleData), AboutHypotenuseQuestions, count(AboutHypotenuseQuestions),
     AboutHypotenuseMistakes, count(AboutHypotenuseMistakes), ConeAlone},
    {u"Recipiente cilindrico", {3, 15}, {1, 4}, None, Same, container, ContainerText, ContainerData,
     count(ContainerData), ContainerQuestions, count(ContainerQuestions), ContainerMistakes, count(ContainerMistakes), CylinderAlone,
     false},
    {u"Trapezio rettangolo che ruota intorno alla base maggiore", SmallTriple, EitherLeg, {2, 12}, Same, trapezium,
     AboutMajorText, TrapeziumData, count(TrapeziumData), AboutMajorQuestions, count(AboutMajorQuestions),
     AboutMajorMistakes, count(AboutMajorMistakes), CylinderAndCone},
    {u"Trapezio rettangolo che ruota intorno alla base minore", SmallTriple, EitherLeg, {2, 12}, Same, trapezium,
     AboutMinorText, TrapeziumData, count(TrapeziumData), AboutMinorQuestions, count(AboutMinorQuestions),
     AboutMinorMistakes, count(AboutMinorMistakes), CylinderAndCone},
};
static_assert(std::size(Kinds) == KindCount);

// Specific weights as school books give them.
constexpr Material Materials[] = {
    {u"ferro", 78}, {u"alluminio", 27}, {u"vetro", 25}, {u"marmo", 27}, {u"legno", 7},
};

constexpr ProblemSet Problems{Kinds, KindCount, Materials, int(std::size(Materials))};

} // namespace

const ProblemSet &set()
{
    return Problems;
}

} // namespace ProblemKinds
