// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PaperOutput.h"

#include "PrintModule.h"
#include "PrintTexts.h"
#include "modules/ModuleLoader.h"
#include "web/WebPage.h"

#include <QBuffer>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPointer>
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

void tell(QWidget *parent, const QString &text)
{
    auto *box = new QMessageBox(QMessageBox::Warning, PrintTexts::messageTitle(), text, QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void askAndWrite(QWidget *parent, const SaveAs &as, Writer write, Saved saved)
{
    auto *dialog = new QFileDialog(parent, as.title);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setNameFilter(as.filter);
    dialog->setDefaultSuffix(as.suffix);
#ifndef Q_OS_WIN
    // Qt's own dialog, in Italian whatever the desktop, and read by screen
    // readers through the same tree as the windows; Windows' own is Italian
    // on an Italian Windows and the one its users know.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
#endif
    dialog->setDirectory(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    dialog->selectFile(as.suggestedName);
    // Accepting closes the dialog; after a failure it is opened again with
    // the name the user typed, and the message comes over it.
    QObject::connect(dialog, &QDialog::finished, dialog, [dialog, write = std::move(write), saved = std::move(saved)](int result) {
        if (result != QDialog::Accepted) {
            dialog->deleteLater();
            return;
        }
        const QString path = dialog->selectedFiles().value(0);
        if (const std::optional<QString> failure = write(path)) {
            dialog->open();
            tell(dialog, *failure);
            return;
        }
        dialog->deleteLater();
        if (saved)
            saved(path);
    });
    dialog->open();
}

void askAndSave(QWidget *parent, const QString &suggestedName, const Pages &pages, const QString &title, Saved saved)
{
#ifdef Q_OS_WASM
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!writePdf(buffer, pages, title)) {
        tell(parent, PrintTexts::notSaved(suggestedName, PrintTexts::cannotPaint()));
        return;
    }
    QFileDialog::saveFileContent(buffer.data(), suggestedName);
    WebPage::log(QStringLiteral("download %1 %2").arg(suggestedName).arg(buffer.size()));
    auto *box = new QMessageBox(QMessageBox::Information, PrintTexts::messageTitle(),
                                PrintTexts::downloaded(suggestedName), QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
    if (saved)
        saved(suggestedName);
#else
    askAndWrite(parent, {PrintTexts::saveTitle(), PrintTexts::pdfFilter(), QStringLiteral("pdf"), suggestedName},
                [pages, title](const QString &path) { return savePdf(path, pages, title); }, std::move(saved));
#endif
}

bool canPrint()
{
#ifdef Q_OS_WASM
    return false;
#else
    return ModuleLoader::isPresent<PrintModule>(PrintModuleFile);
#endif
}

void askAndPrint(QWidget *parent, const Pages &pages, const QString &title, std::function<void()> printed)
{
    auto *module = ModuleLoader::open<PrintModule>(PrintModuleFile);
    if (!module) {
        tell(parent, PrintTexts::printUnavailable());
        return;
    }
    QPointer<QWidget> over(parent);
    module->choosePrinter(parent, title, pageLayout(),
                          [over, pages, printed = std::move(printed)](QPagedPaintDevice &printer) {
        if (!pages.print(printer)) {
            tell(over, PrintTexts::printFailed());
            return;
        }
        if (printed)
            printed();
    });
}

Buttons buttons(QDialog *dialog, const QString &closeText)
{
    auto *row = new QDialogButtonBox(dialog);
    QPushButton *save = row->addButton(PrintTexts::savePdf(), QDialogButtonBox::ActionRole);
    QPushButton *print = row->addButton(PrintTexts::print(), QDialogButtonBox::ActionRole);
#ifdef Q_OS_WASM
    print->hide();
#else
    if (!canPrint()) {
        print->setEnabled(false);
        print->setToolTip(PrintTexts::printUnavailable());
    }
#endif
    QPushButton *close = row->addButton(closeText, QDialogButtonBox::RejectRole);
    save->setDefault(true);
    QObject::connect(close, &QPushButton::clicked, dialog, &QDialog::reject);
    return {row, save, print};
}

} // namespace PaperOutput
