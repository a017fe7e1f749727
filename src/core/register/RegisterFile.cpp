// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RegisterFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHashFunctions>

namespace RegisterFile {

namespace {

constexpr qint64 Block = 256 * 1024;

QByteArrayView withoutLineEnd(QByteArrayView line)
{
    if (line.endsWith('\n'))
        line.chop(1);
    if (line.endsWith('\r'))
        line.chop(1);
    return line;
}

bool isHeader(QByteArrayView line)
{
    if (line.startsWith(QByteArrayView(RegisterCsv::Bom)))
        line = line.sliced(3);
    return withoutLineEnd(line) == QByteArrayView(RegisterCsv::Header);
}

} // namespace

bool isRow(const RegisterCsv::Fields &fields)
{
    const auto &f = fields.views;
    if (f.size() != 11)
        return false;
    const std::optional<qint64> seconds = RegisterCsv::number(f[9]);
    return RegisterCsv::date(f[0]) && RegisterCsv::time(f[1]) && !f[2].isEmpty() && !f[3].isEmpty()
           && (f[8] == QByteArrayView(RegisterCsv::Right) || f[8] == QByteArrayView(RegisterCsv::Wrong)) && seconds
           && *seconds <= std::numeric_limits<int>::max() && RegisterCsv::number(f[10]).value_or(0) > 0;
}

Reading read(QIODevice &device, const FieldSink &sink)
{
    Reading reading;
    QByteArray pending;   // the start of a line the block ended in
    bool skipping = false; // inside a line already too long
    bool first = true;
    RegisterCsv::Fields fields;
    const auto take = [&](QByteArrayView line) {
        if (first) {
            first = false;
            reading.isRegister = isHeader(line);
            return reading.isRegister;
        }
        if (RegisterCsv::split(withoutLineEnd(line), fields) && isRow(fields)) {
            ++reading.rows;
            sink(fields);
        } else if (!withoutLineEnd(line).isEmpty()) {
            ++reading.unreadable;
        }
        return true;
    };
    while (true) {
        const QByteArray block = device.read(Block);
        if (block.isEmpty())
            break;
        QByteArrayView rest(block);
        while (!rest.isEmpty()) {
            const qsizetype end = rest.indexOf('\n');
            const QByteArrayView piece = end < 0 ? rest : rest.first(end + 1);
            rest = end < 0 ? QByteArrayView() : rest.sliced(end + 1);
            if (skipping) {
                skipping = end < 0;
                continue;
            }
            if (pending.size() + piece.size() > MaxLine) {
                pending.clear();
                skipping = end < 0;
                if (first)
                    return reading; // no header fits: not a register file
                ++reading.unreadable;
                continue;
            }
            if (end < 0) {
                pending += piece;
                continue;
            }
            bool goOn;
            if (pending.isEmpty()) {
                goOn = take(piece);
            } else {
                pending += piece;
                goOn = take(pending);
                pending.clear();
            }
            if (!goOn)
                return reading;
        }
    }
    // A last line without its line break: a row cut short, or one whole
    // row whose break was never written.
    if (!pending.isEmpty())
        take(pending);
    return reading;
}

Reading read(const QString &path, const FieldSink &sink)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return read(file, sink);
}

Reading readRows(const QString &path, const std::function<void(const RegisterRow &)> &sink)
{
    return read(path, [&sink](const RegisterCsv::Fields &fields) {
        if (const std::optional<RegisterRow> row = RegisterCsv::parse(fields))
            sink(*row);
    });
}

size_t qHash(const RowKey &key, size_t seed)
{
    return qHashMulti(seed, key.number, key.when);
}

namespace {

qint64 seconds(QDate date, QTime time)
{
    return date.toJulianDay() * 86400 + time.msecsSinceStartOfDay() / 1000;
}

} // namespace

RowKey keyOf(const RegisterCsv::Fields &fields)
{
    const auto &f = fields.views;
    return {RegisterCsv::number(f[10]).value_or(0),
            seconds(RegisterCsv::date(f[0]).value_or(QDate()), RegisterCsv::time(f[1]).value_or(QTime(0, 0)))};
}

RowKey keyOf(const RegisterRow &row)
{
    return {row.number, seconds(row.date, row.time)};
}

bool append(const QString &path, const QList<RegisterRow> &rows)
{
    const QFileInfo info(path);
    if (!info.absoluteDir().exists())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered))
        return false;
    QByteArray bytes;
    const qint64 size = file.size();
    if (size == 0) {
        bytes = QByteArray(RegisterCsv::Bom) + RegisterCsv::Header + '\n';
    } else {
        char last = '\n';
        if (!file.seek(size - 1) || file.read(&last, 1) != 1)
            return false;
        if (last != '\n')
            bytes += '\n';
    }
    for (const RegisterRow &row : rows)
        bytes += RegisterCsv::line(row);
    // One write: a PC switched off loses at most the row being written.
    if (!file.seek(file.size()))
        return false;
    return file.write(bytes) == bytes.size() && file.flush();
}

} // namespace RegisterFile
