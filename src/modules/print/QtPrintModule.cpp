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

class QtPrintModule : public QObject, public PrintModule
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID TRAMOLO_PRINT_MODULE_IID)
    Q_INTERFACES(PrintModule)
public:
    std::unique_ptr<QPagedPaintDevice> choosePrinter(QWidget *parent, const QString &documentName,
                                                     const QPageLayout &page) override
    {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setDocName(documentName);
        printer->setPageLayout(page);
        QPrintDialog dialog(printer.get(), parent);
        dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
        if (dialog.exec() != QDialog::Accepted)
            return nullptr;
        return printer;
    }
};

#include "QtPrintModule.moc"
