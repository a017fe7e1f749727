// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EveryWording.h"
#include "FakeRandom.h"
#include "common/ExerciseState.h"
#include "common/ItalianNumber.h"
#include "formula/Answer.h"
#include "frame/GameResults.h"
#include "problems/ProblemKinds.h"
#include "problems/ProblemRun.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

const ProblemSet &problems()
{
    return ProblemKinds::set();
}

Rational typedNumber(const QString &typed)
{
    return Answer::read(typed).value_or(Rational::invalid());
}

struct Draw
{
    int kind, first, second, third, material;
    Wording wording = {};

    Problem make() const { return problems().make(kind, first, second, third, material, wording); }
};

} // namespace

Q_DECLARE_METATYPE(Draw)

// The problems of the class test: each kind's values for draws worked out
// by hand, the answers a pupil may write, the slips named, one problem
// asked question by question, and every draw of every range checked.
class ProblemsTest : public QObject
{
    Q_OBJECT
private slots:
    void kinds_data();
    void kinds();
    void answers_data();
    void answers();
    void relations_data();
    void relations();
    void mistakes_data();
    void mistakes();
    void plainAndPiPartsTakeSchoolPi();
    void askedQuestionByQuestion();
    void everyDrawIsASchoolProblem();
    void resultsWaitForTheProblemsEnd();
};

void ProblemsTest::kinds_data()
{
    QTest::addColumn<Draw>("draw");
    QTest::addColumn<QStringList>("data");
    QTest::addColumn<QStringList>("values"); // symbol=value, as the verdict writes it

    const int none = -1;
    const int iron = 0;
    QTest::newRow("cylinder and cone, 6 8 10") << Draw{1, 2, 0, 10, none} << QStringList{"r = 6 cm", "h = 10 cm", "hc = 8 cm"}
                                               << QStringList{"a=10", "St=216π", "V=456π"};
    QTest::newRow("cube and pyramid, iron") << Draw{2, 1, 0, 0, iron}
                                            << QStringList{"l = 6 cm", "hp = 4 cm", "ps = 7,8 g/cmc"}
                                            << QStringList{"a=5", "St=240", "V=264", "P=2059,2"};
    QTest::newRow("hollow cylinder") << Draw{3, 1, 0, 2, none} << QStringList{"r = 3 cm", "h = 6 cm", "hc = 4 cm"}
                                     << QStringList{"a=5", "St=60π", "V=42π"};
    QTest::newRow("about a leg") << Draw{4, 1, 0, 0, none} << QStringList{"c1 = 3 cm", "c2 = 4 cm"}
                                 << QStringList{"i=5", "St=36π", "V=16π"};
    QTest::newRow("about a leg, turned") << Draw{4, 1, 1, 0, none} << QStringList{"c1 = 4 cm", "c2 = 3 cm"}
                                         << QStringList{"i=5", "St=24π", "V=12π"};
    QTest::newRow("about the hypotenuse, 3 4 5") << Draw{5, 1, 0, 0, none} << QStringList{"c1 = 3 cm", "c2 = 4 cm"}
                                                 << QStringList{"i=5", "r=2,4", "St=16,8π", "V=9,6π"};
    QTest::newRow("about the hypotenuse, 7 24 25") << Draw{5, 5, 0, 0, none}
                                                   << QStringList{"c1 = 7 cm", "c2 = 24 cm"}
                                                   << QStringList{"i=25", "r=6,72", "St=208,32π", "V=376,32π"};
    QTest::newRow("about the hypotenuse, iron") << Draw{5, 6, 0, 0, iron}
                                                << QStringList{"c1 = 15 cm", "c2 = 20 cm", "ps = 7,8 g/cmc"}
                                                << QStringList{"i=25", "r=12", "St=420π", "V=1200π", "P=9360π"};
    QTest::newRow("container") << Draw{6, 10, 2, 0, none} << QStringList{"r = 10 cm", "h = 20 cm"}
                               << QStringList{"V=2000π", "C=2π"};
    QTest::newRow("container of a litre and a quarter") << Draw{6, 5, 1, 0, none}
                                                        << QStringList{"r = 5 cm", "h = 10 cm"}
                                                        << QStringList{"V=250π", "C=0,25π"};
    QTest::newRow("trapezium about the major base") << Draw{7, 2, 0, 5, none}
                                                    << QStringList{"B = 13 cm", "b = 5 cm", "h = 6 cm"}
                                                    << QStringList{"l=10", "St=156π", "V=276π"};
    QTest::newRow("trapezium about the minor base, wood") << Draw{8, 2, 0, 5, 4}
                                                          << QStringList{"B = 13 cm", "b = 5 cm", "h = 6 cm", "ps = 0,7 g/cmc"}
                                                          << QStringList{"l=10", "St=252π", "V=372π", "P=260,4π"};
    const int glass = 2;
    QTest::newRow("rhombus prism, glass in kg") << Draw{10, 1, 10, 0, glass, {Relation::ByValue, false, true}}
                                                << QStringList{"d1 = 6 cm", "d2 = 8 cm", "h = 10 cm", "ps = 2,5 g/cmc"}
                                                << QStringList{"l=5", "Ab=24", "Sl=200", "St=248", "V=240", "P=0,6"};
    QTest::newRow("rhombus prism, iron: no kg of three decimals")
        << Draw{10, 1, 10, 0, iron, {Relation::ByValue, false, true}}
        << QStringList{"d1 = 6 cm", "d2 = 8 cm", "h = 10 cm", "ps = 7,8 g/cmc"}
        << QStringList{"l=5", "Ab=24", "Sl=200", "St=248", "V=240", "P=1872"};
    QTest::newRow("rhombus pyramid") << Draw{11, 11, 0, 0, none} << QStringList{"d1 = 30 cm", "d2 = 40 cm", "h = 5 cm"}
                                     << QStringList{"l=25", "Ab=600", "r=12", "a=13", "St=1250", "V=1000"};
    QTest::newRow("rhombus pyramid, a radius in tenths") << Draw{11, 3, 0, 0, none}
                                                         << QStringList{"d1 = 12 cm", "d2 = 16 cm", "h = 2 cm"}
                                                         << QStringList{"l=10", "Ab=96", "r=4,8", "a=5,2", "St=200", "V=64"};
    QTest::newRow("trapezium prism") << Draw{12, 1, 5, 10, none} << QStringList{"B = 11 cm", "b = 5 cm", "l = 5 cm", "h = 10 cm"}
                                     << QStringList{"ht=4", "Ab=32", "2p=26", "St=324", "V=320"};
    QTest::newRow("triangle prism") << Draw{13, 1, 0, 10, none} << QStringList{"b = 6 cm", "l = 5 cm", "h = 10 cm"}
                                    << QStringList{"ht=4", "Ab=12", "St=184", "V=120"};
    QTest::newRow("box and pyramid") << Draw{14, 1, 0, 10, none} << QStringList{"l = 6 cm", "hp = 4 cm", "h = 10 cm"}
                                     << QStringList{"a=5", "St=336", "V=408"};
    QTest::newRow("cylinder and hemisphere") << Draw{15, 1, 10, 0, none} << QStringList{"r = 3 cm", "h = 10 cm"}
                                             << QStringList{"Ss=18π", "St=87π", "V=108π"};
    QTest::newRow("cone and hemisphere") << Draw{16, 1, 0, 0, none} << QStringList{"r = 3 cm", "hc = 4 cm"}
                                         << QStringList{"a=5", "St=33π", "V=30π"};
    QTest::newRow("holed cube, with 3,14 alone, iron") << Draw{17, 2, 1, 0, iron}
                                                       << QStringList{"l = 10 cm", "r = 1 cm", "ps = 7,8 g/cmc"}
                                                       << QStringList{"St=656,52", "V=968,6", "P=7555,08"};
    QTest::newRow("isosceles trapezium about the major base") << Draw{18, 1, 0, 5, none}
                                                              << QStringList{"B = 11 cm", "b = 5 cm", "l = 5 cm"}
                                                              << QStringList{"ht=4", "St=80π", "V=112π"};
    QTest::newRow("isosceles trapezium about the minor base") << Draw{19, 1, 0, 5, none}
                                                              << QStringList{"B = 11 cm", "b = 5 cm", "l = 5 cm"}
                                                              << QStringList{"ht=4", "St=128π", "V=144π"};
    QTest::newRow("rhombus about its major diagonal") << Draw{20, 1, 0, 0, none} << QStringList{"d1 = 6 cm", "d2 = 8 cm"}
                                                      << QStringList{"l=5", "St=30π", "V=24π"};
    QTest::newRow("isosceles triangle about its base") << Draw{21, 1, 0, 0, none} << QStringList{"b = 6 cm", "l = 5 cm"}
                                                       << QStringList{"ht=4", "St=40π", "V=32π"};
    QTest::newRow("aquarium") << Draw{22, 3, 4, 4, none} << QStringList{"a = 30 cm", "b = 20 cm", "c = 20 cm"}
                              << QStringList{"Sv=2600", "V=12000", "C=12", "Pa=12"};
    QTest::newRow("cube of a box's volume") << Draw{23, 1, 4, 1, none} << QStringList{"a = 1 cm", "b = 16 cm", "c = 4 cm"}
                                            << QStringList{"V=64", "l=4", "St=96"};
}

void ProblemsTest::kinds()
{
    QFETCH(Draw, draw);
    QFETCH(QStringList, data);
    QFETCH(QStringList, values);

    const Problem p = draw.make();
    QCOMPARE(p.title(), QString::fromUtf16(problems().kind(draw.kind).title));
    QCOMPARE(p.dataLines(), data);
    // Every datum's value is in the text, as a textbook words it.
    for (const QString &datum : data)
        QVERIFY2(p.text().contains(datum.section(u' ', 2, 2)), qPrintable(datum));
    QStringList asked;
    for (const AskedQuestion &q : p.questions)
        asked << q.symbol() + u'=' + q.valueText();
    QCOMPARE(asked, values);
}

void ProblemsTest::answers_data()
{
    QTest::addColumn<qint64>("value"); // in hundredths
    QTest::addColumn<bool>("timesPi");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("right");

    QTest::newRow("a length") << qint64(480) << false << "4,8" << true;
    QTest::newRow("a length, a zero after") << qint64(480) << false << "4,80" << true;
    QTest::newRow("a length, a hundredth off") << qint64(480) << false << "4,81" << false;
    QTest::newRow("the factor of π") << qint64(37632) << true << "376,32" << true;
    QTest::newRow("3,14 times it, the hundredth below") << qint64(37632) << true << "1181,64" << true;
    QTest::newRow("3,14 times it, the hundredth above") << qint64(37632) << true << "1181,65" << true;
    QTest::newRow("3,14 times it, two below") << qint64(37632) << true << "1181,63" << false;
    QTest::newRow("3,14 times it, two above") << qint64(37632) << true << "1181,66" << false;
    QTest::newRow("3,14 times it, cut to a tenth") << qint64(37632) << true << "1181,6" << false;
    QTest::newRow("an exact product") << qint64(4500) << true << "141,3" << true;
    QTest::newRow("an exact product, written to the hundredth") << qint64(4500) << true << "141,30" << true;
    QTest::newRow("an exact product, the hundredth above") << qint64(4500) << true << "141,31" << false;
    QTest::newRow("no π: 3,14 times it is wrong") << qint64(4500) << false << "141,3" << false;
    QTest::newRow("a weight in grams") << qint64(936000) << true << "29390,4" << true;
}

void ProblemsTest::answers()
{
    QFETCH(qint64, value);
    QFETCH(bool, timesPi);
    QFETCH(QString, typed);
    QFETCH(bool, right);

    const Rational exact = Rational::fraction(value, 100);
    QCOMPARE(Answer::matches(timesPi ? Value::timesPi(exact) : Value(exact), typedNumber(typed)), right);
}

void ProblemsTest::relations_data()
{
    QTest::addColumn<Draw>("draw");
    QTest::addColumn<QStringList>("data");
    QTest::addColumn<QString>("sentence"); // as the text words the pair
    QTest::addColumn<QStringList>("found"); // the questions that find the pair: symbol=value
    QTest::addColumn<QString>("worked");    // the first one's worked step

    // A rhombus prism: d1 6, d2 8, h 10.
    const QStringList height{"h = 10 cm"};
    QTest::newRow("sum and ratio") << Draw{10, 1, 10, 0, -1, {Relation::SumAndRatio}}
                                   << QStringList{"d1 + d2 = 14 cm", "d1 = 3/4 · d2"} + height
                                   << "La somma delle diagonali misura 14 cm e la diagonale minore è i 3/4 della diagonale maggiore"
                                   << QStringList{"d1=6", "d2=8"}
                                   << "u = s : (m + n) = 14 : (3 + 4) = 14 : 7 = 2 cm, d1 = m · u = 3 · 2 = 6 cm";
    QTest::newRow("difference and ratio, the larger given by the fraction")
        << Draw{10, 1, 10, 0, -1, {Relation::DifferenceAndRatio, true}}
        << QStringList{"d2 − d1 = 2 cm", "d2 = 4/3 · d1"} + height
        << "La differenza delle diagonali misura 2 cm e la diagonale maggiore è i 4/3 della diagonale minore"
        << QStringList{"d1=6", "d2=8"} << "u = k : (m − n) = 2 : (4 − 3) = 2 : 1 = 2 cm, d1 = n · u = 3 · 2 = 6 cm";
    QTest::newRow("sum and difference") << Draw{10, 1, 10, 0, -1, {Relation::SumAndDifference}}
                                        << QStringList{"d2 + d1 = 14 cm", "d2 − d1 = 2 cm"} + height
                                        << "La somma delle diagonali misura 14 cm e la diagonale maggiore supera la diagonale minore di 2 cm"
                                        << QStringList{"d1=6", "d2=8"} << "d1 = (s − k) : 2 = (14 − 2) : 2 = 12 : 2 = 6 cm";
    QTest::newRow("fraction of a datum") << Draw{10, 1, 10, 0, -1, {Relation::FractionOfDatum, true}}
                                         << QStringList{"d1 = 6 cm", "d2 = 4/3 · d1"} + height
                                         << "La diagonale minore misura 6 cm e la diagonale maggiore è i 4/3 della diagonale minore"
                                         << QStringList{"d2=8"} << "d2 = m · d1 : n = 4 · 6 : 3 = 8 cm";
    QTest::newRow("fraction of one part, each side named with its article")
        << Draw{9, 2, 4, 0, -1, {Relation::FractionOfDatum}} << QStringList{"b = 4 cm", "a = 1/2 · b"}
        << "Il lato b misura 4 cm e il lato a è 1/2 del lato b" << QStringList{"a=2"} << "a = m · b : n = 1 · 4 : 2 = 2 cm";
    QTest::newRow("sum and ratio of a radius and a height")
        << Draw{1, 2, 0, 10, -1, {Relation::SumAndRatio}} << QStringList{"r + h = 16 cm", "r = 3/5 · h", "hc = 8 cm"}
        << "La somma del raggio di base e dell'altezza del cilindro misura 16 cm e il raggio di base è i 3/5 dell'altezza del cilindro"
        << QStringList{"r=6", "h=10"} << "u = s : (m + n) = 16 : (3 + 5) = 16 : 8 = 2 cm, r = m · u = 3 · 2 = 6 cm";
    QTest::newRow("a ratio of 11/5 is given by value")
        << Draw{12, 1, 5, 10, -1, {Relation::SumAndRatio}} << QStringList{"B = 11 cm", "b = 5 cm", "l = 5 cm", "h = 10 cm"}
        << "La base maggiore misura 11 cm e la base minore 5 cm" << QStringList{} << "ht = √(l² − ((B − b) : 2)²) = √(5² − ((11 − 5) : 2)²) = √(5² − (6 : 2)²) = √(5² − 3²) = √(25 − 9) = √16 = 4 cm";
}

void ProblemsTest::relations()
{
    QFETCH(Draw, draw);
    QFETCH(QStringList, data);
    QFETCH(QString, sentence);
    QFETCH(QStringList, found);
    QFETCH(QString, worked);

    const Problem p = draw.make();
    QCOMPARE(p.dataLines(), data);
    QVERIFY2(p.text().contains(sentence), qPrintable(p.text()));
    QStringList asked;
    for (int i = 0; i < found.size(); ++i)
        asked << p.questions[i].symbol() + u'=' + p.questions[i].valueText();
    QCOMPARE(asked, found);
    QCOMPARE(p.workedStep(0), worked);
    // The kind's own questions follow, on the measures found.
    QCOMPARE(p.questions.size() - found.size(), p.row().questions.count);
    // The sheet explains every letter the relation's steps use.
    const FormulaSheet sheet = p.formulaSheets().first();
    QStringList explained;
    for (const FormulaSheet::Symbol &s : sheet.legend)
        explained << s.symbol;
    for (const QString &letter : {u"s"_s, u"k"_s, u"m"_s, u"n"_s, u"u"_s}) {
        const bool used = sheet.direct.join(u' ').contains(QRegularExpression(u"(?<!\\w)"_s + letter + u"(?!\\w)"_s));
        QCOMPARE(explained.contains(letter), used);
    }
}

void ProblemsTest::mistakes_data()
{
    QTest::addColumn<Draw>("draw");
    QTest::addColumn<int>("question");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("said"); // a part of the mistake named; empty: none

    const Draw cylinderCone{1, 2, 0, 10, -1}; // r 6, h 10, hc 8: St 216π, V 456π
    QTest::newRow("the legs added") << cylinderCone << 0 << "14" << "sommato i cateti";
    QTest::newRow("the root forgotten") << cylinderCone << 0 << "100" << "radice quadrata";
    QTest::newRow("the joined base counted") << cylinderCone << 1 << "252" << "parti a contatto";
    QTest::newRow("the joined base counted, with 3,14") << cylinderCone << 1 << "791,28" << "parti a contatto";
    QTest::newRow("the cone's height for its apothem") << cylinderCone << 1 << "204" << "altezza del cono";
    QTest::newRow("the third forgotten") << cylinderCone << 2 << "648" << "dividere per 3";
    QTest::newRow("the calculator's π") << cylinderCone << 2 << "1432,57" << "π = 3,14";
    QTest::newRow("the calculator's π, whole") << cylinderCone << 2 << "1433" << "π = 3,14";
    QTest::newRow("a number that is nothing") << cylinderCone << 2 << "17" << "";

    const Draw cubePyramid{2, 1, 0, 0, -1}; // l 6, hp 4: a 5, St 240
    QTest::newRow("the cube's face under the pyramid") << cubePyramid << 1 << "276" << "parti a contatto";
    QTest::newRow("the pyramid's height for its apothem") << cubePyramid << 1 << "228" << "altezza della piramide";

    const Draw hollow{3, 1, 0, 2, -1}; // r 3, h 6, hc 4: V 42π
    QTest::newRow("the hollow cone added") << hollow << 2 << "66" << "sottratto";

    QTest::newRow("a leg for the two cones' radius") << Draw{5, 1, 0, 0, -1} << 1 << "3" << "altezza relativa";
    QTest::newRow("the legs swapped about a leg") << Draw{4, 1, 0, 0, -1} << 2 << "12" << "scambiato i cateti";

    const Draw container{6, 10, 2, 0, -1}; // V 2000π cmc, C 2π l
    QTest::newRow("the volume for the capacity") << container << 1 << "2000" << "in litri";
    QTest::newRow("the volume for the capacity, with 3,14") << container << 1 << "6280" << "in litri";

    QTest::newRow("the weight in kg") << Draw{5, 6, 0, 0, 0} << 4 << "9,36" << "in kg";
    QTest::newRow("the minor base's cone added") << Draw{8, 2, 0, 5, -1} << 2 << "468" << "";
    QTest::newRow("the minor base's cone added, not subtracted") << Draw{8, 2, 0, 5, -1} << 2 << "564" << "sottratto";

    const Draw sumAndRatio{10, 1, 10, 0, -1, {Relation::SumAndRatio}}; // 14 cm, 3/4: d1 6
    QTest::newRow("the sum divided by one term") << sumAndRatio << 0 << "10,5" << "un solo termine";
    QTest::newRow("one part for the measure") << sumAndRatio << 0 << "2" << "una parte sola";
    QTest::newRow("the difference divided by one term") << Draw{10, 1, 10, 0, -1, {Relation::DifferenceAndRatio}} << 0
                                                         << "1,5" << "differenza delle parti, 4 − 3 = 1";
    QTest::newRow("the half forgotten") << Draw{10, 1, 10, 0, -1, {Relation::SumAndDifference}} << 0 << "12" << "dividere per 2";
    QTest::newRow("the fraction upside down") << Draw{10, 1, 10, 0, -1, {Relation::FractionOfDatum, true}} << 0 << "4,5"
                                              << "capovolto";
    QTest::newRow("grams for kg") << Draw{10, 1, 10, 0, 2, {Relation::ByValue, false, true}} << 5 << "600" << "in grammi";
    QTest::newRow("kg for grams") << Draw{10, 1, 10, 0, 0} << 5 << "1,872" << "in kg";

    const Draw rhombusPyramid{11, 11, 0, 0, -1}; // d1 30, d2 40, h 5: 2p 100, r 12, a 13
    QTest::newRow("the double of the area forgotten") << rhombusPyramid << 2 << "6" << "doppio dell'area";
    QTest::newRow("the rhombus's side for the apothem") << rhombusPyramid << 4 << "1850" << "lato del rombo";
    QTest::newRow("the pyramid's height for the apothem") << rhombusPyramid << 4 << "850" << "altezza della piramide";
    QTest::newRow("the pyramid's third forgotten") << rhombusPyramid << 5 << "3000" << "dividere per 3";
    QTest::newRow("the whole diagonals") << rhombusPyramid << 0 << "50" << "semidiagonali";
    QTest::newRow("one base of the prism") << Draw{13, 1, 0, 10, -1} << 2 << "172" << "basi del prisma sono due";
    QTest::newRow("the whole sphere") << Draw{15, 1, 10, 0, -1} << 0 << "36" << "sfera intera";
    QTest::newRow("the cylinder's top under the hemisphere") << Draw{15, 1, 10, 0, -1} << 1 << "96" << "parti a contatto";
    const Draw holedCube{17, 2, 1, 0, -1}; // l 10, r 1
    QTest::newRow("the hole's circles kept") << holedCube << 0 << "662,8" << "due cerchi";
    QTest::newRow("the hole's inside forgotten") << holedCube << 0 << "593,72" << "superficie laterale del foro";
    QTest::newRow("the hole added") << holedCube << 1 << "1031,4" << "sottratto";
    QTest::newRow("the cavities added") << Draw{19, 1, 0, 5, -1} << 2 << "208" << "sottratto";
    const Draw aquarium{22, 3, 4, 4, -1};
    QTest::newRow("the aquarium's lid") << aquarium << 0 << "3200" << "coperchio";
    QTest::newRow("the water's weight in grams") << aquarium << 3 << "12000" << "in grammi";
}

void ProblemsTest::mistakes()
{
    QFETCH(Draw, draw);
    QFETCH(int, question);
    QFETCH(QString, typed);
    QFETCH(QString, said);

    const Problem p = draw.make();
    const std::optional<QString> mistake = p.likelyMistake(question, typedNumber(typed));
    if (said.isEmpty()) {
        QVERIFY2(!mistake, qPrintable(mistake.value_or(QString())));
        return;
    }
    QVERIFY(mistake);
    QVERIFY2(mistake->contains(said), qPrintable(*mistake));
}

// A value with a plain part and a π part, the holed cube's: right only
// with π = 3,14, written as such, and carried so to the weight.
void ProblemsTest::plainAndPiPartsTakeSchoolPi()
{
    const Problem p = Draw{17, 2, 1, 0, 0}.make(); // l 10, r 1, iron
    const AskedQuestion &surface = p.questions.at(0);
    QCOMPARE(surface.valueText(), u"656,52"_s);
    QCOMPARE(surface.valueWithUnit(), u"600 + 18π cmq ≈ 656,52 cmq"_s);
    QCOMPARE(p.questions.at(1).valueWithUnit(), u"1000 − 10π cmc ≈ 968,6 cmc"_s);
    QVERIFY(Answer::matches(surface.value, typedNumber(u"656,52"_s)));
    QVERIFY(!Answer::matches(surface.value, typedNumber(u"18"_s)));
    QVERIFY(!Answer::matches(surface.value, typedNumber(u"600"_s)));
    QCOMPARE(p.workedStep(2), u"P = V · ps = 968,6 · 7,8 = 7555,08 g"_s);
    QVERIFY(p.text().endsWith(u"Usa π = 3,14. Il solido è di ferro (ps = 7,8 g/cmc); esprimi il peso in grammi."_s));
    QVERIFY(p.formulaSheets().first().notes.contains(u"π ≈ 3,14"_s));

    FakeRandom random(7);
    ExerciseState state;
    ProblemRun run(problems());
    random.script = {FakeRandom::drawFor(17, 1, problems().kindCount), FakeRandom::drawFor(0, 0, 1),
                     FakeRandom::drawFor(2, 2, 5), FakeRandom::drawFor(1, 1, 4), FakeRandom::drawFor(0, 0, 0)};
    run.next(state, random);
    QCOMPARE(*run.check(state, u"600"_s, u"Esatto!"_s).verdict, u"Sbagliato!! 656,52"_s);
}

void ProblemsTest::askedQuestionByQuestion()
{
    FakeRandom random(1234);
    ExerciseState state;
    ProblemRun run(problems());
    // The hypotenuse kind, with a material: (15, 20, 25), in iron.
    const ProblemKind &kind = problems().kind(5);
    random.script = {FakeRandom::drawFor(5, 1, problems().kindCount), FakeRandom::drawFor(1, 0, 1),
                     FakeRandom::drawFor(6, kind.weighedFirst.low, kind.weighedFirst.high), FakeRandom::drawFor(0, 0, 1),
                     FakeRandom::drawFor(0, 0, 0), FakeRandom::drawFor(0, 0, 1) /* in grams */,
                     FakeRandom::drawFor(0, 0, problems().materialCount - 1), FakeRandom::drawFor(0, 0, 1) /* by value */};
    run.next(state, random);
    QCOMPARE(state.intMode, qint16(5));
    QVERIFY(run.startsProblem());
    QCOMPARE(run.problem().questions.size(), 5);
    QCOMPARE(run.questionLine(), QStringLiteral("1. Ipotenusa"));
    QCOMPARE(run.questionList().first(), QStringLiteral("► 1. Ipotenusa"));

    const auto result = run.check(state, QStringLiteral("25"), QStringLiteral("Esatto!"));
    QCOMPARE(result.outcome, AnswerCheck::Outcome::Right);
    QCOMPARE(*result.verdict, QStringLiteral("Esatto!"));
    QCOMPARE(run.questionList().first(), QStringLiteral("► 1. Ipotenusa: 25 cm"));

    run.next(state, random);
    QCOMPARE(run.questionLine(), QStringLiteral("2. Raggio dei due coni"));
    QCOMPARE(run.questionList().first(), QStringLiteral("1. Ipotenusa: 25 cm"));
    const auto wrong = run.check(state, QStringLiteral("15"), QStringLiteral("Esatto!"));
    QCOMPARE(wrong.outcome, AnswerCheck::Outcome::Wrong);
    QCOMPARE(*wrong.verdict, QStringLiteral("Sbagliato!! 12"));
    QCOMPARE(run.afterWrongAnswer(),
             QString::fromUtf16(u"Il raggio dei due coni non è un cateto: è l'altezza relativa all'ipotenusa, "
                                u"r = c1 · c2 : i.\nr = c1 · c2 : i = 15 · 20 : 25 = 12 cm"));
    QCOMPARE(state.intRight, qint16(1));
    QCOMPARE(state.intWrong, qint16(1));

    // A pupil who missed the radius goes on with the value the verdict showed.
    run.next(state, random);
    QCOMPARE(run.check(state, QStringLiteral("1318,8"), {}).outcome, AnswerCheck::Outcome::Right);
    run.next(state, random);
    QCOMPARE(run.check(state, QStringLiteral("1200"), {}).outcome, AnswerCheck::Outcome::Right);
    run.next(state, random);
    QCOMPARE(run.questionLine(), QStringLiteral("5. Peso del solido"));
    QVERIFY(run.isLastQuestion());
    QCOMPARE(run.question().unit(), QStringLiteral("g"));
    QCOMPARE(run.check(state, QStringLiteral("29390,4"), {}).outcome, AnswerCheck::Outcome::Right);
    QVERIFY(!run.allRight());
    QCOMPARE(run.problem().workedStep(4), QString::fromUtf16(u"P = V · ps = 1200π · 7,8 = 9360π g ≈ 29390,4 g"));

    // After the last question, a new problem; a text that is no number
    // counts nothing.
    run.next(state, random);
    QVERIFY(run.startsProblem());
    QVERIFY(run.allRight());
    QCOMPARE(run.check(state, QStringLiteral("1,2,3"), {}).outcome, AnswerCheck::Outcome::NotANumber);
    QCOMPARE(state.intRight + state.intWrong, 5);
}

// Every draw of every kind's ranges, with and without each material, in
// every wording: every root whole, every value (and factor of π) in
// hundredths, below 100 000 also with 3,14, typed in nine characters at
// most; every number of the data in the text; the relation's questions
// solved back to the measures drawn. Half the problems are drawn with a
// relation, among those the draw allows, and half the weighed ones in kg
// where a material allows: over the draws, at least a third given by a
// relation, a quarter of the weights in kg.
void ProblemsTest::everyDrawIsASchoolProblem()
{
    static const QRegularExpression number(u"(?<!\\w)\\d+(,\\d+)?(/\\d+)?"_s);
    int checked = 0;
    QSet<int> relationsSeen;
    QSet<QString> weighed, inKg; // draws, by kind
    for (int k = 1; k <= problems().kindCount; ++k) {
        const ProblemKind &kind = problems().kind(k);
        int draws = 0, related = 0;
        for (int material = -1; material < problems().materialCount; ++material) {
            if (material >= 0 && !kind.weighable)
                continue;
            const DrawRange firsts = material >= 0 && kind.weighedFirst.low > 0 ? kind.weighedFirst : kind.first;
            for (int first = firsts.low; first <= firsts.high; ++first) {
                for (int second = kind.second.low; second <= kind.second.high; ++second) {
                    for (int third = kind.third.low; third <= kind.third.high; ++third) {
                        for (bool secondIsX : {false, true}) {
                            ++draws;
                            related += problems().relationsFor(k, first, second, third, secondIsX).isEmpty() ? 0 : 1;
                        }
                        const QList<Wording> wordings = everyWording(problems(), k, first, second, third, material);
                        for (const Wording &wording : wordings) {
                            const Problem p = problems().make(k, first, second, third, material, wording);
                            const QString where = u"%1 %2 %3 %4 %5 wording %6 %7 %8"_s.arg(k).arg(first).arg(second).arg(third).arg(material)
                                                      .arg(int(wording.relation)).arg(wording.secondIsX).arg(wording.kilograms);
                            for (const AskedQuestion &q : p.questions) {
                                QVERIFY2(q.value.isPlain() || q.value.isPiMultiple() || kind.schoolPiOnly,
                                         qPrintable(where + u' ' + q.symbol()));
                                const Rational factor = q.value.isPiMultiple() ? q.value.pi() : q.value.withSchoolPi();
                                const std::optional<qint64> h = factor.hundredths();
                                QVERIFY2(h && *h > 0, qPrintable(where + u' ' + q.symbol()));
                                const qint64 largest = q.value.isPiMultiple() ? (*h * 314 + 99) / 100 : *h;
                                QVERIFY2(largest < 10000000, qPrintable(where + u' ' + q.symbol()));
                                QVERIFY2(ItalianNumber::fromHundredths(largest).size() <= 9, qPrintable(where));
                                // A measure the relation hides comes back as drawn.
                                if (p.data.contains(q.symbol()) && q.unit() == u"cm"_s)
                                    QVERIFY2(p.data.value(q.symbol()) == q.value, qPrintable(where + u' ' + q.symbol()));
                            }
                            if (p.pair)
                                relationsSeen << int(p.pair->relation());
                            const QString draw = u"%1 %2 %3 %4"_s.arg(k).arg(first).arg(second).arg(third);
                            if (p.hasMaterial())
                                weighed << draw;
                            if (p.hasMaterial() && p.questions.constLast().unit() == u"kg"_s)
                                inKg << draw;
                            const QString text = p.text();
                            for (const QString &datum : p.dataLines()) {
                                for (auto m = number.globalMatch(datum); m.hasNext();) {
                                    const QString n = m.next().captured();
                                    QVERIFY2(text.contains(n), qPrintable(where + u": "_s + n + u" of "_s + datum + u" not in "_s + text));
                                }
                            }
                            ++checked;
                        }
                    }
                }
            }
        }
        if (kind.pair.isSet())
            QVERIFY2(related * 3 >= draws * 2, qPrintable(u"%1: %2 of %3 draws may be related"_s.arg(k).arg(related).arg(draws)));
    }
    QVERIFY2(inKg.size() * 2 >= weighed.size(), qPrintable(u"%1 of %2 weights may be in kg"_s.arg(inKg.size()).arg(weighed.size())));
    QCOMPARE(relationsSeen.size(), RelationCount);
    QVERIFY(checked > 5000);
}

// A problem counts each question at once; whether its kind is missed, and
// the review, wait for its last question.
void ProblemsTest::resultsWaitForTheProblemsEnd()
{
    GameResults results(problems().kindCount);
    results.countStep(3, true);
    results.countStep(3, false);
    QVERIFY(results.missed().isEmpty());
    results.closeItem(3, false);
    QCOMPARE(results.missed(), QList<qint16>{3});
    QCOMPARE(results.asked().first().wrong, 1);

    QVERIFY(results.startReview());
    results.countStep(3, true);
    QCOMPARE(results.closeItem(3, false), GameResults::Review::Going);
    results.countStep(3, true);
    QCOMPARE(results.closeItem(3, true), GameResults::Review::Finished);
    QVERIFY(results.missed().isEmpty());
    QCOMPARE(results.asked().first().right, 3);
}

QTEST_GUILESS_MAIN(ProblemsTest)
#include "tst_problems.moc"
