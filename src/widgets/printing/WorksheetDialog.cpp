// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WorksheetDialog.h"

#include "definitions/Catalogue.h"

#include "PaperOutput.h"
#include "PrintTexts.h"
#include "WorksheetPages.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QSpinBox *spinBox(int low, int high, int value, const QString &name, QWidget *parent)
{
    auto *box = new QSpinBox(parent);
    box->setRange(low, high);
    box->setValue(value);
    box->setGroupSeparatorShown(false);
    box->setAccessibleName(name);
    return box;
}

QString withoutAccelerator(QString text)
{
    return text.remove(u'&');
}

} // namespace

WorksheetDialog::WorksheetDialog(const QStringList &captions, int number, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmWorksheet"));
    setWindowTitle(PrintTexts::worksheetTitle());
    setModal(true);

    auto *what = new QGroupBox(this);
    auto *grid = new QGridLayout(what);
    for (int i = 0; i < captions.size(); ++i) {
        auto *box = new QCheckBox(captions[i], what);
        box->setChecked(true);
        connect(box, &QCheckBox::toggled, this, &WorksheetDialog::enableOutput);
        grid->addWidget(box, i / 4, i % 4);
        m_choices << box;
    }

    m_exercises = spinBox(1, Worksheets::MaxExercises, 12, withoutAccelerator(PrintTexts::exercisesCount()), this);
    m_versions = spinBox(1, Worksheets::MaxVersions, 1, withoutAccelerator(PrintTexts::versions()), this);
    m_solutions = new QCheckBox(PrintTexts::withSolutions(), this);
    m_solutions->setChecked(true);
    m_number = spinBox(1, Worksheets::MaxNumber, number, PrintTexts::sheetNumberName(), this);
    auto *form = new QFormLayout;
    form->addRow(PrintTexts::exercisesCount(), m_exercises);
    form->addRow(PrintTexts::versions(), m_versions);
    form->addRow(QString(), m_solutions);
    form->addRow(PrintTexts::sheetNumber(), m_number);

    const PaperOutput::Buttons buttons = PaperOutput::buttons(this, PrintTexts::close());
    m_save = buttons.save;
    m_print = buttons.print;
    connect(m_save, &QPushButton::clicked, this, &WorksheetDialog::save);
    connect(m_print, &QPushButton::clicked, this, &WorksheetDialog::print);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(what);
    layout->addLayout(form);
    layout->addWidget(buttons.row);
    m_choices.value(0)->setFocus();
}

Worksheets::Request WorksheetDialog::request() const
{
    Worksheets::Request r;
    r.offered = Catalogue::sources();
    for (int i = 0; i < m_choices.size(); ++i) {
        if (m_choices[i]->isChecked())
            r.choices << i;
    }
    r.exercises = m_exercises->value();
    r.versions = m_versions->value();
    r.solutions = m_solutions->isChecked();
    r.number = m_number->value();
    return r;
}

// At least one choice: with none there is nothing to draw.
void WorksheetDialog::enableOutput()
{
    const bool any = !request().choices.isEmpty();
    m_save->setEnabled(any);
    m_print->setEnabled(any && PaperOutput::canPrint());
}

void WorksheetDialog::save()
{
    const Worksheets::Request r = request();
    const Pages pages = WorksheetPages::make(r, Worksheets::make(r));
    PaperOutput::askAndSave(this, PrintTexts::sheetFileName(r.number), pages, PrintTexts::worksheetTitle());
}

void WorksheetDialog::print()
{
    const Worksheets::Request r = request();
    PaperOutput::askAndPrint(this, WorksheetPages::make(r, Worksheets::make(r)), PrintTexts::worksheetTitle());
}
