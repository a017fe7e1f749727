// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EventLoop.h"
#include "shell/ChoiceWindow.h"
#include "shell/Shell.h"
#include "shell/SplashWindow.h"
#include "design/AnswerBox.h"
#include "window/ExerciseWindow.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <memory>

namespace {

QWidgetList openWindows()
{
    QWidgetList open;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->windowType() != Qt::Popup)
            open << w;
    }
    return open;
}

} // namespace

class ShellTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void splashIsAFixedDialog();
    void splashKeys_data();
    void splashKeys();
    void splashClicks_data();
    void splashClicks();
    void oneWindowAtATimeToAnExerciseWindow_data();
    void oneWindowAtATimeToAnExerciseWindow();
    void tabAndEnterReachTheProblems();
    void closingTheSplashOrChoiceEndsTheProgram_data();
    void closingTheSplashOrChoiceEndsTheProgram();

private:
    void toChoice();
    std::unique_ptr<Shell> m_shell;
};

void ShellTest::init()
{
    m_shell = std::make_unique<Shell>([] { return qint64(1234); });
    m_shell->start();
    QVERIFY(QTest::qWaitForWindowExposed(m_shell->splash()));
}

void ShellTest::cleanup()
{
    m_shell.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void ShellTest::toChoice()
{
    QTest::keyClick(m_shell->splash()->findChild<QPushButton *>(), Qt::Key_A);
    QTRY_VERIFY(!m_shell->splash());
}

void ShellTest::splashIsAFixedDialog()
{
    SplashWindow *splash = m_shell->splash();
    const Qt::WindowFlags flags = splash->windowFlags();
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QCOMPARE(splash->minimumSize(), splash->maximumSize());
    QCOMPARE(splash->findChild<QLabel *>(QStringLiteral("Label1"))->text(),
             QStringLiteral(" PREMI IL TASTO ESC PER CONTINUARE"));
}

void ShellTest::splashKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("continues");
    QTest::newRow("Enter") << int(Qt::Key_Return) << true;
    QTest::newRow("Esc") << int(Qt::Key_Escape) << true;
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << true;
    QTest::newRow("space") << int(Qt::Key_Space) << true;
    QTest::newRow("letter") << int(Qt::Key_Q) << true;
    QTest::newRow("digit") << int(Qt::Key_7) << true;
    QTest::newRow("Shift") << int(Qt::Key_Shift) << false;
    QTest::newRow("arrow") << int(Qt::Key_Right) << false;
    QTest::newRow("function key") << int(Qt::Key_F5) << false;
    QTest::newRow("Delete") << int(Qt::Key_Delete) << false;
}

void ShellTest::splashKeys()
{
    QFETCH(int, key);
    QFETCH(bool, continues);
    SplashWindow *splash = m_shell->splash();
    QSignalSpy continued(splash, &SplashWindow::continued);
    auto *button = splash->findChild<QPushButton *>(QStringLiteral("Command3"));
    QSignalSpy clicked(button, &QPushButton::clicked);

    // The button has the focus, yet the window sees the key first.
    QCOMPARE(QApplication::focusWidget(), button);
    QTest::keyClick(button, Qt::Key(key));
    QCOMPARE(continued.count(), continues ? 1 : 0);
    QCOMPARE(clicked.count(), 0);
    if (continues) {
        QVERIFY(m_shell->choice()->isVisible());
        QTRY_VERIFY(!m_shell->splash());
    } else {
        QVERIFY(splash->isVisible());
        QVERIFY(!m_shell->choice());
    }
}

void ShellTest::splashClicks_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("continues");
    QTest::newRow("frame's bare area") << "Frame1" << true;
    QTest::newRow("title label") << "lblProductName" << false;
    QTest::newRow("instruction label") << "Label1" << false;
    QTest::newRow("picture button") << "Command3" << false;
}

void ShellTest::splashClicks()
{
    QFETCH(QString, target);
    QFETCH(bool, continues);
    SplashWindow *splash = m_shell->splash();
    QSignalSpy continued(splash, &SplashWindow::continued);
    auto *widget = splash->findChild<QWidget *>(target);
    QVERIFY(widget);
    // The frame's own pixels: its lower left corner, clear of every label.
    const QPoint at = target == u"Frame1" ? QPoint(4, widget->height() - 4) : widget->rect().center();
    QCOMPARE(widget->childAt(at), nullptr);
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, at);
    QCOMPARE(continued.count(), continues ? 1 : 0);
}

void ShellTest::oneWindowAtATimeToAnExerciseWindow_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("window");
    QTest::newRow("cube") << "Command3" << "cubi";
    QTest::newRow("box") << "cmdBox" << "Tavolas";
    QTest::newRow("prism") << "cmdPrism" << "Tavola";
    QTest::newRow("pyramid") << "cmdPyramid" << "Piramide";
    QTest::newRow("cylinder") << "cmdCylinder" << "Cilindro";
    QTest::newRow("cone") << "cmdCone" << "Cono";
    QTest::newRow("sphere") << "cmdSphere" << "Sfera";
    QTest::newRow("problems") << "cmdProblems" << "Problemi";
}

void ShellTest::oneWindowAtATimeToAnExerciseWindow()
{
    QFETCH(QString, button);
    QFETCH(QString, window);

    QCOMPARE(openWindows(), QWidgetList{m_shell->splash()});
    toChoice();
    ChoiceWindow *choice = m_shell->choice();
    QCOMPARE(openWindows(), QWidgetList{choice});
    QCOMPARE(choice->windowTitle(), QStringLiteral("Clicca per iniziare") + QString(26, u' '));

    QTest::mouseClick(choice->findChild<QPushButton *>(button), Qt::LeftButton);
    ExerciseWindow *exercise = m_shell->exerciseWindow(window);
    QVERIFY(exercise);
    QTRY_VERIFY(!m_shell->choice());
    QCOMPARE(openWindows(), QWidgetList{exercise});
    QCOMPARE(exercise->objectName(), window);
    QVERIFY(exercise->isMaximized());
    QVERIFY(exercise->state().intMode >= 1);
    QVERIFY(QTest::qWaitForWindowActive(exercise));
    QCOMPARE(QApplication::focusWidget(), exercise->controls().txtAnswer);
}

// The problems are the last of the choice window's buttons by Tab, and
// Enter opens them.
void ShellTest::tabAndEnterReachTheProblems()
{
    toChoice();
    ChoiceWindow *choice = m_shell->choice();
    QVERIFY(QTest::qWaitForWindowActive(choice));
    QStringList order{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 7; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(order, (QStringList{"Command3", "cmdBox", "cmdPrism", "cmdPyramid", "cmdCylinder", "cmdCone",
                                 "cmdSphere", "cmdProblems"}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_VERIFY(!m_shell->choice());
    QVERIFY(m_shell->exerciseWindow(QStringLiteral("Problemi")));
    QCOMPARE(openWindows(), QWidgetList{m_shell->exerciseWindow(QStringLiteral("Problemi"))});
}

void ShellTest::closingTheSplashOrChoiceEndsTheProgram_data()
{
    QTest::addColumn<bool>("atChoice");
    QTest::newRow("splash") << false;
    QTest::newRow("choice") << true;
}

void ShellTest::closingTheSplashOrChoiceEndsTheProgram()
{
    QFETCH(bool, atChoice);
    if (atChoice)
        toChoice();
    QWidget *window = atChoice ? static_cast<QWidget *>(m_shell->choice())
                               : static_cast<QWidget *>(m_shell->splash());
    QTimer::singleShot(0, window, [window] { window->close(); });
    QCOMPARE(runEventLoop(), 0);
    QVERIFY(openWindows().isEmpty());
}

QTEST_MAIN(ShellTest)
#include "tst_shell.moc"
