// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ChoiceWindow.h"
#include "SplashWindow.h"
#include "common/RandomSource.h"
#include "definitions/WindowProfile.h"

#include <QObject>
#include <QPointer>
#include <map>
#include <memory>

class ExerciseWindow;

// The hand-over between windows: splash, then choice, then an exercise
// window. Exactly one window is open at a time; the next one is always
// shown before the one before it is closed, so the program never finds
// itself without a window until the pupil closes the last one.
class Shell : public QObject
{
    Q_OBJECT
public:
    explicit Shell(RandomSource::Clock clock = RandomSource::systemClock(), QObject *parent = nullptr);
    ~Shell() override;

    void start();
    void continueToChoice();
    void openExercise(ProfileSource profile);
    void openWorksheets();

    SplashWindow *splash() const { return m_splash; }
    ChoiceWindow *choice() const { return m_choice; }
    // An exercise window by its name ("cubi"), once it has been opened.
    ExerciseWindow *exerciseWindow(const QString &name) const;

private:
    RandomSource m_random;
    QPointer<SplashWindow> m_splash;
    QPointer<ChoiceWindow> m_choice;
    // Exercise windows live until the program ends, once created.
    std::map<ProfileSource, std::unique_ptr<ExerciseWindow>> m_exercises;
};
