// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ResultsPrint.h"

#include "PaperOutput.h"
#include "PrintTexts.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>
#include <utility>

using namespace Qt::Literals::StringLiterals;

Pages GameReport::pages(const QString &pupil) const
{
    const QLocale italian(QLocale::Italian, QLocale::Italy);
    const QString header = u"Il Tramolo · Risultati"_s;
    QList<std::pair<QFont, QString>> lines{
        {Pages::headingFont(), pupil.isEmpty() ? u"Risultati"_s : u"Risultati di %1"_s.arg(pupil)},
        {Pages::bodyFont(), u"Data: %1, ore %2"_s.arg(italian.toString(now.date(), u"d MMMM yyyy"_s),
                                                     now.time().toString(u"HH:mm"_s))},
        {Pages::bodyFont(), u"Finestra: %1"_s.arg(window)},
        {Pages::bodyFont(), u"Minuti dall'inizio del gioco: %1"_s.arg(minutes)},
    };
    for (const QString &row : rows)
        lines.append({Pages::bodyFont(), row});
    lines.append({Pages::headingFont(), total});
    lines.append({Pages::bodyFont(), missed.isEmpty() ? u"Nessun tipo di esercizio da ripassare."_s
                                                      : u"Da ripassare: %1."_s.arg(missed.join(u"; "_s))});
    Pages pages;
    pages.add(Pages::textBlock(header, lines, true));
    return pages;
}

ResultsPrintDialog::ResultsPrintDialog(GameReport report, QWidget *parent)
    : QDialog(parent)
    , m_report(std::move(report))
{
    setObjectName(QStringLiteral("frmResultsPrint"));
    setWindowTitle(PrintTexts::resultsDialogTitle());
    setModal(true);
    m_pupil = new QLineEdit(this);
    m_pupil->setAccessibleName(QString(PrintTexts::pupilName()).remove(u'&'));
    auto *form = new QFormLayout;
    form->addRow(PrintTexts::pupilName(), m_pupil);

    const PaperOutput::Buttons buttons = PaperOutput::buttons(this, PrintTexts::cancel());
    connect(buttons.save, &QPushButton::clicked, this, &ResultsPrintDialog::save);
    connect(buttons.print, &QPushButton::clicked, this, &ResultsPrintDialog::print);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons.row);
}

void ResultsPrintDialog::save()
{
    const QString pupil = m_pupil->text().trimmed();
    // The name goes into the suggested file name without a folder's signs.
    static const QRegularExpression notInNames(uR"([\/:*?"<>|])"_s);
    const QString named = QString(pupil).replace(notInNames, u" "_s).simplified();
    PaperOutput::askAndSave(this, PrintTexts::resultsFileName(named), m_report.pages(pupil),
                            PrintTexts::resultsDialogTitle(), [this](const QString &) { accept(); });
}

void ResultsPrintDialog::print()
{
    PaperOutput::askAndPrint(this, m_report.pages(m_pupil->text().trimmed()), PrintTexts::resultsDialogTitle(),
                             [this] { accept(); });
}
