// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PupilDialog.h"

#include "RegisterTexts.h"
#include "register/ClassRegister.h"
#include "register/PupilName.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

PupilDialog::PupilDialog(ClassRegister &classRegister, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmPupil"));
    setWindowTitle(RegisterTexts::whoTitle());
    m_name = new QLineEdit(this);
    m_name->setAccessibleName(RegisterTexts::pupilName());
    m_name->setMaxLength(PupilName::MaxLength * 2); // blanks are tidied away after
    m_class = new QComboBox(this);
    m_class->setEditable(true);
    m_class->setInsertPolicy(QComboBox::NoInsert);
    m_class->setAccessibleName(RegisterTexts::className());
    m_class->lineEdit()->setMaxLength(PupilName::MaxLength);
    auto *form = new QFormLayout;
    form->addRow(RegisterTexts::pupilLabel(), m_name);
    form->addRow(RegisterTexts::pupilClassLabel(), m_class);

    auto *buttons = new QDialogButtonBox(this);
    m_start = buttons->addButton(RegisterTexts::start(), QDialogButtonBox::AcceptRole);
    m_guest = buttons->addButton(RegisterTexts::guest(), QDialogButtonBox::RejectRole);
    m_start->setDefault(true);
    connect(m_start, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_guest, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_name, &QLineEdit::textChanged, this, &PupilDialog::updateStart);
    connect(m_class, &QComboBox::editTextChanged, this, &PupilDialog::updateStart);

    auto *layout = new QVBoxLayout(this);
    auto *hint = new QLabel(RegisterTexts::whoHint(), this);
    hint->setWordWrap(true);
    layout->addWidget(hint);
    layout->addLayout(form);
    layout->addWidget(buttons);
    updateStart();
    m_name->setFocus(Qt::OtherFocusReason);

    classRegister.readClasses(this, [this](const QStringList &classes) { offerClasses(classes); });
}

QString PupilDialog::pupil() const
{
    return result() == Accepted ? PupilName::tidy(m_name->text()) : QString();
}

QString PupilDialog::schoolClass() const
{
    return result() == Accepted ? PupilName::tidy(m_class->currentText()) : QString();
}

// What the pupil may have typed meanwhile stays.
void PupilDialog::offerClasses(const QStringList &classes)
{
    const QString typed = m_class->currentText();
    m_class->addItems(classes);
    m_class->setEditText(typed);
}

void PupilDialog::updateStart()
{
    m_start->setEnabled(!PupilName::tidy(m_name->text()).isEmpty()
                        && !PupilName::tidy(m_class->currentText()).isEmpty());
}
