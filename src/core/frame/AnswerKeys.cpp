// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AnswerKeys.h"

#include <QStringView>

namespace AnswerKeys {

Effect effectOf(QChar typed)
{
    const char16_t c = typed.unicode();
    if (c >= u'0' && c <= u'9')
        return Effect::Insert;
    if (c == u',')
        return Effect::Insert;
    if (c == 8)
        return Effect::Backspace;
    if (c == 13)
        return Effect::Check;
    return Effect::Drop;
}

bool isTypeable(QStringView text)
{
    for (QChar c : text) {
        if (effectOf(c) != Effect::Insert)
            return false;
    }
    return true;
}

} // namespace AnswerKeys
