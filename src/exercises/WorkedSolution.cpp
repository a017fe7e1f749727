// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WorkedSolution.h"

#include "exercise/NumberFormat.h"

#include <QStringList>

#include <cmath>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace WorkedSolution {

namespace {

QString n(double value)
{
    if (value == std::floor(value))
        return QString::number(qint64(value));
    return NumberFormat::format(value, u"###.#");
}

// "5²": built by hand, since QString::arg would read "%1²" as a twelfth argument.
QString squared(double value)
{
    return n(value) + u"²"_s;
}

QString rootOfSquares(double a, double b, double c)
{
    return u"√("_s + squared(a) + u" + "_s + squared(b) + u" + "_s + squared(c) + u")"_s;
}

// Joins the parts of a working line with " = ".
QString equals(std::initializer_list<QString> parts)
{
    QStringList list(parts);
    return list.join(QStringLiteral(" = "));
}

QString cubeWorking(const Exercise &e)
{
    const QString s = n(e.width);
    const int sv = e.width;
    const QString perimeter = QStringLiteral("s = p : 4 = %1 : 4 = %2 cm, ").arg(n(4 * sv), s);
    const QString volume = equals({u"V = s³"_s, s + u"³"_s, n(sv * sv * sv) + u" cmc"_s});
    const QString lateral = equals({u"Sl = 4·s²"_s, u"4·"_s + s + u"²"_s, n(4 * sv * sv) + u" cmq"_s});
    const QString total = equals({u"St = 6·s²"_s, u"6·"_s + s + u"²"_s, n(6 * sv * sv) + u" cmq"_s});
    switch (e.kind) {
    case 1: return volume;
    case 2: return lateral;
    case 3: return total;
    case 4:
        return equals({u"d = s·√3"_s, rootOfSquares(sv, sv, sv), u"√"_s + n(3 * sv * sv)})
            + u" ≈ "_s + n(e.expected) + u" cm"_s;
    case 5:
        return QStringLiteral("Sl = 4·s² = %1 cmq, quindi s² = %1 : 4 = %2 e s = %3 cm")
            .arg(n(4 * sv * sv), n(sv * sv), s);
    case 6: return perimeter + volume;
    case 7: return QStringLiteral("V = s³ = %1 cmc, quindi s = ³√%1 = %2 cm").arg(n(sv * sv * sv), s);
    case 8: return perimeter + lateral;
    case 9: return perimeter + total;
    }
    return QString();
}

QString boxWorking(const Exercise &e, QChar h)
{
    const int a = e.width, b = e.depth, c = e.height;
    const QString H(h);
    switch (e.kind) {
    case 1:
        return equals({u"V = a·b·"_s + H, QStringLiteral("%1·%2·%3").arg(a).arg(b).arg(c),
                       n(a * b * c) + u" cmc"_s});
    case 2:
        return equals({u"Sl = 2·(a + b)·"_s + H, QStringLiteral("2·(%1 + %2)·%3").arg(a).arg(b).arg(c),
                       n(2 * (a + b) * c) + u" cmq"_s});
    case 3:
        return equals({u"St = 2·(a + b)·"_s + H + u" + 2·a·b"_s,
                       QStringLiteral("2·(%1 + %2)·%3 + 2·%1·%2").arg(a).arg(b).arg(c),
                       n(2 * (a + b) * c + 2 * a * b) + u" cmq"_s});
    case 4:
        return equals({u"d = √(a² + b² + "_s + H + u"²)"_s,
                       rootOfSquares(a, b, c), u"√"_s + n(a * a + b * b + c * c)})
            + u" ≈ "_s + n(e.expected) + u" cm"_s;
    case 5:
        return equals({H + u" = Sl : (2·(a + b))"_s, QStringLiteral("%1 : %2").arg(2 * (a + b) * c).arg(2 * (a + b)),
                       n(c) + u" cm"_s});
    case 6:
        return equals({u"a = p : 2 − b"_s, QStringLiteral("%1 : 2 − %2").arg(2 * (a + b)).arg(b), n(a) + u" cm"_s});
    case 7:
        return equals({u"b = p : 2 − a"_s, QStringLiteral("%1 : 2 − %2").arg(2 * (a + b)).arg(a), n(b) + u" cm"_s});
    }
    return QString();
}

struct Quantity
{
    double value;
    const char16_t *mistake;
};

// The other quantities of the solid a pupil may compute by mistake, in the
// order they are named when two of them coincide.
std::vector<Quantity> quantitiesOf(const Exercise &e)
{
    const double a = e.width, b = e.depth, c = e.height;
    if (e.solid == Exercise::Solid::Cube) {
        const double s = a;
        return {{s * s * s, u"Hai calcolato il volume."},
                {4 * s * s, u"Hai calcolato la superficie laterale."},
                {6 * s * s, u"Hai calcolato la superficie totale."},
                {s * s, u"Hai calcolato l'area di una faccia."},
                {4 * s, u"Hai calcolato il perimetro di base."},
                {s, u"Hai scritto lo spigolo."}};
    }
    return {{a * b * c, u"Hai calcolato il volume."},
            {2 * (a + b) * c, u"Hai calcolato la superficie laterale."},
            {2 * (a + b) * c + 2 * a * b, u"Hai calcolato la superficie totale."},
            {a * b, u"Hai calcolato l'area di base."},
            {2 * (a + b), u"Hai calcolato il perimetro di base."},
            {a + b, u"Hai calcolato il semiperimetro di base."}};
}

} // namespace

QString working(const Exercise &exercise, QChar heightLetter)
{
    return exercise.solid == Exercise::Solid::Cube ? cubeWorking(exercise) : boxWorking(exercise, heightLetter);
}

std::optional<QString> likelyMistake(const Exercise &exercise, float answer)
{
    if (answer == exercise.expected)
        return std::nullopt;

    // Both solids ask for the space diagonal as their fourth kind.
    if (exercise.kind == 4) {
        const double a = exercise.width, b = exercise.depth, c = exercise.height;
        const double root = std::sqrt(a * a + b * b + c * c);
        if (answer == float(std::floor(root * 10) / 10))
            return QStringLiteral("Hai troncato la diagonale: va arrotondata a un decimale.");
        for (double places : {100.0, 1000.0}) {
            if (answer == float(std::round(root * places) / places))
                return QStringLiteral("La diagonale va arrotondata a un decimale.");
        }
        if (answer == float(a * a + b * b + c * c))
            return QStringLiteral("Hai dimenticato la radice quadrata.");
    }

    for (const Quantity &q : quantitiesOf(exercise)) {
        if (float(q.value) == exercise.expected)
            continue; // the asked quantity itself, or one equal to it
        if (answer == float(q.value))
            return QString::fromUtf16(q.mistake);
    }
    return std::nullopt;
}

QString afterWrongAnswer(const Exercise &exercise, float answer, QChar heightLetter)
{
    const QString line = working(exercise, heightLetter);
    if (const auto mistake = likelyMistake(exercise, answer))
        return *mistake + u'\n' + line;
    return line;
}

} // namespace WorkedSolution
