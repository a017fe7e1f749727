// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formula/Answer.h"
#include "formula/Formula.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

// The formula engine on its own: formulas read from their text, their
// exact values, the worked chains by their rules, and the answer rule.
class FormulaEngineTest : public QObject
{
    Q_OBJECT
private slots:
    void values_data();
    void values();
    void unreadable_data();
    void unreadable();
    void worked_data();
    void worked();
    void answers_data();
    void answers();
    void roots_data();
    void roots();
};

namespace {

// "l=10 h=12 V=45π" as the symbols' values.
Symbols symbols(const QString &list)
{
    Symbols out;
    for (const QString &pair : list.split(u' ', Qt::SkipEmptyParts)) {
        QString value = pair.section(u'=', 1);
        const bool pi = value.endsWith(u'π');
        if (pi)
            value.chop(1);
        const Rational r = *Rational::fromDecimal(value);
        out.insert(pair.section(u'=', 0, 0), pi ? Value::timesPi(r) : Value(r));
    }
    return out;
}

} // namespace

void FormulaEngineTest::values_data()
{
    QTest::addColumn<QString>("formula");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("value"); // as a chain ends on it, "?" for none

    QTest::newRow("pyramid volume") << u"V = l² · h : 3"_s << -1 << u"l=10 h=12"_s << u"400"_s;
    QTest::newRow("cylinder total") << u"St = 2 · π · r · (r + h)"_s << -1 << u"r=3 h=5"_s << u"48π"_s;
    QTest::newRow("apothem") << u"a = √((l : 2)² + h²)"_s << -1 << u"l=10 h=12"_s << u"13"_s;
    QTest::newRow("cube root") << u"l = ∛V"_s << -1 << u"V=2744"_s << u"14"_s;
    QTest::newRow("capacity") << u"C = V : 1000"_s << -1 << u"V=4500π"_s << u"4,5π"_s;
    QTest::newRow("weight") << u"P = V · ps"_s << -1 << u"V=400 ps=7,8"_s << u"3120"_s;
    QTest::newRow("height on hypotenuse") << u"r = c1 · c2 : i"_s << -1 << u"c1=12 c2=16 i=20"_s << u"9,6"_s;
    QTest::newRow("fraction") << u"x = 3/4 · y"_s << -1 << u"y=16"_s << u"12"_s;
    QTest::newRow("perimeter symbol") << u"l = 2p : 4"_s << -1 << u"2p=40"_s << u"10"_s;
    QTest::newRow("pi cancels") << u"h = V : (π · r²)"_s << -1 << u"V=45π r=3"_s << u"5"_s;
    QTest::newRow("sphere radius") << u"r = √(S : (4 · π))"_s << -1 << u"S=100π"_s << u"5"_s;
    QTest::newRow("decimal root") << u"x = √y"_s << -1 << u"y=219,04"_s << u"14,8"_s;
    QTest::newRow("thirds stay exact") << u"V = 4 : 3 · π · r³"_s << -1 << u"r=3"_s << u"36π"_s;
    QTest::newRow("plain and pi") << u"St = 6 · l² − 2 · π · r² + 2 · π · r · l"_s << -1 << u"l=10 r=2"_s
                                  << u"600 + 32π"_s;
    QTest::newRow("rounded diagonal") << u"d = l·√3"_s << 1 << u"l=5"_s << u"8,7"_s;
    QTest::newRow("rounded half up") << u"d = √(a² + b² + c²)"_s << 1 << u"a=4 b=3 c=6"_s << u"7,8"_s;
    QTest::newRow("rounded but whole") << u"d = √(a² + b² + c²)"_s << 1 << u"a=4 b=4 c=2"_s << u"6"_s;
    QTest::newRow("root not whole") << u"x = √y"_s << -1 << u"y=2"_s << u"?"_s;
    QTest::newRow("pi times pi") << u"x = π · r · π"_s << -1 << u"r=2"_s << u"?"_s;
    QTest::newRow("over a mixed value") << u"x = y : (2 + π)"_s << -1 << u"y=4"_s << u"?"_s;
    QTest::newRow("plain over pi") << u"x = y : π"_s << -1 << u"y=4"_s << u"?"_s;
    QTest::newRow("missing symbol") << u"V = l² · h"_s << -1 << u"l=2"_s << u"?"_s;
    QTest::newRow("over zero") << u"x = y : (y − y)"_s << -1 << u"y=3"_s << u"?"_s;
}

void FormulaEngineTest::values()
{
    QFETCH(QString, formula);
    QFETCH(int, decimals);
    QFETCH(QString, given);
    QFETCH(QString, value);
    const Formula f(formula, decimals);
    QVERIFY2(f.isValid(), qPrintable(f.error()));
    QCOMPARE(f.evaluate(symbols(given)).text(), value);
}

void FormulaEngineTest::unreadable_data()
{
    QTest::addColumn<QString>("formula");
    QTest::newRow("no equals") << u"V l³"_s;
    QTest::newRow("open bracket") << u"V = (l + h"_s;
    QTest::newRow("closing too many") << u"V = l + h)"_s;
    QTest::newRow("stray character") << u"V = l ; h"_s;
    QTest::newRow("operator at the end") << u"V = l ·"_s;
    QTest::newRow("left side an expression") << u"V + 1 = l"_s;
    QTest::newRow("fraction over zero") << u"x = 3/0 · y"_s;
}

void FormulaEngineTest::unreadable()
{
    QFETCH(QString, formula);
    QVERIFY(!Formula(formula).isValid());
    QVERIFY(!Formula(formula).evaluate({}).isValid());
}

void FormulaEngineTest::worked_data()
{
    QTest::addColumn<QString>("formula");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("chain");

    QTest::newRow("brackets, powers, radicand, root")
        << u"a = √((l : 2)² + h²)"_s << -1 << u"l=10 h=12"_s << u"cm"_s
        << u"a = √((l : 2)² + h²) = √((10 : 2)² + 12²) = √(5² + 12²) = √(25 + 144) = √169 = 13 cm"_s;
    QTest::newRow("pi cancelled") << u"h = V : (π · r²)"_s << -1 << u"V=45π r=3"_s << u"cm"_s
                                  << u"h = V : (π · r²) = 45π : (π · 3²) = 45 : 9 = 5 cm"_s;
    QTest::newRow("pi result") << u"V = π · r² · h"_s << -1 << u"r=3 h=5"_s << u"cmc"_s
                               << u"V = π · r² · h = π · 3² · 5 = 45π cmc ≈ 141,3 cmc"_s;
    QTest::newRow("written tight") << u"Sl = 4·l²"_s << -1 << u"l=5"_s << u"cmq"_s << u"Sl = 4·l² = 4·5² = 100 cmq"_s;
    QTest::newRow("radicand first") << u"l = √(Sl : 4)"_s << -1 << u"Sl=100"_s << u"cm"_s
                                    << u"l = √(Sl : 4) = √(100 : 4) = √25 = 5 cm"_s;
    QTest::newRow("pi inside a root") << u"r = √(S : (4 · π))"_s << -1 << u"S=100π"_s << u"cm"_s
                                      << u"r = √(S : (4 · π)) = √(100π : (4 · π)) = √(100π : 4π) = √(100 : 4) = √25 = 5 cm"_s;
    QTest::newRow("rounded") << u"d = √(a² + b² + c²)"_s << 1 << u"a=4 b=3 c=6"_s << u"cm"_s
                             << u"d = √(a² + b² + c²) = √(4² + 3² + 6²) = √(16 + 9 + 36) = √61 ≈ 7,8 cm"_s;
    QTest::newRow("rounded product") << u"d = l·√3"_s << 1 << u"l=5"_s << u"cm"_s << u"d = l·√3 = 5·√3 ≈ 8,7 cm"_s;
    QTest::newRow("earlier value with pi") << u"C = V : 1000"_s << -1 << u"V=4500π"_s << u"l"_s
                                          << u"C = V : 1000 = 4500π : 1000 = 4,5π l ≈ 14,13 l"_s;
    QTest::newRow("both parts") << u"St = 6 · l² − 2 · π · r² + 2 · π · r · l"_s << -1 << u"l=10 r=2"_s << u"cmq"_s
                                << u"St = 6 · l² − 2 · π · r² + 2 · π · r · l = 6 · 10² − 2 · π · 2² + 2 · π · 2 · 10"
                                   u" = 600 + 32π cmq ≈ 700,48 cmq"_s;
}

void FormulaEngineTest::worked()
{
    QFETCH(QString, formula);
    QFETCH(int, decimals);
    QFETCH(QString, given);
    QFETCH(QString, unit);
    QFETCH(QString, chain);
    QCOMPARE(Formula(formula, decimals).worked(symbols(given), unit), chain);
}

void FormulaEngineTest::answers_data()
{
    QTest::addColumn<QString>("expected"); // "45π", "7,8", "600+32π"
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("right");

    QTest::newRow("plain") << u"4,8"_s << u"4,8"_s << true;
    QTest::newRow("trailing zero") << u"4,8"_s << u"4,80"_s << true;
    QTest::newRow("leading zeros") << u"7"_s << u"007"_s << true;
    QTest::newRow("far decimal") << u"2744"_s << u"2744,0001"_s << false;
    QTest::newRow("near miss") << u"17,3"_s << u"17,31"_s << false;
    QTest::newRow("factor of pi") << u"45π"_s << u"45"_s << true;
    QTest::newRow("pi as 3,14") << u"45π"_s << u"141,3"_s << true;
    QTest::newRow("pi as 3,14 with zeros") << u"45π"_s << u"141,30"_s << true;
    QTest::newRow("calculator pi") << u"45π"_s << u"141,37"_s << false;
    QTest::newRow("between hundredths, below") << u"2,5π"_s << u"7,85"_s << true;
    QTest::newRow("between hundredths, above") << u"0,125π"_s << u"0,40"_s << true;
    QTest::newRow("between hundredths, under") << u"0,125π"_s << u"0,39"_s << true;
    QTest::newRow("between hundredths, beyond") << u"0,125π"_s << u"0,41"_s << false;
    QTest::newRow("both parts") << u"600+32π"_s << u"700,48"_s << true;
    QTest::newRow("both parts, factor alone") << u"600+32π"_s << u"32"_s << false;
    QTest::newRow("not a number") << u"5"_s << u"5,,"_s << false;
}

void FormulaEngineTest::answers()
{
    QFETCH(QString, expected);
    QFETCH(QString, typed);
    QFETCH(bool, right);
    Value value;
    for (const QString &part : expected.split(u'+')) {
        const bool pi = part.endsWith(u'π');
        const Rational r = *Rational::fromDecimal(pi ? part.chopped(1) : part);
        value = value + (pi ? Value::timesPi(r) : Value(r));
    }
    const std::optional<Rational> answer = Answer::read(typed);
    QCOMPARE(answer.has_value() && Answer::matches(value, *answer), right);
}

void FormulaEngineTest::roots_data()
{
    QTest::addColumn<QString>("under");
    QTest::addColumn<QString>("rounded"); // to one decimal
    QTest::addColumn<QString>("cut");
    QTest::addColumn<QString>("exact"); // "-" where there is none

    QTest::newRow("whole") << u"169"_s << u"13"_s << u"13"_s << u"13"_s;
    QTest::newRow("decimal square") << u"219,04"_s << u"14,8"_s << u"14,8"_s << u"14,8"_s;
    QTest::newRow("rounds up") << u"75"_s << u"8,7"_s << u"8,6"_s << u"-"_s;
    QTest::newRow("rounds down") << u"61"_s << u"7,8"_s << u"7,8"_s << u"-"_s;
    QTest::newRow("large") << u"999999999999"_s << u"1000000"_s << u"999999,9"_s << u"-"_s;
}

void FormulaEngineTest::roots()
{
    QFETCH(QString, under);
    QFETCH(QString, rounded);
    QFETCH(QString, cut);
    QFETCH(QString, exact);
    const Rational r = *Rational::fromDecimal(under);
    QCOMPARE(r.roundedSquareRoot(1).text(), rounded);
    QCOMPARE(r.truncatedSquareRoot(1).text(), cut);
    const std::optional<Rational> root = r.exactRoot(2);
    QCOMPARE(root ? root->text() : u"-"_s, exact);
}

QTEST_GUILESS_MAIN(FormulaEngineTest)
#include "tst_formulaengine.moc"
