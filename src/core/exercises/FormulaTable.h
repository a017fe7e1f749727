// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "formula/Formula.h"

// Every formula of the program, each written once: the exercises' and the
// problems' questions, the likely mistakes (a mistake is another formula),
// and the rules that turn the draws into measures. The worked solutions, the
// formula sheets and the printed sheets all read these very entries.
// Symbols: n1, n2, n3 are the draws; where a right triangle of whole sides
// is drawn, t1 and t2 are its legs in the drawn order and t3 its hypotenuse.
namespace FormulaTable {

using E = FormulaEntry;

// How the draws become the measures.
namespace Measure {
inline constexpr E EdgeDrawn{u"l = n1", u"cm"};
inline constexpr E WidthDrawn{u"a = n1", u"cm"};
inline constexpr E DepthDrawn{u"b = n1 − n2", u"cm"};
inline constexpr E BoxHeightDrawn{u"c = n1 − n3 + n2 + 1", u"cm"};
inline constexpr E FirstLeg{u"a = t1", u"cm"};
inline constexpr E SecondLeg{u"b = t2", u"cm"};
inline constexpr E Hypotenuse{u"c = t3", u"cm"};
inline constexpr E HeightDrawnSecond{u"h = n2", u"cm"};
inline constexpr E SideTwiceLeg{u"l = 2 · t1", u"cm"};
inline constexpr E ApothemHypotenuse{u"a = t3", u"cm"};
inline constexpr E HeightLeg{u"h = t2", u"cm"};
inline constexpr E RadiusDrawn{u"r = n1", u"cm"};
inline constexpr E RadiusLeg{u"r = t1", u"cm"};
inline constexpr E SphereRadius{u"r = n1 · n2", u"cm"};
inline constexpr E ConeHeightLeg{u"hc = t2", u"cm"};
inline constexpr E HeightDrawnThird{u"h = n3", u"cm"};
inline constexpr E HeightAboveCone{u"h = t2 + n3", u"cm"};
inline constexpr E PyramidHeightLeg{u"hp = t2", u"cm"};
inline constexpr E AxisLeg{u"c1 = t1", u"cm"};
inline constexpr E OtherLeg{u"c2 = t2", u"cm"};
inline constexpr E HeightInTens{u"h = 10 · n2", u"cm"};
inline constexpr E TrapeziumHeight{u"h = t1", u"cm"};
inline constexpr E MinorBase{u"b = n3", u"cm"};
inline constexpr E MajorBase{u"B = n3 + t2", u"cm"};
inline constexpr E SecondSideDrawn{u"b = n2", u"cm"};
inline constexpr E HalfMinorDiagonal{u"d1 = 2 · t1", u"cm"};
inline constexpr E HalfMajorDiagonal{u"d2 = 2 · t2", u"cm"};
inline constexpr E HeightThird{u"h = t3", u"cm"};
inline constexpr E MajorBaseByLeg{u"B = n2 + 2 · t1", u"cm"};
inline constexpr E MajorBaseAboveThird{u"B = n3 + 2 · t1", u"cm"};
inline constexpr E SlantHypotenuse{u"l = t3", u"cm"};
inline constexpr E BaseTwiceLeg{u"b = 2 · t1", u"cm"};
inline constexpr E RadiusInThrees{u"r = 3 · n1", u"cm"};
inline constexpr E EdgeInFives{u"l = 5 · n1", u"cm"};
inline constexpr E HoleRadius{u"r = n2", u"cm"};
inline constexpr E LengthInTens{u"a = 10 · n1", u"cm"};
inline constexpr E WidthInFives{u"b = 5 · n2", u"cm"};
inline constexpr E HeightInFives{u"c = 5 · n3", u"cm"};
inline constexpr E CubeOfFirstSquare{u"a = n3 · n1²", u"cm"};
inline constexpr E CubeOfSecondSquare{u"b = n3 · n2²", u"cm"};
inline constexpr E CubeOfProduct{u"c = n3 · n1 · n2", u"cm"};
} // namespace Measure

namespace Cube {
inline constexpr E Perimeter{u"2p = 4·l", u"cm"};
inline constexpr E BaseArea{u"Ab = l²", u"cmq"};
inline constexpr E Lateral{u"Sl = 4·l²", u"cmq"};
inline constexpr E Total{u"St = 6·l²", u"cmq"};
inline constexpr E Volume{u"V = l³", u"cmc"};
inline constexpr E SpaceDiagonal{u"d = l·√3", u"cm", 1};
inline constexpr E EdgeFromLateral{u"l = √(Sl : 4)", u"cm"};
inline constexpr E EdgeFromVolume{u"l = ∛V", u"cm"};
inline constexpr E EdgeFromPerimeter{u"l = 2p : 4", u"cm"};
inline constexpr E EdgeWritten{u"x = l"};
} // namespace Cube

namespace Box {
inline constexpr E Perimeter{u"2p = 2·(a + b)", u"cm"};
inline constexpr E HalfPerimeter{u"p = 2p : 2", u"cm"};
inline constexpr E BaseArea{u"Ab = a·b", u"cmq"};
inline constexpr E Lateral{u"Sl = 2·(a + b)·c", u"cmq"};
inline constexpr E Total{u"St = 2·(a + b)·c + 2·a·b", u"cmq"};
inline constexpr E Volume{u"V = a·b·c", u"cmc"};
inline constexpr E SpaceDiagonal{u"d = √(a² + b² + c²)", u"cm", 1};
inline constexpr E Height{u"c = Sl : (2·(a + b))", u"cm"};
inline constexpr E Width{u"a = p − b", u"cm"};
inline constexpr E Depth{u"b = p − a", u"cm"};
inline constexpr E HalfPerimeterOfSides{u"p = a + b"};
} // namespace Box

namespace Prism {
inline constexpr E Perimeter{u"2p = a + b + c", u"cm"};
inline constexpr E BaseArea{u"Ab = a · b : 2", u"cmq"};
inline constexpr E Lateral{u"Sl = (a + b + c) · h", u"cmq"};
inline constexpr E Total{u"St = (a + b + c) · h + a · b", u"cmq"};
inline constexpr E Volume{u"V = a · b : 2 · h", u"cmc"};
inline constexpr E Hypotenuse{u"c = √(a² + b²)", u"cm"};
inline constexpr E LegA{u"a = √(c² − b²)", u"cm"};
inline constexpr E LegB{u"b = √(c² − a²)", u"cm"};
inline constexpr E HeightFromLateral{u"h = Sl : (a + b + c)", u"cm"};
inline constexpr E BoxVolume{u"V = a · b · h"};
inline constexpr E BoxLateral{u"Sl = 2 · (a + b) · h"};
inline constexpr E LegsAdded{u"c = a + b"};
inline constexpr E SidesSubtractedA{u"a = c − b"};
inline constexpr E SidesSubtractedB{u"b = c − a"};
inline constexpr E HypotenuseNoRoot{u"c = a² + b²"};
inline constexpr E LegANoRoot{u"a = c² − b²"};
inline constexpr E LegBNoRoot{u"b = c² − a²"};
} // namespace Prism

namespace Pyramid {
inline constexpr E Perimeter{u"2p = 4 · l", u"cm"};
inline constexpr E Lateral{u"Sl = 2 · l · a", u"cmq"};
inline constexpr E Total{u"St = 2 · l · a + l²", u"cmq"};
inline constexpr E Volume{u"V = l² · h : 3", u"cmc"};
inline constexpr E Apothem{u"a = √((l : 2)² + h²)", u"cm"};
inline constexpr E Height{u"h = √(a² − (l : 2)²)", u"cm"};
inline constexpr E HeightFromVolume{u"h = 3 · V : l²", u"cm"};
inline constexpr E NoThird{u"V = l² · h"};
inline constexpr E HeightForApothem{u"Sl = 2 · l · h"};
inline constexpr E NoHalf{u"Sl = 4 · l · a"};
inline constexpr E LegsAdded{u"a = l : 2 + h"};
inline constexpr E SidesSubtracted{u"h = a − l : 2"};
inline constexpr E ApothemNoRoot{u"a = (l : 2)² + h²"};
inline constexpr E HeightNoRoot{u"h = a² − (l : 2)²"};
} // namespace Pyramid

// The circle under the cylinder and the cone.
namespace Circle {
inline constexpr E Circumference{u"2p = 2 · π · r", u"cm"};
inline constexpr E Area{u"Ab = π · r²", u"cmq"};
inline constexpr E Diameter{u"d = 2 · r", u"cm"};
} // namespace Circle

namespace Cylinder {
inline constexpr E Lateral{u"Sl = 2 · π · r · h", u"cmq"};
inline constexpr E Total{u"St = 2 · π · r · (r + h)", u"cmq"};
inline constexpr E Volume{u"V = π · r² · h", u"cmc"};
inline constexpr E HeightFromVolume{u"h = V : (π · r²)", u"cm"};
inline constexpr E RadiusFromLateral{u"r = Sl : (2 · π · h)", u"cm"};
inline constexpr E VolumeOfDiameter{u"V = π · (2 · r)² · h"};
inline constexpr E LateralOfDiameter{u"Sl = 2 · π · (2 · r) · h"};
inline constexpr E RadiusNotSquared{u"V = π · r · h"};
inline constexpr E OneBase{u"St = π · r · (2 · h + r)"};
} // namespace Cylinder

namespace Cone {
inline constexpr E Lateral{u"Sl = π · r · a", u"cmq"};
inline constexpr E Total{u"St = π · r · (r + a)", u"cmq"};
inline constexpr E Volume{u"V = π · r² · h : 3", u"cmc"};
inline constexpr E Apothem{u"a = √(r² + h²)", u"cm"};
inline constexpr E Height{u"h = √(a² − r²)", u"cm"};
inline constexpr E HeightFromVolume{u"h = 3 · V : (π · r²)", u"cm"};
inline constexpr E HeightForApothem{u"Sl = π · r · h"};
inline constexpr E LateralOfDiameter{u"Sl = 2 · π · r · a"};
inline constexpr E LegsAdded{u"a = r + h"};
inline constexpr E SidesSubtracted{u"h = a − r"};
inline constexpr E ApothemNoRoot{u"a = r² + h²"};
inline constexpr E HeightNoRoot{u"h = a² − r²"};
} // namespace Cone

namespace Sphere {
inline constexpr E Surface{u"S = 4 · π · r²", u"cmq"};
inline constexpr E Volume{u"V = 4 : 3 · π · r³", u"cmc"};
inline constexpr E RadiusFromSurface{u"r = √(S : (4 · π))", u"cm"};
inline constexpr E RadiusFromVolume{u"r = ∛(3 · V : (4 · π))", u"cm"};
inline constexpr E SurfaceOfDiameter{u"S = 4 · π · (2 · r)²"};
inline constexpr E RadiusNotSquared{u"S = 4 · π · r"};
inline constexpr E NoThird{u"V = 4 · π · r³"};
inline constexpr E RadiusSquared{u"x = r²"};
inline constexpr E RadiusCubed{u"x = r³"};
} // namespace Sphere

// The problems: composite solids and solids of rotation.
namespace Composite {
inline constexpr E ConeApothem{u"a = √(r² + hc²)", u"cm"};
inline constexpr E CylinderAndConeSurface{u"St = π · r² + 2 · π · r · h + π · r · a", u"cmq"};
inline constexpr E CylinderPlusCone{u"V = π · r² · h + π · r² · hc : 3", u"cmc"};
inline constexpr E CylinderLessCone{u"V = π · r² · h − π · r² · hc : 3", u"cmc"};
inline constexpr E PyramidApothem{u"a = √((l : 2)² + hp²)", u"cm"};
inline constexpr E CubeAndPyramidSurface{u"St = 5 · l² + 2 · l · a", u"cmq"};
inline constexpr E CubePlusPyramid{u"V = l³ + l² · hp : 3", u"cmc"};
inline constexpr E Hypotenuse{u"i = √(c1² + c2²)", u"cm"};
inline constexpr E ConeOfLegSurface{u"St = π · c2² + π · c2 · i", u"cmq"};
inline constexpr E ConeOfLegVolume{u"V = π · c2² · c1 : 3", u"cmc"};
inline constexpr E TwoConesRadius{u"r = c1 · c2 : i", u"cm"};
inline constexpr E TwoConesSurface{u"St = π · r · c1 + π · r · c2", u"cmq"};
inline constexpr E TwoConesVolume{u"V = π · r² · i : 3", u"cmc"};
inline constexpr E Capacity{u"C = V : 1000", u"l"};
inline constexpr E SlantSide{u"l = √(h² + (B − b)²)", u"cm"};
inline constexpr E AboutMajorSurface{u"St = π · h² + 2 · π · h · b + π · h · l", u"cmq"};
inline constexpr E AboutMajorVolume{u"V = π · h² · b + π · h² · (B − b) : 3", u"cmc"};
inline constexpr E AboutMinorSurface{u"St = π · h² + 2 · π · h · B + π · h · l", u"cmq"};
inline constexpr E AboutMinorVolume{u"V = π · h² · B − π · h² · (B − b) : 3", u"cmc"};
inline constexpr E RectangleLateral{u"Sl = 2 · π · a · b", u"cmq"};
inline constexpr E RectangleSurface{u"St = 2 · π · a · (a + b)", u"cmq"};
inline constexpr E RectangleVolume{u"V = π · a² · b", u"cmc"};
inline constexpr E Weight{u"P = V · ps", u"g"};
inline constexpr E WeightInKg{u"P = V · ps : 1000", u"kg"};
inline constexpr E RhombusSide{u"l = √((d1 : 2)² + (d2 : 2)²)", u"cm"};
inline constexpr E RhombusArea{u"Ab = d1 · d2 : 2", u"cmq"};
inline constexpr E RhombusLateral{u"Sl = 4 · l · h", u"cmq"};
inline constexpr E PrismTotal{u"St = Sl + 2 · Ab", u"cmq"};
inline constexpr E PrismVolume{u"V = Ab · h", u"cmc"};
inline constexpr E InscribedRadius{u"r = 2 · Ab : 2p", u"cm"};
inline constexpr E RhombusPyramidApothem{u"a = √(h² + r²)", u"cm"};
inline constexpr E RhombusPyramidSurface{u"St = Ab + 2p · a : 2", u"cmq"};
inline constexpr E PyramidVolume{u"V = Ab · h : 3", u"cmc"};
inline constexpr E TrapeziumHeight{u"ht = √(l² − ((B − b) : 2)²)", u"cm"};
inline constexpr E TrapeziumArea{u"Ab = (B + b) · ht : 2", u"cmq"};
inline constexpr E TrapeziumPerimeter{u"2p = B + b + 2 · l", u"cm"};
inline constexpr E PrismSurfaceOfPerimeter{u"St = 2p · h + 2 · Ab", u"cmq"};
inline constexpr E TriangleHeight{u"ht = √(l² − (b : 2)²)", u"cm"};
inline constexpr E TriangleArea{u"Ab = b · ht : 2", u"cmq"};
inline constexpr E TrianglePrismSurface{u"St = (b + 2 · l) · h + 2 · Ab", u"cmq"};
inline constexpr E BoxAndPyramidSurface{u"St = l² + 4 · l · h + 2 · l · a", u"cmq"};
inline constexpr E BoxPlusPyramid{u"V = l² · h + l² · hp : 3", u"cmc"};
inline constexpr E HemisphereSurface{u"Ss = 2 · π · r²", u"cmq"};
inline constexpr E CylinderAndHemisphereSurface{u"St = π · r² + 2 · π · r · h + Ss", u"cmq"};
inline constexpr E CylinderPlusHemisphere{u"V = π · r² · h + 2 · π · r³ : 3", u"cmc"};
inline constexpr E ConeAndHemisphereSurface{u"St = π · r · a + 2 · π · r²", u"cmq"};
inline constexpr E ConePlusHemisphere{u"V = π · r² · hc : 3 + 2 · π · r³ : 3", u"cmc"};
inline constexpr E HoledCubeSurface{u"St = 6 · l² − 2 · π · r² + 2 · π · r · l", u"cmq"};
inline constexpr E HoledCubeVolume{u"V = l³ − π · r² · l", u"cmc"};
inline constexpr E AboutMajorIsoscelesSurface{u"St = 2 · π · ht · b + 2 · π · ht · l", u"cmq"};
inline constexpr E AboutMajorIsoscelesVolume{u"V = π · ht² · b + 2 · π · ht² · ((B − b) : 2) : 3", u"cmc"};
inline constexpr E AboutMinorIsoscelesSurface{u"St = 2 · π · ht · B + 2 · π · ht · l", u"cmq"};
inline constexpr E AboutMinorIsoscelesVolume{u"V = π · ht² · B − 2 · π · ht² · ((B − b) : 2) : 3", u"cmc"};
inline constexpr E TurnedRhombusSurface{u"St = 2 · π · (d1 : 2) · l", u"cmq"};
inline constexpr E TurnedRhombusVolume{u"V = 2 · π · (d1 : 2)² · (d2 : 2) : 3", u"cmc"};
inline constexpr E TurnedTriangleSurface{u"St = 2 · π · ht · l", u"cmq"};
inline constexpr E TurnedTriangleVolume{u"V = 2 · π · ht² · (b : 2) : 3", u"cmc"};
inline constexpr E GlassSurface{u"Sv = a · b + 2 · c · (a + b)", u"cmq"};
inline constexpr E BoxVolume{u"V = a · b · c", u"cmc"};
inline constexpr E WaterWeight{u"Pa = C", u"kg"};

// The slips between the formulas.
inline constexpr E ConeLegsAdded{u"a = r + hc"};
inline constexpr E ConeApothemNoRoot{u"a = r² + hc²"};
inline constexpr E CylinderConeJoined{u"St = 2 · π · r² + 2 · π · r · h + π · r · a"};
inline constexpr E CylinderConeHeightForApothem{u"St = π · r² + 2 · π · r · h + π · r · hc"};
inline constexpr E CylinderPlusConeNoThird{u"V = π · r² · h + π · r² · hc"};
inline constexpr E CylinderLessConeNoThird{u"V = π · r² · h − π · r² · hc"};
inline constexpr E HollowTopKept{u"St = 2 · π · r² + 2 · π · r · h"};
inline constexpr E PyramidLegsAdded{u"a = l : 2 + hp"};
inline constexpr E PyramidApothemNoRoot{u"a = (l : 2)² + hp²"};
inline constexpr E CubePyramidJoined{u"St = 6 · l² + 2 · l · a"};
inline constexpr E CubePyramidHeightForApothem{u"St = 5 · l² + 2 · l · hp"};
inline constexpr E CubePyramidNoHalf{u"St = 5 · l² + 4 · l · a"};
inline constexpr E CubePlusPyramidNoThird{u"V = l³ + l² · hp"};
inline constexpr E LegsAdded{u"i = c1 + c2"};
inline constexpr E HypotenuseNoRoot{u"i = c1² + c2²"};
inline constexpr E ConeOfLegAxisForApothem{u"St = π · c2² + π · c2 · c1"};
inline constexpr E ConeOfLegSwapped{u"St = π · c1² + π · c1 · i"};
inline constexpr E ConeOfLegNoThird{u"V = π · c2² · c1"};
inline constexpr E ConeOfLegVolumeSwapped{u"V = π · c1² · c2 : 3"};
inline constexpr E RadiusFirstLeg{u"r = c1"};
inline constexpr E RadiusSecondLeg{u"r = c2"};
inline constexpr E TwoConesBases{u"St = π · r · c1 + π · r · c2 + 2 · π · r²"};
inline constexpr E TwoConesNoThird{u"V = π · r² · i"};
inline constexpr E CapacityInCmc{u"C = V"};
inline constexpr E CapacityByHundred{u"C = V : 100"};
inline constexpr E SlantLegsAdded{u"l = h + B − b"};
inline constexpr E SlantNoRoot{u"l = h² + (B − b)²"};
inline constexpr E SlantIsDifference{u"l = B − b"};
inline constexpr E AboutMajorJoined{u"St = 2 · π · h² + 2 · π · h · b + π · h · l"};
inline constexpr E AboutMajorHeightForSlant{u"St = π · h² + 2 · π · h · b + π · h · (B − b)"};
inline constexpr E AboutMajorNoThird{u"V = π · h² · b + π · h² · (B − b)"};
inline constexpr E AboutMinorTopKept{u"St = 2 · π · h² + 2 · π · h · B"};
inline constexpr E AboutMinorJoined{u"St = 2 · π · h² + 2 · π · h · B + π · h · l"};
inline constexpr E AboutMinorHeightForSlant{u"St = π · h² + 2 · π · h · B + π · h · (B − b)"};
inline constexpr E AboutMinorAdded{u"V = π · h² · B + π · h² · (B − b) : 3"};
inline constexpr E AboutMinorNoThird{u"V = π · h² · B − π · h² · (B − b)"};
inline constexpr E RectangleOneBase{u"St = 2 · π · a · b + π · a²"};
inline constexpr E RectangleSidesSwapped{u"V = π · b² · a"};
inline constexpr E RhombusSideWholeDiagonals{u"l = √(d1² + d2²)"};
inline constexpr E RhombusAreaNoHalf{u"Ab = d1 · d2"};
inline constexpr E PrismOneBase{u"St = Sl + Ab"};
inline constexpr E InscribedRadiusNoDouble{u"r = Ab : 2p"};
inline constexpr E RhombusPyramidApothemAdded{u"a = h + r"};
inline constexpr E RhombusSideForApothem{u"St = Ab + 2p · l : 2"};
inline constexpr E RhombusPyramidHeightForApothem{u"St = Ab + 2p · h : 2"};
inline constexpr E TrapeziumHeightWholeDifference{u"ht = √(l² − (B − b)²)"};
inline constexpr E TrapeziumAreaNoHalf{u"Ab = (B + b) · ht"};
inline constexpr E TrapeziumOneSlant{u"2p = B + b + l"};
inline constexpr E PrismSurfaceOneBase{u"St = 2p · h + Ab"};
inline constexpr E TriangleAreaNoHalf{u"Ab = b · ht"};
inline constexpr E TrianglePrismOneBase{u"St = (b + 2 · l) · h + Ab"};
inline constexpr E TrianglePrismOneSlant{u"St = (b + l) · h + 2 · Ab"};
inline constexpr E BoxPyramidJoined{u"St = 2 · l² + 4 · l · h + 2 · l · a"};
inline constexpr E BoxPyramidHeightForApothem{u"St = l² + 4 · l · h + 2 · l · hp"};
inline constexpr E BoxPlusPyramidNoThird{u"V = l² · h + l² · hp"};
inline constexpr E WholeSphereSurface{u"Ss = 4 · π · r²"};
inline constexpr E CylinderHemisphereJoined{u"St = 2 · π · r² + 2 · π · r · h + Ss"};
inline constexpr E CylinderPlusWholeSphere{u"V = π · r² · h + 4 · π · r³ : 3"};
inline constexpr E ConeHemisphereJoined{u"St = π · r² + π · r · a + 2 · π · r²"};
inline constexpr E ConeAndWholeSphere{u"St = π · r · a + 4 · π · r²"};
inline constexpr E ConeHemisphereHeightForApothem{u"St = π · r · hc + 2 · π · r²"};
inline constexpr E ConePlusHemisphereNoThird{u"V = π · r² · hc + 2 · π · r³ : 3"};
inline constexpr E ConePlusWholeSphere{u"V = π · r² · hc : 3 + 4 · π · r³ : 3"};
inline constexpr E HoleCirclesKept{u"St = 6 · l² + 2 · π · r · l"};
inline constexpr E HoleLateralForgotten{u"St = 6 · l² − 2 · π · r²"};
inline constexpr E HoleAdded{u"V = l³ + π · r² · l"};
inline constexpr E AboutMajorIsoscelesJoined{u"St = 2 · π · ht² + 2 · π · ht · b + 2 · π · ht · l"};
inline constexpr E AboutMajorIsoscelesOneCone{u"St = 2 · π · ht · b + π · ht · l"};
inline constexpr E AboutMajorIsoscelesNoThird{u"V = π · ht² · b + 2 · π · ht² · ((B − b) : 2)"};
inline constexpr E AboutMinorIsoscelesBasesKept{u"St = 2 · π · ht² + 2 · π · ht · B"};
inline constexpr E AboutMinorIsoscelesAdded{u"V = π · ht² · B + 2 · π · ht² · ((B − b) : 2) : 3"};
inline constexpr E AboutMinorIsoscelesNoThird{u"V = π · ht² · B − 2 · π · ht² · ((B − b) : 2)"};
inline constexpr E TurnedRhombusDiagonalForRadius{u"St = 2 · π · d1 · l"};
inline constexpr E TurnedRhombusNoThird{u"V = 2 · π · (d1 : 2)² · (d2 : 2)"};
inline constexpr E TurnedTriangleBasesKept{u"St = 2 · π · ht² + 2 · π · ht · l"};
inline constexpr E TurnedTriangleNoThird{u"V = 2 · π · ht² · (b : 2)"};
inline constexpr E TriangleHeightWholeBase{u"ht = √(l² − b²)"};
inline constexpr E GlassWithLid{u"Sv = 2 · a · b + 2 · c · (a + b)"};
inline constexpr E WaterWeightInGrams{u"Pa = V"};
inline constexpr E CubeEdgeByThree{u"l = V : 3"};
} // namespace Composite

// How a pair of measures given by a relation is found, by the method of the
// segments: x and y stand for the pair's symbols and become them; x = m/n · y,
// s is their sum, k the larger less the smaller, u one of the equal parts.
namespace Relation {
inline constexpr E PartOfSum{u"u = s : (m + n)", u"cm"};
inline constexpr E PartOfDifferenceAbove{u"u = k : (m − n)", u"cm"};
inline constexpr E PartOfDifferenceBelow{u"u = k : (n − m)", u"cm"};
inline constexpr E XOfParts{u"x = m · u", u"cm"};
inline constexpr E YOfParts{u"y = n · u", u"cm"};
inline constexpr E LargerOfSum{u"x = (s + k) : 2", u"cm"};
inline constexpr E SmallerOfSum{u"y = (s − k) : 2", u"cm"};
inline constexpr E FractionOfY{u"x = m · y : n", u"cm"};

// The slips.
inline constexpr E XOfSumByDenominator{u"x = m · s : n"};
inline constexpr E YOfSumByNumerator{u"y = n · s : m"};
inline constexpr E XOfDifferenceByDenominator{u"x = m · k : n"};
inline constexpr E YOfDifferenceByNumerator{u"y = n · k : m"};
inline constexpr E XIsOnePart{u"x = u"};
inline constexpr E YIsOnePart{u"y = u"};
inline constexpr E LargerNoHalf{u"x = s + k"};
inline constexpr E SmallerNoHalf{u"y = s − k"};
inline constexpr E FractionUpsideDown{u"x = n · y : m"};
} // namespace Relation

} // namespace FormulaTable
