// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <functional>

class QPageLayout;
class QPagedPaintDevice;
class QString;
class QWidget;

// What the print module gives the program: the system's print dialog and
// the printer chosen in it, which the program paints on as on any paged
// device. Only the module links Qt PrintSupport.
class PrintModule
{
public:
    virtual ~PrintModule() = default;
    // Opens the dialog and returns; once a printer is chosen, the program
    // is given it to paint on, and nothing when the dialog is cancelled.
    // The dialog offers no printing to a file: files go through the save
    // dialog.
    using Chosen = std::function<void(QPagedPaintDevice &printer)>;
    virtual void choosePrinter(QWidget *parent, const QString &documentName, const QPageLayout &page,
                               Chosen chosen) = 0;
};

#define TRAMOLO_PRINT_MODULE_IID "it.brenvo.Tramolo.PrintModule/2"
Q_DECLARE_INTERFACE(PrintModule, TRAMOLO_PRINT_MODULE_IID)
