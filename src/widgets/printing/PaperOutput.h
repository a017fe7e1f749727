// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Pages.h"

#include <QString>
#include <functional>
#include <optional>

class QDialog;
class QDialogButtonBox;
class QIODevice;
class QPushButton;
class QWidget;

// Where pages go: a PDF file the user picks, or a printer. A file is written
// only where the save dialog says, whole or not at all.
namespace PaperOutput {

// The pages as an A4 PDF on a device; false when they could not be painted.
bool writePdf(QIODevice &device, const Pages &pages, const QString &title);

// Writes the PDF to the path through a file that replaces the old one only
// once whole; the reason in Italian when it fails, nothing when it works.
std::optional<QString> savePdf(const QString &path, const Pages &pages, const QString &title);

// Writes a file whole or not at all (QSaveFile): the Italian message that
// names it when it could not be written.
std::optional<QString> saveBytes(const QString &path, const QByteArray &bytes);

// Every dialog here is opened, never run in a loop of its own (a web page
// has none to give): the call returns at once, and what follows the user's
// answer is told through the function passed.

// Asks where to save, suggesting the name in the user's documents, and
// writes; after a failure it says why and asks again. Told the path
// written; not told when the user gives up.
struct SaveAs
{
    QString title;
    QString filter; // "Documenti PDF (*.pdf)"
    QString suffix; // added when the name has none
    QString suggestedName;
};
using Writer = std::function<std::optional<QString>(const QString &path)>;
using Saved = std::function<void(const QString &path)>;
void askAndWrite(QWidget *parent, const SaveAs &as, Writer write, Saved saved = {});

// The same for the pages as a PDF. In a web page the PDF is made in memory
// and handed to the browser as a download, then a message says so.
void askAndSave(QWidget *parent, const QString &suggestedName, const Pages &pages, const QString &title,
                Saved saved = {});

// The system's print dialog, without its print to file (files go through
// the save dialog), then the pages; told once they are printed.
void askAndPrint(QWidget *parent, const Pages &pages, const QString &title, std::function<void()> printed = {});
// Whether the print module is there: without it "Stampa…" is disabled.
// A web page has no printing at all: its button is not shown.
bool canPrint();

// A message over the parent, opened; it frees itself when closed.
void tell(QWidget *parent, const QString &text);

// The row every paper dialog ends with: "Salva PDF…" (the default),
// "Stampa…", and the button that closes the dialog.
struct Buttons
{
    QDialogButtonBox *row;
    QPushButton *save;
    QPushButton *print;
};
Buttons buttons(QDialog *dialog, const QString &closeText);

} // namespace PaperOutput
