// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Drill.h"
#include "ExerciseControls.h"
#include "FormulaPanel.h"
#include "ResultsPanel.h"
#include "printing/ResultsPrint.h"
#include "speech/Speaker.h"
#include "common/ExerciseState.h"
#include "definitions/WindowProfile.h"
#include "frame/CalculatorLauncher.h"
#include "frame/GameResults.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QPointer>
#include <QTime>
#include <functional>

class ClassRegister;
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
    using SpeakerSource = std::function<std::unique_ptr<Speaker>()>;

    ExerciseWindow(WindowProfile profile, RandomSource &random, QWidget *parent = nullptr);
    ~ExerciseWindow() override;

    const WindowProfile &profile() const { return m_profile; }
    const ExerciseState &state() const { return m_state; }
    const ExerciseControls &controls() const { return m_controls; }
    const GameResults &results() const { return m_results; }
    const Drill &drill() const { return *m_drill; }
    ResultsPanel *resultsPanel() const { return qobject_cast<ResultsPanel *>(m_panel); }
    FormulaPanel *formulaPanel() const { return qobject_cast<FormulaPanel *>(m_panel); }
    const ExerciseMenus &menus() const { return m_menus; }
    QLabel *speechLine() const { return m_speechLine; } // none before the first reading
    QLabel *reviewLine() const { return m_reviewLine; } // none before the first review
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
    // Where the voice comes from, the first time "Leggi" is asked; the
    // system's engine unless replaced.
    void setSpeakerSource(SpeakerSource source);
    // Where every answer is recorded while a pupil is; none: nowhere.
    void setClassRegister(ClassRegister *classRegister);
    // "Registro: Maria Rossi, 3B", made once a pupil is recorded.
    QLabel *registerLine() const { return m_registerLine; }
    // The game's results as the printed page gives them.
    GameReport report() const;
    // What "Leggi" reads now: the sheet when it is open, else the exercise,
    // and after an answer its verdict and worked solution.
    QString textToRead() const;

signals:
    // The pupil closed the window (in a web page, the choice window comes back).
    void closed();

public slots:
    void cmdNext_Click();
    void new_Click();
    void calc_Click();
    void Timer1_Timer();
    // "Risultati": shows the results panel, or closes it when shown.
    void results_Click();
    // "Formulario": shows the formula sheet, or closes it when shown.
    void formulas_Click();
    // "Leggi": reads aloud from the beginning.
    void read_Click();
    void stopReading();
    void startReview();
    // "Stampa i risultati…": the pupil's name, then a PDF or the printer.
    void printResults();

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
    void showPanel(Panel *panel, QWidget *focus);
    void closePanel();
    void placePanel();
    void showSpeech(Speaker::State state);
    void showRegister();
    void recordAnswer(const QString &answer, bool right);

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
    QElapsedTimer m_gameClock; // the minutes on the printed results
    QPointer<Panel> m_panel; // results or formulas, one at a time
    QPointer<QWidget> m_focusBeforePanel;
    SpeakerSource m_makeSpeaker;
    std::unique_ptr<Speaker> m_speaker; // made on the first "Leggi"
    QAction *m_stopReading = nullptr;   // Esc while reading
    QLabel *m_speechLine = nullptr;     // "Lettura in corso…" in the status bar, made at the first reading
    QLabel *m_reviewLine = nullptr; // "Ripasso: ancora N" in the status bar
    QPointer<ClassRegister> m_register;
    QLabel *m_registerLine = nullptr;
    QElapsedTimer m_asked; // since the item on screen was shown
};
