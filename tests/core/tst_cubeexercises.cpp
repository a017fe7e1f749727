// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakeRandom.h"
#include "common/ExerciseState.h"
#include "exercises/CubeExercises.h"

#include <QSet>
#include <QTest>
#include <cmath>

class CubeExercisesTest : public QObject
{
    Q_OBJECT
private slots:
    void kinds_data();
    void kinds();
    void diagonalValues_data();
    void diagonalValues();
    void everyEdgeOfEveryKind();
    void drawReseedsWithPreviousKindThenClock();
    void drawUsesTheKindsRange_data();
    void drawUsesTheKindsRange();
    void nextKindIsNoFunctionOfPrevious();
};

void CubeExercisesTest::kinds_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("edge");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("given");
    QTest::addColumn<float>("expected");

    QTest::newRow("1 volume s=5") << 1 << 5 << "5" << "Volume" << "" << 125.0f;
    QTest::newRow("1 volume largest") << 1 << 14 << "14" << "Volume" << "" << 2744.0f;
    QTest::newRow("2 lateral s=3") << 2 << 3 << "3" << "Superficie laterale" << "" << 36.0f;
    QTest::newRow("3 total s=11") << 3 << 11 << "11" << "Superficie totale" << "" << 726.0f;
    QTest::newRow("4 diagonal s=2") << 4 << 2 << "2" << "Diagonale" << "" << 3.5f;
    QTest::newRow("5 edge from lateral s=1")
        << 5 << 1 << "X" << "Spigolo AB" << "Superficie laterale= 4 cmq" << 1.0f;
    QTest::newRow("5 edge from lateral s=10")
        << 5 << 10 << "X" << "Spigolo AB" << "Superficie laterale= 400 cmq" << 10.0f;
    QTest::newRow("6 volume from perimeter s=10")
        << 6 << 10 << "X" << "Volume" << "Perimetro di base = 40 cm" << 1000.0f;
    QTest::newRow("7 edge from volume s=14")
        << 7 << 14 << "X" << "Spigolo AB" << "Volume = 2744 cmc" << 14.0f;
    QTest::newRow("7 edge from volume s=1") << 7 << 1 << "X" << "Spigolo AB" << "Volume = 1 cmc" << 1.0f;
    QTest::newRow("8 lateral from perimeter s=10")
        << 8 << 10 << "X" << "Superficie laterale" << "Perimetro di base = 40 cm" << 400.0f;
    QTest::newRow("9 total from perimeter s=10")
        << 9 << 10 << "X" << "Superficie totale" << "Perimetro di base = 40 cm" << 600.0f;
    QTest::newRow("9 total from perimeter s=14")
        << 9 << 14 << "X" << "Superficie totale" << "Perimetro di base = 56 cm" << 1176.0f;
}

void CubeExercisesTest::kinds()
{
    QFETCH(int, kind);
    QFETCH(int, edge);
    QFETCH(QString, caption);
    QFETCH(QString, question);
    QFETCH(QString, given);
    QFETCH(float, expected);

    const Exercise e = CubeExercises::make(kind, qint16(edge));
    QCOMPARE(e.captions[2], caption);
    QCOMPARE(e.captions[0], caption);
    QCOMPARE(e.captions[1], caption);
    QCOMPARE(e.question, question);
    QCOMPARE(e.givenLine, given);
    QCOMPARE(e.expected, expected);
}

void CubeExercisesTest::diagonalValues_data()
{
    QTest::addColumn<int>("edge");
    QTest::addColumn<float>("expected");
    const float values[] = {1.7f, 3.5f, 5.2f, 6.9f, 8.7f, 10.4f, 12.1f, 13.9f, 15.6f, 17.3f};
    for (int s = 1; s <= 10; ++s)
        QTest::addRow("s=%d", s) << s << values[s - 1];
}

void CubeExercisesTest::diagonalValues()
{
    QFETCH(int, edge);
    QFETCH(float, expected);
    QCOMPARE(CubeExercises::make(4, qint16(edge)).expected, expected);
}

void CubeExercisesTest::everyEdgeOfEveryKind()
{
    // Independent arithmetic for every edge each kind can draw.
    for (int kind = 1; kind <= CubeExercises::KindCount; ++kind) {
        const auto range = CubeExercises::edgeRange(kind);
        for (int s = range.low; s <= range.high; ++s) {
            const Exercise e = CubeExercises::make(kind, qint16(s));
            const double want[] = {0, std::pow(s, 3), 4.0 * s * s, 6.0 * s * s,
                                   std::round(s * std::sqrt(3.0) * 10) / 10,
                                   double(s), std::pow(s, 3), double(s), 4.0 * s * s, 6.0 * s * s};
            QCOMPARE(e.expected, float(want[kind]));
            QCOMPARE(e.hasGivenLine(), kind >= 5);
            QCOMPARE(e.expected == std::floor(e.expected), kind != 4);
        }
    }
    QCOMPARE(CubeExercises::edgeRange(1).low, 4);
}

void CubeExercisesTest::drawReseedsWithPreviousKindThenClock()
{
    FakeRandom random;
    ExerciseState state;
    CubeExercises::draw(state, random);
    QCOMPARE(random.calls, (QStringList{"seed 0", "next", "clock", "next"}));

    const qint16 previous = state.intMode;
    random.calls.clear();
    CubeExercises::draw(state, random);
    QCOMPARE(random.calls.first(), QStringLiteral("seed %1").arg(previous));
}

void CubeExercisesTest::drawUsesTheKindsRange_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<float>("edgeDraw");
    QTest::addColumn<int>("edge");
    QTest::newRow("kind 1 lowest draw") << 1 << 0.0f << 4;
    QTest::newRow("kind 1 highest draw") << 1 << 0.99999994f << 14;
    QTest::newRow("kind 4 highest draw") << 4 << 0.99999994f << 10;
    QTest::newRow("kind 7 lowest draw") << 7 << 0.0f << 1;
    QTest::newRow("kind 9 highest draw") << 9 << 0.99999994f << 14;
}

void CubeExercisesTest::drawUsesTheKindsRange()
{
    QFETCH(int, kind);
    QFETCH(float, edgeDraw);
    QFETCH(int, edge);
    FakeRandom random;
    random.script = {FakeRandom::drawFor(kind, 1, 9), edgeDraw};
    ExerciseState state;
    state.intRight = 4;
    const Exercise e = CubeExercises::draw(state, random);

    QCOMPARE(state.intMode, qint16(kind));
    QCOMPARE(state.intNumA, qint16(edge));
    QCOMPARE(state.sngExpected, e.expected);
    QCOMPARE(e.expected, CubeExercises::make(kind, qint16(edge)).expected);
    QCOMPARE(state.intRight, qint16(4)); // the generator leaves the counters alone
}

void CubeExercisesTest::nextKindIsNoFunctionOfPrevious()
{
    // From different histories, the same previous kind is followed by
    // different kinds.
    QSet<int> followers;
    for (qint64 start = 0; start < 50; ++start) {
        FakeRandom random(start);
        ExerciseState state;
        state.intMode = 3;
        CubeExercises::draw(state, random);
        followers.insert(state.intMode);
    }
    QVERIFY2(followers.size() >= 5, qPrintable(QString::number(followers.size())));
}

QTEST_GUILESS_MAIN(CubeExercisesTest)
#include "tst_cubeexercises.moc"
