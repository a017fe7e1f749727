#include "ExerciseControls.h"

#include "exercise/AnswerBox.h"
#include "exercise/FrameTexts.h"
#include "exercise/WindowProfile.h"

#include <QGridLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

namespace {

QLabel *label(QWidget *parent, const QString &name, const QString &text = QString())
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

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

ExerciseControls buildExerciseControls(QMainWindow &window, const WindowProfile &profile)
{
    ExerciseControls c;
    auto *area = new QWidget(&window);
    area->setObjectName(QStringLiteral("clientArea"));
    auto *grid = new QGridLayout(area);

    c.Label5 = label(area, QStringLiteral("Label5"));
    c.Label4 = label(area, QStringLiteral("Label4"), QStringLiteral("="));
    c.txtAnswer = new AnswerBox(area);
    c.txtAnswer->setObjectName(QStringLiteral("txtAnswer"));
    c.txtAnswer->setText(QStringLiteral("0"));
    c.txtAnswer->setAccessibleName(FrameTexts::answerName());
    c.txtAnswer->setToolTip(QStringLiteral("Inserisci il risultato e  premi il tasto  Invio"));
    c.Text1 = label(area, QStringLiteral("Text1"), QStringLiteral("cm"));
    grid->addWidget(c.Label5, 0, 0, 1, 2);
    grid->addWidget(c.Label4, 0, 2);
    grid->addWidget(c.txtAnswer, 0, 3);
    grid->addWidget(c.Text1, 0, 4);

    c.Label5->setAccessibleDescription(QStringLiteral("Domanda"));
    c.lblMessage = label(area, QStringLiteral("lblMessage"));
    c.lblMessage->setAccessibleDescription(QStringLiteral("Esito"));
    grid->addWidget(c.lblMessage, 1, 0, 1, 3);
    c.lblTime = label(area, QStringLiteral("lblTime"));
    c.lblTime->setToolTip(QStringLiteral("Clicca sotto di me per attivare il Timer"));
    c.Image1 = label(area, QStringLiteral("Image1"));
    c.Image1->setToolTip(QStringLiteral("Clicca sotto di me per impostare il Timer"));
    grid->addWidget(c.lblTime, 1, 3);
    grid->addWidget(c.Image1, 1, 4);

    c.Image4 = label(area, QStringLiteral("Image4"));
    c.Lblalt = label(area, QStringLiteral("Lblalt"));
    c.Lbla = label(area, QStringLiteral("Lbla"));
    c.lblb = label(area, QStringLiteral("lblb"));
    c.Lblalt->setAccessibleDescription(QStringLiteral("Altezza"));
    c.Lbla->setAccessibleDescription(QStringLiteral("Larghezza"));
    c.lblb->setAccessibleDescription(QStringLiteral("Profondità"));
    for (int i = 0; i < 3; ++i)
        c.Label2[i] = label(area, QStringLiteral("Label2(%1)").arg(i), QStringLiteral("cm"));
    grid->addWidget(c.Image4, 2, 0, 3, 1);
    grid->addWidget(c.Lblalt, 2, 1);
    grid->addWidget(c.Label2[0], 2, 2);
    grid->addWidget(c.lblb, 3, 1);
    grid->addWidget(c.Label2[2], 3, 2);
    grid->addWidget(c.Lbla, 4, 1);
    grid->addWidget(c.Label2[1], 4, 2);
    if (profile.figure == WindowProfile::Figure::Prism) {
        c.lblc = label(area, QStringLiteral("lblc"), QStringLiteral("Label10"));
        c.Label7 = label(area, QStringLiteral("Label7"), QStringLiteral("h"));
        grid->addWidget(c.Label7, 2, 3);
        grid->addWidget(c.lblc, 5, 4);
    }
    c.Picture3 = label(area, QStringLiteral("Picture3"));
    grid->addWidget(c.Picture3, 2, 3, 3, 2);

    c.lblsl = label(area, QStringLiteral("lblsl"), QStringLiteral("Sl"));
    c.lblsl->setAccessibleDescription(QStringLiteral("Dato"));
    grid->addWidget(c.lblsl, 5, 0, 1, 5);

    c.Label6 = label(area, QStringLiteral("Label6"), QStringLiteral("Risposte esatte"));
    c.Label1 = label(area, QStringLiteral("Label1"), QStringLiteral("Risposte errate"));
    c.Label3 = label(area, QStringLiteral("Label3"), QStringLiteral("Risposte totali"));
    const QString scoreTip = QStringLiteral("Questo è il tuo punteggio. Forza con il  record");
    c.lblScore = label(area, QStringLiteral("lblScore"), QStringLiteral("0"));
    c.lblScore1 = label(area, QStringLiteral("lblScore1"), QStringLiteral("0"));
    c.lblScore2 = label(area, QStringLiteral("lblScore2"), QStringLiteral("0"));
    QLabel *captions[] = {c.Label6, c.Label1, c.Label3};
    QLabel *scores[] = {c.lblScore, c.lblScore1, c.lblScore2};
    for (int i = 0; i < 3; ++i) {
        scores[i]->setToolTip(scoreTip);
        scores[i]->setAccessibleDescription(captions[i]->text());
        grid->addWidget(captions[i], 6, i);
        grid->addWidget(scores[i], 7, i);
    }

    c.cmdNext = new QPushButton(QStringLiteral("&Nuovo calcolo"), area);
    c.cmdNext->setObjectName(QStringLiteral("cmdNext"));
    // A push button outside a dialog ignores Enter unless it is auto-default.
    c.cmdNext->setAutoDefault(true);
    c.cmdNext->setEnabled(false);
    grid->addWidget(c.cmdNext, 8, 0);

    // Controls of the design that nobody sees or writes.
    c.Lblpro1 = label(area, QStringLiteral("Lblpro1"));
    c.lblNum1 = label(area, QStringLiteral("lblNum1"));
    c.lblNum2 = label(area, QStringLiteral("lblNum2"));
    for (QLabel *hidden : {c.Lblpro1, c.lblNum1, c.lblNum2})
        hidden->hide();

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
    for (const QString &panel : profile.statusPanels)
        status->addWidget(new QLabel(panel, status));
    window.setStatusBar(status);
}
