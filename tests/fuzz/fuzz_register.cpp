// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Arbitrary bytes as a register file, as a teacher's folder may hold any:
// the reader reads what parses, and every row it gives writes back as the
// same line; arbitrary bytes as the teacher's code file too.

#include "register/RegisterFile.h"
#include "register/TeacherCode.h"

#include <QBuffer>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void fault(const char *what, const QByteArray &detail)
{
    std::fprintf(stderr, "fuzz_register: %s: %s\n", what, detail.constData());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    qint64 rows = 0;
    const RegisterFile::Reading reading = RegisterFile::read(buffer, [&rows](const RegisterCsv::Fields &fields) {
        ++rows;
        const std::optional<RegisterRow> row = RegisterCsv::parse(fields);
        if (!row)
            fault("a row the reader took does not parse", fields.views[0].toByteArray());
        // Written again, it reads as the same row, but for the line breaks
        // the writer makes blanks.
        const QByteArray line = RegisterCsv::line(*row);
        const std::optional<RegisterRow> again = RegisterCsv::parse(QByteArrayView(line).chopped(1));
        const auto same = [](const QString &written, QString read) {
            return written == read.replace(u'\r', u' ').replace(u'\n', u' ');
        };
        if (!again || !same(again->pupil, row->pupil) || !same(again->schoolClass, row->schoolClass)
            || !same(again->question, row->question) || !same(again->answer, row->answer)
            || again->number != row->number)
            fault("a row does not read back as written", line);
    });
    if (reading.rows != rows || (!reading.isRegister && rows != 0))
        fault("the counts do not agree", QByteArray::number(rows));
    if (const std::optional<TeacherCode> code = TeacherCode::fromText(bytes.left(512))) {
        if (code->iterations > 1'000'000)
            fault("a code file asks for endless work", QByteArray::number(code->iterations));
    }
    return 0;
}
