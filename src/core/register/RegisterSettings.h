// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QSettings;

// The register folder in the settings: the user's own choice, else the
// one a technician set for the whole machine (the installer's /REGISTRO=
// on Windows, /etc/xdg on Linux). None: no register.
namespace RegisterSettings {

QString folder(const QSettings &settings);
void setFolder(QSettings &settings, const QString &folder);
// The key, as the installer writes it.
inline constexpr char Key[] = "registro/cartella";

} // namespace RegisterSettings
