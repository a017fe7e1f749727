// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EverySource.h"
#include "common/ItalianNumber.h"
#include "formula/PiApproximation.h"
#include "sheets/Worksheet.h"

#include <QRegularExpression>
#include <QTest>

namespace {

Worksheets::Request request(QList<int> choices, int exercises, int versions = 1, int number = 4321)
{
    Worksheets::Request r;
    r.offered = everySource();
    r.choices = std::move(choices);
    r.exercises = exercises;
    r.versions = versions;
    r.number = number;
    return r;
}

QStringList texts(const Worksheets::Version &v)
{
    QStringList out;
    for (const Worksheets::Item &item : v.items)
        out << item.heading << item.text << item.dataLine << item.questions << item.solution << item.working;
    return out;
}

// The hundredths a value of the solution line stands for: "45π cmc ≈ 141,3 cmc" → 4500.
qint64 hundredths(const QString &value)
{
    return ItalianNumber::toHundredths(value.section(u' ', 0, 0).remove(u'π')).value_or(-1);
}

} // namespace

// Worksheets: the number determines the sheet, the versions share the mix
// and not the numbers, every ticked choice appears, and each solution line
// is the value the window's own check expects.
class WorksheetTest : public QObject
{
    Q_OBJECT
private slots:
    void sameNumberSameSheet();
    void versionsShareTheMixNotTheNumbers();
    void everyTickedChoiceAppears_data();
    void everyTickedChoiceAppears();
    void solutionsAreTheWindowsAnswers();
    void problemSolutionsGiveEveryQuestion();
    void nothingTickedNothingDrawn();
};

void WorksheetTest::sameNumberSameSheet()
{
    const auto r = request({0, 1, 2, 3, 4, 5, 6, 7}, 40, 4);
    const auto first = Worksheets::make(r);
    const auto again = Worksheets::make(r);
    QCOMPARE(first.size(), 4);
    for (int v = 0; v < first.size(); ++v)
        QCOMPARE(texts(again[v]), texts(first[v]));
    auto other = r;
    other.number = 4322;
    QVERIFY(texts(Worksheets::make(other)[0]) != texts(first[0]));
}

void WorksheetTest::versionsShareTheMixNotTheNumbers()
{
    const auto versions = Worksheets::make(request({0, 4, 7}, 12, 2));
    QCOMPARE(versions[0].letter, u'A');
    QCOMPARE(versions[1].letter, u'B');
    int differing = 0;
    for (int i = 0; i < 12; ++i) {
        const Worksheets::Item &a = versions[0].items[i];
        const Worksheets::Item &b = versions[1].items[i];
        QCOMPARE(a.choice, b.choice);
        QCOMPARE(a.exercise ? int(a.exercise->kind) : a.problem->kind, b.exercise ? int(b.exercise->kind) : b.problem->kind);
        QCOMPARE(a.questions.size(), b.questions.size());
        differing += a.dataLine != b.dataLine;
    }
    QVERIFY(differing >= 6);
}

void WorksheetTest::everyTickedChoiceAppears_data()
{
    QTest::addColumn<QList<int>>("choices");
    QTest::addColumn<int>("exercises");
    QTest::newRow("all eight in eight") << QList<int>{0, 1, 2, 3, 4, 5, 6, 7} << 8;
    QTest::newRow("all eight in twelve") << QList<int>{0, 1, 2, 3, 4, 5, 6, 7} << 12;
    QTest::newRow("three in forty") << QList<int>{2, 5, 7} << 40;
    QTest::newRow("one") << QList<int>{6} << 1;
}

void WorksheetTest::everyTickedChoiceAppears()
{
    QFETCH(QList<int>, choices);
    QFETCH(int, exercises);
    for (int number : {1, 777, 99999}) {
        const Worksheets::Version version = Worksheets::make(request(choices, exercises, 1, number)).first();
        QCOMPARE(version.items.size(), exercises);
        QSet<int> seen;
        for (int i = 0; i < version.items.size(); ++i) {
            const Worksheets::Item &item = version.items[i];
            QVERIFY(choices.contains(item.choice));
            seen << item.choice;
            const QString solid = everySource().at(item.choice).name();
            const QString heading = item.problem ? u"Esercizio %1 · Problema: "_qs.arg(i + 1)
                                                 : u"Esercizio %1 · %2"_qs.arg(i + 1).arg(solid);
            QVERIFY2(item.heading.startsWith(heading), qPrintable(item.heading));
        }
        QCOMPARE(seen.size(), choices.size());
    }
}

void WorksheetTest::solutionsAreTheWindowsAnswers()
{
    static const QRegularExpression numbered(u"^\\d+\\."_qs);
    const Worksheets::Version version = Worksheets::make(request({0, 1, 2, 3, 4, 5, 6}, 40, 1, 2026)).first();
    for (const Worksheets::Item &item : version.items) {
        const Exercise &e = *item.exercise;
        const QString prefix = u"%1. "_qs.arg(item.number);
        QVERIFY(item.solution.startsWith(prefix));
        const QString value = item.solution.mid(prefix.size());
        // The number the window takes as right: the factor of π, or the value.
        QCOMPARE(hundredths(value), qRound64(double(e.expected) * 100));
        QCOMPARE(value.section(u' ', 0, 0).endsWith(u'π'), e.timesPi);
        if (e.timesPi) {
            const QString approximately = ItalianNumber::fromHundredths(PiApproximation::hundredthsOf(int(e.expected)));
            QVERIFY2(value.contains(u" ≈ "_qs + approximately + u' '), qPrintable(value));
        }
        QCOMPARE(value.section(u' ', 1, 1), item.units.first());
        QVERIFY2(QStringList({u"cm"_qs, u"cmq"_qs, u"cmc"_qs}).contains(item.units.first()), qPrintable(item.heading));
        QVERIFY2(item.dataLine.startsWith(u"Dati: "_qs) && !item.dataLine.contains(u"X"_qs), qPrintable(item.dataLine));
        // Every "=" with a blank each side, as a teacher writes it; the
        // window's given line among them ("Superficie laterale= 224 cmq").
        static const QRegularExpression cramped(u"[^ ]=|=[^ ]"_qs);
        QVERIFY2(!cramped.match(item.dataLine).hasMatch(), qPrintable(item.dataLine));
        if (e.hasGivenLine())
            QVERIFY2(item.dataLine.contains(e.givenLine.section(u'=', 0, 0).trimmed() + u" = "_qs), qPrintable(item.dataLine));
        QVERIFY(item.questions.first().startsWith(u"Calcola: "_qs));
        for (const QString &line : item.working)
            QVERIFY2(!numbered.match(line).hasMatch(), qPrintable(line));
    }
}

void WorksheetTest::problemSolutionsGiveEveryQuestion()
{
    const Worksheets::Version version = Worksheets::make(request({7}, 16, 1, 31)).first();
    for (const Worksheets::Item &item : version.items) {
        const Problem &p = *item.problem;
        QCOMPARE(item.questions.size(), p.questions.size());
        QCOMPARE(item.working.size(), p.questions.size());
        const QStringList values = item.solution.section(u". "_qs, 1).split(u"; "_qs);
        QCOMPARE(values.size(), p.questions.size());
        for (int q = 0; q < values.size(); ++q) {
            QCOMPARE(values[q], p.questions[q].symbol() + u" = "_qs + p.questions[q].valueWithUnit());
            QVERIFY(item.questions[q].startsWith(u"%1. "_qs.arg(q + 1)));
        }
        QVERIFY(item.text.startsWith(u"Un"_qs));
    }
}

void WorksheetTest::nothingTickedNothingDrawn()
{
    QVERIFY(Worksheets::make(request({}, 12)).isEmpty());
    // Beyond the dialog's ranges the sheet keeps to them.
    const auto versions = Worksheets::make(request({0}, 500, 9));
    QCOMPARE(versions.size(), Worksheets::MaxVersions);
    QCOMPARE(versions.first().items.size(), Worksheets::MaxExercises);
    // A choice past what is offered is left out; with no other, nothing is drawn.
    QVERIFY(Worksheets::make(request({8, -1}, 12)).isEmpty());
    const QList<Worksheets::Version> past = Worksheets::make(request({42, 4, 8}, 6));
    QCOMPARE(past.first().items.size(), 6);
    for (const Worksheets::Item &item : past.first().items)
        QCOMPARE(item.choice, 4);
}

QTEST_APPLESS_MAIN(WorksheetTest)
#include "tst_worksheet.moc"
