// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RegisterRow.h"

#include <limits>

namespace RegisterCsv {

namespace {

constexpr int FieldCount = 11;

bool startsLikeFormula(QStringView text)
{
    return !text.isEmpty() && QStringView(u"=+-@").contains(text.front());
}

} // namespace

QByteArray field(const QString &text, bool freeText)
{
    QString t = text;
    t.replace(u'\r', u' ').replace(u'\n', u' ');
    if (freeText && startsLikeFormula(t))
        t.prepend(u'\'');
    QByteArray bytes = t.toUtf8();
    const bool quoted = bytes.contains(';') || bytes.contains('"')
                        || (!bytes.isEmpty() && (bytes.front() == ' ' || bytes.back() == ' '));
    if (!quoted)
        return bytes;
    bytes.replace("\"", "\"\"");
    return '"' + bytes + '"';
}

QByteArray line(const QList<QByteArray> &fields)
{
    return fields.join(';') + '\n';
}

QByteArray line(const RegisterRow &row)
{
    return line({row.date.toString(u"dd/MM/yyyy").toLatin1(), row.time.toString(u"HH:mm:ss").toLatin1(),
                 field(row.schoolClass, true), field(row.pupil, true), field(row.window, false),
                 field(row.kind, false), field(row.question, false), field(row.answer, true),
                 row.right ? QByteArray(Right) : QByteArray(Wrong), QByteArray::number(row.seconds),
                 QByteArray::number(row.number)});
}

bool split(QByteArrayView line, Fields &fields)
{
    fields.views.clear();
    if (!line.contains('"')) {
        qsizetype start = 0;
        for (qsizetype i = 0; i <= line.size(); ++i) {
            if (i == line.size() || line[i] == ';') {
                fields.views.append(line.sliced(start, i - start));
                start = i + 1;
            }
        }
        return true;
    }
    // Quoted fields are copied into one buffer reserved to the line's size,
    // so that the views into it stay where they are.
    fields.unquoted.clear();
    fields.unquoted.reserve(line.size());
    qsizetype i = 0;
    while (true) {
        if (i < line.size() && line[i] == '"') {
            const qsizetype begin = fields.unquoted.size();
            ++i;
            while (true) {
                if (i >= line.size())
                    return false; // the quote never closes
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        fields.unquoted += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                fields.unquoted += line[i++];
            }
            fields.views.append(QByteArrayView(fields.unquoted).sliced(begin));
            if (i < line.size() && line[i] != ';')
                return false; // text after the closing quote
        } else {
            const qsizetype begin = i;
            while (i < line.size() && line[i] != ';') {
                if (line[i] == '"')
                    return false; // a quote inside an unquoted field
                ++i;
            }
            fields.views.append(line.sliced(begin, i - begin));
        }
        if (i >= line.size())
            return true;
        ++i; // the ';'
        if (i == line.size()) {
            fields.views.append(QByteArrayView());
            return true;
        }
    }
}

std::optional<qint64> number(QByteArrayView field)
{
    if (field.isEmpty() || field.size() > 18)
        return std::nullopt;
    qint64 n = 0;
    for (char c : field) {
        if (c < '0' || c > '9')
            return std::nullopt;
        n = n * 10 + (c - '0');
    }
    return n;
}

namespace {

// Numbers of fixed width between separators: "dd/mm/yyyy", "hh:mm:ss".
std::optional<QList<int>> parts(QByteArrayView field, char separator, QList<int> widths)
{
    QList<int> out;
    qsizetype at = 0;
    for (int width : widths) {
        if (at + width > field.size())
            return std::nullopt;
        const std::optional<qint64> n = number(field.sliced(at, width));
        if (!n)
            return std::nullopt;
        out << int(*n);
        at += width;
        if (out.size() < widths.size()) {
            if (at >= field.size() || field[at] != separator)
                return std::nullopt;
            ++at;
        }
    }
    if (at != field.size())
        return std::nullopt;
    return out;
}

} // namespace

std::optional<QDate> date(QByteArrayView field)
{
    const auto p = parts(field, '/', {2, 2, 4});
    if (!p)
        return std::nullopt;
    const QDate d((*p)[2], (*p)[1], (*p)[0]);
    return d.isValid() ? std::optional(d) : std::nullopt;
}

std::optional<QTime> time(QByteArrayView field)
{
    const auto p = parts(field, ':', {2, 2, 2});
    if (!p)
        return std::nullopt;
    const QTime t((*p)[0], (*p)[1], (*p)[2]);
    return t.isValid() ? std::optional(t) : std::nullopt;
}

QString text(QByteArrayView field, bool freeText)
{
    QString t = QString::fromUtf8(field);
    if (freeText && t.size() > 1 && t.front() == u'\'' && startsLikeFormula(QStringView(t).mid(1)))
        t.remove(0, 1);
    return t;
}

std::optional<RegisterRow> parse(const Fields &fields)
{
    const auto &f = fields.views;
    if (f.size() != FieldCount)
        return std::nullopt;
    RegisterRow row;
    const auto d = date(f[0]);
    const auto t = time(f[1]);
    const auto seconds = number(f[9]);
    const auto n = number(f[10]);
    const bool right = f[8] == QByteArrayView(Right);
    if (!d || !t || !seconds || *seconds > std::numeric_limits<int>::max() || !n || *n == 0
        || (!right && f[8] != QByteArrayView(Wrong)) || f[2].isEmpty() || f[3].isEmpty())
        return std::nullopt;
    row.date = *d;
    row.time = *t;
    row.schoolClass = text(f[2], true);
    row.pupil = text(f[3], true);
    row.window = text(f[4], false);
    row.kind = text(f[5], false);
    row.question = text(f[6], false);
    row.answer = text(f[7], true);
    row.right = right;
    row.seconds = int(*seconds);
    row.number = *n;
    return row;
}

std::optional<RegisterRow> parse(QByteArrayView line)
{
    Fields fields;
    if (!split(line, fields))
        return std::nullopt;
    return parse(fields);
}

} // namespace RegisterCsv
