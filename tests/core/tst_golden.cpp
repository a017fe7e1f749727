// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EverySource.h"
#include "common/ExerciseState.h"
#include "common/RandomSource.h"
#include "exercises/BoxExercises.h"
#include "exercises/ConeExercises.h"
#include "exercises/CubeExercises.h"
#include "exercises/CylinderExercises.h"
#include "exercises/PrismExercises.h"
#include "exercises/PyramidExercises.h"
#include "exercises/SphereExercises.h"
#include "exercises/WorkedSolution.h"
#include "formula/Answer.h"
#include "frame/AnswerCheck.h"
#include "problems/ProblemKinds.h"
#include "sheets/Worksheet.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

// What every window asked, accepted and named before the formulas became
// one table, kept as a record that the program must still match: for each
// kind of each window and each kind of problem, 20 draws with the question,
// the data, the expected value, the verdicts for the right answer, for the
// likely mistakes and for a wrong answer, and the worked text's formula and
// value; and worksheets of the solids. The answers tried are the record's
// own. TRAMOLO_GOLDEN_WRITE=file writes what the program says now, for a
// change that is meant.
class GoldenTest : public QObject
{
    Q_OBJECT
private slots:
    void exercises_data();
    void exercises();
    void problems_data();
    void problems();
    void worksheets();
};

namespace {

constexpr int Draws = 20;

using SetOf = const ExerciseSet &(*)();
struct Window
{
    const char *name;
    SetOf set;
};
constexpr Window Windows[] = {{"cubi", CubeExercises::set},       {"Tavolas", BoxExercises::set},
                              {"Tavola", PrismExercises::set},    {"Piramide", PyramidExercises::set},
                              {"Cilindro", CylinderExercises::set}, {"Cono", ConeExercises::set},
                              {"Sfera", SphereExercises::set}};

RandomSource seeded(qint64 seed)
{
    return RandomSource([seed] { return seed; });
}

// The worked text's formula at its head and the value it ends on (a root
// rounded by its value alone: the steps before it may differ).
QString headAndValue(const QString &worked)
{
    const QString line = worked.section(u'\n', -1);
    QString value = line.section(u" = "_s, -1);
    if (value.contains(u'√') || value.contains(u'∛'))
        value = value.section(u" ≈ "_s, -1);
    return line.section(u" = "_s, 0, 1) + u" … "_s + value;
}

// The answers the record tried, in its order: the text before " → " on
// each of the lines under a draw, or under each question of a problem
// ("  2. St …"), from 1.
QList<QStringList> triedAnswers(const QStringList &block, bool byQuestion)
{
    static const QRegularExpression question(u"^  \\d+\\. "_s);
    QList<QStringList> tried{{}};
    for (const QString &line : block) {
        if (byQuestion && question.match(line).hasMatch())
            tried << QStringList{};
        else if (line.contains(u" → "_s))
            tried.last() << line.section(u" → "_s, 0, 0).trimmed();
    }
    return tried;
}

// The verdict the window gives for a typed answer, and the mistake it names.
QString exerciseVerdict(const Exercise &e, const QString &answer)
{
    ExerciseState state;
    state.sngExpected = e.expected;
    state.blnTimesPi = e.timesPi;
    const AnswerCheck::Result r = AnswerCheck::check(state, answer, u"OK"_s, e.value);
    QString line = u"  "_s + answer + u" → "_s + r.verdict.value_or(QString());
    if (r.outcome == AnswerCheck::Outcome::Wrong)
        line += u" | "_s + WorkedSolution::likelyMistake(e, *Answer::read(answer)).value_or(u"-"_s);
    return line;
}

QStringList exerciseRecord(const ExerciseSet &set, int kind, int seed, const QStringList &answers)
{
    RandomSource random = seeded(seed);
    const Exercise e = set.drawOf(kind, random);
    QStringList out;
    out << u"%1/%2 draws %3 %4 %5"_s.arg(kind).arg(seed).arg(e.draws[0]).arg(e.draws[1]).arg(e.draws[2]);
    out << u"  "_s + e.question + u" | "_s + e.captions.at(0) + u' ' + e.captions.at(1) + u' ' + e.captions.at(2)
            + u' ' + e.captions.at(3) + u" | "_s + e.givenLine + u" | "_s + e.unit + u" | "_s
            + (e.timesPi ? e.value.pi() : e.value.plain()).text() + (e.timesPi ? u"π"_s : QString());
    out << u"  "_s + set.kindName(kind) + u" | "_s + set.data(e).join(u"; "_s);
    for (const QString &answer : answers)
        out << exerciseVerdict(e, answer);
    out << u"  "_s + headAndValue(WorkedSolution::working(e));
    return out;
}

QStringList problemRecord(int kind, int seed, const QList<QStringList> &answers)
{
    RandomSource random = seeded(seed);
    const Problem p = ProblemKinds::set().drawOf(kind, seed % 2 == 1, random);
    QStringList out;
    out << u"%1/%2 draws %3 %4 %5 ps %6"_s.arg(kind).arg(seed).arg(p.draws[0]).arg(p.draws[1]).arg(p.draws[2])
               .arg(p.data.value(u"ps"_s).text());
    out << u"  "_s + p.title() + u" | "_s + p.text();
    out << u"  "_s + p.dataLines().join(u"; "_s);
    for (int i = 0; i < p.questions.size(); ++i) {
        const AskedQuestion &q = p.questions.at(i);
        out << u"  %1. %2 %3 [%4] = %5"_s.arg(i + 1).arg(q.symbol(), q.text(), q.unit(), q.valueWithUnit());
        for (const QString &answer : answers.value(i + 1)) {
            const Rational typed = *Answer::read(answer);
            out << u"    "_s + answer + u" → "_s + (Answer::matches(q.value, typed) ? u"right"_s : u"wrong"_s)
                    + u" | "_s + p.likelyMistake(i, typed).value_or(u"-"_s);
        }
        out << u"    "_s + headAndValue(p.workedStep(i));
    }
    return out;
}

QStringList worksheetRecord(int number)
{
    Worksheets::Request request;
    request.offered = everySource();
    request.choices = {0, 1, 2, 3, 4, 5, 6};
    request.exercises = 14;
    request.versions = 2;
    request.number = number;
    QStringList out;
    for (const Worksheets::Version &v : Worksheets::make(request)) {
        out << u"%1 %2"_s.arg(number).arg(v.letter);
        for (const Worksheets::Item &item : v.items) {
            out << u"  "_s + item.heading + u" | "_s + item.dataLine + u" | "_s + item.questions.join(u"; "_s)
                    + u" | "_s + item.units.join(u"; "_s) + u" | "_s + item.solution;
        }
    }
    return out;
}

// The record's lines under a heading, up to the next heading.
QStringList recorded(const QString &heading)
{
    QFile file(u":/golden/golden.txt"_s);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    const qsizetype start = lines.indexOf(u"# "_s + heading);
    if (start < 0)
        return {};
    QStringList out;
    for (qsizetype i = start + 1; i < lines.size() && !lines.at(i).startsWith(u"# "_s); ++i)
        out << lines.at(i);
    while (!out.isEmpty() && out.last().isEmpty())
        out.removeLast();
    return out;
}

// A section's lines draw by draw: each block opens with its "kind/seed" line.
QList<QStringList> blocks(const QStringList &section)
{
    QList<QStringList> out;
    for (const QString &line : section) {
        if (!line.startsWith(u' ') || out.isEmpty())
            out << QStringList{};
        out.last() << line;
    }
    return out;
}

QStringList exercisesNow(const ExerciseSet &set, int kind, const QStringList &before)
{
    QStringList now;
    const QList<QStringList> draws = blocks(before);
    for (int seed = 1; seed <= Draws; ++seed)
        now << exerciseRecord(set, kind, seed, triedAnswers(draws.value(seed - 1), false).value(0));
    return now;
}

QStringList problemsNow(int kind, const QStringList &before)
{
    QStringList now;
    const QList<QStringList> draws = blocks(before);
    for (int seed = 1; seed <= Draws; ++seed)
        now << problemRecord(kind, seed, triedAnswers(draws.value(seed - 1), true));
    return now;
}

// Every section made now, in the record's order, for TRAMOLO_GOLDEN_WRITE:
// the same draws and answers, what the program now says of them.
void writeRecord(const QString &path)
{
    QStringList all;
    for (const Window &w : Windows) {
        for (int kind = 1; kind <= w.set().kindCount; ++kind) {
            const QString heading = u"%1 %2"_s.arg(QLatin1String(w.name)).arg(kind);
            all << u"# "_s + heading << exercisesNow(w.set(), kind, recorded(heading));
        }
    }
    for (int kind = 1; kind <= ProblemKinds::KindCount; ++kind) {
        const QString heading = u"Problemi %1"_s.arg(kind);
        all << u"# "_s + heading << problemsNow(kind, recorded(heading));
    }
    all << u"# Schede"_s;
    for (int number = 1; number <= 5; ++number)
        all << worksheetRecord(number);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Text));
    file.write((all.join(u'\n') + u'\n').toUtf8());
}

void compare(const QStringList &now, const QStringList &before)
{
    QVERIFY2(!before.isEmpty(), "the record has no such section");
    for (qsizetype i = 0; i < std::min(now.size(), before.size()); ++i)
        QCOMPARE(now.at(i), before.at(i));
    QCOMPARE(now.size(), before.size());
}

} // namespace

void GoldenTest::exercises_data()
{
    if (qEnvironmentVariableIsSet("TRAMOLO_GOLDEN_WRITE")) {
        writeRecord(qEnvironmentVariable("TRAMOLO_GOLDEN_WRITE"));
        QSKIP("the record was written anew");
    }
    QTest::addColumn<int>("window");
    QTest::addColumn<int>("kind");
    for (int w = 0; w < int(std::size(Windows)); ++w) {
        for (int kind = 1; kind <= Windows[w].set().kindCount; ++kind)
            QTest::addRow("%s %d", Windows[w].name, kind) << w << kind;
    }
}

void GoldenTest::exercises()
{
    QFETCH(int, window);
    QFETCH(int, kind);
    const QStringList before = recorded(u"%1 %2"_s.arg(QLatin1String(Windows[window].name)).arg(kind));
    compare(exercisesNow(Windows[window].set(), kind, before), before);
}

void GoldenTest::problems_data()
{
    QTest::addColumn<int>("kind");
    for (int kind = 1; kind <= ProblemKinds::KindCount; ++kind)
        QTest::addRow("%d", kind) << kind;
}

void GoldenTest::problems()
{
    QFETCH(int, kind);
    const QStringList before = recorded(u"Problemi %1"_s.arg(kind));
    compare(problemsNow(kind, before), before);
}

void GoldenTest::worksheets()
{
    QStringList now;
    for (int number = 1; number <= 5; ++number)
        now << worksheetRecord(number);
    compare(now, recorded(u"Schede"_s));
}

QTEST_GUILESS_MAIN(GoldenTest)
#include "tst_golden.moc"
