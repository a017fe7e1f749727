// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ClassSummary.h"

#include "PupilName.h"
#include "RegisterFile.h"

#include <QDir>
#include <QHash>
#include <QSet>
#include <algorithm>
#include <map>

int PupilSummary::percentRight() const
{
    return answers() == 0 ? 0 : (200 * right + answers()) / (2 * answers());
}

namespace {

// One answer among a pupil's latest.
struct Latest
{
    qint64 when;
    qint64 number;
    int kind; // index into the pupil's kinds
    bool right;

    bool operator<(const Latest &other) const
    {
        return when != other.when ? when > other.when : number > other.number;
    }
};

struct Pupil
{
    PupilSummary summary;
    QHash<QByteArray, int> kindIndex; // window '\x1f' kind
    qint64 lastWhen = -1;
    QList<Latest> latest;
};

// Keeps the latest answers, sorting now and then rather than at every row.
void keepLatest(QList<Latest> &latest, bool finish)
{
    if (latest.size() < 4 * ClassSummary::LatestAnswers && !finish)
        return;
    std::sort(latest.begin(), latest.end());
    if (latest.size() > ClassSummary::LatestAnswers)
        latest.resize(ClassSummary::LatestAnswers);
}

QStringList toReview(const Pupil &p)
{
    struct Missed { int kind; int wrong; qint64 lastWrong; };
    std::map<int, Missed> missed;
    for (const Latest &answer : p.latest) {
        if (answer.right)
            continue;
        Missed &m = missed.try_emplace(answer.kind, Missed{answer.kind, 0, answer.when}).first->second;
        ++m.wrong;
        m.lastWrong = std::max(m.lastWrong, answer.when);
    }
    QList<Missed> order;
    for (const auto &[kind, m] : missed)
        order << m;
    // The most wrong first; among equals, the one missed most lately.
    std::sort(order.begin(), order.end(), [](const Missed &a, const Missed &b) {
        return a.wrong != b.wrong ? a.wrong > b.wrong : a.lastWrong > b.lastWrong;
    });
    QStringList out;
    for (const Missed &m : order.first(std::min<qsizetype>(order.size(), ClassSummary::ToReview))) {
        const PupilSummary::Kind &k = p.summary.kinds[m.kind];
        out << k.window + QStringLiteral(": ") + k.kind;
    }
    return out;
}

} // namespace

ClassSummary ClassSummary::read(const QString &folder)
{
    ClassSummary out;
    QHash<QString, Pupil> pupils; // by PupilName::key
    const QDir dir(folder);
    for (const QString &name : dir.entryList({QStringLiteral("*.csv")}, QDir::Files, QDir::Name)) {
        QSet<RegisterFile::RowKey> seen; // a row written twice counts once
        QByteArray lastClass, lastPupil;
        Pupil *pupil = nullptr;
        const RegisterFile::Reading reading = RegisterFile::read(dir.filePath(name), [&](const RegisterCsv::Fields &f) {
            const RegisterFile::RowKey key = RegisterFile::keyOf(f);
            if (seen.contains(key))
                return;
            seen.insert(key);
            const auto &v = f.views;
            if (!pupil || v[2] != QByteArrayView(lastClass) || v[3] != QByteArrayView(lastPupil)) {
                lastClass = v[2].toByteArray();
                lastPupil = v[3].toByteArray();
                const QString schoolClass = RegisterCsv::text(v[2], true);
                const QString pupilName = RegisterCsv::text(v[3], true);
                pupil = &pupils[PupilName::key(schoolClass, pupilName)];
                if (pupil->summary.pupil.isEmpty()) {
                    pupil->summary.schoolClass = schoolClass;
                    pupil->summary.pupil = pupilName;
                }
                if (!pupil->summary.files.contains(name))
                    pupil->summary.files << name;
            }
            PupilSummary &s = pupil->summary;
            const bool right = v[8] == QByteArrayView(RegisterCsv::Right);
            (right ? s.right : s.wrong) += 1;
            const QByteArray kindKey = v[4].toByteArray() + '\x1f' + v[5].toByteArray();
            auto found = pupil->kindIndex.constFind(kindKey);
            if (found == pupil->kindIndex.constEnd()) {
                found = pupil->kindIndex.insert(kindKey, int(s.kinds.size()));
                s.kinds << PupilSummary::Kind{RegisterCsv::text(v[4], false), RegisterCsv::text(v[5], false)};
            }
            PupilSummary::Kind &kind = s.kinds[*found];
            (right ? kind.right : kind.wrong) += 1;
            if (key.when > pupil->lastWhen) {
                pupil->lastWhen = key.when;
                // Written last by this pupil: the name and class as they are now.
                s.schoolClass = RegisterCsv::text(v[2], true);
                s.pupil = RegisterCsv::text(v[3], true);
            }
            pupil->latest << Latest{key.when, key.number, *found, right};
            keepLatest(pupil->latest, false);
        });
        if (!reading.isRegister)
            ++out.unreadableFiles;
        out.unreadableLines += reading.unreadable;
    }
    QSet<QString> classes;
    for (Pupil &p : pupils) {
        keepLatest(p.latest, true);
        p.summary.lastDay = QDate::fromJulianDay(p.lastWhen / 86400);
        p.summary.toReview = toReview(p);
        out.pupils << p.summary;
        if (!classes.contains(p.summary.schoolClass.toCaseFolded())) {
            classes.insert(p.summary.schoolClass.toCaseFolded());
            out.classes << p.summary.schoolClass;
        }
    }
    const auto byName = [](const QString &a, const QString &b) { return QString::localeAwareCompare(a, b) < 0; };
    std::sort(out.pupils.begin(), out.pupils.end(), [&byName](const PupilSummary &a, const PupilSummary &b) {
        const int c = QString::localeAwareCompare(a.schoolClass, b.schoolClass);
        return c != 0 ? c < 0 : byName(a.pupil, b.pupil);
    });
    std::sort(out.classes.begin(), out.classes.end(), byName);
    return out;
}
