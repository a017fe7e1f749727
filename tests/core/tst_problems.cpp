// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakeRandom.h"
#include "common/ExerciseState.h"
#include "common/ItalianNumber.h"
#include "formula/Answer.h"
#include "frame/GameResults.h"
#include "problems/ProblemKinds.h"
#include "problems/ProblemRun.h"

#include <QTest>

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
    void mistakes_data();
    void mistakes();
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
}

void ProblemsTest::kinds()
{
    QFETCH(Draw, draw);
    QFETCH(QStringList, data);
    QFETCH(QStringList, values);

    const Problem p = problems().make(draw.kind, draw.first, draw.second, draw.third, draw.material);
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
}

void ProblemsTest::mistakes()
{
    QFETCH(Draw, draw);
    QFETCH(int, question);
    QFETCH(QString, typed);
    QFETCH(QString, said);

    const Problem p = problems().make(draw.kind, draw.first, draw.second, draw.third, draw.material);
    const std::optional<QString> mistake = p.likelyMistake(question, typedNumber(typed));
    if (said.isEmpty()) {
        QVERIFY2(!mistake, qPrintable(mistake.value_or(QString())));
        return;
    }
    QVERIFY(mistake);
    QVERIFY2(mistake->contains(said), qPrintable(*mistake));
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
                     FakeRandom::drawFor(0, 0, 0), FakeRandom::drawFor(0, 0, problems().materialCount - 1)};
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

// Every draw of every kind's ranges, with and without each material: every
// root whole, every value (and factor of π) in hundredths, below 100 000
// also with 3,14, and typed in nine characters at most; where a weight
// follows the volume, the volume's factor is whole.
void ProblemsTest::everyDrawIsASchoolProblem()
{
    int checked = 0;
    for (int k = 1; k <= problems().kindCount; ++k) {
        const ProblemKind &kind = problems().kind(k);
        for (int material = -1; material < problems().materialCount; ++material) {
            if (material >= 0 && !kind.weighable)
                continue;
            const DrawRange firsts = material >= 0 && kind.weighedFirst.low > 0 ? kind.weighedFirst : kind.first;
            for (int first = firsts.low; first <= firsts.high; ++first) {
                for (int second = kind.second.low; second <= kind.second.high; ++second) {
                    for (int third = kind.third.low; third <= kind.third.high; ++third) {
                        const Problem p = problems().make(k, first, second, third, material);
                        const QString where = QStringLiteral("%1 %2 %3 %4 %5").arg(k).arg(first).arg(second).arg(third).arg(material);
                        for (const AskedQuestion &q : p.questions) {
                            QVERIFY2(q.value.isPlain() || q.value.isPiMultiple(), qPrintable(where + u' ' + q.symbol()));
                            const Rational factor = q.timesPi() ? q.value.pi() : q.value.plain();
                            const std::optional<qint64> h = factor.hundredths();
                            QVERIFY2(h && *h > 0, qPrintable(where + u' ' + q.symbol()));
                            const qint64 largest = q.timesPi() ? (*h * 314 + 99) / 100 : *h;
                            QVERIFY2(largest < 10000000, qPrintable(where + u' ' + q.symbol()));
                            QVERIFY2(ItalianNumber::fromHundredths(largest).size() <= 9, qPrintable(where));
                            if (q.symbol() == u"V" && p.hasMaterial())
                                QVERIFY2(factor.isWhole(), qPrintable(where));
                        }
                        for (const QString &datum : p.dataLines())
                            QVERIFY2(p.text().contains(datum.section(u' ', 2, 2)), qPrintable(where + datum));
                        ++checked;
                    }
                }
            }
        }
    }
    QVERIFY(checked > 1000);
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
