// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DisplayCheck.h"

#include <QString>
#include <QtGlobal>
#include <cstring>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr const char *NoDisplay =
    "tramolo: nessuno schermo disponibile; avvia il programma da una sessione grafica.\n";

[[noreturn]] void leave()
{
    std::fputs(NoDisplay, stderr);
    std::fflush(stderr);
    std::_Exit(1);
}

// While the platform plugin loads, its complaints are replaced by our line.
void quietStartup(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtFatalMsg)
        leave();
    const bool platform = context.category && std::strncmp(context.category, "qt.qpa", 6) == 0;
    if (!platform)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

DisplayCheck::DisplayCheck()
{
    qInstallMessageHandler(quietStartup);
}

DisplayCheck::~DisplayCheck()
{
    qInstallMessageHandler(nullptr);
}

void DisplayCheck::requireDisplay()
{
    // A web page always has its browser's window.
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS) && !defined(Q_OS_WASM)
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return;
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        leave();
#endif
}
