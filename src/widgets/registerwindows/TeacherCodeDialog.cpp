// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TeacherCodeDialog.h"

#include "RegisterTexts.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLineEdit *passwordField(const QString &name, QWidget *parent)
{
    auto *field = new QLineEdit(parent);
    field->setEchoMode(QLineEdit::Password);
    field->setAccessibleName(name);
    return field;
}

} // namespace

TeacherCodeDialog::TeacherCodeDialog(Mode mode, std::optional<TeacherCode> code, QWidget *parent)
    : QDialog(parent)
    , m_mode(mode)
    , m_stored(std::move(code))
{
    setObjectName(QStringLiteral("frmTeacherCode"));
    setWindowTitle(RegisterTexts::codeTitle());
    setModal(true);
    m_hint = new QLabel(mode == Mode::Choose ? RegisterTexts::chooseCodeHint() : RegisterTexts::askCodeHint(), this);
    m_hint->setWordWrap(true);
    m_field = passwordField(RegisterTexts::codeName(), this);
    auto *form = new QFormLayout;
    form->addRow(RegisterTexts::codeLabel(), m_field);
    if (mode == Mode::Choose) {
        m_repeat = passwordField(RegisterTexts::repeatName(), this);
        form->addRow(RegisterTexts::repeatLabel(), m_repeat);
        connect(m_repeat, &QLineEdit::textChanged, this, &TeacherCodeDialog::updateOk);
    }
    auto *buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(RegisterTexts::ok(), QDialogButtonBox::AcceptRole);
    buttons->addButton(RegisterTexts::cancel(), QDialogButtonBox::RejectRole);
    m_ok->setDefault(true);
    connect(m_field, &QLineEdit::textChanged, this, &TeacherCodeDialog::updateOk);
    connect(m_ok, &QPushButton::clicked, this, &TeacherCodeDialog::tryCode);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_hint);
    layout->addLayout(form);
    layout->addWidget(buttons);
    updateOk();
}

void TeacherCodeDialog::setHint(const QString &text)
{
    m_hint->setText(text);
}

void TeacherCodeDialog::updateOk()
{
    const QString code = m_field->text();
    m_ok->setEnabled(m_mode == Mode::Ask ? !code.isEmpty()
                                         : code.size() >= TeacherCode::MinLength && code == m_repeat->text());
}

void TeacherCodeDialog::tryCode()
{
    if (!m_ok->isEnabled())
        return;
    if (m_mode == Mode::Choose) {
        m_chosen = TeacherCode::make(m_field->text());
        accept();
        return;
    }
    // No code kept, or one that no longer reads: nothing to match.
    if (m_stored && m_stored->matches(m_field->text())) {
        accept();
        return;
    }
    --m_tries;
    if (m_tries == 0) {
        reject();
        return;
    }
    m_field->clear();
    m_hint->setText(RegisterTexts::wrongCode(m_tries));
}
