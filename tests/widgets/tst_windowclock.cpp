// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakeRandom.h"
#include "common/ClockTexts.h"
#include "window/ExerciseWindow.h"
#include "definitions/ExerciseProfiles.h"

#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <memory>

// The clock of an exercise window, driven by a time the test sets.
class WindowClockTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void timerTicksEveryHalfSecondWhileLoaded();
    void maximisedShowsTitleAndRunningLabel_data();
    void maximisedShowsTitleAndRunningLabel();
    void restoredTitleIsAClockRewrittenEachMinute();
    void minimisedAndMaximisedAgainShowTheTitle();
    void unreadableTitleChangesNothing();
    void clockRunsBehindAMessageBox();

private:
    void restore();
    QString title() const { return m_window->windowTitle(); }
    QLabel *lblTime() const { return m_window->controls().lblTime; }

    QTime m_now{10, 15, 20};
    FakeRandom m_random;
    std::unique_ptr<ExerciseWindow> m_window;
};

void WindowClockTest::init()
{
    m_now = QTime(10, 15, 20);
    m_window = std::make_unique<ExerciseWindow>(ExerciseProfiles::cube(), m_random);
    m_window->setTimeSource([this] { return m_now; });
    m_window->load();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void WindowClockTest::cleanup()
{
    m_window.reset();
}

void WindowClockTest::restore()
{
    m_window->setWindowState(Qt::WindowNoState);
    QTRY_VERIFY(!m_window->isMaximized());
}

void WindowClockTest::timerTicksEveryHalfSecondWhileLoaded()
{
    QTimer *timer = m_window->controls().Timer1;
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 500);
    QTRY_COMPARE(lblTime()->text(), QStringLiteral("10:15:20"));

    m_window->findChild<QAction *>(QStringLiteral("new"))->trigger();
    QVERIFY(m_window->controls().Timer1->isActive());
}

void WindowClockTest::maximisedShowsTitleAndRunningLabel_data()
{
    QTest::addColumn<int>("profile");
    QTest::addColumn<QString>("descriptive");
    QTest::newRow("cubi") << 0 << "Ripassiamo le formule del cubo";
    QTest::newRow("Tavolas") << 1 << "Giocare con i solidi";
    QTest::newRow("Tavola") << 2 << "Giocare con il Teorema di Pitagora";
    QTest::newRow("Piramide") << 3 << "Ripassiamo le formule della piramide";
    QTest::newRow("Cilindro") << 4 << "Ripassiamo le formule del cilindro";
    QTest::newRow("Cono") << 5 << "Ripassiamo le formule del cono";
    QTest::newRow("Sfera") << 6 << "Ripassiamo le formule della sfera";
}

void WindowClockTest::maximisedShowsTitleAndRunningLabel()
{
    QFETCH(int, profile);
    QFETCH(QString, descriptive);
    m_window = std::make_unique<ExerciseWindow>(ExerciseProfiles::all().at(profile)(), m_random);
    m_window->setTimeSource([this] { return m_now; });
    m_window->load();

    QCOMPARE(title(), descriptive);
    m_window->Timer1_Timer();
    QCOMPARE(lblTime()->text(), QStringLiteral("10:15:20"));
    m_now = m_now.addSecs(1);
    m_window->Timer1_Timer();
    QCOMPARE(lblTime()->text(), QStringLiteral("10:15:21"));
    QCOMPARE(title(), descriptive);
}

void WindowClockTest::restoredTitleIsAClockRewrittenEachMinute()
{
    m_window->Timer1_Timer();
    restore();
    QCOMPARE(title(), QStringLiteral("10:15 AM"));

    // Within the minute the title stays and the label is left frozen.
    m_now = QTime(10, 15, 59);
    m_window->Timer1_Timer();
    QCOMPARE(title(), QStringLiteral("10:15 AM"));
    QCOMPARE(lblTime()->text(), QStringLiteral("10:15:20"));

    m_now = QTime(10, 16, 0);
    m_window->Timer1_Timer();
    QCOMPARE(title(), QStringLiteral("10:16 AM"));
    QCOMPARE(lblTime()->text(), QStringLiteral("10:15:20"));

    m_now = QTime(12, 0, 0);
    m_window->Timer1_Timer();
    QCOMPARE(title(), QStringLiteral("12:00 PM"));
}

void WindowClockTest::minimisedAndMaximisedAgainShowTheTitle()
{
    restore();
    QCOMPARE(title(), QStringLiteral("10:15 AM"));

    m_window->setWindowState(Qt::WindowMinimized);
    QTRY_COMPARE(title(), QStringLiteral("Ripassiamo le formule del cubo"));
    m_now = QTime(10, 20, 5);
    m_window->Timer1_Timer();
    QCOMPARE(lblTime()->text(), QStringLiteral("10:20:05"));

    restore();
    m_window->setWindowState(Qt::WindowMaximized);
    QTRY_COMPARE(title(), QStringLiteral("Ripassiamo le formule del cubo"));
    m_now = QTime(10, 20, 6);
    m_window->Timer1_Timer();
    QCOMPARE(lblTime()->text(), QStringLiteral("10:20:06"));
}

void WindowClockTest::unreadableTitleChangesNothing()
{
    restore();
    m_window->setWindowTitle(QStringLiteral("non è un orario"));
    m_now = QTime(11, 0, 0);
    m_window->Timer1_Timer();
    QCOMPARE(title(), QStringLiteral("non è un orario"));
    QVERIFY(m_window->isVisible());
}

void WindowClockTest::clockRunsBehindAMessageBox()
{
    QMessageBox box(QMessageBox::Information, QString(), QStringLiteral("io"), QMessageBox::Ok,
                    m_window.get());
    box.open();
    m_now = QTime(10, 15, 40);
    // The real timer, not a direct call: it must keep running behind the box.
    QTRY_COMPARE(lblTime()->text(), QStringLiteral("10:15:40"));
    box.close();
}

QTEST_MAIN(WindowClockTest)
#include "tst_windowclock.moc"
