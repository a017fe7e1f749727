// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/ClockTexts.h"

#include <QTest>

class ClockTextsTest : public QObject
{
    Q_OBJECT
private slots:
    void texts_data();
    void texts();
    void titleReadsBack_data();
    void titleReadsBack();
    void unreadableTitle_data();
    void unreadableTitle();
};

void ClockTextsTest::texts_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("title");
    QTest::newRow("afternoon") << QTime(15, 4, 23) << "15:04:23" << "03:04 PM";
    QTest::newRow("midnight") << QTime(0, 0, 0) << "00:00:00" << "12:00 AM";
    QTest::newRow("before noon") << QTime(11, 59, 59) << "11:59:59" << "11:59 AM";
    QTest::newRow("noon") << QTime(12, 0, 0) << "12:00:00" << "12:00 PM";
    QTest::newRow("last minute of noon hour") << QTime(12, 59, 1) << "12:59:01" << "12:59 PM";
    QTest::newRow("one in the afternoon") << QTime(13, 0, 0) << "13:00:00" << "01:00 PM";
    QTest::newRow("last minute of the day") << QTime(23, 59, 59) << "23:59:59" << "11:59 PM";
}

void ClockTextsTest::texts()
{
    QFETCH(QTime, time);
    QFETCH(QString, label);
    QFETCH(QString, title);
    QCOMPARE(ClockTexts::labelTime(time), label);
    QCOMPARE(ClockTexts::titleTime(time), title);
}

void ClockTextsTest::titleReadsBack_data()
{
    QTest::addColumn<QTime>("time");
    QTest::newRow("midnight") << QTime(0, 0);
    QTest::newRow("noon") << QTime(12, 0);
    QTest::newRow("afternoon") << QTime(15, 45);
    QTest::newRow("late") << QTime(23, 59);
}

void ClockTextsTest::titleReadsBack()
{
    QFETCH(QTime, time);
    const std::optional<QTime> read = ClockTexts::readTitleTime(ClockTexts::titleTime(time));
    QVERIFY(read.has_value());
    QCOMPARE(*read, time);
}

void ClockTextsTest::unreadableTitle_data()
{
    QTest::addColumn<QString>("title");
    QTest::newRow("descriptive title") << "Ripassiamo le formule del cubo";
    QTest::newRow("empty") << "";
    QTest::newRow("no designator") << "03:45";
    QTest::newRow("hour out of range") << "13:45 PM";
}

void ClockTextsTest::unreadableTitle()
{
    QFETCH(QString, title);
    QVERIFY(!ClockTexts::readTitleTime(title).has_value());
}

QTEST_GUILESS_MAIN(ClockTextsTest)
#include "tst_clocktexts.moc"
