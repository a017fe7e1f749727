// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DigitPad.h"

#include "web/WebPage.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

namespace {

constexpr int Gap = 4;
constexpr int KeyWidth = 40;

const struct
{
    int key;
    const char16_t *text; // what the key types
    const char16_t *shown;
    const char16_t *name; // for a screen reader
} Keys[] = {
    {Qt::Key_1, u"1", u"1", u"1"}, {Qt::Key_2, u"2", u"2", u"2"}, {Qt::Key_3, u"3", u"3", u"3"},
    {Qt::Key_4, u"4", u"4", u"4"}, {Qt::Key_5, u"5", u"5", u"5"}, {Qt::Key_6, u"6", u"6", u"6"},
    {Qt::Key_7, u"7", u"7", u"7"}, {Qt::Key_8, u"8", u"8", u"8"}, {Qt::Key_9, u"9", u"9", u"9"},
    {Qt::Key_0, u"0", u"0", u"0"}, {Qt::Key_Comma, u",", u",", u"Virgola"},
    {Qt::Key_Backspace, u"\b", u"⌫", u"Cancella"}, {Qt::Key_Return, u"\r", u"Invio", u"Invio"},
};

} // namespace

DigitPad::DigitPad(QLineEdit *answer)
    : QWidget(answer->parentWidget())
    , m_answer(answer)
{
    setObjectName(QStringLiteral("digitPad"));
    setAccessibleName(QStringLiteral("Tastierino"));
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(Gap);
    for (const auto &k : Keys) {
        auto *button = new QToolButton(this);
        button->setText(QString::fromUtf16(k.shown));
        button->setAccessibleName(QString::fromUtf16(k.name));
        button->setFocusPolicy(Qt::NoFocus);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        const int key = k.key;
        const QString text = QString::fromUtf16(k.text);
        connect(button, &QToolButton::clicked, this, [this, key, text] { press(key, text); });
        row->addWidget(button, key == Qt::Key_Return ? 2 : 1);
    }
    answer->installEventFilter(this);
    setEnabled(answer->isEnabled());
    setVisible(answer->isVisible());
    place();
    raise();
}

bool DigitPad::wanted()
{
    return WebPage::touchScreen();
}

bool DigitPad::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_answer) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize: place(); break;
        case QEvent::Show: show(); place(); raise(); break;
        case QEvent::Hide: hide(); break;
        case QEvent::EnabledChange: setEnabled(m_answer->isEnabled()); break;
        default: break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void DigitPad::place()
{
    if (!m_answer || !parentWidget())
        return;
    const QRect box = m_answer->geometry();
    const QRect room = parentWidget()->rect();
    const int width = std::min(room.width(), std::max(box.width(), int(std::size(Keys) + 1) * KeyWidth));
    const int height = std::max(box.height(), 32);
    int top = box.bottom() + 1 + Gap;
    if (top + height > room.bottom())
        top = box.top() - Gap - height;
    const int left = std::clamp(box.left(), 0, std::max(0, room.width() - width));
    setGeometry(left, top, width, height);
}

void DigitPad::press(int key, const QString &text)
{
    if (!m_answer || !m_answer->isEnabled())
        return;
    const QString typed = key == Qt::Key_Backspace || key == Qt::Key_Return ? QString() : text;
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, typed);
    QCoreApplication::sendEvent(m_answer, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, typed);
    QCoreApplication::sendEvent(m_answer, &up);
}
