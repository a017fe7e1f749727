// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "design/AnswerBox.h"
#include "frame/AnswerKeys.h"
#include "window/ExerciseWindow.h"
#include "frame/FrameTexts.h"
#include "common/RandomSource.h"
#include "definitions/ExerciseProfiles.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <vector>
#include <QTest>
#include <memory>

// A hundred thousand random keys, clicks and menu commands across the three
// exercise windows, checking after each step what the pupil would see.
class MonkeyTest : public QObject
{
    Q_OBJECT
private slots:
    void randomPupil();

private:
    struct Window
    {
        std::unique_ptr<ExerciseWindow> window;
        bool answered = false; // a check has run since the last draw
        qint16 right = 0, wrong = 0;
    };
    void step(Window &w, QRandomGenerator &dice);
    void checkInvariants(Window &w);
};

void MonkeyTest::randomPupil()
{
    const int steps = qEnvironmentVariableIntValue("TRAMOLO_MONKEY_STEPS") > 0
        ? qEnvironmentVariableIntValue("TRAMOLO_MONKEY_STEPS")
        : 100000;
    const quint32 seed = QRandomGenerator::global()->generate();
    qInfo("monkey seed %u (TRAMOLO_MONKEY_SEED repeats a run)", seed);
    QRandomGenerator dice(qEnvironmentVariableIsSet("TRAMOLO_MONKEY_SEED")
                              ? quint32(qEnvironmentVariableIntValue("TRAMOLO_MONKEY_SEED"))
                              : seed);

    RandomSource random;
    const QList<ProfileSource> profiles = ExerciseProfiles::all();
    std::vector<Window> windows(profiles.size());
    for (int i = 0; i < int(windows.size()); ++i) {
        windows[i].window = std::make_unique<ExerciseWindow>(profiles[i](), random);
        // A stand-in that starts and ends at once.
        windows[i].window->setCalculator(CalculatorLauncher({{QStringLiteral("true"), {}}}));
    }

    Window *current = &windows[0];
    current->window->load();
    for (int i = 0; i < steps; ++i) {
        if (dice.bounded(2000) == 0) {
            // The pupil closes this window and another one is opened.
            current->window->close();
            current = &windows[dice.bounded(int(windows.size()))];
            current->window->load();
            current->answered = false;
            current->right = current->wrong = 0;
        }
        step(*current, dice);
        checkInvariants(*current);
        if (QTest::currentTestFailed()) {
            qWarning("failed at step %d", i);
            return;
        }
    }
}

void MonkeyTest::step(Window &w, QRandomGenerator &dice)
{
    const ExerciseControls &c = w.window->controls();
    const int roll = int(dice.bounded(1000));
    if (roll < 550) {
        // A key in the answer box: mostly digits, commas and Enter.
        static const char typed[] = "0123456789,,\r\r\r\b.-ax ";
        const char ch = typed[dice.bounded(int(sizeof typed) - 1)];
        const bool enter = ch == '\r';
        const bool wasAnswered = w.answered;
        const QString before = c.txtAnswer->text();
        if (enter)
            QTest::keyClick(c.txtAnswer, Qt::Key_Return);
        else if (ch == '\b')
            QTest::keyClick(c.txtAnswer, Qt::Key_Backspace);
        else
            QTest::keyClick(c.txtAnswer, ch);
        if (enter) {
            const QString text = before.isEmpty() ? QStringLiteral("0") : before;
            const bool readable = c.lblMessage->text() != FrameTexts::notANumber();
            QVERIFY2(readable || text.count(u',') > 1 || text == u",",
                     qPrintable(QStringLiteral("\"%1\" was refused").arg(text)));
            w.answered = wasAnswered || readable;
            if (readable) {
                const bool right = c.lblMessage->text() == w.window->profile().rightVerdict;
                (right ? w.right : w.wrong) += 1;
            }
        }
    } else if (roll < 700) {
        // Enter or a click on the button, whether or not it is enabled.
        const bool enabled = c.cmdNext->isEnabled();
        if (dice.bounded(2))
            QTest::mouseClick(c.cmdNext, Qt::LeftButton);
        else
            QTest::keyClick(c.cmdNext, Qt::Key_Return);
        if (enabled)
            w.answered = false;
    } else if (roll < 900) {
        // A click anywhere on the window: labels, pictures, the unit box.
        const QPoint at(int(dice.bounded(std::max(1, w.window->width()))),
                        int(dice.bounded(std::max(1, w.window->height()))));
        QWidget *target = w.window->childAt(at);
        // The menu commands are rolled for on their own, below.
        const bool onMenus = target && w.window->menuWidget()->isAncestorOf(target);
        if (target && target != c.cmdNext && target != w.window->menuWidget() && !onMenus) {
            QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->mapFrom(w.window.get(), at));
            if (target == c.txtAnswer)
                c.txtAnswer->setFocus();
        }
    } else if (roll < 990) {
        QTest::keyClick(c.txtAnswer, Qt::Key(Qt::Key_Left + int(dice.bounded(4))));
    } else if (roll < 998) {
        w.window->findChild<QAction *>(QStringLiteral("new"))->trigger();
        w.answered = false;
        w.right = w.wrong = 0;
    } else {
        w.window->findChild<QAction *>(QStringLiteral("calc"))->trigger();
    }
}

void MonkeyTest::checkInvariants(Window &w)
{
    const ExerciseState &s = w.window->state();
    const ExerciseControls &c = w.window->controls();
    QVERIFY(w.window->isVisible());
    // Counters count every readable answer, never wrap, and the labels agree.
    QCOMPARE(s.intRight, w.right);
    QCOMPARE(s.intWrong, w.wrong);
    QVERIFY(s.intRight >= 0 && s.intWrong >= 0);
    QCOMPARE(c.lblScore->text().toInt(), int(s.intRight));
    QCOMPARE(c.lblScore1->text().toInt(), int(s.intWrong));
    QCOMPARE(c.lblScore2->text().toInt(), s.intRight + s.intWrong);
    // Either waiting for an answer or answered, as the life cycle says.
    QCOMPARE(c.cmdNext->isEnabled(), w.answered);
    if (!w.answered) {
        QVERIFY(c.lblMessage->text().isEmpty() || c.lblMessage->text() == FrameTexts::notANumber());
    }
    QVERIFY(AnswerKeys::isTypeable(c.txtAnswer->text()));
    QVERIFY(c.txtAnswer->text().size() <= w.window->profile().answerLength);
}

QTEST_MAIN(MonkeyTest)
#include "tst_monkey.moc"
