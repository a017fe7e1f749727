// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QString>
#include <QTime>
#include <QVarLengthArray>
#include <optional>

// One answer as the class register keeps it: one line of a pupil's file,
// CSV as an Italian spreadsheet opens it (';' between fields, RFC 4180
// quotes). Nothing is kept of the computer or its user beyond the file's
// name.
struct RegisterRow
{
    QDate date;
    QTime time;
    QString schoolClass; // "3B"
    QString pupil;       // "Maria Rossi"
    QString window;      // "Cubo", "Problemi"
    QString kind;        // the kind of exercise or problem
    QString question;
    QString answer;      // as typed
    bool right = false;
    int seconds = 0;     // from the question shown to Enter
    qint64 number = 0;   // the row's number on its computer: a row written twice has it twice
};

namespace RegisterCsv {

// The first line of every register file, after the byte-order mark.
inline constexpr char Header[] = "data;ora;classe;alunno;finestra;tipo;domanda;risposta;esito;secondi;n";
inline constexpr char Bom[] = "\xEF\xBB\xBF";
// What a spreadsheet shows for a row's outcome.
inline constexpr char Right[] = "esatta";
inline constexpr char Wrong[] = "errata";

// A field as a spreadsheet reads it back unchanged: quoted where it holds
// ';', '"' or a blank at either end; line breaks become blanks, so that one
// row is one line. A free text beginning with '=', '+', '-' or '@' (a name,
// a class, an answer) gets an apostrophe first, so that no spreadsheet
// runs it as a formula.
QByteArray field(const QString &text, bool freeText);
// The fields joined, ending with a line break.
QByteArray line(const QList<QByteArray> &fields);
QByteArray line(const RegisterRow &row);

// The fields of one line without its line break, or false when its quotes
// do not close. A quoted field's text is kept in the fields' own buffer;
// the others are views into the line, which must outlive them.
struct Fields
{
    QVarLengthArray<QByteArrayView, 12> views;
    QByteArray unquoted;
};
bool split(QByteArrayView line, Fields &fields);
// A line of a register file (its fields already split, or its text), or nothing when it does not parse: a torn
// line, a field out of its range.
std::optional<RegisterRow> parse(QByteArrayView line);
std::optional<RegisterRow> parse(const Fields &fields);
// The date and time of a row, dd/mm/yyyy and hh:mm:ss, read without a locale.
std::optional<QDate> date(QByteArrayView field);
std::optional<QTime> time(QByteArrayView field);
// A whole number of at most 18 digits.
std::optional<qint64> number(QByteArrayView field);
// A field's text as written, without the apostrophe the writer added.
QString text(QByteArrayView field, bool freeText);

} // namespace RegisterCsv
