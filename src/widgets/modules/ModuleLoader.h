// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLatin1StringView>
#include <QObject>
#include <QStringList>

// The program's modules: the code that needs a library no first paint uses
// (Qt TextToSpeech, Qt PrintSupport), opened when the pupil first asks for
// it. Linked in where Qt is static (Windows), else a Qt plugin beside the
// program: <program's folder>/modules in the build tree, /usr/lib/tramolo
// when installed.
namespace ModuleLoader {

// The folders looked in, in order.
QStringList folders();

// The module's root object, the module read on the first call; null where
// it is missing or cannot be opened. It lives as long as the program.
QObject *open(const char *iid, QLatin1StringView file);

// Whether the module is there, without opening it.
bool isPresent(const char *iid, QLatin1StringView file);

template <typename Interface>
Interface *open(QLatin1StringView file)
{
    return qobject_cast<Interface *>(open(qobject_interface_iid<Interface *>(), file));
}

template <typename Interface>
bool isPresent(QLatin1StringView file)
{
    return isPresent(qobject_interface_iid<Interface *>(), file);
}

} // namespace ModuleLoader
