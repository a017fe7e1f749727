// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/RandomSource.h"

#include <QSet>
#include <QTest>

namespace {
RandomSource::Clock fixedClock(qint64 nanoseconds)
{
    return [nanoseconds] { return nanoseconds; };
}
} // namespace

class RandomTest : public QObject
{
    Q_OBJECT
private slots:
    void drawsStayInHalfOpenUnitRange();
    void betweenCoversEveryValueEvenly_data();
    void betweenCoversEveryValueEvenly();
    void sameClockGivesSameSequence();
    void reseedMixesIntoState();
    void clockReseedSeesSubSecondChanges();
};

void RandomTest::drawsStayInHalfOpenUnitRange()
{
    RandomSource random(fixedClock(42));
    float lowest = 1.0f, highest = 0.0f;
    for (int i = 0; i < 200000; ++i) {
        const float r = random.next();
        QVERIFY2(r >= 0.0f && r < 1.0f, qPrintable(QString::number(r)));
        lowest = std::min(lowest, r);
        highest = std::max(highest, r);
    }
    QVERIFY(lowest < 0.001f);
    QVERIFY(highest > 0.999f);
}

void RandomTest::betweenCoversEveryValueEvenly_data()
{
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    QTest::newRow("kind of cube") << 1 << 9;
    QTest::newRow("kind of box") << 1 << 7;
    QTest::newRow("edge of kind 1") << 4 << 14;
    QTest::newRow("coin t") << 0 << 1;
}

void RandomTest::betweenCoversEveryValueEvenly()
{
    QFETCH(int, low);
    QFETCH(int, high);
    RandomSource random(fixedClock(7));
    const int values = high - low + 1;
    const int draws = 20000 * values;
    QList<int> counts(values, 0);
    for (int i = 0; i < draws; ++i) {
        const int v = random.between(low, high);
        QVERIFY(v >= low && v <= high);
        ++counts[v - low];
    }
    for (int count : counts) // within 5% of the fair share
        QVERIFY2(std::abs(count - 20000) < 1000, qPrintable(QString::number(count)));
}

void RandomTest::sameClockGivesSameSequence()
{
    RandomSource a(fixedClock(123456789)), b(fixedClock(123456789));
    for (int i = 0; i < 100; ++i)
        QCOMPARE(a.next(), b.next());
}

void RandomTest::reseedMixesIntoState()
{
    // The same seed number after different histories leads to different draws:
    // reseeding does not restart a fixed sequence.
    RandomSource a(fixedClock(1)), b(fixedClock(2));
    a.reseed(3);
    b.reseed(3);
    QVERIFY(a.next() != b.next());

    // And different seed numbers from the same state lead apart too.
    RandomSource c(fixedClock(5)), d(fixedClock(5));
    c.reseed(3);
    d.reseed(4);
    QVERIFY(c.next() != d.next());
}

void RandomTest::clockReseedSeesSubSecondChanges()
{
    qint64 now = 1'000'000'000;
    RandomSource a([&now] { return now; });
    RandomSource b([&now] { return now; });
    now += 1'000'000; // one millisecond later
    b.reseedFromClock();
    now -= 1'000'000;
    a.reseedFromClock();
    QVERIFY(a.next() != b.next());
}

QTEST_GUILESS_MAIN(RandomTest)
#include "tst_random.moc"
