// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QChar>

// What a typed character does in the answer box.
namespace AnswerKeys {

enum class Effect {
    Insert,    // a digit or the decimal comma
    Backspace, // deletes as usual
    Check,     // Enter: the answer is checked
    Drop,      // anything else: letters, '.', '-', blanks, control characters
};

Effect effectOf(QChar typed);

// True when every character of the text could have been typed into the box.
bool isTypeable(QStringView text);

} // namespace AnswerKeys
