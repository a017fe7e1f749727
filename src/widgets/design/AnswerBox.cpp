// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AnswerBox.h"

#include "KeyText.h"
#include "frame/AnswerKeys.h"

#include <QKeyEvent>
#include <QValidator>

namespace {

// Guards every way in besides the keys: paste, drop, the context menu.
class TypeableValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        return AnswerKeys::isTypeable(input) ? Acceptable : Invalid;
    }
};

} // namespace

AnswerBox::AnswerBox(QWidget *parent)
    : QLineEdit(parent)
{
    setMaxLength(MaxCharacters);
    setValidator(new TypeableValidator(this));
}

void AnswerBox::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        emit answerEntered();
        return;
    }
    // The paste shortcut types a control character on some platforms and
    // none on others (Shift+Insert): it is dropped either way.
    if (event->matches(QKeySequence::Paste)) {
        event->accept();
        return;
    }
    const QString text = typedCharacters(*event);
    if (!text.isEmpty()) {
        const AnswerKeys::Effect effect = AnswerKeys::effectOf(text.front());
        if (effect == AnswerKeys::Effect::Drop || text.size() > 1) {
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}
