// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ProblemKinds.h"

#include "exercises/ConeExercises.h"
#include "exercises/CubeExercises.h"
#include "exercises/CylinderExercises.h"
#include "exercises/FormulaTable.h"
#include "exercises/PyramidExercises.h"

#include <iterator>

namespace ProblemKinds {

namespace {

using namespace FormulaTable::Composite;
namespace Measure = FormulaTable::Measure;

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
constexpr const char16_t *RectangleText =
    u"Un rettangolo ha i lati di {a} cm e di {b} cm e compie una rotazione completa intorno al lato di {b} cm.";

// How the draws become each kind's data.
constexpr Shape CylinderWithCone{Shape::TurnedBySecond, Triples::All,
                                 {&Measure::RadiusLeg, &Measure::HeightDrawnThird, &Measure::ConeHeightLeg}};
constexpr Shape HollowCylinder{Shape::TurnedBySecond, Triples::All,
                               {&Measure::RadiusLeg, &Measure::HeightAboveCone, &Measure::ConeHeightLeg}};
constexpr Shape CubeWithPyramid{Shape::TurnedBySecond, Triples::All, {&Measure::SideTwiceLeg, &Measure::PyramidHeightLeg}};
constexpr Shape TurnedTriangle{Shape::TurnedBySecond, Triples::All, {&Measure::AxisLeg, &Measure::OtherLeg}};
constexpr Shape TriangleAboutHypotenuse{Shape::TurnedBySecond, Triples::AboutHypotenuse,
                                        {&Measure::AxisLeg, &Measure::OtherLeg}};
constexpr Shape Container{Shape::NoTriple, Triples::All, {&Measure::RadiusDrawn, &Measure::HeightInTens}};
constexpr Shape Trapezium{Shape::TurnedBySecond, Triples::All,
                          {&Measure::MajorBase, &Measure::MinorBase, &Measure::TrapeziumHeight}};
constexpr Shape Rectangle{Shape::NoTriple, Triples::All, {&Measure::WidthDrawn, &Measure::SecondSideDrawn}};

// The questions, in order.
constexpr const char16_t *TotalSurface = u"Superficie totale del solido";
constexpr const char16_t *Volume = u"Volume del solido";
constexpr ProblemQuestion CylinderConeQuestions[] = {
    {u"Apotema del cono", &ConeApothem},
    {TotalSurface, &CylinderAndConeSurface},
    {Volume, &CylinderPlusCone},
};
constexpr ProblemQuestion CubePyramidQuestions[] = {
    {u"Apotema della piramide", &PyramidApothem},
    {TotalSurface, &CubeAndPyramidSurface},
    {Volume, &CubePlusPyramid},
};
constexpr ProblemQuestion HollowCylinderQuestions[] = {
    {u"Apotema del cono", &ConeApothem},
    {TotalSurface, &CylinderAndConeSurface},
    {Volume, &CylinderLessCone},
};
constexpr ProblemQuestion AboutLegQuestions[] = {
    {u"Ipotenusa", &Hypotenuse},
    {TotalSurface, &ConeOfLegSurface},
    {Volume, &ConeOfLegVolume},
};
constexpr ProblemQuestion AboutHypotenuseQuestions[] = {
    {u"Ipotenusa", &Hypotenuse},
    {u"Raggio dei due coni", &TwoConesRadius},
    {TotalSurface, &TwoConesSurface},
    {Volume, &TwoConesVolume},
};
constexpr ProblemQuestion ContainerQuestions[] = {
    {u"Volume del recipiente", &FormulaTable::Cylinder::Volume},
    {u"Capacità del recipiente", &Capacity},
};
constexpr ProblemQuestion AboutMajorQuestions[] = {
    {u"Lato obliquo del trapezio", &SlantSide},
    {TotalSurface, &AboutMajorSurface},
    {Volume, &AboutMajorVolume},
};
constexpr ProblemQuestion AboutMinorQuestions[] = {
    {u"Lato obliquo del trapezio", &SlantSide},
    {TotalSurface, &AboutMinorSurface},
    {Volume, &AboutMinorVolume},
};
constexpr ProblemQuestion RectangleQuestions[] = {
    {u"Superficie laterale del cilindro", &RectangleLateral},
    {TotalSurface, &RectangleSurface},
    {Volume, &RectangleVolume},
};

// The slips between the formulas, where pupils fail.
constexpr const char16_t *SumOfLegs = u"Hai sommato i cateti: si sommano i loro quadrati.";
constexpr const char16_t *NoRoot = u"Hai dimenticato la radice quadrata.";
constexpr const char16_t *NoThird = u"Hai dimenticato di dividere per 3 il volume del cono.";
constexpr const char16_t *Joined = u"Hai contato anche le parti a contatto: non fanno parte della superficie totale.";
constexpr const char16_t *HeightForApothem = u"Hai usato l'altezza del cono al posto dell'apotema.";
constexpr const char16_t *Hollow = u"Il cono è scavato nel cilindro: il suo volume va sottratto, non sommato.";
constexpr const char16_t *HollowTop = u"La base scavata non c'è più: al suo posto c'è la superficie laterale del cono.";
constexpr const char16_t *LegsSwapped = u"Hai scambiato i cateti: il raggio del cono è il cateto che non sta sull'asse.";
constexpr const char16_t *LegForRadius = u"Il raggio dei due coni non è un cateto: è l'altezza relativa all'ipotenusa, r = c1 · c2 : i.";
constexpr const char16_t *SlantFromDifference = u"Hai calcolato B − b: è un cateto, il lato obliquo è l'ipotenusa.";
constexpr const char16_t *HeightForSlant = u"Hai usato l'altezza del cono (B − b) al posto dell'apotema, che è il lato obliquo.";

constexpr ProblemMistake CylinderConeMistakes[] = {
    {&ConeLegsAdded, SumOfLegs},
    {&ConeApothemNoRoot, NoRoot},
    {&CylinderConeJoined, Joined},
    {&CylinderConeHeightForApothem, HeightForApothem},
    {&CylinderPlusConeNoThird, NoThird},
};
constexpr ProblemMistake CubePyramidMistakes[] = {
    {&PyramidLegsAdded, SumOfLegs},
    {&PyramidApothemNoRoot, NoRoot},
    {&CubePyramidJoined, Joined},
    {&CubePyramidHeightForApothem, u"Hai usato l'altezza della piramide al posto dell'apotema."},
    {&CubePyramidNoHalf,
     u"Hai dimenticato di dividere per 2: la superficie laterale della piramide è perimetro di base · apotema : 2."},
    {&CubePlusPyramidNoThird, u"Hai dimenticato di dividere per 3 il volume della piramide."},
};
constexpr ProblemMistake HollowCylinderMistakes[] = {
    {&ConeLegsAdded, SumOfLegs},
    {&ConeApothemNoRoot, NoRoot},
    {&HollowTopKept, HollowTop},
    {&CylinderConeJoined, HollowTop},
    {&CylinderConeHeightForApothem, HeightForApothem},
    {&CylinderPlusCone, Hollow},
    {&CylinderLessConeNoThird, NoThird},
};
constexpr ProblemMistake AboutLegMistakes[] = {
    {&LegsAdded, SumOfLegs},
    {&HypotenuseNoRoot, NoRoot},
    {&ConeOfLegAxisForApothem,
     u"Hai usato il cateto sull'asse al posto dell'apotema: l'apotema del cono è l'ipotenusa."},
    {&ConeOfLegSwapped, LegsSwapped},
    {&ConeOfLegNoThird, NoThird},
    {&ConeOfLegVolumeSwapped, LegsSwapped},
};
constexpr ProblemMistake AboutHypotenuseMistakes[] = {
    {&LegsAdded, SumOfLegs},
    {&HypotenuseNoRoot, NoRoot},
    {&RadiusFirstLeg, LegForRadius},
    {&RadiusSecondLeg, LegForRadius},
    {&TwoConesBases, u"Le basi dei due coni sono a contatto: non fanno parte della superficie totale."},
    {&TwoConesNoThird, u"Hai dimenticato di dividere per 3."},
};
constexpr ProblemMistake ContainerMistakes[] = {
    {&FormulaTable::Cylinder::VolumeOfDiameter, u"Hai usato il diametro al posto del raggio."},
    {&CapacityInCmc, u"Hai dato il volume in cmc: la capacità va in litri (1 l = 1 dmc = 1000 cmc)."},
    {&CapacityByHundred, u"1 l = 1 dmc = 1000 cmc: dividi il volume per 1000."},
};
constexpr ProblemMistake AboutMajorMistakes[] = {
    {&SlantLegsAdded, SumOfLegs},
    {&SlantNoRoot, NoRoot},
    {&SlantIsDifference, SlantFromDifference},
    {&AboutMajorJoined, Joined},
    {&AboutMajorHeightForSlant, HeightForSlant},
    {&AboutMajorNoThird, NoThird},
};
constexpr ProblemMistake AboutMinorMistakes[] = {
    {&SlantLegsAdded, SumOfLegs},
    {&SlantNoRoot, NoRoot},
    {&SlantIsDifference, SlantFromDifference},
    {&AboutMinorTopKept, HollowTop},
    {&AboutMinorJoined, HollowTop},
    {&AboutMinorHeightForSlant, HeightForSlant},
    {&AboutMinorAdded, Hollow},
    {&AboutMinorNoThird, NoThird},
};
constexpr ProblemMistake RectangleMistakes[] = {
    {&RectangleOneBase, u"Hai contato una base sola: le basi sono due."},
    {&RectangleSidesSwapped, u"Hai scambiato i lati: il raggio è il lato che non sta sull'asse."},
};

// The solids a kind is made of, for their formula sheets.
using Solids = std::array<const ExerciseSet &(*)(), 2>;
constexpr Solids CylinderAndCone{CylinderExercises::set, ConeExercises::set};
constexpr Solids CubeAndPyramid{CubeExercises::set, PyramidExercises::set};
constexpr Solids ConeAlone{ConeExercises::set, nullptr};
constexpr Solids CylinderAlone{CylinderExercises::set, nullptr};

constexpr DrawRange SmallTriple{1, 5};
constexpr DrawRange AnyTriple{1, Triples::Count};
constexpr DrawRange EitherLeg{0, 1};
constexpr DrawRange None{0, 0};
constexpr DrawRange Same{0, 0};
constexpr int HypotenuseTriples = int(std::size(Triples::AboutHypotenuse));

constexpr ProblemKind Kinds[] = {
    {u"Cilindro sormontato da un cono", SmallTriple, EitherLeg, {2, 12}, Same, CylinderWithCone,
     CylinderWithConeText, u"problem-cylinder-cone", CylinderConeQuestions, CylinderConeMistakes, CylinderAndCone},
    {u"Cubo sormontato da una piramide quadrangolare regolare", SmallTriple, None, None, Same, CubeWithPyramid,
     CubeWithPyramidText, u"problem-cube-pyramid", CubePyramidQuestions, CubePyramidMistakes, CubeAndPyramid},
    {u"Cilindro con una cavità conica", SmallTriple, EitherLeg, {1, 6}, Same, HollowCylinder, HollowCylinderText,
     u"problem-hollow-cylinder", HollowCylinderQuestions, HollowCylinderMistakes, CylinderAndCone},
    {u"Triangolo rettangolo che ruota intorno a un cateto", AnyTriple, EitherLeg, None, Same, TurnedTriangle,
     AboutLegText, u"problem-triangle-leg", AboutLegQuestions, AboutLegMistakes, ConeAlone},
    {u"Triangolo rettangolo che ruota intorno all'ipotenusa", {1, HypotenuseTriples}, EitherLeg, None,
     {HypotenuseTriples, HypotenuseTriples}, TriangleAboutHypotenuse, AboutHypotenuseText,
     u"problem-triangle-hypotenuse", AboutHypotenuseQuestions, AboutHypotenuseMistakes, ConeAlone},
    {u"Recipiente cilindrico", {3, 15}, {1, 4}, None, Same, Container, ContainerText, u"problem-container",
     ContainerQuestions, ContainerMistakes, CylinderAlone, false},
    {u"Trapezio rettangolo che ruota intorno alla base maggiore", SmallTriple, EitherLeg, {2, 12}, Same, Trapezium,
     AboutMajorText, u"problem-trapezium-major", AboutMajorQuestions, AboutMajorMistakes, CylinderAndCone},
    {u"Trapezio rettangolo che ruota intorno alla base minore", SmallTriple, EitherLeg, {2, 12}, Same, Trapezium,
     AboutMinorText, u"problem-trapezium-minor", AboutMinorQuestions, AboutMinorMistakes, CylinderAndCone},
    {u"Rettangolo che ruota intorno a un lato", {1, 10}, {1, 12}, None, Same, Rectangle, RectangleText,
     u"problem-rectangle", RectangleQuestions, RectangleMistakes, CylinderAlone, true,
     {{{u"a", u"lato che ruota: raggio del cilindro"}, {u"b", u"lato sull'asse: altezza del cilindro"}}}},
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
