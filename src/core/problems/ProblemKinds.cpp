// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ProblemKinds.h"

#include "exercises/BoxExercises.h"
#include "exercises/ConeExercises.h"
#include "exercises/CubeExercises.h"
#include "exercises/CylinderExercises.h"
#include "exercises/FormulaTable.h"
#include "exercises/PrismExercises.h"
#include "exercises/PyramidExercises.h"
#include "exercises/SphereExercises.h"

#include <iterator>

namespace ProblemKinds {

namespace {

using namespace FormulaTable::Composite;
namespace Measure = FormulaTable::Measure;

// The texts, as a textbook words them; each datum by its symbol in braces.
constexpr const char16_t *CylinderWithConeText =
    u"Un solido è formato da un cilindro sormontato da un cono che ha la base coincidente con quella del cilindro. "
    u"{coppia}; l'altezza del cono misura {hc} cm.";
constexpr const char16_t *CubeWithPyramidText =
    u"Un solido è formato da un cubo sormontato da una piramide quadrangolare regolare che ha per base una faccia "
    u"del cubo. {coppia}.";
constexpr const char16_t *HollowCylinderText =
    u"Un cilindro ha il raggio di base di {r} cm. Nella base superiore è scavata una cavità a forma di cono, che "
    u"ha la stessa base del cilindro. {coppia}.";
constexpr const char16_t *AboutLegText =
    u"Un triangolo rettangolo di cateti c1 e c2 compie una rotazione completa intorno al cateto c1. {coppia}.";
constexpr const char16_t *AboutHypotenuseText =
    u"Un triangolo rettangolo di cateti c1 e c2 compie una rotazione completa intorno all'ipotenusa: si ottengono "
    u"due coni con la base in comune. {coppia}.";
constexpr const char16_t *ContainerText =
    u"Un recipiente ha la forma di un cilindro; le sue misure sono prese all'interno. {coppia}.";
constexpr const char16_t *AboutMajorText =
    u"Un trapezio rettangolo ha l'altezza di {h} cm. {coppia}. Il trapezio compie una rotazione completa intorno "
    u"alla base maggiore.";
constexpr const char16_t *AboutMinorText =
    u"Un trapezio rettangolo ha l'altezza di {h} cm. {coppia}. Il trapezio compie una rotazione completa intorno "
    u"alla base minore.";
constexpr const char16_t *RectangleText =
    u"Un rettangolo di lati a e b compie una rotazione completa intorno al lato b. {coppia}.";
constexpr const char16_t *RhombusPrismText =
    u"Un prisma retto ha per base un rombo. {coppia}; l'altezza del prisma misura {h} cm.";
constexpr const char16_t *RhombusPyramidText =
    u"Una piramide retta ha per base un rombo. {coppia}; l'altezza della piramide misura {h} cm.";
constexpr const char16_t *TrapeziumPrismText =
    u"Un prisma retto ha per base un trapezio isoscele con il lato obliquo di {l} cm. {coppia}; l'altezza del "
    u"prisma misura {h} cm.";
constexpr const char16_t *TrianglePrismText =
    u"Un prisma retto ha per base un triangolo isoscele con la base di {b} cm e il lato obliquo di {l} cm; "
    u"l'altezza del prisma misura {h} cm.";
constexpr const char16_t *BoxWithPyramidText =
    u"Un parallelepipedo a base quadrata è sormontato da una piramide regolare che ha per base la sua faccia "
    u"superiore. L'altezza del parallelepipedo misura {h} cm. {coppia}.";
constexpr const char16_t *CylinderWithHemisphereText =
    u"Un solido è formato da un cilindro sormontato da una semisfera che ha lo stesso raggio. {coppia}.";
constexpr const char16_t *ConeWithHemisphereText =
    u"Un solido è formato da un cono sormontato da una semisfera che ha lo stesso raggio. {coppia}.";
constexpr const char16_t *HoledCubeText =
    u"Un cubo ha lo spigolo di {l} cm. Un foro cilindrico lo attraversa da una faccia a quella opposta: il suo "
    u"asse è quello del cubo e il suo raggio misura {r} cm. Usa π = 3,14.";
constexpr const char16_t *IsoscelesAboutMajorText =
    u"Un trapezio isoscele ha il lato obliquo di {l} cm. {coppia}. Il trapezio compie una rotazione completa "
    u"intorno alla base maggiore.";
constexpr const char16_t *IsoscelesAboutMinorText =
    u"Un trapezio isoscele ha il lato obliquo di {l} cm. {coppia}. Il trapezio compie una rotazione completa "
    u"intorno alla base minore: si ottiene un cilindro con due cavità coniche.";
constexpr const char16_t *TurnedRhombusText =
    u"Un rombo compie una rotazione completa intorno alla diagonale maggiore: si ottengono due coni con la base "
    u"in comune. {coppia}.";
constexpr const char16_t *TurnedIsoscelesText =
    u"Un triangolo isoscele compie una rotazione completa intorno alla base: si ottengono due coni con la base "
    u"in comune. {coppia}.";
constexpr const char16_t *AquariumText =
    u"Un acquario a forma di parallelepipedo, senza coperchio, misura all'interno {a} cm di lunghezza, {b} cm di "
    u"larghezza e {c} cm di altezza. Un litro d'acqua pesa 1 kg.";
constexpr const char16_t *EquivalentCubeText =
    u"Un parallelepipedo ha gli spigoli di {a} cm, {b} cm e {c} cm. Un cubo è equivalente al parallelepipedo: ha "
    u"il suo stesso volume.";

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
constexpr Shape RhombusPrism{Shape::AsListed, Triples::All,
                             {&Measure::HalfMinorDiagonal, &Measure::HalfMajorDiagonal, &Measure::HeightDrawnSecond}};
constexpr Shape RhombusPyramid{Shape::AsListed, Triples::RhombusPyramids,
                               {&Measure::HalfMinorDiagonal, &Measure::HalfMajorDiagonal, &Measure::HeightThird}};
constexpr Shape TrapeziumPrism{Shape::AsListed, Triples::All,
                               {&Measure::MajorBaseByLeg, &Measure::SecondSideDrawn, &Measure::SlantHypotenuse,
                                &Measure::HeightDrawnThird}};
constexpr Shape TrianglePrism{Shape::TurnedBySecond, Triples::All,
                              {&Measure::BaseTwiceLeg, &Measure::SlantHypotenuse, &Measure::HeightDrawnThird}};
constexpr Shape BoxWithPyramid{Shape::TurnedBySecond, Triples::All,
                               {&Measure::SideTwiceLeg, &Measure::HeightDrawnThird, &Measure::PyramidHeightLeg}};
constexpr Shape CylinderWithHemisphere{Shape::NoTriple, Triples::All, {&Measure::RadiusInThrees, &Measure::HeightDrawnSecond}};
constexpr Shape ConeWithHemisphere{Shape::AsListed, Triples::FirstLegOfThree, {&Measure::RadiusLeg, &Measure::ConeHeightLeg}};
constexpr Shape HoledCube{Shape::NoTriple, Triples::All, {&Measure::EdgeInFives, &Measure::HoleRadius}};
constexpr Shape IsoscelesTrapezium{Shape::TurnedBySecond, Triples::All,
                                   {&Measure::MajorBaseAboveThird, &Measure::MinorBase, &Measure::SlantHypotenuse}};
constexpr Shape Rhombus{Shape::AsListed, Triples::All, {&Measure::HalfMinorDiagonal, &Measure::HalfMajorDiagonal}};
constexpr Shape IsoscelesTriangle{Shape::TurnedBySecond, Triples::All, {&Measure::BaseTwiceLeg, &Measure::SlantHypotenuse}};
constexpr Shape Aquarium{Shape::NoTriple, Triples::All,
                         {&Measure::LengthInTens, &Measure::WidthInFives, &Measure::HeightInFives}};
constexpr Shape EquivalentBox{Shape::NoTriple, Triples::All,
                              {&Measure::CubeOfFirstSquare, &Measure::CubeOfSecondSquare, &Measure::CubeOfProduct}};

// The pairs that may be given by a relation.
constexpr MeasurePair RadiusAndHeight{{u"r", u"h"}, {u"Raggio di base", u"Altezza del cilindro"},
                                      {u"il raggio di base", u"l'altezza del cilindro"}};
constexpr MeasurePair EdgeAndPyramidHeight{{u"l", u"hp"}, {u"Spigolo del cubo", u"Altezza della piramide"},
                                           {u"lo spigolo del cubo", u"l'altezza della piramide"}};
constexpr MeasurePair TwoHeights{{u"h", u"hc"}, {u"Altezza del cilindro", u"Altezza del cono"},
                                 {u"l'altezza del cilindro", u"l'altezza del cono"}};
constexpr MeasurePair Legs{{u"c1", u"c2"}, {u"Cateto c1", u"Cateto c2"}, {u"il cateto c1", u"il cateto c2"}, u"dei cateti"};
constexpr MeasurePair ContainerMeasures{{u"r", u"h"}, {u"Raggio di base", u"Altezza del recipiente"},
                                        {u"il raggio di base", u"l'altezza del recipiente"}};
constexpr MeasurePair Bases{{u"B", u"b"}, {u"Base maggiore", u"Base minore"}, {u"la base maggiore", u"la base minore"},
                            u"delle basi"};
constexpr MeasurePair Sides{{u"a", u"b"}, {u"Lato a", u"Lato b"}, {u"il lato a", u"il lato b"}, u"dei lati"};
constexpr MeasurePair Diagonals{{u"d1", u"d2"}, {u"Diagonale minore", u"Diagonale maggiore"},
                                {u"la diagonale minore", u"la diagonale maggiore"}, u"delle diagonali"};
constexpr MeasurePair SideAndPyramidHeight{{u"l", u"hp"}, {u"Lato di base", u"Altezza della piramide"},
                                           {u"il lato di base", u"l'altezza della piramide"}};
constexpr MeasurePair RadiusAndConeHeight{{u"r", u"hc"}, {u"Raggio di base", u"Altezza del cono"},
                                          {u"il raggio di base", u"l'altezza del cono"}};
constexpr MeasurePair BaseAndSlant{{u"b", u"l"}, {u"Base del triangolo", u"Lato obliquo"}, {u"la base", u"il lato obliquo"}};

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
constexpr const char16_t *RhombusSideText = u"Lato del rombo";
constexpr const char16_t *BaseArea = u"Area di base";
constexpr ProblemQuestion RhombusPrismQuestions[] = {
    {RhombusSideText, &RhombusSide},
    {BaseArea, &RhombusArea},
    {u"Superficie laterale", &RhombusLateral},
    {TotalSurface, &PrismTotal},
    {Volume, &PrismVolume},
};
constexpr ProblemQuestion RhombusPyramidQuestions[] = {
    {RhombusSideText, &RhombusSide},
    {BaseArea, &RhombusArea},
    {u"Raggio del cerchio inscritto nella base", &InscribedRadius, &FormulaTable::Pyramid::Perimeter},
    {u"Apotema della piramide", &RhombusPyramidApothem},
    {TotalSurface, &RhombusPyramidSurface},
    {Volume, &PyramidVolume},
};
constexpr ProblemQuestion TrapeziumPrismQuestions[] = {
    {u"Altezza del trapezio", &TrapeziumHeight},
    {BaseArea, &TrapeziumArea},
    {u"Perimetro di base", &TrapeziumPerimeter},
    {TotalSurface, &PrismSurfaceOfPerimeter},
    {Volume, &PrismVolume},
};
constexpr ProblemQuestion TrianglePrismQuestions[] = {
    {u"Altezza del triangolo di base", &TriangleHeight},
    {BaseArea, &TriangleArea},
    {TotalSurface, &TrianglePrismSurface},
    {Volume, &PrismVolume},
};
constexpr ProblemQuestion BoxPyramidQuestions[] = {
    {u"Apotema della piramide", &PyramidApothem},
    {TotalSurface, &BoxAndPyramidSurface},
    {Volume, &BoxPlusPyramid},
};
constexpr ProblemQuestion CylinderHemisphereQuestions[] = {
    {u"Superficie della semisfera", &HemisphereSurface},
    {TotalSurface, &CylinderAndHemisphereSurface},
    {Volume, &CylinderPlusHemisphere},
};
constexpr ProblemQuestion ConeHemisphereQuestions[] = {
    {u"Apotema del cono", &ConeApothem},
    {TotalSurface, &ConeAndHemisphereSurface},
    {Volume, &ConePlusHemisphere},
};
constexpr ProblemQuestion HoledCubeQuestions[] = {
    {TotalSurface, &HoledCubeSurface},
    {Volume, &HoledCubeVolume},
};
constexpr const char16_t *TrapeziumHeightText = u"Altezza del trapezio";
constexpr ProblemQuestion IsoscelesAboutMajorQuestions[] = {
    {TrapeziumHeightText, &TrapeziumHeight},
    {TotalSurface, &AboutMajorIsoscelesSurface},
    {Volume, &AboutMajorIsoscelesVolume},
};
constexpr ProblemQuestion IsoscelesAboutMinorQuestions[] = {
    {TrapeziumHeightText, &TrapeziumHeight},
    {TotalSurface, &AboutMinorIsoscelesSurface},
    {Volume, &AboutMinorIsoscelesVolume},
};
constexpr ProblemQuestion TurnedRhombusQuestions[] = {
    {RhombusSideText, &RhombusSide},
    {TotalSurface, &TurnedRhombusSurface},
    {Volume, &TurnedRhombusVolume},
};
constexpr ProblemQuestion TurnedIsoscelesQuestions[] = {
    {u"Altezza del triangolo", &TriangleHeight},
    {TotalSurface, &TurnedTriangleSurface},
    {Volume, &TurnedTriangleVolume},
};
constexpr ProblemQuestion AquariumQuestions[] = {
    {u"Superficie del vetro", &GlassSurface},
    {u"Volume dell'acquario", &BoxVolume},
    {u"Capacità dell'acquario", &Capacity},
    {u"Peso dell'acqua che lo riempie", &WaterWeight},
};
constexpr ProblemQuestion EquivalentCubeQuestions[] = {
    {u"Volume del parallelepipedo", &BoxVolume},
    {u"Spigolo del cubo", &FormulaTable::Cube::EdgeFromVolume},
    {u"Superficie totale del cubo", &FormulaTable::Cube::Total},
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
constexpr const char16_t *HalfDiagonals =
    u"Hai dimenticato di dividere le diagonali per 2: i cateti del triangolo rettangolo sono le semidiagonali.";
constexpr const char16_t *NoHalfArea = u"Hai dimenticato di dividere per 2.";
constexpr const char16_t *TwoBases = u"Hai contato una base sola: le basi del prisma sono due.";
constexpr const char16_t *HalfDifference =
    u"Hai dimenticato di dividere per 2 la differenza delle basi: ogni lato obliquo ne copre metà.";
constexpr const char16_t *WholeSphere = u"Hai contato la sfera intera: la semisfera ne è metà.";
constexpr const char16_t *OneCone = u"I coni sono due: hai contato la superficie laterale di uno solo.";
constexpr const char16_t *HalfBase = u"Hai dimenticato di dividere la base per 2.";

constexpr ProblemMistake RhombusPrismMistakes[] = {
    {&RhombusSideWholeDiagonals, HalfDiagonals},
    {&RhombusAreaNoHalf, NoHalfArea},
    {&PrismOneBase, TwoBases},
};
constexpr ProblemMistake RhombusPyramidMistakes[] = {
    {&RhombusSideWholeDiagonals, HalfDiagonals},
    {&RhombusAreaNoHalf, NoHalfArea},
    {&InscribedRadiusNoDouble, u"Hai dimenticato il doppio dell'area: r = 2 · Ab : 2p."},
    {&RhombusPyramidApothemAdded, SumOfLegs},
    {&RhombusSideForApothem, u"Hai usato il lato del rombo al posto dell'apotema della piramide."},
    {&RhombusPyramidHeightForApothem, u"Hai usato l'altezza della piramide al posto dell'apotema."},
    {&PrismVolume, u"Hai dimenticato di dividere per 3 il volume della piramide."},
};
constexpr ProblemMistake TrapeziumPrismMistakes[] = {
    {&TrapeziumHeightWholeDifference, HalfDifference},
    {&TrapeziumAreaNoHalf, NoHalfArea},
    {&TrapeziumOneSlant, u"I lati obliqui del trapezio isoscele sono due."},
    {&PrismSurfaceOneBase, TwoBases},
};
constexpr ProblemMistake TrianglePrismMistakes[] = {
    {&TriangleHeightWholeBase, HalfBase},
    {&TriangleAreaNoHalf, NoHalfArea},
    {&TrianglePrismOneBase, TwoBases},
    {&TrianglePrismOneSlant, u"I lati obliqui del triangolo isoscele sono due."},
};
constexpr ProblemMistake BoxPyramidMistakes[] = {
    {&PyramidLegsAdded, SumOfLegs},
    {&PyramidApothemNoRoot, NoRoot},
    {&BoxPyramidJoined, Joined},
    {&BoxPyramidHeightForApothem, u"Hai usato l'altezza della piramide al posto dell'apotema."},
    {&BoxPlusPyramidNoThird, u"Hai dimenticato di dividere per 3 il volume della piramide."},
};
constexpr ProblemMistake CylinderHemisphereMistakes[] = {
    {&WholeSphereSurface, WholeSphere},
    {&CylinderHemisphereJoined, Joined},
    {&CylinderPlusWholeSphere, WholeSphere},
};
constexpr ProblemMistake ConeHemisphereMistakes[] = {
    {&ConeLegsAdded, SumOfLegs},
    {&ConeApothemNoRoot, NoRoot},
    {&ConeHemisphereJoined, Joined},
    {&ConeAndWholeSphere, WholeSphere},
    {&ConeHemisphereHeightForApothem, HeightForApothem},
    {&ConePlusHemisphereNoThird, NoThird},
    {&ConePlusWholeSphere, WholeSphere},
};
constexpr ProblemMistake HoledCubeMistakes[] = {
    {&HoleCirclesKept, u"Dove entra e dove esce il foro le facce non ci sono più: togli i due cerchi."},
    {&HoleLateralForgotten, u"Hai dimenticato la superficie laterale del foro, che è dentro il solido."},
    {&HoleAdded, u"Il foro è scavato nel cubo: il suo volume va sottratto, non sommato."},
};
constexpr ProblemMistake IsoscelesAboutMajorMistakes[] = {
    {&TrapeziumHeightWholeDifference, HalfDifference},
    {&AboutMajorIsoscelesJoined, Joined},
    {&AboutMajorIsoscelesOneCone, OneCone},
    {&AboutMajorIsoscelesNoThird, NoThird},
};
constexpr ProblemMistake IsoscelesAboutMinorMistakes[] = {
    {&TrapeziumHeightWholeDifference, HalfDifference},
    {&AboutMinorIsoscelesBasesKept, u"Le basi scavate non ci sono più: al loro posto ci sono le superfici laterali dei coni."},
    {&AboutMinorIsoscelesAdded, u"I coni sono scavati nel cilindro: il loro volume va sottratto, non sommato."},
    {&AboutMinorIsoscelesNoThird, NoThird},
};
constexpr ProblemMistake TurnedRhombusMistakes[] = {
    {&RhombusSideWholeDiagonals, HalfDiagonals},
    {&TurnedRhombusDiagonalForRadius, u"Il raggio dei coni è metà della diagonale minore."},
    {&TurnedRhombusNoThird, NoThird},
};
constexpr ProblemMistake TurnedIsoscelesMistakes[] = {
    {&TriangleHeightWholeBase, HalfBase},
    {&TurnedTriangleBasesKept, u"Le basi dei due coni sono a contatto: non fanno parte della superficie totale."},
    {&TurnedTriangleNoThird, NoThird},
};
constexpr ProblemMistake AquariumMistakes[] = {
    {&GlassWithLid, u"L'acquario non ha coperchio: la faccia superiore non è di vetro."},
    {&CapacityInCmc, u"Hai dato il volume in cmc: la capacità va in litri (1 l = 1 dmc = 1000 cmc)."},
    {&CapacityByHundred, u"1 l = 1 dmc = 1000 cmc: dividi il volume per 1000."},
    {&WaterWeightInGrams, u"Hai espresso il peso in grammi: 1 kg = 1000 g."},
};
constexpr ProblemMistake EquivalentCubeMistakes[] = {
    {&CubeEdgeByThree, u"Lo spigolo del cubo è la radice cubica del volume, non il volume diviso per 3."},
};

// The solids a kind is made of, for their formula sheets.
using Solids = std::array<const ExerciseSet &(*)(), 2>;
constexpr Solids CylinderAndCone{CylinderExercises::set, ConeExercises::set};
constexpr Solids CubeAndPyramid{CubeExercises::set, PyramidExercises::set};
constexpr Solids ConeAlone{ConeExercises::set, nullptr};
constexpr Solids CylinderAlone{CylinderExercises::set, nullptr};
constexpr Solids PrismAlone{PrismExercises::set, nullptr};
constexpr Solids PyramidAlone{PyramidExercises::set, nullptr};
constexpr Solids BoxAndPyramid{BoxExercises::set, PyramidExercises::set};
constexpr Solids CylinderAndSphere{CylinderExercises::set, SphereExercises::set};
constexpr Solids ConeAndSphere{ConeExercises::set, SphereExercises::set};
constexpr Solids CubeAndCylinder{CubeExercises::set, CylinderExercises::set};
constexpr Solids BoxAlone{BoxExercises::set, nullptr};
constexpr Solids BoxAndCube{BoxExercises::set, CubeExercises::set};

constexpr DrawRange SmallTriple{1, 5};
constexpr DrawRange AnyTriple{1, Triples::Count};
constexpr DrawRange EitherLeg{0, 1};
constexpr DrawRange None{0, 0};
constexpr DrawRange Same{0, 0};
constexpr int HypotenuseTriples = int(std::size(Triples::AboutHypotenuse));
constexpr int RhombusPyramidRows = int(std::size(Triples::RhombusPyramids));
constexpr int FirstLegOfThreeRows = int(std::size(Triples::FirstLegOfThree));

constexpr ProblemKind Kinds[] = {
    {u"Cilindro sormontato da un cono", SmallTriple, EitherLeg, {2, 12}, Same, CylinderWithCone, RadiusAndHeight,
     CylinderWithConeText, u"problem-cylinder-cone", CylinderConeQuestions, CylinderConeMistakes, CylinderAndCone},
    {u"Cubo sormontato da una piramide quadrangolare regolare", SmallTriple, None, None, Same, CubeWithPyramid,
     EdgeAndPyramidHeight, CubeWithPyramidText, u"problem-cube-pyramid", CubePyramidQuestions, CubePyramidMistakes,
     CubeAndPyramid},
    {u"Cilindro con una cavità conica", SmallTriple, EitherLeg, {1, 6}, Same, HollowCylinder, TwoHeights,
     HollowCylinderText, u"problem-hollow-cylinder", HollowCylinderQuestions, HollowCylinderMistakes, CylinderAndCone},
    {u"Triangolo rettangolo che ruota intorno a un cateto", AnyTriple, EitherLeg, None, Same, TurnedTriangle, Legs,
     AboutLegText, u"problem-triangle-leg", AboutLegQuestions, AboutLegMistakes, ConeAlone},
    {u"Triangolo rettangolo che ruota intorno all'ipotenusa", {1, HypotenuseTriples}, EitherLeg, None,
     {HypotenuseTriples, HypotenuseTriples}, TriangleAboutHypotenuse, Legs, AboutHypotenuseText,
     u"problem-triangle-hypotenuse", AboutHypotenuseQuestions, AboutHypotenuseMistakes, ConeAlone},
    {u"Recipiente cilindrico", {3, 15}, {1, 4}, None, Same, Container, ContainerMeasures, ContainerText,
     u"problem-container", ContainerQuestions, ContainerMistakes, CylinderAlone, false},
    {u"Trapezio rettangolo che ruota intorno alla base maggiore", SmallTriple, EitherLeg, {2, 12}, Same, Trapezium,
     Bases, AboutMajorText, u"problem-trapezium-major", AboutMajorQuestions, AboutMajorMistakes, CylinderAndCone},
    {u"Trapezio rettangolo che ruota intorno alla base minore", SmallTriple, EitherLeg, {2, 12}, Same, Trapezium,
     Bases, AboutMinorText, u"problem-trapezium-minor", AboutMinorQuestions, AboutMinorMistakes, CylinderAndCone},
    {u"Rettangolo che ruota intorno a un lato", {1, 10}, {1, 12}, None, Same, Rectangle, Sides, RectangleText,
     u"problem-rectangle", RectangleQuestions, RectangleMistakes, CylinderAlone, true,
     {{{u"a", u"lato che ruota: raggio del cilindro"}, {u"b", u"lato sull'asse: altezza del cilindro"}}}},
    {u"Prisma retto a base rombica", AnyTriple, {3, 20}, None, Same, RhombusPrism, Diagonals, RhombusPrismText,
     u"problem-rhombus-prism", RhombusPrismQuestions, RhombusPrismMistakes, PrismAlone, true,
     {{{u"h", u"altezza del prisma"}}}},
    {u"Piramide retta a base rombica", {1, RhombusPyramidRows}, None, None, Same, RhombusPyramid, Diagonals,
     RhombusPyramidText, u"problem-rhombus-pyramid", RhombusPyramidQuestions, RhombusPyramidMistakes, PyramidAlone,
     true, {{{u"h", u"altezza della piramide"}}}},
    {u"Prisma retto a base trapezio isoscele", AnyTriple, {2, 12}, {3, 15}, Same, TrapeziumPrism, Bases,
     TrapeziumPrismText, u"problem-trapezium-prism", TrapeziumPrismQuestions, TrapeziumPrismMistakes, PrismAlone,
     true, {{{u"l", u"lato obliquo del trapezio"}, {u"h", u"altezza del prisma"}}}},
    {u"Prisma retto a base triangolare isoscele", AnyTriple, EitherLeg, {3, 20}, Same, TrianglePrism, {},
     TrianglePrismText, u"problem-triangle-prism", TrianglePrismQuestions, TrianglePrismMistakes, PrismAlone, true,
     {{{u"b", u"base del triangolo"}, {u"l", u"lato obliquo del triangolo"}, {u"h", u"altezza del prisma"}}}},
    {u"Parallelepipedo a base quadrata sormontato da una piramide", SmallTriple, EitherLeg, {2, 15}, {1, 3},
     BoxWithPyramid, SideAndPyramidHeight, BoxWithPyramidText, u"problem-box-pyramid", BoxPyramidQuestions,
     BoxPyramidMistakes, BoxAndPyramid, true, {{{u"l", u"lato di base"}, {u"h", u"altezza del parallelepipedo"}}}},
    {u"Cilindro sormontato da una semisfera", {1, 5}, {2, 20}, None, {1, 4}, CylinderWithHemisphere, RadiusAndHeight,
     CylinderWithHemisphereText, u"problem-cylinder-hemisphere", CylinderHemisphereQuestions,
     CylinderHemisphereMistakes, CylinderAndSphere},
    {u"Cono sormontato da una semisfera", {1, FirstLegOfThreeRows}, None, None, {1, FirstLegOfThreeRows - 1}, ConeWithHemisphere,
     RadiusAndConeHeight, ConeWithHemisphereText, u"problem-cone-hemisphere", ConeHemisphereQuestions,
     ConeHemisphereMistakes, ConeAndSphere},
    {u"Cubo con un foro cilindrico", {2, 5}, {1, 4}, None, {2, 4}, HoledCube, {}, HoledCubeText, u"problem-holed-cube",
     HoledCubeQuestions, HoledCubeMistakes, CubeAndCylinder, true, {{{u"r", u"raggio del foro"}}}, true},
    {u"Trapezio isoscele che ruota intorno alla base maggiore", SmallTriple, EitherLeg, {2, 12}, {1, 4},
     IsoscelesTrapezium, Bases, IsoscelesAboutMajorText, u"problem-isosceles-major", IsoscelesAboutMajorQuestions,
     IsoscelesAboutMajorMistakes, CylinderAndCone, true, {{{u"l", u"lato obliquo"}}}},
    {u"Trapezio isoscele che ruota intorno alla base minore", SmallTriple, EitherLeg, {2, 12}, {1, 4},
     IsoscelesTrapezium, Bases, IsoscelesAboutMinorText, u"problem-isosceles-minor", IsoscelesAboutMinorQuestions,
     IsoscelesAboutMinorMistakes, CylinderAndCone, true, {{{u"l", u"lato obliquo"}}}},
    {u"Rombo che ruota intorno alla diagonale maggiore", AnyTriple, None, None, Same, Rhombus, Diagonals,
     TurnedRhombusText, u"problem-rhombus-turned", TurnedRhombusQuestions, TurnedRhombusMistakes, ConeAlone},
    {u"Triangolo isoscele che ruota intorno alla base", AnyTriple, EitherLeg, None, Same, IsoscelesTriangle,
     BaseAndSlant, TurnedIsoscelesText, u"problem-isosceles-turned", TurnedIsoscelesQuestions,
     TurnedIsoscelesMistakes, ConeAlone, true, {{{u"b", u"base del triangolo"}, {u"l", u"lato obliquo"}}}},
    {u"Acquario a forma di parallelepipedo", {3, 6}, {4, 8}, {4, 7}, Same, Aquarium, {}, AquariumText,
     u"problem-aquarium", AquariumQuestions, AquariumMistakes, BoxAlone, false,
     {{{u"a", u"lunghezza interna"}, {u"b", u"larghezza interna"}, {u"c", u"altezza interna"}}}},
    {u"Cubo equivalente a un parallelepipedo", {1, 3}, {4, 6}, {1, 2}, {1, 1}, EquivalentBox, {}, EquivalentCubeText,
     u"problem-equivalent-cube", EquivalentCubeQuestions, EquivalentCubeMistakes, BoxAndCube, true,
     {{{u"a", u"spigolo del parallelepipedo"}, {u"b", u"spigolo del parallelepipedo"},
       {u"c", u"spigolo del parallelepipedo"}}}},
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
