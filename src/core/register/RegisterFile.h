// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "RegisterRow.h"

#include <QList>
#include <QSet>
#include <QString>
#include <functional>

class QIODevice;

// One register file: its header, then one answer a line. Every file read
// may be torn (a PC switched off mid-write), another program's, a later
// version's or hostile: what parses is read, the rest counted, and no line
// is held longer than a row can be.
namespace RegisterFile {

struct Reading
{
    bool isRegister = false; // its header is the register's
    qint64 rows = 0;         // lines that parsed
    qint64 unreadable = 0;   // lines that did not
};

// The longest line a row may have; a longer one is unreadable, and reading
// goes on after it.
inline constexpr qsizetype MaxLine = 16 * 1024;

// Calls back with the fields of every line that parses as a row; the
// fields are checked, not yet made text.
using FieldSink = std::function<void(const RegisterCsv::Fields &)>;
Reading read(QIODevice &device, const FieldSink &sink);
Reading read(const QString &path, const FieldSink &sink);
// The same, with every row made whole.
Reading readRows(const QString &path, const std::function<void(const RegisterRow &)> &sink);
// Whether a line's fields are those of a row, without making text of them.
bool isRow(const RegisterCsv::Fields &fields);

// What tells a row written twice from another: its number, date and time.
struct RowKey
{
    qint64 number;
    qint64 when; // date and time, as seconds

    bool operator==(const RowKey &other) const { return number == other.number && when == other.when; }
};
size_t qHash(const RowKey &key, size_t seed = 0);
RowKey keyOf(const RegisterCsv::Fields &fields);
RowKey keyOf(const RegisterRow &row);

// Appends rows in one write, with the header first when the file is new,
// and a line break first when the file's last line was torn, so that it
// never swallows the next row. Only into a folder that exists: a share that
// has dropped is never made anew on the local disk. False when the rows
// were not all written.
bool append(const QString &path, const QList<RegisterRow> &rows);

} // namespace RegisterFile
