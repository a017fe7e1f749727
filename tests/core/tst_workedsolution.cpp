// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercises/BoxExercises.h"
#include "exercises/CubeExercises.h"
#include "exercises/WorkedSolution.h"
#include "formula/Answer.h"

#include <QTest>

namespace {

// An exercise by window: "cube" takes the edge, "box" takes a, d, t.
Exercise exerciseOf(const QString &solid, int kind, int a, int d = 0, int t = 0)
{
    if (solid == u"cube")
        return CubeExercises::make(kind, qint16(a));
    return BoxExercises::make(kind, qint16(a), qint16(d), qint16(t));
}

} // namespace

class WorkedSolutionTest : public QObject
{
    Q_OBJECT
private slots:
    void working_data();
    void working();
    void mistakes_data();
    void mistakes();
    void wrongAnswerPutsMistakeFirst();
};

void WorkedSolutionTest::working_data()
{
    QTest::addColumn<QString>("solid");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("d");
    QTest::addColumn<int>("t");
    QTest::addColumn<QString>("line");

    QTest::newRow("cube 1") << "cube" << 1 << 5 << 0 << 0 << "V = l³ = 5³ = 125 cmc";
    QTest::newRow("cube 2") << "cube" << 2 << 5 << 0 << 0 << "Sl = 4·l² = 4·5² = 100 cmq";
    QTest::newRow("cube 3") << "cube" << 3 << 5 << 0 << 0 << "St = 6·l² = 6·5² = 150 cmq";
    QTest::newRow("cube 4") << "cube" << 4 << 5 << 0 << 0 << "d = l·√3 = 5·√3 ≈ 8,7 cm";
    QTest::newRow("cube 5") << "cube" << 5 << 5 << 0 << 0 << "l = √(Sl : 4) = √(100 : 4) = √25 = 5 cm";
    QTest::newRow("cube 6") << "cube" << 6 << 10 << 0 << 0
                            << "l = 2p : 4 = 40 : 4 = 10 cm, V = l³ = 10³ = 1000 cmc";
    QTest::newRow("cube 7") << "cube" << 7 << 14 << 0 << 0 << "l = ∛V = ∛2744 = 14 cm";
    QTest::newRow("cube 8") << "cube" << 8 << 10 << 0 << 0
                            << "l = 2p : 4 = 40 : 4 = 10 cm, Sl = 4·l² = 4·10² = 400 cmq";
    QTest::newRow("cube 9") << "cube" << 9 << 10 << 0 << 0
                            << "l = 2p : 4 = 40 : 4 = 10 cm, St = 6·l² = 6·10² = 600 cmq";

    // a = 4, d = 1, t = 0: b = 3, c = 6.
    QTest::newRow("box 1") << "box" << 1 << 4 << 1 << 0 << "V = a·b·c = 4·3·6 = 72 cmc";
    QTest::newRow("box 2") << "box" << 2 << 4 << 1 << 0 << "Sl = 2·(a + b)·c = 2·(4 + 3)·6 = 2·7·6 = 84 cmq";
    QTest::newRow("box 3") << "box" << 3 << 4 << 1 << 0
                           << "St = 2·(a + b)·c + 2·a·b = 2·(4 + 3)·6 + 2·4·3 = 2·7·6 + 2·4·3 = 108 cmq";
    QTest::newRow("box 4") << "box" << 4 << 4 << 1 << 0 << "d = √(a² + b² + c²) = √(4² + 3² + 6²) = √(16 + 9 + 36) = √61 ≈ 7,8 cm";
    QTest::newRow("box 5") << "box" << 5 << 3 << 1 << 0 << "c = Sl : (2·(a + b)) = 50 : (2·(3 + 2)) = 50 : (2·5) = 50 : 10 = 5 cm";
    QTest::newRow("box 6") << "box" << 6 << 4 << 1 << 1 << "p = 2p : 2 = 14 : 2 = 7 cm, a = p − b = 7 − 3 = 4 cm";
    QTest::newRow("box 7") << "box" << 7 << 4 << 1 << 1 << "p = 2p : 2 = 14 : 2 = 7 cm, b = p − a = 7 − 4 = 3 cm";
}

void WorkedSolutionTest::working()
{
    QFETCH(QString, solid);
    QFETCH(int, kind);
    QFETCH(int, a);
    QFETCH(int, d);
    QFETCH(int, t);
    QFETCH(QString, line);
    QCOMPARE(WorkedSolution::working(exerciseOf(solid, kind, a, d, t)), line);
}

void WorkedSolutionTest::mistakes_data()
{
    QTest::addColumn<QString>("solid");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("d");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("mistake");

    // Cube with edge 5: V 125, Sl 100, St 150, face 25, perimeter 20.
    QTest::newRow("cube total for lateral") << "cube" << 2 << 5 << 0 << "150" << "Hai calcolato la superficie totale.";
    QTest::newRow("cube lateral for total") << "cube" << 3 << 5 << 0 << "100"
                                            << "Hai calcolato la superficie laterale.";
    QTest::newRow("cube volume for total") << "cube" << 3 << 5 << 0 << "125" << "Hai calcolato il volume.";
    QTest::newRow("cube face for edge") << "cube" << 5 << 5 << 0 << "25" << "Hai calcolato l'area di una faccia.";
    QTest::newRow("cube perimeter for volume") << "cube" << 6 << 5 << 0 << "20"
                                               << "Hai calcolato il perimetro di base.";
    QTest::newRow("cube edge for volume") << "cube" << 6 << 5 << 0 << "5" << "Hai scritto lo spigolo.";
    // Edge 5: the diagonal is 8.660…
    QTest::newRow("diagonal truncated") << "cube" << 4 << 5 << 0 << "8,6"
                                        << "Hai troncato la diagonale: va arrotondata a un decimale.";
    QTest::newRow("diagonal unrounded") << "cube" << 4 << 5 << 0 << "8,66" << "La diagonale va arrotondata a un decimale.";
    QTest::newRow("diagonal without root") << "cube" << 4 << 5 << 0 << "75" << "Hai dimenticato la radice quadrata.";

    // Box 4, 3, 6 (d = 1, t = 0): V 72, Sl 84, St 108, base 12, perimeter 14.
    QTest::newRow("box total for lateral") << "box" << 2 << 4 << 1 << "108" << "Hai calcolato la superficie totale.";
    QTest::newRow("box lateral for total") << "box" << 3 << 4 << 1 << "84" << "Hai calcolato la superficie laterale.";
    QTest::newRow("box base for volume") << "box" << 1 << 4 << 1 << "12" << "Hai calcolato l'area di base.";
    QTest::newRow("box half perimeter for a") << "box" << 6 << 4 << 1 << "7"
                                              << "Hai calcolato il semiperimetro di base.";
    QTest::newRow("box diagonal unrounded") << "box" << 4 << 4 << 1 << "7,81"
                                            << "La diagonale va arrotondata a un decimale.";

    QTest::newRow("cube unexplained") << "cube" << 1 << 5 << 0 << "126" << "";
    QTest::newRow("box unexplained") << "box" << 1 << 4 << 1 << "71" << "";
    QTest::newRow("right answer is no mistake") << "cube" << 1 << 5 << 0 << "125" << "";
}

void WorkedSolutionTest::mistakes()
{
    QFETCH(QString, solid);
    QFETCH(int, kind);
    QFETCH(int, a);
    QFETCH(int, d);
    QFETCH(QString, answer);
    QFETCH(QString, mistake);
    const auto found = WorkedSolution::likelyMistake(exerciseOf(solid, kind, a, d), *Answer::read(answer));
    QCOMPARE(found.value_or(QString()), mistake);
}

void WorkedSolutionTest::wrongAnswerPutsMistakeFirst()
{
    const Exercise e = CubeExercises::make(2, 5);
    QCOMPARE(WorkedSolution::afterWrongAnswer(e, Rational(150)),
             QStringLiteral("Hai calcolato la superficie totale.\nSl = 4·l² = 4·5² = 100 cmq"));
    QCOMPARE(WorkedSolution::afterWrongAnswer(e, Rational(99)), QStringLiteral("Sl = 4·l² = 4·5² = 100 cmq"));
}

QTEST_GUILESS_MAIN(WorkedSolutionTest)
#include "tst_workedsolution.moc"
