// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ChoiceWindow.h"
#include "SplashWindow.h"
#include "common/RandomSource.h"
#include "definitions/WindowProfile.h"
#include "register/ClassRegister.h"
#include "registerwindows/PupilDialog.h"
#include "registerwindows/RegisterWindow.h"

#include <QObject>
#include <QPointer>
#include <map>
#include <memory>

class ExerciseWindow;
class QSettings;

// The hand-over between windows: splash, then choice, then an exercise
// window; with a class register, "Chi sei?" over the splash before the
// choice. Exactly one window is open at a time; the next one is always
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
    void openRegister();

    SplashWindow *splash() const { return m_splash; }
    ChoiceWindow *choice() const { return m_choice; }
    PupilDialog *pupilDialog() const { return m_pupilDialog; }
    RegisterWindow *registerWindow() const { return m_registerWindow; }
    ClassRegister &classRegister() { return m_register; }
    // An exercise window by its name ("cubi"), once it has been opened.
    ExerciseWindow *exerciseWindow(const QString &name) const;

private:
    // "Chi sei?", when the register is kept; false when it is not.
    bool askPupil();
    void showChoice();
    QSettings &settings();

    RandomSource m_random;
    ClassRegister m_register;
    std::unique_ptr<QSettings> m_settings; // read after the splash, not before its first paint
    bool m_pupilAsked = false;
    QPointer<PupilDialog> m_pupilDialog;
    QPointer<RegisterWindow> m_registerWindow;
    QPointer<SplashWindow> m_splash;
    QPointer<ChoiceWindow> m_choice;
    // Exercise windows live until the program ends, once created.
    std::map<ProfileSource, std::unique_ptr<ExerciseWindow>> m_exercises;
};
