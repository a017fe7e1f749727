// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The print module: the printer and the system's print dialog, opened by the
// program on the first "Stampa…", so that no start pays for loading Qt
// PrintSupport.

#include "printing/PrintModule.h"

#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>

#include <memory>

class QtPrintModule : public QObject, public PrintModule
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID TRAMOLO_PRINT_MODULE_IID)
    Q_INTERFACES(PrintModule)
public:
    void choosePrinter(QWidget *parent, const QString &documentName, const QPageLayout &page,
                       Chosen chosen) override
    {
        auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
        printer->setDocName(documentName);
        printer->setPageLayout(page);
        auto *dialog = new QPrintDialog(printer.get(), parent);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->setOption(QAbstractPrintDialog::PrintToFile, false);
        // The connection keeps the printer until the dialog is gone.
        connect(dialog, &QDialog::accepted, dialog, [printer, chosen = std::move(chosen)] { chosen(*printer); });
        dialog->open();
    }
};

#include "QtPrintModule.moc"
