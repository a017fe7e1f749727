// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QKeyEvent>
#include <QString>

// The characters a key press types, as the program counts them: Delete
// carries the DEL character on X11, yet it is an editing key like the arrows.
inline QString typedCharacters(const QKeyEvent &event)
{
    if (event.key() == Qt::Key_Delete)
        return QString();
    return event.text();
}
