// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RegisterStore.h"

#include "PupilName.h"
#include "RegisterFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QSet>

namespace {

const QString NumberFile = QStringLiteral("ultima-riga");

QStringList registerFiles(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("*.csv")}, QDir::Files, QDir::Name);
}

qint64 highestNumber(const QString &path)
{
    qint64 highest = 0;
    RegisterFile::read(path, [&highest](const RegisterCsv::Fields &f) {
        highest = std::max(highest, RegisterCsv::number(f.views[10]).value_or(0));
    });
    return highest;
}

} // namespace

RegisterStore::RegisterStore(Places places)
    : m_places(std::move(places))
    , m_spool(spoolFolder(m_places.local, m_places.folder))
{
    QFile file(QDir(m_places.local).filePath(NumberFile));
    if (file.open(QIODevice::ReadOnly))
        m_lastNumber = RegisterCsv::number(file.readAll().trimmed()).value_or(0);
}

QString RegisterStore::spoolFolder(const QString &local, const QString &folder)
{
    // One spool per register folder, so that a folder changed in the
    // meantime never gets another folder's answers.
    const QByteArray id = QCryptographicHash::hash(QDir::cleanPath(folder).toUtf8(), QCryptographicHash::Sha1);
    return QDir(local).filePath(QStringLiteral("registro-") + QString::fromLatin1(id.toHex().left(16)));
}

QString RegisterStore::fileFor(const QString &schoolClass, const QString &pupil) const
{
    return PupilName::fileName(schoolClass, pupil, m_places.computer);
}

// Above every number this computer gave, and every number the pupil's file
// holds: a computer restored at every reboot forgets its count, the file
// does not.
qint64 RegisterStore::nextNumber(const QString &fileName)
{
    if (!m_floorRead.value(fileName)) {
        m_floorRead[fileName] = true;
        m_lastNumber = std::max({m_lastNumber, highestNumber(QDir(m_places.folder).filePath(fileName)),
                                 highestNumber(QDir(m_spool).filePath(fileName))});
    }
    ++m_lastNumber;
    QDir().mkpath(m_places.local);
    QSaveFile file(QDir(m_places.local).filePath(NumberFile));
    if (file.open(QIODevice::WriteOnly)) {
        file.write(QByteArray::number(m_lastNumber));
        file.commit();
    }
    return m_lastNumber;
}

bool RegisterStore::hasSpool() const
{
    return !registerFiles(m_spool).isEmpty();
}

RegisterStore::Outcome RegisterStore::record(RegisterRow row)
{
    const QString name = fileFor(row.schoolClass, row.pupil);
    row.number = nextNumber(name);
    if (moveSpool() && RegisterFile::append(QDir(m_places.folder).filePath(name), {row}))
        return Outcome::Written;
    QDir().mkpath(m_spool);
    return RegisterFile::append(QDir(m_spool).filePath(name), {row}) ? Outcome::Spooled : Outcome::Lost;
}

bool RegisterStore::moveSpool()
{
    for (const QString &name : registerFiles(m_spool)) {
        const QString target = QDir(m_places.folder).filePath(name);
        if (!QDir(m_places.folder).exists())
            return false;
        // What reached the folder before a failure is not written again.
        QSet<RegisterFile::RowKey> there;
        RegisterFile::read(target, [&there](const RegisterCsv::Fields &f) { there.insert(RegisterFile::keyOf(f)); });
        QList<RegisterRow> rows;
        RegisterFile::readRows(QDir(m_spool).filePath(name), [&](const RegisterRow &row) {
            if (!there.contains(RegisterFile::keyOf(row)))
                rows << row;
        });
        if (!rows.isEmpty() && !RegisterFile::append(target, rows))
            return false;
        QFile::remove(QDir(m_spool).filePath(name));
    }
    return true;
}

QStringList RegisterStore::classes() const
{
    QStringList classes;
    QSet<QString> seen;
    for (const QString &name : registerFiles(m_places.folder)) {
        QFile file(QDir(m_places.folder).filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        // The header and the first row are enough.
        const QList<QByteArray> lines = file.read(2 * RegisterFile::MaxLine).split('\n');
        if (lines.size() < 3)
            continue;
        RegisterCsv::Fields fields;
        const QByteArray header = lines[0].startsWith(RegisterCsv::Bom) ? lines[0].mid(3) : lines[0];
        const QByteArray first = lines[1].trimmed(); // the fields are views into it
        if (header.trimmed() != RegisterCsv::Header || !RegisterCsv::split(first, fields)
            || !RegisterFile::isRow(fields))
            continue;
        const QString schoolClass = RegisterCsv::text(fields.views[2], true);
        if (!seen.contains(schoolClass.toCaseFolded())) {
            seen.insert(schoolClass.toCaseFolded());
            classes << schoolClass;
        }
    }
    std::sort(classes.begin(), classes.end(),
              [](const QString &a, const QString &b) { return QString::localeAwareCompare(a, b) < 0; });
    return classes;
}
