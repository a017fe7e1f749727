// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RegisterSettings.h"

#include <QDir>
#include <QSettings>

namespace RegisterSettings {

QString folder(const QSettings &settings)
{
    const QString folder = settings.value(QLatin1String(Key)).toString().trimmed();
    return folder.isEmpty() ? QString() : QDir::fromNativeSeparators(folder);
}

void setFolder(QSettings &settings, const QString &folder)
{
    settings.setValue(QLatin1String(Key), QDir::toNativeSeparators(folder));
    settings.sync();
}

} // namespace RegisterSettings
