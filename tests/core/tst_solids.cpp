// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/ExerciseState.h"
#include "exercises/ConeExercises.h"
#include "exercises/CylinderExercises.h"
#include "exercises/PrismExercises.h"
#include "exercises/PyramidExercises.h"
#include "exercises/SphereExercises.h"
#include "exercises/WorkedSolution.h"
#include "formula/Answer.h"
#include "frame/AnswerCheck.h"

#include <QTest>

namespace {

// The figure's four places joined, "-" where the solid writes nothing.
QString figureOf(const Exercise &e)
{
    QStringList places;
    for (const QString &caption : e.captions)
        places << (caption.isNull() ? QStringLiteral("-") : caption);
    return places.join(u'|');
}

AnswerCheck::Outcome outcomeOf(const Exercise &e, const QString &typed)
{
    ExerciseState state;
    state.sngExpected = e.expected;
    state.blnTimesPi = e.timesPi;
    return AnswerCheck::check(state, typed, QStringLiteral("Esatto"), e.value).outcome;
}

} // namespace

// The prism and the new solids, worked out by hand on a few draws of every
// kind: what the figure and the lines show, which typed answers are right
// (with π, the factor and its value with 3,14), what a wrong one is told.
class SolidsTest : public QObject
{
    Q_OBJECT
private slots:
    void prism_data();
    void prism() { checkRow(PrismExercises::set()); }
    void pyramid_data();
    void pyramid() { checkRow(PyramidExercises::set()); }
    void cylinder_data();
    void cylinder() { checkRow(CylinderExercises::set()); }
    void cone_data();
    void cone() { checkRow(ConeExercises::set()); }
    void sphere_data();
    void sphere() { checkRow(SphereExercises::set()); }
    void everyDrawIsWholeAndFits_data();
    void everyDrawIsWholeAndFits();

private:
    static void columns();
    static void checkRow(const ExerciseSet &set);
};

void SolidsTest::columns()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<QString>("figure");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("given");
    QTest::addColumn<QStringList>("right");
    QTest::addColumn<QString>("wrong");
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<QString>("mistake");
    QTest::addColumn<QString>("working");
}

void SolidsTest::checkRow(const ExerciseSet &set)
{
    QFETCH(int, kind);
    QFETCH(QList<int>, draws);
    QFETCH(QString, figure);
    QFETCH(QString, question);
    QFETCH(QString, given);
    QFETCH(QStringList, right);
    QFETCH(QString, wrong);
    QFETCH(QString, verdict);
    QFETCH(QString, mistake);
    QFETCH(QString, working);

    draws.resize(3);
    const Exercise e = set.make(kind, qint16(draws[0]), qint16(draws[1]), qint16(draws[2]));
    QCOMPARE(figureOf(e), figure);
    QCOMPARE(e.question, question);
    QCOMPARE(e.givenLine, given);
    for (const QString &typed : right)
        QVERIFY2(outcomeOf(e, typed) == AnswerCheck::Outcome::Right, qPrintable(typed));
    QCOMPARE(outcomeOf(e, wrong), AnswerCheck::Outcome::Wrong);
    QCOMPARE(AnswerCheck::wrongVerdict(e.expected, e.timesPi), verdict);
    QCOMPARE(WorkedSolution::likelyMistake(e, *Answer::read(wrong)).value_or(QString()), mistake);
    QCOMPARE(WorkedSolution::working(e), working);
}

void SolidsTest::prism_data()
{
    columns();
    // Draws: the triple's number, h, the turn. (6, 8, 10) with h = 5.
    QTest::newRow("volume, the box's") << 1 << QList{2, 5} << "6|8|5|10" << "Volume" << "" << QStringList{"120"}
        << "240" << "Sbagliato!! 120"
        << "Hai calcolato il volume di un parallelepipedo: l'area del triangolo di base è a · b : 2."
        << "V = a · b : 2 · h = 6 · 8 : 2 · 5 = 120 cmc";
    QTest::newRow("lateral, the box's") << 2 << QList{2, 5} << "6|8|5|10" << "Superficie laterale" << ""
        << QStringList{"120"} << "140" << "Sbagliato!! 120"
        << "Hai usato la formula del parallelepipedo: il perimetro di base è a + b + c."
        << "Sl = (a + b + c) · h = (6 + 8 + 10) · 5 = 24 · 5 = 120 cmq";
    QTest::newRow("total, turned") << 3 << QList{1, 4, 1} << "4|3|4|5" << "Superficie totale" << ""
        << QStringList{"60"} << "48" << "Sbagliato!! 60" << "Hai calcolato la superficie laterale."
        << "St = (a + b + c) · h + a · b = (4 + 3 + 5) · 4 + 4 · 3 = 12 · 4 + 4 · 3 = 60 cmq";
    QTest::newRow("hypotenuse") << 4 << QList{2, 5} << "6|8|5|X" << "Ipotenusa" << "" << QStringList{"10"} << "14"
        << "Sbagliato!! 10" << "Hai sommato i cateti: si sommano i loro quadrati."
        << "c = √(a² + b²) = √(6² + 8²) = √(36 + 64) = √100 = 10 cm";
    QTest::newRow("height") << 5 << QList{3, 7} << "5|12|X|13" << "Altezza" << "Superficie laterale= 210 cmq"
        << QStringList{"7"} << "8" << "Sbagliato!! 7" << "" << "h = Sl : (a + b + c) = 210 : (5 + 12 + 13) = 210 : 30 = 7 cm";
    QTest::newRow("leg a") << 6 << QList{3, 7, 1} << "X|5|7|13" << "Cateto a" << "" << QStringList{"12"} << "8"
        << "Sbagliato!! 12" << "Hai sottratto i lati: si sottraggono i loro quadrati."
        << "a = √(c² − b²) = √(13² − 5²) = √(169 − 25) = √144 = 12 cm";
    QTest::newRow("leg b") << 7 << QList{2, 5} << "6|X|5|10" << "Cateto b" << "" << QStringList{"8"} << "64"
        << "Sbagliato!! 8" << "Hai dimenticato la radice quadrata." << "b = √(c² − a²) = √(10² − 6²) = √(100 − 36) = √64 = 8 cm";
}

void SolidsTest::pyramid_data()
{
    columns();
    // Draws: the triple's number, the turn. (3, 4, 5): l = 6, a = 5, h = 4.
    QTest::newRow("volume") << 1 << QList{1, 0} << "6|5|4|-" << "Volume" << "" << QStringList{"48"} << "144"
        << "Sbagliato!! 48" << "Hai dimenticato di dividere per 3." << "V = l² · h : 3 = 6² · 4 : 3 = 48 cmc";
    QTest::newRow("lateral") << 2 << QList{1, 0} << "6|5|4|-" << "Superficie laterale" << "" << QStringList{"60"}
        << "48" << "Sbagliato!! 60" << "Hai usato l'altezza al posto dell'apotema."
        << "Sl = 2 · l · a = 2 · 6 · 5 = 60 cmq";
    QTest::newRow("total") << 3 << QList{1, 0} << "6|5|4|-" << "Superficie totale" << "" << QStringList{"96"}
        << "60" << "Sbagliato!! 96" << "Hai calcolato la superficie laterale: manca l'area di base."
        << "St = 2 · l · a + l² = 2 · 6 · 5 + 6² = 96 cmq";
    QTest::newRow("apothem, turned") << 4 << QList{1, 1} << "8|X|3|-" << "Apotema" << "" << QStringList{"5"}
        << "7" << "Sbagliato!! 5" << "Hai sommato i cateti: si sommano i loro quadrati."
        << "a = √((l : 2)² + h²) = √((8 : 2)² + 3²) = √(4² + 3²) = √(16 + 9) = √25 = 5 cm";
    QTest::newRow("height") << 5 << QList{2, 0} << "12|10|X|-" << "Altezza" << "" << QStringList{"8"} << "64"
        << "Sbagliato!! 8" << "Hai dimenticato la radice quadrata." << "h = √(a² − (l : 2)²) = √(10² − (12 : 2)²) = √(10² − 6²) = √(100 − 36) = √64 = 8 cm";
    QTest::newRow("height from volume") << 6 << QList{1, 0} << "6|X|X|-" << "Altezza" << "Volume = 48 cmc"
        << QStringList{"4"} << "1" << "Sbagliato!! 4" << "" << "h = 3 · V : l² = 3 · 48 : 6² = 4 cm";
}

void SolidsTest::cylinder_data()
{
    columns();
    // Draws: r, h.
    QTest::newRow("volume") << 1 << QList{3, 5} << "3|-|5|-" << "Volume" << ""
        << QStringList{"45", "141,3", "141,30", "141,300"} << "141,31" << "Sbagliato!! 45π" << ""
        << "V = π · r² · h = π · 3² · 5 = 45π cmc ≈ 141,3 cmc";
    QTest::newRow("volume, calculator's π") << 1 << QList{2, 10} << "2|-|10|-" << "Volume" << ""
        << QStringList{"40", "125,6"} << "125,66" << "Sbagliato!! 40π"
        << "Usa π = 3,14, oppure scrivi solo il numero che moltiplica π."
        << "V = π · r² · h = π · 2² · 10 = 40π cmc ≈ 125,6 cmc";
    QTest::newRow("lateral, diameter") << 2 << QList{3, 5} << "3|-|5|-" << "Superficie laterale" << ""
        << QStringList{"30", "94,2"} << "60" << "Sbagliato!! 30π" << "Hai usato il diametro al posto del raggio."
        << "Sl = 2 · π · r · h = 2 · π · 3 · 5 = 30π cmq ≈ 94,2 cmq";
    QTest::newRow("total without bases") << 3 << QList{3, 5} << "3|-|5|-" << "Superficie totale" << ""
        << QStringList{"48", "150,72"} << "30" << "Sbagliato!! 48π"
        << "Hai calcolato la superficie laterale: mancano le due basi."
        << "St = 2 · π · r · (r + h) = 2 · π · 3 · (3 + 5) = 2 · π · 3 · 8 = 48π cmq ≈ 150,72 cmq";
    QTest::newRow("height") << 4 << QList{3, 5} << "3|-|X|-" << "Altezza" << "Volume = 45π cmc" << QStringList{"5"}
        << "1,59" << "Sbagliato!! 5" << "Il dato è già scritto con π: non dividere per 3,14."
        << "h = V : (π · r²) = 45π : (π · 3²) = 45 : 9 = 5 cm";
    QTest::newRow("radius") << 5 << QList{3, 5} << "X|-|5|-" << "Raggio" << "Superficie laterale = 30π cmq"
        << QStringList{"3"} << "6" << "Sbagliato!! 3" << "Hai trovato il diametro: il raggio è la metà."
        << "r = Sl : (2 · π · h) = 30π : (2 · π · 5) = 30π : 10π = 30 : 10 = 3 cm";
}

void SolidsTest::cone_data()
{
    columns();
    // Draws: the triple's number, the turn. (3, 4, 5): r = 3, a = 5, h = 4.
    QTest::newRow("volume") << 1 << QList{1, 0} << "3|5|4|-" << "Volume" << "" << QStringList{"12", "37,68"} << "36"
        << "Sbagliato!! 12π" << "Hai dimenticato di dividere per 3."
        << "V = π · r² · h : 3 = π · 3² · 4 : 3 = 12π cmc ≈ 37,68 cmc";
    QTest::newRow("lateral, height for apothem") << 2 << QList{1, 0} << "3|5|4|-" << "Superficie laterale" << ""
        << QStringList{"15", "47,1", "47,10"} << "12" << "Sbagliato!! 15π"
        << "Hai usato l'altezza al posto dell'apotema." << "Sl = π · r · a = π · 3 · 5 = 15π cmq ≈ 47,1 cmq";
    QTest::newRow("total as lateral with 3,14") << 3 << QList{1, 0} << "3|5|4|-" << "Superficie totale" << ""
        << QStringList{"24", "75,36"} << "47,1" << "Sbagliato!! 24π"
        << "Hai calcolato la superficie laterale: manca l'area di base."
        << "St = π · r · (r + a) = π · 3 · (3 + 5) = π · 3 · 8 = 24π cmq ≈ 75,36 cmq";
    QTest::newRow("apothem, turned") << 4 << QList{2, 1} << "8|X|6|-" << "Apotema" << "" << QStringList{"10"} << "14"
        << "Sbagliato!! 10" << "Hai sommato i cateti: si sommano i loro quadrati."
        << "a = √(r² + h²) = √(8² + 6²) = √(64 + 36) = √100 = 10 cm";
    QTest::newRow("height") << 5 << QList{3, 0} << "5|13|X|-" << "Altezza" << "" << QStringList{"12"} << "8"
        << "Sbagliato!! 12" << "Hai sottratto i lati: si sottraggono i loro quadrati."
        << "h = √(a² − r²) = √(13² − 5²) = √(169 − 25) = √144 = 12 cm";
    QTest::newRow("height from volume") << 6 << QList{1, 0} << "3|X|X|-" << "Altezza" << "Volume = 12π cmc"
        << QStringList{"4"} << "1,27" << "Sbagliato!! 4" << "Il dato è già scritto con π: non dividere per 3,14."
        << "h = 3 · V : (π · r²) = 3 · 12π : (π · 3²) = 3 · 12 : 9 = 4 cm";
}

void SolidsTest::sphere_data()
{
    columns();
    // Draws: n, k, with r = n · k.
    QTest::newRow("surface, diameter") << 1 << QList{3, 1} << "3|-|-|-" << "Superficie" << ""
        << QStringList{"36", "113,04"} << "144" << "Sbagliato!! 36π" << "Hai usato il diametro al posto del raggio."
        << "S = 4 · π · r² = 4 · π · 3² = 36π cmq ≈ 113,04 cmq";
    QTest::newRow("volume") << 2 << QList{1, 3} << "3|-|-|-" << "Volume" << "" << QStringList{"36", "113,04"}
        << "108" << "Sbagliato!! 36π" << "Hai dimenticato di dividere per 3."
        << "V = 4 : 3 · π · r³ = 4 : 3 · π · 3³ = 36π cmc ≈ 113,04 cmc";
    QTest::newRow("volume, calculator's π") << 2 << QList{2, 3} << "6|-|-|-" << "Volume" << ""
        << QStringList{"288", "904,32"} << "904,78" << "Sbagliato!! 288π"
        << "Usa π = 3,14, oppure scrivi solo il numero che moltiplica π."
        << "V = 4 : 3 · π · r³ = 4 : 3 · π · 6³ = 288π cmc ≈ 904,32 cmc";
    QTest::newRow("radius from surface") << 3 << QList{5, 1} << "X|-|-|-" << "Raggio" << "Superficie = 100π cmq"
        << QStringList{"5"} << "25" << "Sbagliato!! 5" << "Hai calcolato il quadrato del raggio."
        << "r = √(S : (4 · π)) = √(100π : (4 · π)) = √(100π : 4π) = √(100 : 4) = √25 = 5 cm";
    QTest::newRow("radius from volume") << 4 << QList{2, 3} << "X|-|-|-" << "Raggio" << "Volume = 288π cmc"
        << QStringList{"6"} << "12" << "Sbagliato!! 6" << "Hai trovato il diametro: il raggio è la metà."
        << "r = ∛(3 · V : (4 · π)) = ∛(3 · 288π : (4 · π)) = ∛(3 · 288π : 4π) = ∛(3 · 288 : 4) = ∛216 = 6 cm";
}

void SolidsTest::everyDrawIsWholeAndFits_data()
{
    QTest::addColumn<const ExerciseSet *>("set");
    QTest::addColumn<bool>("rightTriangle"); // the figure holds a right triangle of whole sides
    QTest::newRow("prism") << &PrismExercises::set() << true;
    QTest::newRow("pyramid") << &PyramidExercises::set() << true;
    QTest::newRow("cylinder") << &CylinderExercises::set() << false;
    QTest::newRow("cone") << &ConeExercises::set() << true;
    QTest::newRow("sphere") << &SphereExercises::set() << false;
}

// Every draw each kind can make: whole answers, figures whose right
// triangles hold, and answers that fit the answer box (7 characters with π,
// the hundredths of k · 3,14 included; 5 without).
void SolidsTest::everyDrawIsWholeAndFits()
{
    QFETCH(const ExerciseSet *, set);
    QFETCH(bool, rightTriangle);
    for (int kind = 1; kind <= set->kindCount; ++kind) {
        const ExerciseKind &k = set->kind(kind);
        for (int first = k.first.low; first <= k.first.high; ++first) {
            for (int step = k.step.low; step <= k.step.high; ++step) {
                for (int t = 0; t <= (set->draws == ExerciseSet::FirstStepAndTurn ? 1 : 0); ++t) {
                    const Exercise e = set->make(kind, qint16(first), qint16(step), qint16(t));
                    const Measures &m = e.measures;
                    // Whole exactly, not by a division that dropped a remainder.
                    const Rational factor = e.timesPi ? e.value.pi() : e.value.plain();
                    QVERIFY2(e.value.isValid() && factor.isWhole() && factor.numerator() >= 1, qPrintable(e.value.text()));
                    QCOMPARE(e.timesPi || e.value.isPlain(), true);
                    if (rightTriangle) {
                        // The prism's legs a, b and hypotenuse d; the pyramid's
                        // half side a/2, height c and apothem b; the cone's
                        // radius a, height c and apothem b.
                        const int p = set == &PyramidExercises::set() ? m.a / 2 : m.a;
                        const int q = set == &PrismExercises::set() ? m.b : m.c;
                        const int r = set == &PrismExercises::set() ? m.d : m.b;
                        QCOMPARE(p * p + q * q, r * r);
                    }
                    const QString whole = QString::number(qint64(e.expected));
                    QVERIFY2(whole.size() <= (e.timesPi ? 7 : 5), qPrintable(whole));
                    if (e.timesPi) {
                        const QString cents = QString::number(qint64(e.expected) * 314);
                        QVERIFY2(cents.size() + 1 <= 7, qPrintable(cents));
                    }
                }
            }
        }
    }
}

QTEST_GUILESS_MAIN(SolidsTest)
#include "tst_solids.moc"
