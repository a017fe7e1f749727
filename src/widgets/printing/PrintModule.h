// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <memory>

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
    // None when the dialog is cancelled. The dialog offers no printing to a
    // file: files go through the save dialog.
    virtual std::unique_ptr<QPagedPaintDevice> choosePrinter(QWidget *parent, const QString &documentName,
                                                             const QPageLayout &page) = 0;
};

#define TRAMOLO_PRINT_MODULE_IID "it.brenvo.Tramolo.PrintModule/1"
Q_DECLARE_INTERFACE(PrintModule, TRAMOLO_PRINT_MODULE_IID)
