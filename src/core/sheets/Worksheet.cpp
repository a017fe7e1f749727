// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Worksheet.h"

#include "common/RandomSource.h"
#include "exercises/WorkedSolution.h"
#include "exercises/ExerciseSet.h"
#include "frame/FrameTexts.h"

#include <QRegularExpression>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace Worksheets {

namespace {

// A source that starts where the number says, whatever the clock.
RandomSource seeded(qint64 seed)
{
    return RandomSource([seed] { return seed; });
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

// The windows keep their designed "Superficie laterale= 224 cmq"; a
// teacher writes it with a blank each side of "=".
QString spacedEquals(QString line)
{
    static const QRegularExpression equals(u"\\s*=\\s*"_s);
    return line.replace(equals, u" = "_s);
}

Item exerciseItem(int number, int choice, const QString &name, const Exercise &e)
{
    Item item;
    item.number = number;
    item.choice = choice;
    item.exercise = e;
    item.heading = u"Esercizio %1 · %2"_s.arg(number).arg(name);
    QStringList data;
    for (const QString &datum : e.set->data(e)) {
        if (!datum.endsWith(u" = X"_s))
            data << datum;
    }
    if (e.hasGivenLine())
        data << spacedEquals(e.givenLine);
    item.dataLine = FrameTexts::dataPrefix() + data.join(u"; "_s);
    const QString unit = unitOf(e);
    item.questions << u"Calcola: "_s + lowerFirst(e.question);
    item.units << unit;
    item.solution = u"%1. %2"_s.arg(number).arg(valueWithUnit(e.value, unit));
    item.working << WorkedSolution::working(e);
    return item;
}

Item problemItem(int number, int choice, const Problem &p)
{
    Item item;
    item.number = number;
    item.choice = choice;
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

int Source::kindCount() const
{
    return exercises ? exercises->kindCount : problems->kindCount;
}

QString Source::name() const
{
    return exercises ? exercises->sheet().title : u"Problemi"_s;
}

QList<Version> make(const Request &request)
{
    QList<int> ticked;
    for (int choice : request.choices) {
        if (choice >= 0 && choice < request.offered.size())
            ticked << choice;
    }
    if (ticked.isEmpty())
        return {};
    const int count = std::clamp(request.exercises, 1, MaxExercises);

    // The mix: every ticked choice as evenly as the count allows, shuffled,
    // and a kind for each place. All versions share it.
    RandomSource mix = seeded(request.number);
    QList<int> choices;
    for (int i = 0; i < count; ++i)
        choices << ticked.at(i % ticked.size());
    for (int i = count - 1; i > 0; --i)
        std::swap(choices[i], choices[mix.between(0, i)]);
    QList<int> kinds;
    QList<bool> weighed; // a problem names a material in every version or in none
    for (int choice : std::as_const(choices)) {
        kinds << mix.between(1, request.offered.at(choice).kindCount());
        weighed << (mix.between(0, 1) == 1);
    }

    QList<Version> versions;
    for (int v = 0; v < std::clamp(request.versions, 1, MaxVersions); ++v) {
        RandomSource numbers = seeded(qint64(request.number) * MaxVersions + v + 1);
        Version version{QChar(u'A' + v), {}};
        for (int i = 0; i < count; ++i) {
            const int choice = choices.at(i);
            const Source &source = request.offered.at(choice);
            if (source.problems)
                version.items << problemItem(i + 1, choice, source.problems->drawOf(kinds.at(i), weighed.at(i), numbers));
            else
                version.items << exerciseItem(i + 1, choice, source.name(), source.exercises->drawOf(kinds.at(i), numbers));
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
