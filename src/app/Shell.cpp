// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Shell.h"

#include "ChoiceWindow.h"
#include "SplashWindow.h"
#include "exercise/ExerciseWindow.h"
#include "ui/ExerciseProfiles.h"

namespace {

WindowProfile profileOf(WindowProfile::Figure figure)
{
    switch (figure) {
    case WindowProfile::Figure::Cube: return ExerciseProfiles::cube();
    case WindowProfile::Figure::Box: return ExerciseProfiles::box();
    case WindowProfile::Figure::Prism: return ExerciseProfiles::prism();
    }
    return ExerciseProfiles::cube();
}

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
    }
    m_choice->show();
    unload(m_splash);
}

void Shell::openExercise(WindowProfile::Figure figure)
{
    std::unique_ptr<ExerciseWindow> &window = m_exercises[figure];
    if (!window)
        window = std::make_unique<ExerciseWindow>(profileOf(figure), m_random);
    window->load();
    unload(m_choice);
}

ExerciseWindow *Shell::exerciseWindow(WindowProfile::Figure figure) const
{
    const auto found = m_exercises.find(figure);
    return found == m_exercises.end() ? nullptr : found->second.get();
}
