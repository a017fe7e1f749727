// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EventLoop.h"
#include "FakeRandom.h"
#include "shell/Application.h"
#include "design/AnswerBox.h"
#include "frame/AnswerCheck.h"
#include "frame/FrameTexts.h"
#include "window/ExerciseWindow.h"
#include "exercises/ExerciseSet.h"
#include "common/NumberFormat.h"
#include "definitions/ExerciseProfiles.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

namespace {

// The text a pupil would type for a value: the comma, no thousands.
QString typedFor(float value)
{
    QString text = NumberFormat::format(value, u"###.#");
    if (text.endsWith(u','))
        text.chop(1);
    return text;
}

QMessageBox *openMessageBox()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *box = qobject_cast<QMessageBox *>(w); box && box->isVisible())
            return box;
    }
    return nullptr;
}

} // namespace

class ExerciseWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void showingDrawsAnExercise();
    void returningToTheWindowDrawsNothing();
    void keyFilter_data();
    void keyFilter();
    void pasteAndDropLetInOnlyTypeableText_data();
    void pasteAndDropLetInOnlyTypeableText();
    void rightAnswerThenNextByKey_data();
    void rightAnswerThenNextByKey();
    void wrongAnswerShowsExpected();
    void enterOnEmptyBoxChecksZero();
    void unreadableAnswerCountsNothing();
    void newGameRestartsScoresAndKeepsKind();
    void calculatorStartsDetachedAndLeavesWindowAlone();
    void missingCalculatorIsSaidClearly();
    void closingEndsTheProgram();
    void rightVerdictOfEachWindow_data();
    void rightVerdictOfEachWindow();
    void windowsKeepTheirOwnRecords();
    void contextMenusSpeakItalian_data();
    void contextMenusSpeakItalian();

private:
    void answer(const QString &typed);

    std::unique_ptr<FakeRandom> m_random;
    std::unique_ptr<ExerciseWindow> m_window;
    ExerciseControls c() const { return m_window->controls(); }
};

void ExerciseWindowTest::initTestCase()
{
    installToolkitTranslation(*QCoreApplication::instance());
}

void ExerciseWindowTest::init()
{
    m_random = std::make_unique<FakeRandom>();
    m_window = std::make_unique<ExerciseWindow>(ExerciseProfiles::cube(), *m_random);
    m_window->load();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void ExerciseWindowTest::cleanup()
{
    if (QMessageBox *box = openMessageBox())
        box->close();
    m_window.reset();
    m_random.reset();
}

void ExerciseWindowTest::answer(const QString &typed)
{
    QTest::keyClicks(c().txtAnswer, typed);
    QTest::keyClick(c().txtAnswer, Qt::Key_Return);
}

void ExerciseWindowTest::showingDrawsAnExercise()
{
    QCOMPARE(m_random->calls.first(), QStringLiteral("seed 0"));
    QCOMPARE(m_random->calls.count(QStringLiteral("seed 0")), 1);
    const ExerciseState &s = m_window->state();
    QVERIFY(s.intMode >= 1 && s.intMode <= 9);
    QVERIFY(m_window->isMaximized());
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Ripassiamo le formule del cubo"));
    QCOMPARE(c().txtAnswer->text(), QString());
    QCOMPARE(c().lblMessage->text(), QString());
    QVERIFY(!c().cmdNext->isEnabled());
    QCOMPARE(QApplication::focusWidget(), c().txtAnswer);
    QVERIFY(!c().Label5->text().isEmpty());
    QCOMPARE(c().Label5->palette().color(QPalette::WindowText), QColor(255, 0, 255));
    QCOMPARE(c().lblsl->isVisibleTo(m_window.get()), s.intMode >= 5);
    QCOMPARE(c().Lbla->text() == QStringLiteral("X"), s.intMode >= 5);
    for (int i = 0; i < 3; ++i)
        QVERIFY(c().Label2[i]->isVisibleTo(m_window.get()));
    QVERIFY(!c().Lblpro1->isVisibleTo(m_window.get()));
}

void ExerciseWindowTest::returningToTheWindowDrawsNothing()
{
    const qsizetype drawn = m_random->calls.size();

    // Back from a message box.
    auto *box = new QMessageBox(QMessageBox::Information, QString(), QStringLiteral("io"),
                                QMessageBox::Ok, m_window.get());
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
    QVERIFY(QTest::qWaitForWindowActive(box));
    box->accept();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));

    // Back from another program: the window is deactivated and activated again.
    QEvent leave(QEvent::WindowDeactivate);
    QApplication::sendEvent(m_window.get(), &leave);
    QEvent back(QEvent::WindowActivate);
    QApplication::sendEvent(m_window.get(), &back);

    QCOMPARE(m_random->calls.size(), drawn);
}

void ExerciseWindowTest::keyFilter_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("digits and comma") << "12,5" << "12,5";
    QTest::newRow("letters dropped") << "1a2b" << "12";
    QTest::newRow("full stop, minus, blank dropped") << "3.5- 1" << "351";
    QTest::newRow("at most five") << "1234567" << "12345";
    QTest::newRow("signs dropped") << "+7/2*" << "72";
}

void ExerciseWindowTest::keyFilter()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QTest::keyClicks(c().txtAnswer, typed);
    QCOMPARE(c().txtAnswer->text(), shown);
}

void ExerciseWindowTest::pasteAndDropLetInOnlyTypeableText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("digits get in") << "45" << "45";
    QTest::newRow("letters keep out") << "4a5" << "";
    QTest::newRow("newline keeps out") << "45\n" << "";
    QTest::newRow("too long is cut to five") << "1234567" << "12345";
}

void ExerciseWindowTest::pasteAndDropLetInOnlyTypeableText()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    AnswerBox *box = c().txtAnswer;

    QApplication::clipboard()->setText(text);
    box->paste();
    QCOMPARE(box->text(), shown);

    // The paste shortcut is dropped whatever the clipboard holds.
    box->clear();
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(box->text(), QString());

    QMimeData data;
    data.setText(text);
    const QPointF at = box->rect().center();
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box, &enter);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box, &drop);
    QCOMPARE(box->text(), shown);
}

void ExerciseWindowTest::rightAnswerThenNextByKey_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifier");
    QTest::newRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier);
    QTest::newRow("space bar") << int(Qt::Key_Space) << int(Qt::NoModifier);
}

void ExerciseWindowTest::rightAnswerThenNextByKey()
{
    QFETCH(int, key);
    QFETCH(int, modifier);

    answer(typedFor(m_window->state().sngExpected));
    QCOMPARE(c().lblMessage->text(), QStringLiteral("Esatto. Ok!!!"));
    QCOMPARE(c().lblSolution->text(), QString());
    QCOMPARE(c().lblScore->text(), QStringLiteral("1"));
    QCOMPARE(c().lblScore1->text(), QStringLiteral("0"));
    QCOMPARE(c().lblScore2->text(), QStringLiteral("1"));
    QVERIFY(c().cmdNext->isEnabled());
    QCOMPARE(QApplication::focusWidget(), c().cmdNext);

    const qsizetype before = m_random->calls.size();
    // Through the window, as the platform delivers keys to the focused control.
    QTest::keyClick(m_window->windowHandle(), Qt::Key(key), Qt::KeyboardModifiers(modifier));
    QVERIFY(m_random->calls.size() > before);
    QCOMPARE(c().txtAnswer->text(), QString());
    QCOMPARE(c().lblMessage->text(), QString());
    QVERIFY(!c().cmdNext->isEnabled());
    QCOMPARE(QApplication::focusWidget(), c().txtAnswer);
    QCOMPARE(c().lblScore->text(), QStringLiteral("1")); // scores stay with the game
}

void ExerciseWindowTest::wrongAnswerShowsExpected()
{
    const float expected = m_window->state().sngExpected;
    answer(typedFor(expected + 1));
    QCOMPARE(c().lblMessage->text(), AnswerCheck::wrongVerdict(expected));
    QVERIFY(c().lblMessage->text().startsWith(QStringLiteral("Sbagliato!! ")));
    QCOMPARE(c().lblScore->text(), QStringLiteral("0"));
    QCOMPARE(c().lblScore1->text(), QStringLiteral("1"));
    QCOMPARE(c().lblScore2->text(), QStringLiteral("1"));
    // The worked solution ends with the right value and its unit.
    const QString value = AnswerCheck::wrongVerdict(expected).mid(FrameTexts::wrongPrefix().size());
    QVERIFY2(c().lblSolution->text().contains(QStringLiteral(" %1 c").arg(value)),
             qPrintable(c().lblSolution->text()));

    // Back in the box, Enter counts the same answer again.
    c().txtAnswer->setFocus();
    QTest::keyClick(c().txtAnswer, Qt::Key_Return);
    QCOMPARE(c().lblScore1->text(), QStringLiteral("2"));
    QCOMPARE(c().lblScore2->text(), QStringLiteral("2"));
}

void ExerciseWindowTest::enterOnEmptyBoxChecksZero()
{
    QTest::keyClick(c().txtAnswer, Qt::Key_Return);
    QCOMPARE(c().txtAnswer->text(), QStringLiteral("0"));
    QCOMPARE(m_window->state().sngAnswer, 0.0f);
    QCOMPARE(c().lblScore1->text(), QStringLiteral("1"));
}

void ExerciseWindowTest::unreadableAnswerCountsNothing()
{
    answer(QStringLiteral("1,,2"));
    QCOMPARE(c().lblMessage->text(), FrameTexts::notANumber());
    QCOMPARE(m_window->state().intRight + m_window->state().intWrong, 0);
    QCOMPARE(c().lblScore2->text(), QStringLiteral("0"));
    QVERIFY(!c().cmdNext->isEnabled());
    QCOMPARE(QApplication::focusWidget(), c().txtAnswer);
}

void ExerciseWindowTest::newGameRestartsScoresAndKeepsKind()
{
    answer(typedFor(m_window->state().sngExpected));
    c().txtAnswer->setFocus();
    answer(QStringLiteral("9999"));
    QCOMPARE(c().lblScore2->text(), QStringLiteral("2"));

    const qint16 kind = m_window->state().intMode;
    m_random->calls.clear();
    // The program must not end between taking the window down and showing it.
    QTimer::singleShot(0, m_window.get(), [this] {
        m_window->findChild<QAction *>(QStringLiteral("new"))->trigger();
    });
    QCOMPARE(runEventLoop(), StillRunning);
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));

    QCOMPARE(m_random->calls.first(), QStringLiteral("seed %1").arg(kind));
    QCOMPARE(m_window->state().intRight, qint16(0));
    QCOMPARE(m_window->state().intWrong, qint16(0));
    for (QLabel *score : {c().lblScore, c().lblScore1, c().lblScore2})
        QCOMPARE(score->text(), QStringLiteral("0"));
    QCOMPARE(c().lblMessage->text(), QString());
    QVERIFY(!c().cmdNext->isEnabled());
    QVERIFY(m_window->isVisible());
    QVERIFY(m_window->isMaximized());
    QCOMPARE(m_window->findChildren<AnswerBox *>().size(), 1);

    answer(typedFor(m_window->state().sngExpected));
    QCOMPARE(c().lblScore2->text(), QStringLiteral("1"));
}

void ExerciseWindowTest::calculatorStartsDetachedAndLeavesWindowAlone()
{
#ifdef Q_OS_WIN
    QSKIP("The stand-in calculator here is a shell script; on Windows the walk under Wine "
          "starts a stand-in calc.exe.");
#endif
    QTemporaryDir dir;
    const QString program = dir.filePath(QStringLiteral("calcolatrice-di-prova"));
    QFile script(program);
    QVERIFY(script.open(QIODevice::WriteOnly));
    // Writes its arguments, then stays open like a real calculator.
    script.write("#!/bin/sh\necho \"$@\" > \"$0.started\"\nsleep 30 &\necho $! > \"$0.pid\"\nwait\n"
                 "touch \"$0.ended\" 2>/dev/null\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", dir.path().toLocal8Bit() + ':' + path);
    m_window->setCalculator(CalculatorLauncher({{QStringLiteral("calcolatrice-di-prova"),
                                                 {QStringLiteral("-iconic")}}}));

    QTest::keyClicks(c().txtAnswer, QStringLiteral("12"));
    const ExerciseState before = m_window->state();
    m_window->findChild<QAction *>(QStringLiteral("calc"))->trigger();
    qputenv("PATH", path);

    // Not waited for: the call is back while the calculator is still open.
    QVERIFY(!QFile::exists(program + QStringLiteral(".ended")));
    // A process's start on a loaded machine, under a sanitizer, may take
    // far longer than Qt Test's five seconds: the pid written is the state.
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(program + QStringLiteral(".pid")).size() > 0, 60000);
    QFile started(program + QStringLiteral(".started"));
    QVERIFY(started.open(QIODevice::ReadOnly));
    QCOMPARE(started.readAll().trimmed(), QByteArray("-iconic"));
    QFile pid(program + QStringLiteral(".pid"));
    QVERIFY(pid.open(QIODevice::ReadOnly));
    QProcess::execute(QStringLiteral("kill"), {QString::fromLatin1(pid.readAll().trimmed())});

    QVERIFY(!openMessageBox());
    QCOMPARE(m_window->state().intMode, before.intMode);
    QCOMPARE(m_window->state().sngExpected, before.sngExpected);
    QCOMPARE(c().txtAnswer->text(), QStringLiteral("12"));
    QVERIFY(!c().cmdNext->isEnabled());
}

void ExerciseWindowTest::missingCalculatorIsSaidClearly()
{
    m_window->setCalculator(CalculatorLauncher({{QStringLiteral("nessuna-calcolatrice-qui"), {}}}));
    const ExerciseState before = m_window->state();
    const qsizetype drawn = m_random->calls.size();
    m_window->findChild<QAction *>(QStringLiteral("calc"))->trigger();

    QMessageBox *box = openMessageBox();
    QVERIFY(box);
    QCOMPARE(box->text(), FrameTexts::noCalculator());
    box->accept();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QCOMPARE(m_random->calls.size(), drawn);
    QCOMPARE(m_window->state().sngExpected, before.sngExpected);
}

void ExerciseWindowTest::closingEndsTheProgram()
{
    // Qt ends the program only from a running event loop: run one.
    QTimer::singleShot(0, m_window.get(), [this] { m_window->close(); });
    QCOMPARE(runEventLoop(), 0);
    QVERIFY(!m_window->isLoaded());
    QVERIFY(!m_window->isVisible());
}

void ExerciseWindowTest::rightVerdictOfEachWindow_data()
{
    QTest::addColumn<int>("profile");
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<QString>("name");
    QTest::newRow("cubi") << 0 << "Esatto. Ok!!!" << "cubi";
    QTest::newRow("Tavolas") << 1 << "Esatto. Ok!!" << "Tavolas";
    QTest::newRow("Tavola") << 2 << "Esatto, è incredibile!!!" << "Tavola";
    QTest::newRow("Piramide") << 3 << "Esatto, bravo!!!" << "Piramide";
    QTest::newRow("Cilindro") << 4 << "Esatto. Ottimo!!!" << "Cilindro";
    QTest::newRow("Cono") << 5 << "Esatto, perfetto!!!" << "Cono";
    QTest::newRow("Sfera") << 6 << "Esatto. Grande!!!" << "Sfera";
}

void ExerciseWindowTest::rightVerdictOfEachWindow()
{
    QFETCH(int, profile);
    QFETCH(QString, verdict);
    QFETCH(QString, name);
    m_window = std::make_unique<ExerciseWindow>(ExerciseProfiles::all().at(profile)(), *m_random);
    m_window->load();
    QCOMPARE(m_window->objectName(), name);
    const int kinds = m_window->profile().exercises->kindCount;
    QVERIFY(m_window->state().intMode >= 1 && m_window->state().intMode <= kinds);

    answer(typedFor(m_window->state().sngExpected));
    QCOMPARE(c().lblMessage->text(), verdict);
    c().txtAnswer->setFocus();
    answer(typedFor(m_window->state().sngExpected + 2));
    QCOMPARE(c().lblMessage->text(),
             AnswerCheck::wrongVerdict(m_window->state().sngExpected, m_window->state().blnTimesPi));
    QCOMPARE(c().lblScore2->text(), QStringLiteral("2"));
    QVERIFY(!c().lblSolution->text().isEmpty());

    // Corrected and checked again: the solution goes; the next exercise starts clean.
    c().txtAnswer->setFocus();
    c().txtAnswer->clear();
    answer(typedFor(m_window->state().sngExpected));
    QCOMPARE(c().lblSolution->text(), QString());
    answer(QStringLiteral("0"));
    m_window->cmdNext_Click();
    QCOMPARE(c().lblSolution->text(), QString());
}

void ExerciseWindowTest::windowsKeepTheirOwnRecords()
{
    ExerciseWindow box(ExerciseProfiles::box(), *m_random);
    ExerciseWindow prism(ExerciseProfiles::prism(), *m_random);
    box.load();
    const ExerciseState boxAfterFirst = box.state();
    QCOMPARE(prism.state().intMode, qint16(0));

    // The prism window's first draw seeds with its own kind, 0, whatever
    // the box window drew before it.
    m_random->calls.clear();
    prism.load();
    QCOMPARE(m_random->calls.first(), QStringLiteral("seed 0"));
    QCOMPARE(box.state().intMode, boxAfterFirst.intMode);
    QCOMPARE(box.state().intNumA, boxAfterFirst.intNumA);
    QCOMPARE(box.state().sngExpected, boxAfterFirst.sngExpected);

    const ExerciseState prismBefore = prism.state();
    box.cmdNext_Click();
    QCOMPARE(prism.state().intMode, prismBefore.intMode);
    QCOMPARE(prism.state().intNumA, prismBefore.intNumA);
    QCOMPARE(prism.state().intNumB, prismBefore.intNumB);
    QCOMPARE(prism.state().sngExpected, prismBefore.sngExpected);

    // Nor does a game in one window touch the other's scores.
    QTest::keyClick(prism.controls().txtAnswer, Qt::Key_Return);
    QCOMPARE(prism.state().intWrong + prism.state().intRight, 1);
    QCOMPARE(box.state().intWrong + box.state().intRight, 0);
}

void ExerciseWindowTest::contextMenusSpeakItalian_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QKeySequence>("firstKeys");
    QTest::newRow("answer") << QStringLiteral("txtAnswer")
                            << QStringList({"Annulla", "Rifai", "Taglia", "Copia", "Incolla",
                                            "Elimina", "Seleziona tutto"})
                            << QKeySequence(QKeySequence::Undo);
    // The unit is read-only: only what reads it is offered.
    QTest::newRow("unit") << QStringLiteral("Text1") << QStringList({"Copia", "Seleziona tutto"})
                          << QKeySequence(QKeySequence::Copy);
}

// Qt builds these menus itself and leaves its popups out of the
// accessibility tree, so only here can their words be read.
void ExerciseWindowTest::contextMenusSpeakItalian()
{
    QFETCH(QString, box);
    QFETCH(QStringList, expected);
    QFETCH(QKeySequence, firstKeys);
    auto *edit = m_window->findChild<QLineEdit *>(box);
    QVERIFY(edit);
    std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
    QStringList entries;
    QString shownKeys;
    for (QAction *action : menu->actions()) {
        if (action->isSeparator())
            continue;
        const QStringList parts = action->text().remove(u'&').split(u'\t');
        entries << parts.first();
        if (entries.size() == 1 && parts.size() > 1)
            shownKeys = parts.last();
    }
    QCOMPARE(entries, expected);
    QCOMPARE(shownKeys, firstKeys.toString(QKeySequence::NativeText));
}

QTEST_MAIN(ExerciseWindowTest)
#include "tst_exercisewindow.moc"
