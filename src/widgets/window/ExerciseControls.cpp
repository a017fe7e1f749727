// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExerciseControls.h"

#include "definitions/WindowProfile.h"
#include "design/AnswerBox.h"
#include "design/DesignCanvas.h"
#include "design/PictureBox.h"
#include "frame/FrameTexts.h"

#include <QCursor>
#include <QLineEdit>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

namespace {

void addCredits(QWidget *menuOwner, const QList<CreditEntry> &credits)
{
    for (const CreditEntry &credit : credits) {
        if (credit.entries.isEmpty()) {
            auto *action = new QAction(credit.text, menuOwner);
            action->setObjectName(credit.name);
            menuOwner->addAction(action);
            continue;
        }
        auto *menu = new QMenu(credit.text, menuOwner);
        menu->setObjectName(credit.name);
        addCredits(menu, credit.entries);
        menuOwner->addAction(menu->menuAction());
    }
}

template <typename T>
void bind(T *&member, QWidget *control)
{
    member = qobject_cast<T *>(control);
    Q_ASSERT_X(member, "bind", qPrintable(control->objectName()));
}

// The frame knows its controls by what they do, not by their names.
void bind(ExerciseControls &c, Design::Role role, QWidget *control)
{
    using R = Design::Role;
    switch (role) {
    case R::None: break;
    case R::Verdict: bind(c.lblMessage, control); break;
    case R::EqualsSign: bind(c.Label4, control); break;
    case R::Answer: bind(c.txtAnswer, control); break;
    case R::AnswerUnit: bind(c.Text1, control); break;
    case R::Clock: bind(c.lblTime, control); break;
    case R::ClockPicture: bind(c.Image1, control); break;
    case R::Figure: bind(c.Image4, control); break;
    case R::Teacher: bind(c.Picture3, control); break;
    case R::HeightNumber: bind(c.lblNum1, control); break;
    case R::WidthNumber: bind(c.lblNum2, control); break;
    case R::HeightUnit: bind(c.Label2[0], control); break;
    case R::WidthUnit: bind(c.Label2[1], control); break;
    case R::DepthUnit: bind(c.Label2[2], control); break;
    case R::Width: bind(c.Lbla, control); break;
    case R::Depth: bind(c.lblb, control); break;
    case R::Height: bind(c.Lblalt, control); break;
    case R::Product: bind(c.Lblpro1, control); break;
    case R::Given: bind(c.lblsl, control); break;
    case R::Question: bind(c.Label5, control); break;
    case R::RightCaption: bind(c.Label6, control); break;
    case R::WrongCaption: bind(c.Label1, control); break;
    case R::TotalCaption: bind(c.Label3, control); break;
    case R::RightScore: bind(c.lblScore, control); break;
    case R::WrongScore: bind(c.lblScore1, control); break;
    case R::TotalScore: bind(c.lblScore2, control); break;
    case R::Next: bind(c.cmdNext, control); break;
    case R::Solution: bind(c.lblSolution, control); break;
    case R::FourthMeasure: bind(c.lblc, control); break;
    case R::FourthUnit: bind(c.Label2[3], control); break;
    case R::HeightLetter: bind(c.Label7, control); break;
    case R::PiHint: bind(c.lblPi, control); break;
    case R::ProblemKind: bind(c.lblKind, control); break;
    case R::ProblemText: bind(c.lblText, control); break;
    case R::Datum1: bind(c.lblData[0], control); break;
    case R::Datum2: bind(c.lblData[1], control); break;
    case R::Datum3: bind(c.lblData[2], control); break;
    case R::Datum4: bind(c.lblData[3], control); break;
    case R::Datum5: bind(c.lblData[4], control); break;
    case R::Datum6: bind(c.lblData[5], control); break;
    case R::QuestionList: bind(c.lblQuestions, control); break;
    }
}

} // namespace

ExerciseControls buildExerciseControls(QMainWindow &window, const WindowProfile &profile,
                                       Artwork::IconCache &icons)
{
    auto *area = new DesignCanvas(profile.clientArea, DesignCanvas::Mode::Scaled, &window);
    area->setObjectName(QStringLiteral("clientArea"));
    area->setAutoFillBackground(true);
    QPalette white = area->palette();
    white.setColor(QPalette::Window, Qt::white);
    area->setPalette(white);
    if (profile.cursor != Artwork::Picture::None)
        area->setCursor(QCursor(Artwork::pixmap(profile.cursor, QSize(32, 32), area->devicePixelRatioF()), 1, 1));

    ExerciseControls c;
    for (const Design::Control &row : profile.controls)
        bind(c, row.role, area->add(row, icons));
    c.txtAnswer->setAccessibleName(FrameTexts::answerName());
    c.txtAnswer->setMaxLength(profile.answerLength);
    // A push button outside a dialog ignores Enter unless it is auto-default.
    c.cmdNext->setAutoDefault(true);
    c.cmdNext->setEnabled(false);
    window.setCentralWidget(area);

    c.Timer1 = new QTimer(&window);
    c.Timer1->setObjectName(QStringLiteral("Timer1"));
    c.Timer1->setInterval(500);
    return c;
}

void removeExerciseControls(QMainWindow &window, ExerciseControls &controls)
{
    delete controls.Timer1;
    // An event of one of the controls may still be on its way out: let it
    // finish, but take the controls out of the window at once.
    if (QWidget *area = window.takeCentralWidget()) {
        area->hide();
        area->setParent(nullptr);
        area->deleteLater();
    }
    controls = ExerciseControls{};
}

ExerciseMenus buildExerciseMenus(QMainWindow &window, const WindowProfile &profile)
{
    ExerciseMenus m;
    auto *menus = new QMenuBar(&window);
    addCredits(menus, profile.creditsBefore);
    m.newGame = menus->addAction(QStringLiteral("Nuovo gioco"));
    m.newGame->setObjectName(QStringLiteral("new"));
    m.calculator = menus->addAction(QStringLiteral("Calcolatrice"));
    m.calculator->setObjectName(QStringLiteral("calc"));
    m.results = menus->addAction(FrameTexts::resultsMenu());
    m.results->setObjectName(QStringLiteral("results"));
    m.formulas = menus->addAction(FrameTexts::formulasMenu());
    m.formulas->setObjectName(QStringLiteral("formulas"));
    m.read = menus->addAction(FrameTexts::readMenu());
    m.read->setObjectName(QStringLiteral("read"));
    m.read->setShortcut(QKeySequence(Qt::Key_F5));
    addCredits(menus, profile.creditsAfter);
    window.setMenuBar(menus);
    return m;
}

void buildExerciseStatusBar(QMainWindow &window, const WindowProfile &profile, Artwork::IconCache &icons)
{
    auto *status = new QStatusBar(&window);
    status->setObjectName(QStringLiteral("StatusBar1"));
    status->setSizeGripEnabled(false);
    for (const QString &panel : profile.statusPanels) {
        auto *text = new QLabel(panel, status);
        text->setFrameShape(QFrame::StyledPanel);
        status->addWidget(text);
    }
    auto *teacher = new PictureBox(icons.document(Artwork::Picture::Teacher), status);
    teacher->setObjectName(QStringLiteral("teacherPanel"));
    teacher->setFixedSize(14, 22);
    status->addWidget(teacher);
    window.setStatusBar(status);
}
