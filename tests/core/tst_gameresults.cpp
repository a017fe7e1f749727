// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakeRandom.h"
#include "common/ExerciseState.h"
#include "exercises/CubeExercises.h"
#include "frame/GameResults.h"

#include <QTest>

// A game's answers by kind, and a review of the kinds missed drawn through
// the cube's exercise set with a scripted random source.
class GameResultsTest : public QObject
{
    Q_OBJECT
private slots:
    void countsAndReview_data();
    void countsAndReview();
    void kindNames();
};

void GameResultsTest::countsAndReview_data()
{
    QTest::addColumn<QList<int>>("answers"); // kind, then 1 right or 0 wrong, in pairs
    QTest::addColumn<QString>("rows");        // kind:right/wrong for each kind asked
    QTest::addColumn<QList<qint16>>("missed");
    QTest::addColumn<QList<int>>("reviewDraws"); // review picks, as indexes, then the answer
    QTest::addColumn<QList<int>>("reviewKinds"); // the kinds those picks give

    QTest::newRow("nothing asked") << QList<int>{} << "" << QList<qint16>{} << QList<int>{} << QList<int>{};
    QTest::newRow("all right") << QList<int>{1, 1, 2, 1} << "1:1/0 2:1/0" << QList<qint16>{} << QList<int>{}
                               << QList<int>{};
    // Kind 3 was wrong, then right: no longer missed. Kind 5 wrong twice.
    QTest::newRow("right again clears") << QList<int>{3, 0, 3, 1, 5, 0, 5, 0, 1, 1} << "1:1/0 3:1/1 5:0/2"
                                        << QList<qint16>{5} << QList<int>{0, 1} << QList<int>{5};
    // Two missed: a wrong answer in the review keeps its kind in.
    QTest::newRow("two missed, one wrong twice") << QList<int>{2, 0, 7, 0, 4, 1} << "2:0/1 4:1/0 7:0/1"
                                                 << QList<qint16>{2, 7}
                                                 << QList<int>{1, 0, 1, 0, 0, 1, 0, 1}
                                                 << QList<int>{7, 7, 2, 7};
}

void GameResultsTest::countsAndReview()
{
    QFETCH(QList<int>, answers);
    QFETCH(QString, rows);
    QFETCH(QList<qint16>, missed);
    QFETCH(QList<int>, reviewDraws);
    QFETCH(QList<int>, reviewKinds);

    GameResults results(CubeExercises::KindCount);
    for (int i = 0; i < answers.size(); i += 2)
        QCOMPARE(results.count(answers[i], answers[i + 1] == 1), GameResults::Review::None);
    QStringList shown;
    for (const GameResults::Row &row : results.asked())
        shown << QStringLiteral("%1:%2/%3").arg(row.kind).arg(row.right).arg(row.wrong);
    QCOMPARE(shown.join(u' '), rows);
    QCOMPARE(results.missed(), missed);
    QCOMPARE(results.startReview(), !missed.isEmpty());

    // Each review exercise: the pick among the kinds left, then the answer.
    FakeRandom random;
    ExerciseState state;
    int drawn = 0;
    for (int i = 0; i < reviewDraws.size(); i += 2, ++drawn) {
        const int left = int(results.reviewKinds().size());
        random.script = {FakeRandom::drawFor(reviewDraws[i], 0, left - 1), 0.5f};
        const Exercise e = CubeExercises::set().draw(state, random, results.reviewKinds());
        QCOMPARE(int(e.kind), reviewKinds[drawn]);
        QVERIFY(missed.contains(e.kind));
        const bool right = reviewDraws[i + 1] == 1;
        const bool last = right && left == 1;
        QCOMPARE(results.count(e.kind, right), last ? GameResults::Review::Finished : GameResults::Review::Going);
    }
    QVERIFY(!results.isReviewing());
    // Back to the normal draw: any kind, from the kind drawn with the seed.
    random.script = {FakeRandom::drawFor(9, 1, 9), 0.5f};
    QCOMPARE(int(CubeExercises::set().draw(state, random, results.reviewKinds()).kind), 9);

    results.clear();
    QVERIFY(results.asked().isEmpty() && results.missed().isEmpty());
}

void GameResultsTest::kindNames()
{
    QCOMPARE(CubeExercises::set().kindName(1), QStringLiteral("Volume"));
    QCOMPARE(CubeExercises::set().kindName(7), QStringLiteral("Spigolo AB (dato il volume)"));
    QCOMPARE(CubeExercises::set().kindName(5), QStringLiteral("Spigolo AB (data la superficie laterale)"));
    QCOMPARE(CubeExercises::set().kindName(6), QStringLiteral("Volume (dato il perimetro di base)"));
}

QTEST_GUILESS_MAIN(GameResultsTest)
#include "tst_gameresults.moc"
