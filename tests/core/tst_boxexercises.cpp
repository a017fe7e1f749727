// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakeRandom.h"
#include "common/ExerciseState.h"
#include "exercises/BoxExercises.h"

#include <QTest>
#include <cmath>

namespace {

struct Draws
{
    int a, d, t;
};

// Every combination of draws a kind can make.
template <typename Visit>
void forEveryDraw(int kind, Visit visit)
{
    const auto width = BoxExercises::widthRange(kind);
    const auto step = BoxExercises::stepRange(kind);
    for (int a = width.low; a <= width.high; ++a)
        for (int d = step.low; d <= step.high; ++d)
            for (int t = 0; t <= 1; ++t)
                visit(Draws{a, d, t}, BoxExercises::make(kind, qint16(a), qint16(d), qint16(t)));
}

} // namespace

class BoxExercisesTest : public QObject
{
    Q_OBJECT
private slots:
    void workedCases_data();
    void workedCases();
    void everyDrawAgainstIndependentArithmetic();
    void extremes_data();
    void extremes();
    void diagonalIsNeverWholeNorOnAHalf();
    void drawOrderAndFirstSeed();
    void drawsTheKindsRanges_data();
    void drawsTheKindsRanges();
};

void BoxExercisesTest::workedCases_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("d");
    QTest::addColumn<int>("t");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("depth");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("given");
    QTest::addColumn<float>("expected");

    QTest::newRow("1 largest volume") << 1 << 9 << 1 << 0 << "9" << "8" << "11" << "Volume" << "" << 792.0f;
    QTest::newRow("1 smallest volume") << 1 << 4 << 3 << 1 << "4" << "1" << "7" << "Volume" << "" << 28.0f;
    QTest::newRow("2 lateral") << 2 << 3 << 1 << 0 << "3" << "2" << "5" << "Superficie laterale" << ""
                               << 50.0f;
    QTest::newRow("3 total") << 3 << 3 << 1 << 0 << "3" << "2" << "5" << "Superficie totale" << "" << 62.0f;
    QTest::newRow("4 diagonal smallest") << 4 << 3 << 1 << 1 << "3" << "2" << "4" << "Diagonale" << ""
                                         << 5.4f;
    QTest::newRow("4 diagonal largest") << 4 << 8 << 2 << 0 << "8" << "6" << "11" << "Diagonale" << ""
                                        << 14.9f;
    QTest::newRow("5 height") << 5 << 3 << 1 << 0 << "3" << "2" << "X" << "Altezza"
                              << "Superficie laterale= 50 cmq" << 5.0f;
    QTest::newRow("6 width") << 6 << 4 << 1 << 1 << "X" << "3" << "5" << "Dimensione a"
                             << "Perimetro= 14 cm" << 4.0f;
    QTest::newRow("7 depth") << 7 << 4 << 1 << 1 << "4" << "X" << "5" << "Dimensione b"
                             << "Perimetro= 14 cm" << 3.0f;
}

void BoxExercisesTest::workedCases()
{
    QFETCH(int, kind);
    QFETCH(int, a);
    QFETCH(int, d);
    QFETCH(int, t);
    QFETCH(QString, width);
    QFETCH(QString, depth);
    QFETCH(QString, height);
    QFETCH(QString, question);
    QFETCH(QString, given);
    QFETCH(float, expected);

    const Exercise e = BoxExercises::make(kind, qint16(a), qint16(d), qint16(t));
    QCOMPARE(e.captions[0], width);
    QCOMPARE(e.captions[1], depth);
    QCOMPARE(e.captions[2], height);
    QCOMPARE(e.question, question);
    QCOMPARE(e.givenLine, given);
    QCOMPARE(e.expected, expected);
}

void BoxExercisesTest::everyDrawAgainstIndependentArithmetic()
{
    for (int kind = 1; kind <= BoxExercises::KindCount; ++kind) {
        forEveryDraw(kind, [kind](Draws in, const Exercise &e) {
            const int a = in.a, b = in.a - in.d, c = in.a + in.d + 1 - in.t;
            QVERIFY(1 <= b && b < a && a < c);
            QCOMPARE(int(e.measures.a), a);
            QCOMPARE(int(e.measures.b), b);
            QCOMPARE(int(e.measures.c), c);
            const double want[] = {0,
                                   double(a * b * c),
                                   double(2 * (a + b) * c),
                                   double(2 * (a + b) * c + 2 * a * b),
                                   std::round(std::sqrt(double(a * a + b * b + c * c)) * 10) / 10,
                                   double(c),
                                   double(a),
                                   double(b)};
            QCOMPARE(e.expected, float(want[kind]));
            QCOMPARE(e.hasGivenLine(), kind >= 5);
            // The "X" stands where the asked measure would be, and nowhere else.
            QCOMPARE(e.captions[2] == u"X", kind == 5);
            QCOMPARE(e.captions[0] == u"X", kind == 6);
            QCOMPARE(e.captions[1] == u"X", kind == 7);
        });
    }
}

void BoxExercisesTest::extremes_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<double>("lowest");
    QTest::addColumn<double>("highest");
    QTest::addColumn<bool>("ofGivenValue");
    QTest::newRow("kind 1 volume") << 1 << 28.0 << 792.0 << false;
    QTest::newRow("kind 4 diagonal") << 4 << double(5.4f) << double(14.9f) << false;
    QTest::newRow("kind 5 lateral given") << 5 << 40.0 << 308.0 << true;
    QTest::newRow("kind 6 perimeter given") << 6 << 12.0 << 34.0 << true;
    QTest::newRow("kind 7 perimeter given") << 7 << 12.0 << 34.0 << true;
}

void BoxExercisesTest::extremes()
{
    QFETCH(int, kind);
    QFETCH(double, lowest);
    QFETCH(double, highest);
    QFETCH(bool, ofGivenValue);
    double low = 1e9, high = -1e9;
    forEveryDraw(kind, [&](Draws, const Exercise &e) {
        double value = e.expected;
        if (ofGivenValue) {
            QVERIFY(e.givenLine.endsWith(kind == 5 ? u" cmq" : u" cm"));
            value = e.givenLine.section(u' ', -2, -2).section(u'=', -1).toDouble();
        }
        low = std::min(low, value);
        high = std::max(high, value);
    });
    QCOMPARE(low, lowest);
    QCOMPARE(high, highest);
}

void BoxExercisesTest::diagonalIsNeverWholeNorOnAHalf()
{
    forEveryDraw(4, [](Draws, const Exercise &e) {
        const double root = std::sqrt(double(e.measures.a) * e.measures.a + double(e.measures.b) * e.measures.b
                                      + double(e.measures.c) * e.measures.c);
        QVERIFY(root != std::floor(root));
        const double tenths = root * 10;
        QVERIFY(std::fabs(tenths - std::floor(tenths) - 0.5) > 1e-6);
        // Stored as the float nearest the one-decimal value the pupil types.
        QCOMPARE(e.expected, float(std::round(tenths) / 10));
        QVERIFY(e.expected != std::floor(e.expected));
    });
}

void BoxExercisesTest::drawOrderAndFirstSeed()
{
    FakeRandom random;
    ExerciseState state;
    BoxExercises::draw(state, random);
    QCOMPARE(random.calls, (QStringList{"seed 0", "next", "clock", "next", "next", "next"}));
}

void BoxExercisesTest::drawsTheKindsRanges_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("d");
    const float top = 0.99999994f;
    QTest::newRow("kind 1 lowest") << 1 << 0.0f << 4 << 1;
    QTest::newRow("kind 1 highest") << 1 << top << 9 << 3;
    QTest::newRow("kind 3 highest") << 3 << top << 8 << 2;
    QTest::newRow("kind 5 lowest") << 5 << 0.0f << 3 << 1;
    QTest::newRow("kind 7 highest") << 7 << top << 9 << 2;
}

void BoxExercisesTest::drawsTheKindsRanges()
{
    QFETCH(int, kind);
    QFETCH(float, r);
    QFETCH(int, a);
    QFETCH(int, d);
    FakeRandom random;
    random.script = {FakeRandom::drawFor(kind, 1, 7), r, r, r};
    ExerciseState state;
    state.intRight = 2;
    state.intWrong = 5;
    const Exercise e = BoxExercises::draw(state, random);
    QCOMPARE(state.intMode, qint16(kind));
    QCOMPARE(state.intNumA, qint16(a));
    QCOMPARE(state.intNumB, qint16(d));
    QCOMPARE(state.sngExpected, e.expected);
    QCOMPARE(e.expected, BoxExercises::make(kind, qint16(a), qint16(d), r < 0.5f ? 0 : 1).expected);
    QCOMPARE(state.intRight, qint16(2));
    QCOMPARE(state.intWrong, qint16(5));
}

QTEST_GUILESS_MAIN(BoxExercisesTest)
#include "tst_boxexercises.moc"
