// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ModuleLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPluginLoader>

namespace ModuleLoader {

namespace {

QObject *linkedIn(const char *iid)
{
    for (const QStaticPlugin &plugin : QPluginLoader::staticPlugins()) {
        if (plugin.metaData().value(QLatin1StringView("IID")).toString() == QLatin1StringView(iid))
            return plugin.instance();
    }
    return nullptr;
}

} // namespace

QStringList folders()
{
    const QString here = QCoreApplication::applicationDirPath();
    return {here + QStringLiteral("/modules"), QDir::cleanPath(here + QStringLiteral("/../lib/tramolo"))};
}

QObject *open(const char *iid, QLatin1StringView file)
{
    if (QObject *linked = linkedIn(iid))
        return linked;
#if QT_CONFIG(library)
    for (const QString &folder : folders()) {
        QPluginLoader loader(folder + u'/' + file);
        if (loader.metaData().value(QLatin1StringView("IID")).toString() != QLatin1StringView(iid))
            continue;
        // Never unloaded: its objects are the program's until it ends.
        if (QObject *root = loader.instance())
            return root;
    }
#endif
    return nullptr;
}

bool isPresent(const char *iid, QLatin1StringView file)
{
    if (linkedIn(iid))
        return true;
    for (const QString &folder : folders()) {
        if (QFile::exists(folder + u'/' + file + QStringLiteral(".so")))
            return true;
    }
    return false;
}

} // namespace ModuleLoader
