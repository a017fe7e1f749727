// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CalculatorLauncher.h"

#include <QtCore/qtcore-config.h>
#if QT_CONFIG(process)
#include <QProcess>
#endif
#include <QStandardPaths>
#include <utility>

#if defined(Q_OS_WIN)
#include <windows.h>
#endif

namespace {

bool startDetached(const QString &path, const QStringList &arguments)
{
#if !QT_CONFIG(process)
    // A web page starts no program.
    Q_UNUSED(path);
    Q_UNUSED(arguments);
    return false;
#else
    QProcess process;
    process.setProgram(path);
    process.setArguments(arguments);
#if defined(Q_OS_WIN)
    // Opened minimised, yet with the focus, as the Windows calculator always was.
    process.setCreateProcessArgumentsModifier([](QProcess::CreateProcessArguments *args) {
        args->startupInfo->dwFlags |= STARTF_USESHOWWINDOW;
        args->startupInfo->wShowWindow = SW_SHOWMINIMIZED;
    });
#endif
    return process.startDetached();
#endif
}

} // namespace

QList<CalculatorLauncher::Candidate> CalculatorLauncher::platformCandidates()
{
#if defined(Q_OS_WASM)
    return {};
#elif defined(Q_OS_WIN)
    return {{QStringLiteral("calc.exe"), {}}};
#elif defined(Q_OS_MACOS)
    return {{QStringLiteral("open"), {QStringLiteral("-a"), QStringLiteral("Calculator")}}};
#else
    return {
        {QStringLiteral("gnome-calculator"), {}},
        {QStringLiteral("kcalc"), {}},
        {QStringLiteral("mate-calc"), {}},
        {QStringLiteral("galculator"), {}},
        {QStringLiteral("qalculate-gtk"), {}},
        {QStringLiteral("xcalc"), {QStringLiteral("-iconic")}},
    };
#endif
}

CalculatorLauncher::CalculatorLauncher(QList<Candidate> candidates)
    : m_candidates(std::move(candidates))
{
}

bool CalculatorLauncher::start() const
{
    for (const Candidate &candidate : m_candidates) {
        const QString path = QStandardPaths::findExecutable(candidate.program);
        if (path.isEmpty())
            continue;
        if (startDetached(path, candidate.arguments))
            return true;
    }
    return false;
}
