// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PaperOutput.h"

#include "PrintModule.h"
#include "PrintTexts.h"
#include "modules/ModuleLoader.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPushButton>
#include <QSaveFile>
#include <QStandardPaths>

namespace PaperOutput {

namespace {

QPageLayout pageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 12, 15, 12),
                       QPageLayout::Millimeter);
}

void setPage(QPagedPaintDevice &device)
{
    device.setPageLayout(pageLayout());
}

constexpr QLatin1StringView PrintModuleFile("tramolo-print");

} // namespace

bool writePdf(QIODevice &device, const Pages &pages, const QString &title)
{
    QPdfWriter writer(&device);
    writer.setResolution(300);
    writer.setTitle(title);
    writer.setCreator(PrintTexts::messageTitle());
    setPage(writer);
    return pages.print(writer);
}

std::optional<QString> savePdf(const QString &path, const Pages &pages, const QString &title)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return PrintTexts::notSaved(QDir::toNativeSeparators(path), PrintTexts::cannotOpen());
    if (!writePdf(file, pages, title)) {
        file.cancelWriting();
        return PrintTexts::notSaved(QDir::toNativeSeparators(path), PrintTexts::cannotPaint());
    }
    const bool writeFailed = file.error() != QFileDevice::NoError;
    if (writeFailed || !file.commit()) {
        return PrintTexts::notSaved(QDir::toNativeSeparators(path),
                                    writeFailed ? PrintTexts::cannotWrite() : PrintTexts::cannotReplace());
    }
    return std::nullopt;
}

std::optional<QString> saveBytes(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return PrintTexts::notSaved(QDir::toNativeSeparators(path), PrintTexts::cannotOpen());
    const bool writeFailed = file.write(bytes) != bytes.size();
    if (writeFailed || !file.commit()) {
        return PrintTexts::notSaved(QDir::toNativeSeparators(path),
                                    writeFailed ? PrintTexts::cannotWrite() : PrintTexts::cannotReplace());
    }
    return std::nullopt;
}

std::optional<QString> askAndWrite(QWidget *parent, const SaveAs &as, const Writer &write)
{
    QFileDialog dialog(parent, as.title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(as.filter);
    dialog.setDefaultSuffix(as.suffix);
#ifndef Q_OS_WIN
    // Qt's own dialog, in Italian whatever the desktop, and read by screen
    // readers through the same tree as the windows; Windows' own is Italian
    // on an Italian Windows and the one its users know.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
#endif
    dialog.setDirectory(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    dialog.selectFile(as.suggestedName);
    while (dialog.exec() == QDialog::Accepted) {
        const QString path = dialog.selectedFiles().value(0);
        const std::optional<QString> failure = write(path);
        if (!failure)
            return path;
        QMessageBox::warning(&dialog, PrintTexts::messageTitle(), *failure);
    }
    return std::nullopt;
}

std::optional<QString> askAndSave(QWidget *parent, const QString &suggestedName, const Pages &pages,
                                  const QString &title)
{
    return askAndWrite(parent, {PrintTexts::saveTitle(), PrintTexts::pdfFilter(), QStringLiteral("pdf"), suggestedName},
                       [&](const QString &path) { return savePdf(path, pages, title); });
}

bool canPrint()
{
    return ModuleLoader::isPresent<PrintModule>(PrintModuleFile);
}

bool askAndPrint(QWidget *parent, const Pages &pages, const QString &title)
{
    auto *module = ModuleLoader::open<PrintModule>(PrintModuleFile);
    if (!module) {
        QMessageBox::warning(parent, PrintTexts::messageTitle(), PrintTexts::printUnavailable());
        return false;
    }
    const std::unique_ptr<QPagedPaintDevice> printer = module->choosePrinter(parent, title, pageLayout());
    if (!printer)
        return false;
    if (pages.print(*printer))
        return true;
    QMessageBox::warning(parent, PrintTexts::messageTitle(), PrintTexts::printFailed());
    return false;
}

Buttons buttons(QDialog *dialog, const QString &closeText)
{
    auto *row = new QDialogButtonBox(dialog);
    QPushButton *save = row->addButton(PrintTexts::savePdf(), QDialogButtonBox::ActionRole);
    QPushButton *print = row->addButton(PrintTexts::print(), QDialogButtonBox::ActionRole);
    if (!canPrint()) {
        print->setEnabled(false);
        print->setToolTip(PrintTexts::printUnavailable());
    }
    QPushButton *close = row->addButton(closeText, QDialogButtonBox::RejectRole);
    save->setDefault(true);
    QObject::connect(close, &QPushButton::clicked, dialog, &QDialog::reject);
    return {row, save, print};
}

} // namespace PaperOutput
