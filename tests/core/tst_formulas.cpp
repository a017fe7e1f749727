// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/Pronunciation.h"
#include "exercises/BoxExercises.h"
#include "exercises/ConeExercises.h"
#include "exercises/CubeExercises.h"
#include "exercises/CylinderExercises.h"
#include "exercises/PrismExercises.h"
#include "exercises/PyramidExercises.h"
#include "exercises/SphereExercises.h"
#include "exercises/WorkedSolution.h"
#include "problems/ProblemKinds.h"

#include <QRegularExpression>
#include "formula/Formula.h"

#include <QTest>

namespace {

using SetOf = const ExerciseSet &(*)();

// The formula each step of a worked solution begins with: "V = l³" of
// "V = l³ = 5³ = 125 cmc"; steps are joined by ", ".
QStringList formulasOf(const QString &working)
{
    QStringList formulas;
    for (const QString &step : working.split(u", "_qs)) {
        const QStringList parts = step.split(u" = "_qs);
        if (parts.size() >= 2)
            formulas << parts[0] + u" = "_qs + parts[1];
    }
    return formulas;
}

// The symbols a formula is written with: "Sl", "2p", "hc", "l".
QStringList symbolsOf(const QString &formula)
{
    static const QRegularExpression symbol(u"2p|[A-Za-z][A-Za-z0-9]*"_qs);
    QStringList symbols;
    for (const QRegularExpressionMatch &m : symbol.globalMatch(formula))
        symbols << m.captured();
    return symbols;
}

bool explains(const FormulaSheet &sheet, const QString &symbol)
{
    for (const FormulaSheet::Symbol &s : sheet.legend) {
        if (s.symbol == symbol)
            return true;
    }
    return false;
}

// Every draw a kind allows, within a few of each range.
QList<Exercise> exercisesOf(const ExerciseSet &set, int kind)
{
    const ExerciseKind &k = set.kind(kind);
    QList<Exercise> out;
    for (int first = k.first.low; first <= std::min(k.first.high, k.first.low + 4); ++first) {
        for (int step = k.step.low; step <= k.step.high; ++step) {
            for (int t = 0; t <= (set.draws == ExerciseSet::FirstStepAndTurn ? 1 : 0); ++t)
                out << set.make(kind, qint16(first), qint16(step), qint16(t));
        }
    }
    return out;
}

} // namespace

Q_DECLARE_METATYPE(SetOf)

// The formula sheets and what reads the texts aloud: the board and the
// sheet write each formula one way, every symbol is explained, and the
// texts become Italian a speech engine reads well.
class FormulasTest : public QObject
{
    Q_OBJECT
private slots:
    void workedSolutionsBeginWithTheSheet_data();
    void workedSolutionsBeginWithTheSheet();
    void everySymbolIsExplained_data() { workedSolutionsBeginWithTheSheet_data(); }
    void everySymbolIsExplained();
    void problemStepsAreOnTheProblemsSheets();
    void dataLines_data();
    void dataLines();
    void spoken_data();
    void spoken();
};

void FormulasTest::workedSolutionsBeginWithTheSheet_data()
{
    QTest::addColumn<SetOf>("set");
    QTest::newRow("cubo") << SetOf(CubeExercises::set);
    QTest::newRow("parallelepipedo") << SetOf(BoxExercises::set);
    QTest::newRow("prisma") << SetOf(PrismExercises::set);
    QTest::newRow("piramide") << SetOf(PyramidExercises::set);
    QTest::newRow("cilindro") << SetOf(CylinderExercises::set);
    QTest::newRow("cono") << SetOf(ConeExercises::set);
    QTest::newRow("sfera") << SetOf(SphereExercises::set);
}

void FormulasTest::workedSolutionsBeginWithTheSheet()
{
    QFETCH(SetOf, set);
    const FormulaSheet sheet = set().sheet();
    QStringList used;
    for (int kind = 1; kind <= set().kindCount; ++kind) {
        for (const Exercise &e : exercisesOf(set(), kind)) {
            const QStringList formulas = formulasOf(WorkedSolution::working(e));
            QVERIFY2(!formulas.isEmpty(), qPrintable(WorkedSolution::working(e)));
            for (const QString &formula : formulas) {
                QVERIFY2(sheet.holds(formula), qPrintable(formula + u" is not on the sheet "_qs + sheet.title));
                used << formula;
            }
        }
    }
    // Each inverse formula on the sheet is one the window asks for.
    for (const QString &inverse : sheet.inverse)
        QVERIFY2(used.contains(inverse), qPrintable(inverse));
}

void FormulasTest::everySymbolIsExplained()
{
    QFETCH(SetOf, set);
    const FormulaSheet sheet = set().sheet();
    for (const QStringList &formulas : {sheet.direct, sheet.inverse, sheet.pythagoras}) {
        for (const QString &formula : formulas) {
            for (const QString &symbol : symbolsOf(formula))
                QVERIFY2(explains(sheet, symbol), qPrintable(symbol + u" in "_qs + formula));
        }
    }
    QCOMPARE(sheet.notes.contains(u"π ≈ 3,14"_qs), sheet.direct.join(QString()).contains(u'π'));
}

void FormulasTest::problemStepsAreOnTheProblemsSheets()
{
    const ProblemSet &problems = ProblemKinds::set();
    for (int kind = 1; kind <= problems.kindCount; ++kind) {
        const ProblemKind &k = problems.kind(kind);
        const int third = k.third.low;
        for (int material : {-1, 0}) {
            const Problem p = problems.make(kind, k.first.low, k.second.low, third, k.weighable ? material : -1);
            const QList<FormulaSheet> sheets = p.formulaSheets();
            QVERIFY(sheets.size() >= 2);
            const FormulaSheet &own = sheets.first();
            // The own sheet can be worked through in its order: each formula
            // uses only the data and what the formulas above it give.
            QStringList known = p.dataValues().keys();
            for (const QString &text : own.direct) {
                const Formula f(text);
                QVERIFY2(f.isValid(), qPrintable(text));
                for (const QString &symbol : f.uses())
                    QVERIFY2(known.contains(symbol), qPrintable(symbol + u" in "_qs + text));
                known << f.symbol();
            }
            for (int q = 0; q < p.questions.size(); ++q) {
                const QString formula = formulasOf(p.workedStep(q)).value(0);
                for (const QString &symbol : symbolsOf(formula)) {
                    const bool somewhere = std::any_of(sheets.cbegin(), sheets.cend(), [&](const FormulaSheet &s) {
                        return explains(s, symbol);
                    });
                    QVERIFY2(somewhere, qPrintable(symbol + u" in "_qs + formula));
                }
            }
            // The rules of weight and capacity stand where the problem asks for them, and only there.
            const QString rules = own.lines().join(u'\n');
            QVERIFY(rules.contains(u"Le parti a contatto non fanno parte della superficie totale."_qs));
            QCOMPARE(rules.contains(u"P = V · ps"_qs), p.hasMaterial());
            const bool litres = std::any_of(p.questions.cbegin(), p.questions.cend(),
                                            [](const AskedQuestion &q) { return q.unit() == u"l"_qs; });
            QCOMPARE(rules.contains(u"1 l = 1 dmc = 1000 cmc"_qs), litres);
        }
    }
}

void FormulasTest::dataLines_data()
{
    QTest::addColumn<SetOf>("set");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("step");
    QTest::addColumn<QStringList>("data");

    // The cube's three edges are one datum, the unknown is "X".
    QTest::newRow("cube volume") << SetOf(CubeExercises::set) << 1 << 4 << 0 << QStringList{u"l = 4 cm"_qs};
    QTest::newRow("cube edge") << SetOf(CubeExercises::set) << 5 << 4 << 0 << QStringList{u"l = X"_qs};
    QTest::newRow("cylinder height") << SetOf(CylinderExercises::set) << 4 << 3 << 5
                                     << QStringList{u"r = 3 cm"_qs, u"h = X"_qs};
    QTest::newRow("sphere") << SetOf(SphereExercises::set) << 1 << 6 << 1 << QStringList{u"r = 6 cm"_qs};
}

void FormulasTest::dataLines()
{
    QFETCH(SetOf, set);
    QFETCH(int, kind);
    QFETCH(int, first);
    QFETCH(int, step);
    QFETCH(QStringList, data);
    QCOMPARE(set().data(set().make(kind, qint16(first), qint16(step))), data);
}

void FormulasTest::spoken_data()
{
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("said");

    QTest::newRow("decimals") << "4,8" << "4 virgola 8";
    QTest::newRow("decimal zeros") << "4,05" << "4 virgola zero 5";
    QTest::newRow("hundredths") << "141,30" << "141 virgola 30";
    QTest::newRow("times pi") << "45π cmc" << "45 pi greco centimetri cubi";
    QTest::newRow("units") << "4 cm, 5 cmq, 6 cmc" << "4 centimetri, 5 centimetri quadrati, 6 centimetri cubi";
    QTest::newRow("one unit") << "1 l = 1 dmc = 1000 cmc"
                              << "1 litro uguale a 1 decimetro cubo uguale a 1000 centimetri cubi";
    QTest::newRow("litres") << "C = 4,5 l" << "C uguale a 4 virgola 5 litri";
    QTest::newRow("a side is not a litre") << "Ab = l²" << "area di base uguale a l al quadrato";
    QTest::newRow("powers") << "V = l³ = 5³" << "V uguale a l al cubo uguale a 5 al cubo";
    QTest::newRow("square root") << "a = √(r² + h²)" << "a uguale a radice quadrata di r al quadrato più h al quadrato,";
    QTest::newRow("cube root") << "l = ∛V = ∛125" << "l uguale a radice cubica di V uguale a radice cubica di 125";
    QTest::newRow("cube root written ³√") << "³√64" << "radice cubica di 64";
    QTest::newRow("times and minus") << "a = p − b = 7 − 3" << "a uguale a p meno b uguale a 7 meno 3";
    QTest::newRow("division") << "h = 3 · V : l²" << "h uguale a 3 per V diviso l al quadrato";
    QTest::newRow("colon after a word") << "Dati: r = 3 cm" << "Dati: r uguale a 3 centimetri";
    QTest::newRow("about") << "45π cmc ≈ 141,3 cmc"
                           << "45 pi greco centimetri cubi circa 141 virgola 3 centimetri cubi";
    QTest::newRow("specific weight") << "ps = 7,8 g/cmc"
                                     << "peso specifico uguale a 7 virgola 8 grammi al centimetro cubo";
    QTest::newRow("weight") << "P = 1872 g" << "P uguale a 1872 grammi";
    QTest::newRow("unknown") << "h = X" << "h uguale a incognita";
    QTest::newRow("surfaces") << "St = Sl + 2p" << "superficie totale uguale a superficie laterale più perimetro";
    QTest::newRow("brackets pause") << "Sl = 2·(a + b)·c" << "superficie laterale uguale a 2 per, a più b, per c";
    QTest::newRow("marker") << "► 2. Volume" << "2. Volume";
    QTest::newRow("a fraction") << "d1 = 3/4 · d2" << "d1 uguale a tre quarti per d2";
    QTest::newRow("a fraction of one part") << "è 1/2 del raggio" << "è un mezzo del raggio";
    QTest::newRow("a fraction in the text") << "la maggiore è i 7/6 della minore" << "la maggiore è i sette sesti della minore";
    QTest::newRow("no fraction past nine") << "12/15" << "12 / 15";
    QTest::newRow("kg") << "P = 5,4 kg" << "P uguale a 5 virgola 4 chilogrammi";
}

void FormulasTest::spoken()
{
    QFETCH(QString, written);
    QFETCH(QString, said);
    QCOMPARE(Pronunciation::spoken(written), said);
}

QTEST_APPLESS_MAIN(FormulasTest)
#include "tst_formulas.moc"
