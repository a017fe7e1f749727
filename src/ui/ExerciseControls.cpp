// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExerciseControls.h"

#include "exercise/AnswerBox.h"
#include "exercise/FrameTexts.h"
#include "exercise/WindowProfile.h"
#include "DesignCanvas.h"
#include "ExerciseDesign.h"
#include "PictureBox.h"

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

} // namespace

namespace {

QWidget *makeControl(const Design::Control &d, QWidget *parent, Artwork::IconCache &icons)
{
    QWidget *w = nullptr;
    QPalette palette = parent->palette();
    switch (d.kind) {
    case Design::Kind::Label: {
        auto *l = new QLabel(d.caption, parent);
        l->setAlignment(d.alignment | Qt::AlignVCenter);
        if (d.border)
            l->setFrameShape(QFrame::Box);
        if (d.fore)
            palette.setColor(QPalette::WindowText, *d.fore);
        if (d.back) {
            palette.setColor(QPalette::Window, *d.back);
            l->setAutoFillBackground(true);
        }
        w = l;
        break;
    }
    case Design::Kind::TextBox: {
        QLineEdit *box = d.name == u"txtAnswer" ? new AnswerBox(parent) : new QLineEdit(parent);
        box->setText(d.caption);
        box->setAlignment(d.alignment | Qt::AlignVCenter);
        if (d.name != u"txtAnswer") {
            // The unit beside the answer is there to be read, not typed in.
            box->setReadOnly(true);
            box->setFocusPolicy(Qt::NoFocus);
        }
        if (d.back)
            palette.setColor(QPalette::Base, *d.back);
        if (d.fore)
            palette.setColor(QPalette::Text, *d.fore);
        w = box;
        break;
    }
    case Design::Kind::Button: {
        auto *button = new QPushButton(d.caption, parent);
        if (d.picture) {
            button->setIcon(icons.icon(*d.picture));
            button->setIconSize(QSize(32, 32));
        }
        if (d.back)
            palette.setColor(QPalette::Button, *d.back);
        w = button;
        break;
    }
    case Design::Kind::Picture: {
        auto *picture = new PictureBox(*d.picture, parent);
        if (d.back)
            picture->setBackground(*d.back);
        w = picture;
        break;
    }
    case Design::Kind::Line:
        w = new LineStroke(parent);
        break;
    }
    w->setObjectName(d.name);
    w->setPalette(palette);
    if (!d.toolTip.isEmpty())
        w->setToolTip(d.toolTip);
    if (!d.description.isEmpty())
        w->setAccessibleDescription(d.description);
    w->setHidden(!d.visible);
    return w;
}

template <typename T>
T *named(QWidget *area, const QString &name)
{
    T *found = area->findChild<T *>(name, Qt::FindDirectChildrenOnly);
    Q_ASSERT_X(found, "buildExerciseControls", qPrintable(name));
    return found;
}

} // namespace

ExerciseControls buildExerciseControls(QMainWindow &window, const WindowProfile &profile,
                                       Artwork::IconCache &icons)
{
    auto *area = new DesignCanvas(ExerciseDesign::clientArea(profile.figure), &window);
    area->setObjectName(QStringLiteral("clientArea"));
    area->setAutoFillBackground(true);
    QPalette white = area->palette();
    white.setColor(QPalette::Window, Qt::white);
    area->setPalette(white);
    for (const Design::Control &design : ExerciseDesign::controls(profile.figure))
        area->place(makeControl(design, area, icons), design);
    if (const auto cursor = ExerciseDesign::cursor(profile.figure))
        area->setCursor(QCursor(Artwork::pixmap(*cursor, QSize(32, 32), area->devicePixelRatioF()), 1, 1));

    ExerciseControls c;
    c.lblMessage = named<QLabel>(area, QStringLiteral("lblMessage"));
    c.Label4 = named<QLabel>(area, QStringLiteral("Label4"));
    c.txtAnswer = named<AnswerBox>(area, QStringLiteral("txtAnswer"));
    c.txtAnswer->setAccessibleName(FrameTexts::answerName());
    c.Text1 = named<QLineEdit>(area, QStringLiteral("Text1"));
    c.lblTime = named<QLabel>(area, QStringLiteral("lblTime"));
    c.Image1 = named<PictureBox>(area, QStringLiteral("Image1"));
    c.Image4 = named<PictureBox>(area, QStringLiteral("Image4"));
    c.Picture3 = named<PictureBox>(area, QStringLiteral("Picture3"));
    c.lblNum1 = named<QLabel>(area, QStringLiteral("lblNum1"));
    c.lblNum2 = named<QLabel>(area, QStringLiteral("lblNum2"));
    for (int i = 0; i < 3; ++i)
        c.Label2[i] = named<QLabel>(area, QStringLiteral("Label2(%1)").arg(i));
    c.Lbla = named<QLabel>(area, QStringLiteral("Lbla"));
    c.lblb = named<QLabel>(area, QStringLiteral("lblb"));
    c.Lblalt = named<QLabel>(area, QStringLiteral("Lblalt"));
    c.Lblpro1 = named<QLabel>(area, QStringLiteral("Lblpro1"));
    c.lblsl = named<QLabel>(area, QStringLiteral("lblsl"));
    c.Label5 = named<QLabel>(area, QStringLiteral("Label5"));
    c.Label6 = named<QLabel>(area, QStringLiteral("Label6"));
    c.Label1 = named<QLabel>(area, QStringLiteral("Label1"));
    c.Label3 = named<QLabel>(area, QStringLiteral("Label3"));
    c.lblScore = named<QLabel>(area, QStringLiteral("lblScore"));
    c.lblScore1 = named<QLabel>(area, QStringLiteral("lblScore1"));
    c.lblScore2 = named<QLabel>(area, QStringLiteral("lblScore2"));
    c.cmdNext = named<QPushButton>(area, QStringLiteral("cmdNext"));
    c.lblSolution = named<QLabel>(area, QStringLiteral("lblSolution"));
    // A push button outside a dialog ignores Enter unless it is auto-default.
    c.cmdNext->setAutoDefault(true);
    c.cmdNext->setEnabled(false);
    if (profile.figure == WindowProfile::Figure::Prism) {
        c.lblc = named<QLabel>(area, QStringLiteral("lblc"));
        c.Label7 = named<QLabel>(area, QStringLiteral("Label7"));
    }
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
    addCredits(menus, profile.creditsAfter);
    window.setMenuBar(menus);
    return m;
}

void buildExerciseStatusBar(QMainWindow &window, const WindowProfile &profile)
{
    auto *status = new QStatusBar(&window);
    status->setObjectName(QStringLiteral("StatusBar1"));
    status->setSizeGripEnabled(false);
    for (const QString &panel : profile.statusPanels) {
        auto *text = new QLabel(panel, status);
        text->setFrameShape(QFrame::StyledPanel);
        status->addWidget(text);
    }
    auto *teacher = new PictureBox(Artwork::Picture::Teacher, status);
    teacher->setObjectName(QStringLiteral("teacherPanel"));
    teacher->setFixedSize(14, 22);
    status->addWidget(teacher);
    window.setStatusBar(status);
}
