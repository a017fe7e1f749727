// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EveryWording.h"
#include "exercises/BoxExercises.h"
#include "exercises/ConeExercises.h"
#include "exercises/CubeExercises.h"
#include "exercises/CylinderExercises.h"
#include "exercises/PrismExercises.h"
#include "exercises/PyramidExercises.h"
#include "exercises/SphereExercises.h"
#include "exercises/WorkedSolution.h"
#include "formula/Answer.h"
#include "problems/ProblemKinds.h"

#include <QSet>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

// Every row of every table over every draw its ranges allow: the formulas
// read, each value is exact with two decimals at most (or rounded by its
// row's own step), an inverse formula gives back the measure it looks for,
// each likely mistake is another value somewhere and never the right one,
// and each symbol has a meaning on the sheets the pupil can open.
class FormulaTableTest : public QObject
{
    Q_OBJECT
private slots:
    void exercises_data();
    void exercises();
    void problems_data();
    void problems();
};

namespace {

using SetOf = const ExerciseSet &(*)();

// A value as a pupil writes it: two decimals at most, and so its factor of π.
bool schoolValue(const Value &v, int decimals)
{
    const int places = decimals >= 0 ? decimals : 2;
    return v.isValid() && v.plain().hasDecimals(places) && v.pi().hasDecimals(places);
}

// What the sheets explain, by symbol.
QSet<QString> explained(const QList<FormulaSheet> &sheets)
{
    QSet<QString> out;
    for (const FormulaSheet &sheet : sheets) {
        for (const FormulaSheet::Symbol &s : sheet.legend)
            out << s.symbol;
    }
    return out;
}

void expectReadable(const FormulaEntry *entry)
{
    if (!entry)
        return;
    const Formula f(*entry);
    QVERIFY2(f.isValid(), qPrintable(f.text() + u": "_s + f.error()));
}

} // namespace

Q_DECLARE_METATYPE(SetOf)

void FormulaTableTest::exercises_data()
{
    QTest::addColumn<SetOf>("set");
    QTest::newRow("cube") << SetOf(CubeExercises::set);
    QTest::newRow("box") << SetOf(BoxExercises::set);
    QTest::newRow("prism") << SetOf(PrismExercises::set);
    QTest::newRow("pyramid") << SetOf(PyramidExercises::set);
    QTest::newRow("cylinder") << SetOf(CylinderExercises::set);
    QTest::newRow("cone") << SetOf(ConeExercises::set);
    QTest::newRow("sphere") << SetOf(SphereExercises::set);
}

void FormulaTableTest::exercises()
{
    QFETCH(SetOf, set);
    const ExerciseSet &s = set();
    const QSet<QString> meanings = explained({s.sheet()});
    QList<bool> mistakeDiffers(s.mistakeCount, false);
    QList<bool> mistakeUsed(s.mistakeCount, false);
    for (const FormulaEntry *m : s.shape.measures)
        expectReadable(m);
    for (int i = 0; i < s.mistakeCount; ++i)
        expectReadable(s.mistakes[i].formula);

    for (int kind = 1; kind <= s.kindCount; ++kind) {
        const ExerciseKind &k = s.kind(kind);
        expectReadable(k.given.formula);
        for (const FormulaEntry *step : k.steps) {
            expectReadable(step);
            if (step) {
                for (const QString &symbol : Formula(*step).uses())
                    QVERIFY2(meanings.contains(symbol), qPrintable(symbol + u" in "_s + QString::fromUtf16(step->text)));
            }
        }
        const Formula answer(k.answer());
        for (int first = k.first.low; first <= k.first.high; ++first) {
            for (int step = k.step.low; step <= k.step.high; ++step) {
                for (int t = 0; t <= (s.draws == ExerciseSet::FirstStepAndTurn ? 1 : 0); ++t) {
                    const Exercise e = s.make(kind, qint16(first), qint16(step), qint16(t));
                    const QString where = u"kind %1 draws %2 %3 %4: "_s.arg(kind).arg(first).arg(step).arg(t);
                    QVERIFY2(schoolValue(e.value, answer.isRounded() ? k.answer().decimals : -1),
                             qPrintable(where + e.value.text()));
                    // A value with π is asked as its factor alone.
                    QVERIFY2(e.value.isPlain() || e.value.isPiMultiple(), qPrintable(where + e.value.text()));
                    // Looking for a measure from what is seen gives that measure back.
                    const Symbols all = s.measures(e);
                    if (all.contains(answer.symbol()) && !answer.isRounded())
                        QVERIFY2(all.value(answer.symbol()) == e.value, qPrintable(where + answer.text()));
                    QVERIFY2(!WorkedSolution::likelyMistake(e, e.timesPi ? e.value.pi() : e.value.plain()),
                             qPrintable(where));
                    for (int i = 0; i < s.mistakeCount; ++i) {
                        if (!s.mistakes[i].appliesTo(kind))
                            continue;
                        mistakeUsed[i] = true;
                        Value slip = Formula(*s.mistakes[i].formula).evaluate(all);
                        QVERIFY2(slip.isValid(), qPrintable(where + QString::fromUtf16(s.mistakes[i].formula->text)));
                        if (!e.value.hasPi() && slip.isPiMultiple())
                            slip = Value(slip.pi());
                        mistakeDiffers[i] = mistakeDiffers[i] || slip != e.value;
                    }
                }
            }
        }
    }
    for (int i = 0; i < s.mistakeCount; ++i) {
        QVERIFY2(mistakeUsed[i] && mistakeDiffers[i], qPrintable(QString::fromUtf16(s.mistakes[i].formula->text)));
    }
}

void FormulaTableTest::problems_data()
{
    QTest::addColumn<int>("kind");
    for (int kind = 1; kind <= ProblemKinds::set().kindCount; ++kind)
        QTest::addRow("%d", kind) << kind;
}

void FormulaTableTest::problems()
{
    QFETCH(int, kind);
    const ProblemSet &set = ProblemKinds::set();
    const ProblemKind &k = set.kind(kind);
    QVERIFY(k.figure && *k.figure);
    for (const FormulaEntry *m : k.shape.measures)
        expectReadable(m);
    QList<bool> mistakeDiffers(k.mistakes.count, false);
    for (int material = -1; material < (k.weighable ? set.materialCount : 0); ++material) {
        const DrawRange firsts = material >= 0 && k.weighedFirst.low > 0 ? k.weighedFirst : k.first;
        for (int first = firsts.low; first <= firsts.high; ++first) {
            for (int second = k.second.low; second <= k.second.high; ++second) {
                for (int third = k.third.low; third <= k.third.high; ++third) {
                  for (const Wording &wording : everyWording(set, kind, first, second, third, material)) {
                    const Problem p = set.make(kind, first, second, third, material, wording);
                    const QString where = u"draws %1 %2 %3 %4 wording %5 %6 %7: "_s.arg(first).arg(second).arg(third).arg(material)
                                              .arg(int(wording.relation)).arg(wording.secondIsX).arg(wording.kilograms);
                    const QSet<QString> meanings = explained(p.formulaSheets());
                    for (int q = 0; q < p.questions.size(); ++q) {
                        const AskedQuestion &asked = p.questions.at(q);
                        const Formula &f = asked.steps.constLast().formula;
                        for (const ProblemStep &step : asked.steps) {
                            QVERIFY2(step.formula.isValid(), qPrintable(step.formula.text()));
                            for (const QString &symbol : step.formula.uses())
                                QVERIFY2(meanings.contains(symbol), qPrintable(where + symbol + u" in "_s + f.text()));
                        }
                        QVERIFY2(schoolValue(asked.value, -1), qPrintable(where + f.text() + u" = "_s + asked.value.text()));
                        const Rational typed = asked.value.isPiMultiple()   ? asked.value.pi()
                                               : asked.withSchoolPiOnly() ? asked.value.withSchoolPi()
                                                                          : asked.value.plain();
                        QVERIFY2(Answer::matches(asked.value, typed), qPrintable(where + f.text()));
                        QVERIFY2(!p.likelyMistake(q, typed), qPrintable(where + f.text()));
                        for (int i = 0; i < k.mistakes.count; ++i) {
                            const Formula slip(*k.mistakes[i].formula);
                            QVERIFY2(slip.isValid(), qPrintable(slip.text()));
                            if (slip.symbol() == asked.symbol())
                                mistakeDiffers[i] = mistakeDiffers[i] || slip.evaluate(p.known(q)) != asked.value;
                        }
                    }
                  }
                }
            }
        }
    }
    for (int i = 0; i < k.mistakes.count; ++i)
        QVERIFY2(mistakeDiffers[i], qPrintable(QString::fromUtf16(k.mistakes[i].formula->text)));
}

QTEST_GUILESS_MAIN(FormulaTableTest)
#include "tst_formulatable.moc"
