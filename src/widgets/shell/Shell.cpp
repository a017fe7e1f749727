// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Shell.h"

#include "ChoiceWindow.h"
#include "definitions/StartWindows.h"
#include "printing/WorksheetDialog.h"
#include "registerwindows/PupilDialog.h"
#include "register/RegisterSettings.h"
#include "registerwindows/RegisterWindow.h"
#include "SplashWindow.h"
#include "window/ExerciseWindow.h"

#include <QSettings>

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
#ifdef Q_OS_WASM
    m_splash->showMaximized();
#else
    m_splash->show();
#endif
}

void Shell::continueToChoice()
{
    if (!m_pupilAsked) {
        m_pupilAsked = true;
        if (askPupil())
            return;
    }
    showChoice();
}

QSettings &Shell::settings()
{
    if (!m_settings)
        m_settings = std::make_unique<QSettings>();
    return *m_settings;
}

// Over the splash, as a message box would be: the splash stays the one
// window until the choice window takes its place. The spool of answers
// given while the share was down goes to it meanwhile.
bool Shell::askPupil()
{
#ifdef Q_OS_WASM
    // A page keeps no register.
    return false;
#else
    m_register.setFolder(RegisterSettings::folder(settings()));
    if (m_register.folder().isEmpty())
        return false;
    m_register.moveSpool();
    m_pupilDialog = new PupilDialog(m_register, m_splash);
    m_pupilDialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_pupilDialog, &QDialog::finished, this, [this] {
        m_register.setPupil(m_pupilDialog->schoolClass(), m_pupilDialog->pupil());
        // Once the dialog has gone altogether.
        QMetaObject::invokeMethod(this, &Shell::showChoice, Qt::QueuedConnection);
    });
    m_pupilDialog->open();
    return true;
#endif
}

void Shell::showChoice()
{
    if (!m_choice) {
        m_choice = new ChoiceWindow;
        connect(m_choice, &ChoiceWindow::chosen, this, &Shell::openExercise);
        connect(m_choice, &ChoiceWindow::worksheetsAsked, this, &Shell::openWorksheets);
        connect(m_choice, &ChoiceWindow::registerAsked, this, &Shell::openRegister);
    }
#ifdef Q_OS_WASM
    m_choice->showMaximized();
#else
    m_choice->show();
#endif
    unload(m_splash);
}

void Shell::openExercise(ProfileSource profile)
{
    std::unique_ptr<ExerciseWindow> &window = m_exercises[profile];
    if (!window) {
        window = std::make_unique<ExerciseWindow>(profile(), m_random);
        window->setClassRegister(&m_register);
#ifdef Q_OS_WASM
        // A page that ends is a blank page: the choice window comes back.
        connect(window.get(), &ExerciseWindow::closed, this, &Shell::showChoice);
#endif
    }
    window->load();
    unload(m_choice);
}

// Like a message box, the dialog is no hand-over: the choice window stays
// the one window, and closing the dialog comes back to it.
void Shell::openWorksheets()
{
    auto *dialog = new WorksheetDialog(StartWindows::choice().openingCaptions(),
                                       m_random.between(1, Worksheets::MaxNumber), m_choice);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

// Over the choice window like the worksheets; it asks the teacher's code
// before it shows anything, and reads the folder on the register's thread.
void Shell::openRegister()
{
    if (m_registerWindow)
        return;
    m_registerWindow = new RegisterWindow(m_register, settings(), m_choice);
    m_registerWindow->setAttribute(Qt::WA_DeleteOnClose);
    m_registerWindow->open();
}

ExerciseWindow *Shell::exerciseWindow(const QString &name) const
{
    for (const auto &[profile, window] : m_exercises) {
        if (window->objectName() == name)
            return window.get();
    }
    return nullptr;
}
