// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Worksheet.h"

#include "common/RandomSource.h"
#include "exercises/BoxExercises.h"
#include "exercises/ConeExercises.h"
#include "exercises/CubeExercises.h"
#include "exercises/CylinderExercises.h"
#include "exercises/PrismExercises.h"
#include "exercises/PyramidExercises.h"
#include "exercises/SphereExercises.h"
#include "exercises/WorkedSolution.h"
#include "exercises/ExerciseSet.h"
#include "frame/FrameTexts.h"
#include "problems/ProblemKinds.h"

#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace Worksheets {

namespace {

using SetOf = const ExerciseSet &(*)();
constexpr SetOf Sets[ProblemsChoice] = {CubeExercises::set,     BoxExercises::set,  PrismExercises::set,
                                        PyramidExercises::set,  CylinderExercises::set, ConeExercises::set,
                                        SphereExercises::set};

// A source that starts where the number says, whatever the clock.
RandomSource seeded(qint64 seed)
{
    return RandomSource([seed] { return seed; });
}

int kindCount(int choice)
{
    return choice == ProblemsChoice ? ProblemKinds::set().kindCount : Sets[choice]().kindCount;
}

// The answer's unit: the kind's own, or its formula's (the windows of the
// first solids keep a designed "cm" beside every answer).
QString unitOf(const Exercise &e)
{
    if (!e.unit.isEmpty())
        return e.unit;
    return QString::fromUtf16(e.set->kind(e.kind).answer().unit);
}

QString lowerFirst(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toLower();
    return text;
}

Item exerciseItem(int number, int choice, const Exercise &e)
{
    Item item;
    item.number = number;
    item.choice = choice;
    item.exercise = e;
    item.heading = u"Esercizio %1 · %2"_s.arg(number).arg(solidName(choice));
    QStringList data;
    for (const QString &datum : e.set->data(e)) {
        if (!datum.endsWith(u" = X"_s))
            data << datum;
    }
    if (e.hasGivenLine())
        data << e.givenLine;
    item.dataLine = FrameTexts::dataPrefix() + data.join(u"; "_s);
    const QString unit = unitOf(e);
    item.questions << u"Calcola: "_s + lowerFirst(e.question);
    item.units << unit;
    item.solution = u"%1. %2"_s.arg(number).arg(valueWithUnit(e.value, unit));
    item.working << WorkedSolution::working(e);
    return item;
}

Item problemItem(int number, const Problem &p)
{
    Item item;
    item.number = number;
    item.choice = ProblemsChoice;
    item.problem = p;
    item.heading = u"Esercizio %1 · Problema: %2"_s.arg(number).arg(p.title());
    item.text = p.text();
    item.dataLine = FrameTexts::dataPrefix() + p.dataLines().join(u"; "_s);
    QStringList values;
    for (int q = 0; q < p.questions.size(); ++q) {
        const AskedQuestion &asked = p.questions.at(q);
        item.questions << u"%1. %2"_s.arg(q + 1).arg(asked.text());
        item.units << asked.unit();
        values << asked.symbol() + u" = "_s + asked.valueWithUnit();
        item.working << p.workedStep(q);
    }
    item.solution = u"%1. %2"_s.arg(number).arg(values.join(u"; "_s));
    return item;
}

} // namespace

QString solidName(int choice)
{
    return choice == ProblemsChoice ? u"Problemi"_s : Sets[choice]().sheet().title;
}

QList<Version> make(const Request &request)
{
    if (request.choices.isEmpty())
        return {};
    const int count = std::clamp(request.exercises, 1, MaxExercises);

    // The mix: every ticked choice as evenly as the count allows, shuffled,
    // and a kind for each place. All versions share it.
    RandomSource mix = seeded(request.number);
    QList<int> choices;
    for (int i = 0; i < count; ++i)
        choices << request.choices.at(i % request.choices.size());
    for (int i = count - 1; i > 0; --i)
        std::swap(choices[i], choices[mix.between(0, i)]);
    QList<int> kinds;
    QList<bool> weighed; // a problem names a material in every version or in none
    for (int choice : std::as_const(choices)) {
        kinds << mix.between(1, kindCount(choice));
        weighed << (mix.between(0, 1) == 1);
    }

    QList<Version> versions;
    for (int v = 0; v < std::clamp(request.versions, 1, MaxVersions); ++v) {
        RandomSource numbers = seeded(qint64(request.number) * MaxVersions + v + 1);
        Version version{QChar(u'A' + v), {}};
        for (int i = 0; i < count; ++i) {
            const int choice = choices.at(i);
            if (choice == ProblemsChoice)
                version.items << problemItem(i + 1, ProblemKinds::set().drawOf(kinds.at(i), weighed.at(i), numbers));
            else
                version.items << exerciseItem(i + 1, choice, Sets[choice]().drawOf(kinds.at(i), numbers));
        }
        versions << version;
    }
    return versions;
}

QString pageHeader(int number, QChar version)
{
    return u"Il Tramolo · Scheda n. %1 · Versione %2"_s.arg(number).arg(version);
}

QString pageFooter(int page, int pages)
{
    return u"Pagina %1 di %2"_s.arg(page).arg(pages);
}

QString pupilLines()
{
    return u"Cognome e nome ______________________________   Classe ________   Data ____________"_s;
}

QString solutionsTitle()
{
    return u"Soluzioni"_s;
}

QString answerLine(const QString &unit)
{
    return u"Risposta: ________ "_s + unit;
}

} // namespace Worksheets
