// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Drill.h"
#include "ExerciseControls.h"
#include "ResultsPanel.h"
#include "common/ExerciseState.h"
#include "definitions/WindowProfile.h"
#include "frame/CalculatorLauncher.h"
#include "frame/GameResults.h"

#include <QMainWindow>
#include <QPointer>
#include <QTime>
#include <functional>

class QLabel;
class RandomSource;

// The frame of every exercise window; a window is this frame with its
// profile. The object and its record live as long as the program: unloading
// takes the controls away, loading builds them anew from the design.
class ExerciseWindow : public QMainWindow
{
    Q_OBJECT
public:
    using TimeSource = std::function<QTime()>;

    ExerciseWindow(WindowProfile profile, RandomSource &random, QWidget *parent = nullptr);
    ~ExerciseWindow() override;

    const WindowProfile &profile() const { return m_profile; }
    const ExerciseState &state() const { return m_state; }
    const ExerciseControls &controls() const { return m_controls; }
    const GameResults &results() const { return m_results; }
    const Drill &drill() const { return *m_drill; }
    ResultsPanel *resultsPanel() const { return m_panel; }
    QLabel *reviewLine() const { return m_reviewLine; }
    bool isLoaded() const { return m_controls.txtAnswer != nullptr; }
    // The restored window's size that gives the design's client area.
    QSize designSize() const;

    // Builds the controls, resets the counters and shows the window
    // maximised with its first exercise drawn.
    void load();
    // Takes the controls away and hides the window; the record stays.
    void unload();

    // Where the clock reads the time; the system clock unless replaced.
    void setTimeSource(TimeSource source);
    void setCalculator(CalculatorLauncher launcher);

public slots:
    void cmdNext_Click();
    void new_Click();
    void calc_Click();
    void Timer1_Timer();
    // "Risultati": shows the results panel, or closes it when shown.
    void results_Click();
    void startReview();

protected:
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void Form_Activate();
    void Form_Resize();
    void txtAnswer_KeyPress();
    void titleClock(QTime now);
    void showMessage(const QString &text);
    bool isMinimisedOrMaximised() const;
    void countForResults(bool right);
    void showReview(const QString &text);
    void closeResults();
    void placeResults();

    WindowProfile m_profile;
    RandomSource &m_random;
    ExerciseState m_state;
    ExerciseControls m_controls;
    ExerciseMenus m_menus;
    Artwork::IconCache m_icons;
    std::unique_ptr<Drill> m_drill; // what is asked, and how it is shown and checked
    CalculatorLauncher m_calculator;
    TimeSource m_now;
    GameResults m_results;
    QPointer<ResultsPanel> m_panel;
    QPointer<QWidget> m_focusBeforeResults;
    QLabel *m_reviewLine = nullptr; // "Ripasso: ancora N" in the status bar
};
