// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Shell.h"

#include "ChoiceWindow.h"
#include "definitions/StartWindows.h"
#include "printing/WorksheetDialog.h"
#include "SplashWindow.h"
#include "window/ExerciseWindow.h"

namespace {

// Unloading a window that is not reopened: closed now, freed once its own
// event (the key or click that led here) has finished.
void unload(QWidget *window)
{
    if (!window)
        return;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->close();
}

} // namespace

Shell::Shell(RandomSource::Clock clock, QObject *parent)
    : QObject(parent)
    , m_random(std::move(clock))
{
}

Shell::~Shell()
{
    delete m_splash;
    delete m_choice;
}

void Shell::start()
{
    m_splash = new SplashWindow;
    connect(m_splash, &SplashWindow::continued, this, &Shell::continueToChoice);
    m_splash->show();
}

void Shell::continueToChoice()
{
    if (!m_choice) {
        m_choice = new ChoiceWindow;
        connect(m_choice, &ChoiceWindow::chosen, this, &Shell::openExercise);
        connect(m_choice, &ChoiceWindow::worksheetsAsked, this, &Shell::openWorksheets);
    }
    m_choice->show();
    unload(m_splash);
}

void Shell::openExercise(ProfileSource profile)
{
    std::unique_ptr<ExerciseWindow> &window = m_exercises[profile];
    if (!window)
        window = std::make_unique<ExerciseWindow>(profile(), m_random);
    window->load();
    unload(m_choice);
}

// Like a message box, the dialog is no hand-over: the choice window stays
// the one window, and closing the dialog comes back to it.
void Shell::openWorksheets()
{
    WorksheetDialog dialog(StartWindows::choice().openingCaptions(), m_random.between(1, Worksheets::MaxNumber),
                           m_choice);
    dialog.exec();
}

ExerciseWindow *Shell::exerciseWindow(const QString &name) const
{
    for (const auto &[profile, window] : m_exercises) {
        if (window->objectName() == name)
            return window.get();
    }
    return nullptr;
}
