// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakeRandom.h"
#include "definitions/ExerciseProfiles.h"
#include "design/AnswerBox.h"
#include "design/PictureBox.h"
#include "window/ExerciseWindow.h"
#include "window/ProblemDrill.h"
#include "common/ItalianNumber.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSet>
#include <QSvgRenderer>
#include <QTest>
#include <memory>

// The problems window as a pupil uses it, by the keyboard: each problem's
// questions answered in turn, right and wrong, the verdicts, the scores,
// the worked step, the list of questions and where the button leads.
class ProblemsWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void problemsAnsweredStepByStep();
    void newGameOrReviewStartsANewProblem_data();
    void newGameOrReviewStartsANewProblem();
    void resultsByKindOfProblem();
    void everyKindNamesAFigure();

private:
    const ProblemRun &run() const { return static_cast<const ProblemDrill &>(m_window->drill()).run(); }
    ExerciseControls c() const { return m_window->controls(); }
    void answer(const QString &typed);
    // The current question's value as typed: the factor where it has π.
    QString rightAnswer() const
    {
        const Value &v = run().question().value;
        return (v.hasPi() ? v.pi() : v.plain()).text();
    }

    std::unique_ptr<FakeRandom> m_random;
    std::unique_ptr<ExerciseWindow> m_window;
};

void ProblemsWindowTest::init()
{
    m_random = std::make_unique<FakeRandom>(20261209);
    m_window = std::make_unique<ExerciseWindow>(ExerciseProfiles::problems(), *m_random);
    m_window->load();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void ProblemsWindowTest::cleanup()
{
    m_window.reset();
}

void ProblemsWindowTest::answer(const QString &typed)
{
    QTest::keyClicks(c().txtAnswer, typed);
    QTest::keyClick(c().txtAnswer, Qt::Key_Return);
}

void ProblemsWindowTest::problemsAnsweredStepByStep()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Problemi di geometria solida"));
    int right = 0;
    int wrong = 0;
    for (int problem = 0; problem < 3; ++problem) {
        const Problem p = run().problem();
        QCOMPARE(c().lblKind->text(), p.title());
        QCOMPARE(c().lblText->text(), p.text());
        const QStringList data = p.dataLines();
        for (int i = 0; i < int(c().lblData.size()); ++i) {
            QCOMPARE(c().lblData[i]->isVisibleTo(m_window.get()), i < data.size());
            QCOMPARE(c().lblData[i]->text(), data.value(i));
        }
        QVERIFY(Artwork::named(QString::fromUtf16(p.row().figure)) != Artwork::Picture::None);
        QCOMPARE(c().Image4->picture(), Artwork::named(QString::fromUtf16(p.row().figure)));

        for (int i = 0; i < p.questions.size(); ++i) {
            const AskedQuestion &q = p.questions.at(i);
            QCOMPARE(c().Label5->text(), QStringLiteral("%1. %2").arg(i + 1).arg(q.text()));
            QCOMPARE(c().Text1->text(), q.unit());
            QCOMPARE(c().txtAnswer->text(), QString());
            QCOMPARE(QApplication::focusWidget(), c().txtAnswer);
            QVERIFY(c().lblQuestions->text().contains(QStringLiteral("► ") + c().Label5->text()));

            // Right and wrong in turn; with π, the factor and then its value with 3,14.
            const bool answerRight = (problem + i) % 2 == 0;
            // A value with a plain and a π part is answered with 3,14 alone.
            const Rational factor = q.value.isPiMultiple() ? q.value.pi() : q.value.withSchoolPi();
            QString typed = factor.text();
            if (answerRight && q.value.isPiMultiple() && i % 4 == 1)
                typed = ItalianNumber::fromHundredths(*factor.hundredths() * 314 / 100);
            if (!answerRight)
                typed = ItalianNumber::fromHundredths(*factor.hundredths() + 100);
            answer(typed);
            if (answerRight) {
                ++right;
                QCOMPARE(c().lblMessage->text(), QStringLiteral("Esatto!"));
                QCOMPARE(c().lblSolution->text(), QString());
            } else {
                ++wrong;
                QCOMPARE(c().lblMessage->text(), QStringLiteral("Sbagliato!! ") + q.valueText());
                QVERIFY2(c().lblSolution->text().endsWith(p.workedStep(i)), qPrintable(c().lblSolution->text()));
            }
            QCOMPARE(c().lblScore->text(), QString::number(right));
            QCOMPARE(c().lblScore1->text(), QString::number(wrong));
            QCOMPARE(c().lblScore2->text(), QString::number(right + wrong));
            QVERIFY(c().lblQuestions->text().contains(q.withSchoolPiOnly() ? q.valueWithUnit() : q.valueText() + u' ' + q.unit()));
            QVERIFY(c().cmdNext->isEnabled());
            QCOMPARE(QApplication::focusWidget(), c().cmdNext);
            const bool last = i == p.questions.size() - 1;
            QCOMPARE(c().cmdNext->text(), last ? QStringLiteral("&Nuovo problema") : QStringLiteral("&Avanti"));
            QTest::keyClick(c().cmdNext, Qt::Key_Return);
            QCOMPARE(c().lblMessage->text(), QString());
            QCOMPARE(c().lblSolution->text(), QString());
            QVERIFY(!c().cmdNext->isEnabled());
        }
        QVERIFY(run().startsProblem());
    }
}

// A new game, or a review, in the middle of a problem starts a new one,
// its kind, text and data shown on the controls built anew.
void ProblemsWindowTest::newGameOrReviewStartsANewProblem_data()
{
    QTest::addColumn<bool>("review");
    QTest::newRow("new game") << false;
    QTest::newRow("review") << true;
}

void ProblemsWindowTest::newGameOrReviewStartsANewProblem()
{
    QFETCH(bool, review);
    const int missed = m_window->state().intMode;
    if (review) {
        // A problem answered with one question wrong: its kind is missed.
        const qsizetype questions = run().problem().questions.size(); // the next problem may have more
        for (int i = 0; i < questions; ++i) {
            answer(i == 0 ? QStringLiteral("1") : rightAnswer());
            QTest::keyClick(c().cmdNext, Qt::Key_Return);
        }
    }
    answer(rightAnswer());
    QTest::keyClick(c().cmdNext, Qt::Key_Return);
    QCOMPARE(run().current(), 1);

    if (review) {
        m_window->results_Click();
        m_window->resultsPanel()->reviewButton()->click();
        QCOMPARE(m_window->state().intMode, missed);
    } else {
        m_window->findChild<QAction *>(QStringLiteral("new"))->trigger();
        QCOMPARE(c().lblScore2->text(), QStringLiteral("0"));
    }
    QVERIFY(run().startsProblem());
    QCOMPARE(c().Label5->text(), QStringLiteral("1. ") + run().question().text());
    QCOMPARE(c().lblKind->text(), run().problem().title());
    QCOMPARE(c().lblText->text(), run().problem().text());
    QCOMPARE(c().lblData[0]->text(), run().problem().dataLines().first());
}

void ProblemsWindowTest::resultsByKindOfProblem()
{
    const QString title = run().problem().title();
    answer(QStringLiteral("1"));
    m_window->results_Click();
    QListWidget *rows = m_window->resultsPanel()->rows();
    QCOMPARE(rows->count(), 1);
    QCOMPARE(rows->item(0)->text(), title + QStringLiteral(" — esatte 0, errate 1"));
    // Not missed yet: the problem has more questions to go.
    QVERIFY(!m_window->resultsPanel()->reviewButton()->isEnabled());
    m_window->results_Click();
    QCOMPARE(QApplication::focusWidget(), c().cmdNext);
}

// Each kind's row names a picture the program has, and no two kinds share one.
void ProblemsWindowTest::everyKindNamesAFigure()
{
    const ProblemSet &problems = *m_window->profile().problems;
    QSet<Artwork::Picture> seen;
    for (int k = 1; k <= problems.kindCount; ++k) {
        const QString name = QString::fromUtf16(problems.kind(k).figure);
        const Artwork::Picture picture = Artwork::named(name);
        QVERIFY2(picture != Artwork::Picture::None, qPrintable(name));
        QVERIFY2(!seen.contains(picture), qPrintable(name));
        seen << picture;
        QVERIFY2(Artwork::Document(picture).renderer().isValid(), qPrintable(name));
    }
}

QTEST_MAIN(ProblemsWindowTest)
#include "tst_problemswindow.moc"
