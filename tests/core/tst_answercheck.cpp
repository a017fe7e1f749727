// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frame/AnswerCheck.h"
#include "frame/AnswerKeys.h"
#include "frame/FrameTexts.h"

#include <QTest>

namespace {
const QString Right = QStringLiteral("Esatto. Ok!!!");

// The check as an exercise window runs it: the record's expected value
// is the exercise's exact one, here read back from its decimal digits.
AnswerCheck::Result check(ExerciseState &state, const QString &typed)
{
    const QString digits = QString::number(state.sngExpected, 'g', 6).replace(u'.', u',');
    return AnswerCheck::check(state, typed, Right, Value(*Rational::fromDecimal(digits)));
}
}

class AnswerCheckTest : public QObject
{
    Q_OBJECT
private slots:
    void keys_data();
    void keys();
    void typeableText_data();
    void typeableText();
    void verdict_data();
    void verdict();
    void emptyBoxChecksZero();
    void enterTwiceCountsTwice();
    void unreadableTextChangesNothing_data();
    void unreadableTextChangesNothing();
    void fullCounterKeepsItsValue_data();
    void fullCounterKeepsItsValue();
    void totalPastLimitLeavesTotalLabel();
};

void AnswerCheckTest::keys_data()
{
    QTest::addColumn<QChar>("typed");
    QTest::addColumn<int>("effect");
    using E = AnswerKeys::Effect;
    for (char16_t d = u'0'; d <= u'9'; ++d)
        QTest::addRow("digit %c", char(d)) << QChar(d) << int(E::Insert);
    QTest::newRow("comma") << QChar(u',') << int(E::Insert);
    QTest::newRow("backspace") << QChar(8) << int(E::Backspace);
    QTest::newRow("enter") << QChar(13) << int(E::Check);
    QTest::newRow("full stop") << QChar(u'.') << int(E::Drop);
    QTest::newRow("minus") << QChar(u'-') << int(E::Drop);
    QTest::newRow("blank") << QChar(u' ') << int(E::Drop);
    QTest::newRow("letter") << QChar(u'a') << int(E::Drop);
    QTest::newRow("paste control") << QChar(22) << int(E::Drop);
    QTest::newRow("escape") << QChar(27) << int(E::Drop);
    QTest::newRow("arabic digit") << QChar(0x0663) << int(E::Drop);
}

void AnswerCheckTest::keys()
{
    QFETCH(QChar, typed);
    QFETCH(int, effect);
    QCOMPARE(int(AnswerKeys::effectOf(typed)), effect);
}

void AnswerCheckTest::typeableText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("typeable");
    QTest::newRow("digits and comma") << "12,5" << true;
    QTest::newRow("empty") << "" << true;
    QTest::newRow("letters") << "12a" << false;
    QTest::newRow("newline") << "12\n" << false;
    QTest::newRow("full stop") << "1.5" << false;
}

void AnswerCheckTest::typeableText()
{
    QFETCH(QString, text);
    QFETCH(bool, typeable);
    QCOMPARE(AnswerKeys::isTypeable(text), typeable);
}

void AnswerCheckTest::verdict_data()
{
    QTest::addColumn<float>("expected");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QString>("verdict");

    using O = AnswerCheck::Outcome;
    QTest::newRow("whole right") << 125.0f << "125" << int(O::Right) << Right;
    QTest::newRow("leading zeros right") << 125.0f << "0125" << int(O::Right) << Right;
    QTest::newRow("whole wrong") << 125.0f << "124" << int(O::Wrong) << "Sbagliato!! 125";
    QTest::newRow("diagonal right") << 17.3f << "17,3" << int(O::Right) << Right;
    QTest::newRow("diagonal trailing zero right") << 17.3f << "17,30" << int(O::Right) << Right;
    QTest::newRow("diagonal off by a hundredth") << 17.3f << "17,31" << int(O::Wrong) << "Sbagliato!! 17,3";
    QTest::newRow("diagonal unrounded") << 8.7f << "8,66" << int(O::Wrong) << "Sbagliato!! 8,7";
    QTest::newRow("half without leading zero") << 0.5f << "1" << int(O::Wrong) << "Sbagliato!! ,5";
    QTest::newRow("whole with comma right") << 5.0f << "5,0" << int(O::Right) << Right;
    // Read exactly: a float would take this for 2744.
    QTest::newRow("far decimal is wrong") << 2744.0f << "2744,0001" << int(O::Wrong) << "Sbagliato!! 2744";
}

void AnswerCheckTest::verdict()
{
    QFETCH(float, expected);
    QFETCH(QString, typed);
    QFETCH(int, outcome);
    QFETCH(QString, verdict);

    ExerciseState state;
    state.sngExpected = expected;
    const AnswerCheck::Result r = check(state, typed);

    QCOMPARE(int(r.outcome), outcome);
    QCOMPARE(r.verdict.value_or(QString()), verdict);
    QCOMPARE(r.answerText, typed);
    QVERIFY(r.nextEnabled);
    const bool right = outcome == int(AnswerCheck::Outcome::Right);
    QCOMPARE(state.intRight, qint16(right ? 1 : 0));
    QCOMPARE(state.intWrong, qint16(right ? 0 : 1));
    QCOMPARE(r.rightScore.value_or(QString()), right ? "1" : "0");
    // The wrong score label is written only after a wrong answer.
    QCOMPARE(r.wrongScore.has_value(), !right);
    QCOMPARE(r.totalScore.value_or(QString()), QStringLiteral("1"));
}

void AnswerCheckTest::emptyBoxChecksZero()
{
    ExerciseState state;
    state.sngExpected = 8.0f;
    const AnswerCheck::Result r = check(state, QString());
    QCOMPARE(r.answerText, QStringLiteral("0"));
    QCOMPARE(state.sngAnswer, 0.0f);
    QCOMPARE(int(r.outcome), int(AnswerCheck::Outcome::Wrong));
    QCOMPARE(*r.verdict, QStringLiteral("Sbagliato!! 8"));
}

void AnswerCheckTest::enterTwiceCountsTwice()
{
    ExerciseState state;
    state.sngExpected = 27.0f;
    check(state, QStringLiteral("27"));
    const AnswerCheck::Result r = check(state, QStringLiteral("27"));
    QCOMPARE(state.intRight, qint16(2));
    QCOMPARE(*r.rightScore, QStringLiteral("2"));
    QCOMPARE(*r.totalScore, QStringLiteral("2"));
}

void AnswerCheckTest::unreadableTextChangesNothing_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("two commas") << "1,2,3";
    QTest::newRow("lone comma") << ",";
    QTest::newRow("commas only") << ",,,";
}

void AnswerCheckTest::unreadableTextChangesNothing()
{
    QFETCH(QString, typed);
    ExerciseState state;
    state.intRight = 3;
    state.intWrong = 2;
    state.sngExpected = 4.0f;
    state.sngAnswer = 9.0f;
    const AnswerCheck::Result r = check(state, typed);

    QCOMPARE(int(r.outcome), int(AnswerCheck::Outcome::NotANumber));
    QCOMPARE(*r.verdict, FrameTexts::notANumber());
    QCOMPARE(state.intRight, qint16(3));
    QCOMPARE(state.intWrong, qint16(2));
    QCOMPARE(state.sngAnswer, 9.0f);
    QVERIFY(!r.rightScore && !r.wrongScore && !r.totalScore);
    QVERIFY(!r.nextEnabled);
}

void AnswerCheckTest::fullCounterKeepsItsValue_data()
{
    QTest::addColumn<qint16>("right");
    QTest::addColumn<qint16>("wrong");
    QTest::addColumn<QString>("typed");
    QTest::newRow("right counter full") << qint16(32767) << qint16(0) << "6";
    QTest::newRow("wrong counter full") << qint16(0) << qint16(32767) << "7";
}

void AnswerCheckTest::fullCounterKeepsItsValue()
{
    QFETCH(qint16, right);
    QFETCH(qint16, wrong);
    QFETCH(QString, typed);
    ExerciseState state;
    state.intRight = right;
    state.intWrong = wrong;
    state.sngExpected = 6.0f;
    const AnswerCheck::Result r = check(state, typed);

    QCOMPARE(int(r.outcome), int(AnswerCheck::Outcome::CountersFull));
    QCOMPARE(*r.verdict, FrameTexts::countersFull());
    QCOMPARE(state.intRight, right);
    QCOMPARE(state.intWrong, wrong);
    QVERIFY(!r.rightScore && !r.wrongScore && !r.totalScore);
}

void AnswerCheckTest::totalPastLimitLeavesTotalLabel()
{
    ExerciseState state;
    state.intRight = 20000;
    state.intWrong = 12767;
    state.sngExpected = 6.0f;
    const AnswerCheck::Result r = check(state, QStringLiteral("6"));

    // The answer is counted and its label written; only the total stays.
    QCOMPARE(state.intRight, qint16(20001));
    QCOMPARE(*r.rightScore, QStringLiteral("20001"));
    QVERIFY(!r.totalScore);
    QCOMPARE(int(r.outcome), int(AnswerCheck::Outcome::CountersFull));
    QVERIFY(r.nextEnabled);
}

QTEST_GUILESS_MAIN(AnswerCheckTest)
#include "tst_answercheck.moc"
