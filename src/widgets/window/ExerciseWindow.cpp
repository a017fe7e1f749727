// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExerciseWindow.h"

#include "ResultsPanel.h"
#include "common/ClockTexts.h"
#include "design/AnswerBox.h"
#include "design/DigitPad.h"
#include "design/PictureBox.h"
#include "design/Twips.h"
#include "frame/AnswerCheck.h"
#include "common/Pronunciation.h"
#include "frame/FrameTexts.h"
#include "web/WebPage.h"
#include "register/ClassRegister.h"
#include "registerwindows/RegisterTexts.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QLabel>
#include <QMessageBox>
#include <QPalette>
#include <QPushButton>
#include <QStatusBar>
#include <QTextBrowser>
#include <QTimer>
#include <utility>

ExerciseWindow::ExerciseWindow(WindowProfile profile, RandomSource &random, QWidget *parent)
    : QMainWindow(parent)
    , m_profile(std::move(profile))
    , m_random(random)
    , m_drill(makeDrill(m_profile, m_icons))
    , m_now([] { return QTime::currentTime(); })
    , m_results(m_drill->kindCount())
    , m_makeSpeaker(makeSystemSpeaker)
{
    setObjectName(m_profile.windowName);
    m_menus = buildExerciseMenus(*this, m_profile);
    buildExerciseStatusBar(*this, m_profile, m_icons);
    connect(m_menus.newGame, &QAction::triggered, this, &ExerciseWindow::new_Click);
    connect(m_menus.calculator, &QAction::triggered, this, &ExerciseWindow::calc_Click);
    connect(m_menus.results, &QAction::triggered, this, &ExerciseWindow::results_Click);
    connect(m_menus.formulas, &QAction::triggered, this, &ExerciseWindow::formulas_Click);
    connect(m_menus.read, &QAction::triggered, this, &ExerciseWindow::read_Click);
    // Esc stops a reading before it closes a panel: the shortcut is there
    // only while the voice speaks.
    m_stopReading = new QAction(this);
    m_stopReading->setShortcut(QKeySequence(Qt::Key_Escape));
    m_stopReading->setEnabled(false);
    addAction(m_stopReading);
    connect(m_stopReading, &QAction::triggered, this, &ExerciseWindow::stopReading);
}

ExerciseWindow::~ExerciseWindow() = default;

QSize ExerciseWindow::designSize() const
{
    const QSize client = m_profile.clientArea / TwipsPerPixel;
    return QSize(client.width(), client.height() + menuWidget()->sizeHint().height()
                                     + statusBar()->sizeHint().height());
}

void ExerciseWindow::setTimeSource(TimeSource source)
{
    m_now = std::move(source);
}

void ExerciseWindow::setCalculator(CalculatorLauncher launcher)
{
    m_calculator = std::move(launcher);
}

void ExerciseWindow::setSpeakerSource(SpeakerSource source)
{
    m_makeSpeaker = std::move(source);
}

void ExerciseWindow::setClassRegister(ClassRegister *classRegister)
{
    if (m_register)
        disconnect(m_register, nullptr, this, nullptr);
    m_register = classRegister;
    if (m_register)
        connect(m_register, &ClassRegister::reachabilityChanged, this, &ExerciseWindow::showRegister);
}

// Made only while a pupil is recorded: without a register the status bar
// stays as it was.
void ExerciseWindow::showRegister()
{
    if (!m_register || !m_register->isRecording()) {
        if (m_registerLine)
            m_registerLine->hide();
        return;
    }
    if (!m_registerLine) {
        m_registerLine = new QLabel(statusBar());
        m_registerLine->setObjectName(QStringLiteral("lblRegister"));
        m_registerLine->setAccessibleDescription(RegisterTexts::registerName());
        // Its text never sets the window's least width: openbox was seen to
        // restore a maximised window whose least width grew as it was shown.
        m_registerLine->setMinimumWidth(1);
        statusBar()->addPermanentWidget(m_registerLine);
    }
    m_registerLine->setText(m_register->isReachable()
                                ? RegisterTexts::recording(m_register->pupil(), m_register->schoolClass())
                                : RegisterTexts::spooling());
    m_registerLine->show();
}

void ExerciseWindow::recordAnswer(const QString &answer, bool right)
{
    if (!m_register || !m_register->isRecording())
        return;
    const Drill::Asked asked = m_drill->asked();
    m_register->record({m_profile.registerName, asked.kind, asked.question, answer, right,
                        int(m_asked.isValid() ? m_asked.elapsed() / 1000 : 0)});
}

void ExerciseWindow::load()
{
    if (isLoaded())
        return;
    showRegister();
    m_controls = buildExerciseControls(*this, m_profile, m_icons);
    connect(m_controls.cmdNext, &QPushButton::clicked, this, &ExerciseWindow::cmdNext_Click);
    connect(m_controls.txtAnswer, &AnswerBox::answerEntered, this, &ExerciseWindow::txtAnswer_KeyPress);
    connect(m_controls.Timer1, &QTimer::timeout, this, &ExerciseWindow::Timer1_Timer);
    // Goes with the controls it serves when they are taken down.
    if (DigitPad::wanted())
        new DigitPad(m_controls.txtAnswer);
    setWindowTitle(m_profile.designTitle);
    Form_Load();

    // A window shown again after being hidden comes back restored under most
    // window managers unless its state is set anew. Maximised, not shown
    // plainly: a page would show it full-screen, without the title bar whose
    // close box leads back to the choice window.
    showMaximized();
    Form_Resize();
    activateWindow();
    raise();
    // The window becomes active once each time it is shown, and that is when
    // it draws. Qt activates it again when a message box closes or the pupil
    // comes back from the calculator, and on some platforms not at all after
    // a hide and show, so the draw follows the showing, not Qt's event.
    Form_Activate();
}

void ExerciseWindow::unload()
{
    if (!isLoaded())
        return;
    stopReading();
    removeExerciseControls(*this, m_controls);
    hide();
}

void ExerciseWindow::Form_Load()
{
    m_state.intRight = 0;
    m_state.intWrong = 0;
    m_results.clear();
    m_gameClock.start();
    // A new game starts with a new item, never with the rest of the last one.
    m_drill->abandon();
    showReview(QString());
    m_controls.Timer1->start();
}

void ExerciseWindow::Form_Activate()
{
    cmdNext_Click();
}

void ExerciseWindow::cmdNext_Click()
{
    if (!isLoaded())
        return;
    stopReading();
    ExerciseControls &c = m_controls;
    c.txtAnswer->setText(QString());
    c.lblMessage->setText(QString());
    c.lblSolution->setText(QString());
    // The question is magenta from the first draw on; its design is black.
    QPalette magenta = c.Label5->palette();
    magenta.setColor(QPalette::WindowText, QColor(255, 0, 255));
    c.Label5->setPalette(magenta);
    m_drill->next(m_state, m_random, m_results.reviewKinds(), c);
    c.cmdNext->setEnabled(false);
    c.txtAnswer->setFocus(Qt::OtherFocusReason);
    m_asked.start();
    // "Ripasso finito" is said once: the next draw clears it.
    showReview(m_results.isReviewing() ? FrameTexts::reviewLeft(int(m_results.reviewKinds().size())) : QString());
}

void ExerciseWindow::txtAnswer_KeyPress()
{
    ExerciseControls &c = m_controls;
    const AnswerCheck::Result result = m_drill->check(m_state, c.txtAnswer->text(), m_profile.rightVerdict);

    if (c.txtAnswer->text() != result.answerText)
        c.txtAnswer->setText(result.answerText);
    // A label tells assistive technology when its text changes; the worked
    // solution is set after the verdict, so that it is heard after it.
    if (result.verdict)
        c.lblMessage->setText(*result.verdict);
    c.lblSolution->setText(result.outcome == AnswerCheck::Outcome::Wrong ? m_drill->afterWrongAnswer(m_state)
                                                                          : QString());
    if (result.wrongScore)
        c.lblScore1->setText(*result.wrongScore);
    if (result.rightScore)
        c.lblScore->setText(*result.rightScore);
    if (result.totalScore)
        c.lblScore2->setText(*result.totalScore);
    if (result.nextEnabled) {
        c.cmdNext->setEnabled(true);
        c.cmdNext->setFocus(Qt::OtherFocusReason);
    }
    if (result.outcome == AnswerCheck::Outcome::Right || result.outcome == AnswerCheck::Outcome::Wrong) {
        m_drill->showAnswered(c);
        recordAnswer(result.answerText, result.outcome == AnswerCheck::Outcome::Right);
        countForResults(result.outcome == AnswerCheck::Outcome::Right);
    }
}

void ExerciseWindow::countForResults(bool right)
{
    WebPage::markAnswered();
    switch (m_drill->count(m_results, right)) {
    case GameResults::Review::None: break;
    case GameResults::Review::Going: showReview(FrameTexts::reviewLeft(int(m_results.reviewKinds().size()))); break;
    case GameResults::Review::Finished: showReview(FrameTexts::reviewFinished()); break;
    }
}

void ExerciseWindow::showReview(const QString &text)
{
    // Empty until the first review, the line is made then. QLabel::clear()
    // lays the status bar out anew even on an empty line; the line is
    // written only when its text changes, not at every draw.
    if (!m_reviewLine) {
        if (text.isEmpty())
            return;
        m_reviewLine = new QLabel(statusBar());
        m_reviewLine->setObjectName(QStringLiteral("lblReview"));
        m_reviewLine->setAccessibleDescription(FrameTexts::reviewName());
        statusBar()->addPermanentWidget(m_reviewLine);
    }
    if (m_reviewLine->text() != text)
        m_reviewLine->setText(text);
}

void ExerciseWindow::results_Click()
{
    if (!isLoaded())
        return;
    if (resultsPanel()) {
        closePanel();
        return;
    }
    auto *panel = new ResultsPanel(report(), centralWidget());
    connect(panel, &ResultsPanel::reviewAsked, this, &ExerciseWindow::startReview);
    connect(panel, &ResultsPanel::printAsked, this, &ExerciseWindow::printResults);
    showPanel(panel, panel->rows());
}

void ExerciseWindow::formulas_Click()
{
    if (!isLoaded())
        return;
    if (formulaPanel()) {
        closePanel();
        return;
    }
    auto *panel = new FormulaPanel(m_drill->formulaSheets(), centralWidget());
    showPanel(panel, panel->sheet());
}

// One panel at a time: the one shown goes, and gives the focus back, first.
void ExerciseWindow::showPanel(Panel *panel, QWidget *focus)
{
    closePanel();
    m_focusBeforePanel = QApplication::focusWidget();
    m_panel = panel;
    connect(panel, &Panel::closeAsked, this, &ExerciseWindow::closePanel);
    placePanel();
    panel->show();
    panel->raise();
    focus->setFocus(Qt::OtherFocusReason);
}

// Over the figure and the given-data line, out to the teacher's right edge
// (or the figure's, where there is no teacher), down to the score captions;
// it follows the design as the window scales, its text at the size of the
// figure's measures or of the worked solution.
void ExerciseWindow::placePanel()
{
    const ExerciseControls &c = m_controls;
    const int left = c.lblsl ? std::min(c.lblMessage->x(), c.lblsl->x()) : c.lblMessage->x();
    const int right = (c.Picture3 ? c.Picture3 : static_cast<QWidget *>(c.Image4))->geometry().right();
    m_panel->setGeometry(QRect(QPoint(left, c.Image4->y()), QPoint(right, c.Label6->y() - 4)));
    m_panel->setFont((c.Lbla ? c.Lbla : c.lblSolution)->font());
}

void ExerciseWindow::closePanel()
{
    if (!m_panel)
        return;
    m_panel->hide();
    m_panel->deleteLater();
    m_panel = nullptr;
    if (m_focusBeforePanel)
        m_focusBeforePanel->setFocus(Qt::OtherFocusReason);
}

QString ExerciseWindow::textToRead() const
{
    if (const FormulaPanel *sheet = formulaPanel())
        return sheet->plainText();
    QStringList parts{m_drill->textToRead()};
    for (const QLabel *answered : {m_controls.lblMessage, m_controls.lblSolution}) {
        if (answered && !answered->text().isEmpty())
            parts << answered->text();
    }
    return parts.join(u'\n');
}

void ExerciseWindow::read_Click()
{
    if (!isLoaded())
        return;
    if (!m_speaker) {
        m_speaker = m_makeSpeaker();
        connect(m_speaker.get(), &Speaker::stateChanged, this, &ExerciseWindow::showSpeech);
    }
    if (m_speaker->state() == Speaker::State::Unavailable) {
        showSpeech(Speaker::State::Unavailable);
        return;
    }
    // Each line a sentence, so that the voice pauses where the eye does.
    QStringList sentences;
    for (const QString &line : textToRead().split(u'\n', Qt::SkipEmptyParts)) {
        const QString said = Pronunciation::spoken(line);
        sentences << (said.endsWith(u'.') || said.endsWith(u':') ? said : said + u'.');
    }
    m_speaker->say(sentences.join(u' '));
}

void ExerciseWindow::stopReading()
{
    if (m_speaker)
        m_speaker->stop();
}

void ExerciseWindow::showSpeech(Speaker::State state)
{
    m_stopReading->setEnabled(state == Speaker::State::Speaking);
    // Empty until the first reading, the line is made then: the first paint
    // of a window nobody has asked to read has no use for it.
    if (!m_speechLine) {
        m_speechLine = new QLabel(statusBar());
        m_speechLine->setObjectName(QStringLiteral("lblSpeech"));
        m_speechLine->setAccessibleDescription(FrameTexts::speechName());
        statusBar()->addPermanentWidget(m_speechLine);
    }
    switch (state) {
    case Speaker::State::Speaking: m_speechLine->setText(FrameTexts::reading()); break;
    case Speaker::State::Ready: m_speechLine->setText(QString()); break;
    case Speaker::State::Unavailable:
        m_menus.read->setEnabled(false);
        m_speechLine->setText(FrameTexts::noSpeech());
        break;
    }
}

void ExerciseWindow::startReview()
{
    closePanel();
    if (m_results.startReview()) {
        m_drill->abandon();
        cmdNext_Click();
    }
}

GameReport ExerciseWindow::report() const
{
    GameReport r;
    r.window = m_profile.descriptiveTitle;
    r.now = QDateTime::currentDateTime();
    r.minutes = int(m_gameClock.elapsed() / 60000);
    int right = 0;
    int wrong = 0;
    for (const GameResults::Row &row : m_results.asked()) {
        r.rows << FrameTexts::resultsRow(m_drill->kindName(row.kind), row.right, row.wrong);
        right += row.right;
        wrong += row.wrong;
    }
    r.total = FrameTexts::resultsTotal(right, wrong);
    for (int kind : m_results.missed())
        r.missed << m_drill->kindName(kind);
    return r;
}

void ExerciseWindow::printResults()
{
    auto *dialog = new ResultsPrintDialog(report(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    if (m_register && m_register->isRecording())
        dialog->pupil()->setText(m_register->pupil());
    dialog->open();
}

void ExerciseWindow::new_Click()
{
    // The window is taken down and built anew from its design, but never
    // unmapped: a window manager that handles the unmapping after the new
    // mapping (a loaded machine is enough) forgets the maximised state asked
    // for with it, and the new game came back restored.
    if (!isLoaded())
        return;
    removeExerciseControls(*this, m_controls);
    load();
}

void ExerciseWindow::calc_Click()
{
    if (!m_calculator.start())
        showMessage(FrameTexts::noCalculator());
}

void ExerciseWindow::showMessage(const QString &text)
{
    auto *box = new QMessageBox(QMessageBox::Information, FrameTexts::messageBoxTitle(), text,
                                QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("message"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

bool ExerciseWindow::isMinimisedOrMaximised() const
{
    return windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen);
}

void ExerciseWindow::Form_Resize()
{
    if (!isLoaded())
        return;
    if (isMinimisedOrMaximised())
        setWindowTitle(m_profile.descriptiveTitle);
    else
        titleClock(m_now());
}

void ExerciseWindow::titleClock(QTime now)
{
    setWindowTitle(ClockTexts::titleTime(now));
}

void ExerciseWindow::Timer1_Timer()
{
    if (!isLoaded())
        return;
    // One reading of the clock, formatted once, serves the whole tick.
    const QTime now = m_now();
    const QString label = ClockTexts::labelTime(now);
    if (label == m_controls.lblTime->text())
        return;
    if (isMinimisedOrMaximised()) {
        m_controls.lblTime->setText(label);
        return;
    }
    const std::optional<QTime> shown = ClockTexts::readTitleTime(windowTitle());
    if (!shown)
        return;
    if (shown->minute() != now.minute())
        titleClock(now);
}

void ExerciseWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        Form_Resize();
}

void ExerciseWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    if (m_panel)
        placePanel();
    Form_Resize();
}

void ExerciseWindow::closeEvent(QCloseEvent *event)
{
    // The close box unloads without a question; Qt hides the window, and the
    // program ends when no other window is open.
    stopReading();
    removeExerciseControls(*this, m_controls);
    emit closed();
    event->accept();
}
