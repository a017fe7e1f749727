// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakeRandom.h"
#include "definitions/ExerciseProfiles.h"
#include "design/AnswerBox.h"
#include "design/DigitPad.h"
#include "frame/FrameTexts.h"
#include "modules/ModuleLoader.h"
#include "printing/PaperOutput.h"
#include "printing/PrintTexts.h"
#include "printing/WorksheetDialog.h"
#include "window/ExerciseWindow.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QSignalSpy>
#include <QTextBrowser>
#include <QToolButton>
#include <memory>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

// A voice that speaks until told to stop, or until the test ends its reading.
class FakeSpeaker : public Speaker
{
public:
    explicit FakeSpeaker(bool available)
    {
        if (!available)
            setState(State::Unavailable);
    }
    void say(const QString &text) override
    {
        said << text;
        setState(State::Speaking);
    }
    void stop() override
    {
        ++stops;
        if (state() == State::Speaking)
            setState(State::Ready);
    }
    void finish() { setState(State::Ready); }

    QStringList said;
    int stops = 0;
};

} // namespace

Q_DECLARE_METATYPE(ProfileSource)

// The compensatory tools of every exercise window: the formula sheet, one
// panel at a time with the results, and the reading aloud, made on the
// first "Leggi" and stopped by Esc or a new exercise.
class ToolsTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void sheetOpensOverTheExerciseAndCloses_data();
    void sheetOpensOverTheExerciseAndCloses();
    void oneToolPanelAtATime();
    void voiceIsMadeOnTheFirstReading();
    void readsTheExerciseThenTheAnswer();
    void firstEscStopsTheVoiceSecondClosesTheSheet();
    void newExerciseStopsTheVoice();
    void noVoiceDisablesTheEntry();
    void noVoiceFoundWhileStarting();
    void windowsVoiceUnderWine();
    void modulesAsBuilt();
    void touchKeysTypeAsTheKeysWould_data();
    void touchKeysTypeAsTheKeysWould();
    void touchKeysFollowTheAnswerBox();

private:
    void realSpeakerHasNoVoice(const WindowProfile &profile);
    void open(const WindowProfile &profile, bool voice = true);
    QAction *action(const char *name) const { return m_window->findChild<QAction *>(QLatin1String(name)); }
    QString statusLine() const { return m_window->speechLine() ? m_window->speechLine()->text() : QString(); }
    void pressEsc() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); }

    std::unique_ptr<FakeRandom> m_random;
    std::unique_ptr<ExerciseWindow> m_window;
    FakeSpeaker *m_voice = nullptr; // owned by the window once made
    int m_voicesMade = 0;
};

void ToolsTest::init()
{
    m_random = std::make_unique<FakeRandom>();
    m_voicesMade = 0;
    m_voice = nullptr;
}

void ToolsTest::cleanup()
{
    m_window.reset();
    m_random.reset();
}

void ToolsTest::open(const WindowProfile &profile, bool voice)
{
    m_window = std::make_unique<ExerciseWindow>(profile, *m_random);
    m_window->setSpeakerSource([this, voice] {
        ++m_voicesMade;
        auto speaker = std::make_unique<FakeSpeaker>(voice);
        m_voice = speaker.get();
        return speaker;
    });
    m_window->load();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void ToolsTest::sheetOpensOverTheExerciseAndCloses_data()
{
    QTest::addColumn<ProfileSource>("profile");
    QTest::addColumn<QStringList>("holds");
    QTest::newRow("cubi") << ProfileSource(ExerciseProfiles::cube) << QStringList{u"V = l³"_qs, u"l = ∛V"_qs, u"d = l·√3"_qs};
    QTest::newRow("Cilindro") << ProfileSource(ExerciseProfiles::cylinder)
                              << QStringList{u"V = π · r² · h"_qs, u"r = Sl : (2 · π · h)"_qs, u"π ≈ 3,14"_qs};
    QTest::newRow("Problemi") << ProfileSource(ExerciseProfiles::problems)
                              << QStringList{u"Formule inverse"_qs, u"Le parti a contatto non fanno parte della superficie totale."_qs};
}

void ToolsTest::sheetOpensOverTheExerciseAndCloses()
{
    QFETCH(ProfileSource, profile);
    QFETCH(QStringList, holds);
    open(profile());
    QTest::keyClicks(m_window->controls().txtAnswer, u"12"_qs);
    const QString question = m_window->controls().Label5->text();

    action("formulas")->trigger();
    FormulaPanel *panel = m_window->formulaPanel();
    QVERIFY(panel);
    QVERIFY(panel->isVisible());
    QCOMPARE(QApplication::focusWidget(), panel->sheet());
    const QString text = panel->sheet()->toPlainText();
    for (const QString &formula : holds)
        QVERIFY2(text.contains(formula), qPrintable(formula));
    QCOMPARE(panel->sheet()->accessibleName(), u"Formulario"_qs);

    pressEsc();
    QTRY_VERIFY(!m_window->formulaPanel());
    QCOMPARE(QApplication::focusWidget(), m_window->controls().txtAnswer);
    QCOMPARE(m_window->controls().txtAnswer->text(), u"12"_qs);
    QCOMPARE(m_window->controls().Label5->text(), question);

    // The entry again opens it, and once more closes it.
    action("formulas")->trigger();
    QVERIFY(m_window->formulaPanel());
    action("formulas")->trigger();
    QVERIFY(!m_window->formulaPanel());
}

void ToolsTest::oneToolPanelAtATime()
{
    open(ExerciseProfiles::box());
    action("formulas")->trigger();
    QPointer<FormulaPanel> sheet = m_window->formulaPanel();
    action("results")->trigger();
    QVERIFY(m_window->resultsPanel());
    QVERIFY(!m_window->formulaPanel());
    QTRY_VERIFY(!sheet);
    action("formulas")->trigger();
    QVERIFY(m_window->formulaPanel());
    QVERIFY(!m_window->resultsPanel());
    pressEsc();
    QTRY_VERIFY(!m_window->formulaPanel());
    // Back to where the pupil was before either panel.
    QCOMPARE(QApplication::focusWidget(), m_window->controls().txtAnswer);
}

void ToolsTest::voiceIsMadeOnTheFirstReading()
{
    open(ExerciseProfiles::cone());
    QCOMPARE(m_voicesMade, 0);
    QCOMPARE(action("read")->shortcut(), QKeySequence(Qt::Key_F5));
    QTest::keyClick(m_window->controls().txtAnswer, Qt::Key_F5);
    QCOMPARE(m_voicesMade, 1);
    QCOMPARE(statusLine(), u"Lettura in corso…"_qs);
    m_voice->finish();
    QCOMPARE(statusLine(), QString());
    // Again: from the beginning, with the same voice.
    QTest::keyClick(m_window->controls().txtAnswer, Qt::Key_F5);
    QCOMPARE(m_voicesMade, 1);
    QCOMPARE(m_voice->said.size(), 2);
    QCOMPARE(m_voice->said[0], m_voice->said[1]);
}

void ToolsTest::readsTheExerciseThenTheAnswer()
{
    open(ExerciseProfiles::cylinder());
    const QString question = m_window->controls().Label5->text();
    action("read")->trigger();
    const QString before = m_voice->said.last();
    QVERIFY2(before.startsWith(question + u'.'), qPrintable(before));
    QVERIFY2(before.contains(u"Dati: r uguale a"_qs), qPrintable(before));

    QTest::keyClicks(m_window->controls().txtAnswer, u"1"_qs);
    QTest::keyClick(m_window->controls().txtAnswer, Qt::Key_Return);
    action("read")->trigger();
    const QString after = m_voice->said.last();
    QVERIFY2(after.startsWith(before + u" Sbagliato!!"_qs), qPrintable(after));
    // The worked solution follows the verdict, spoken.
    QVERIFY2(after.contains(u"uguale a pi greco"_qs) || after.contains(u"diviso"_qs), qPrintable(after));

    // With the sheet open, the sheet is read.
    action("formulas")->trigger();
    action("read")->trigger();
    QVERIFY2(m_voice->said.last().startsWith(u"Cilindro. Formule dirette."_qs), qPrintable(m_voice->said.last()));
    QVERIFY(m_voice->said.last().contains(u"V uguale a pi greco per r al quadrato per h."_qs));
}

void ToolsTest::firstEscStopsTheVoiceSecondClosesTheSheet()
{
    open(ExerciseProfiles::sphere());
    action("formulas")->trigger();
    action("read")->trigger();
    QCOMPARE(statusLine(), u"Lettura in corso…"_qs);
    pressEsc();
    QCOMPARE(statusLine(), QString());
    QVERIFY(m_window->formulaPanel());
    pressEsc();
    QTRY_VERIFY(!m_window->formulaPanel());
    // Esc with nothing read and nothing open changes nothing.
    const int stops = m_voice->stops;
    pressEsc();
    QCOMPARE(m_voice->stops, stops);
}

void ToolsTest::newExerciseStopsTheVoice()
{
    open(ExerciseProfiles::pyramid());
    action("read")->trigger();
    QCOMPARE(statusLine(), u"Lettura in corso…"_qs);
    m_window->cmdNext_Click();
    QCOMPARE(m_voice->state(), Speaker::State::Ready);
    QCOMPARE(statusLine(), QString());
}

void ToolsTest::noVoiceDisablesTheEntry()
{
    open(ExerciseProfiles::prism(), false);
    QVERIFY(action("read")->isEnabled());
    const QString question = m_window->controls().Label5->text();
    action("read")->trigger();
    QVERIFY(!action("read")->isEnabled());
    QCOMPARE(statusLine(), u"Sintesi vocale non disponibile"_qs);
    QVERIFY(m_voice->said.isEmpty());
    // The window goes on as before.
    QCOMPARE(m_window->controls().Label5->text(), question);
    QCOMPARE(QApplication::focusWidget(), m_window->controls().txtAnswer);
}

// The engine made in its own thread tells only later that it has no voice:
// the reading asked meanwhile never starts, and the entry goes off then.
void ToolsTest::noVoiceFoundWhileStarting()
{
    open(ExerciseProfiles::sphere());
    action("read")->trigger();
    QVERIFY(action("read")->isEnabled());
    emit m_voice->stateChanged(Speaker::State::Unavailable);
    QVERIFY(!action("read")->isEnabled());
    QCOMPARE(statusLine(), u"Sintesi vocale non disponibile"_qs);
    // Esc is the panels' and the answer's again.
    action("formulas")->trigger();
    pressEsc();
    QTRY_VERIFY(!m_window->formulaPanel());
}

// The window with the program's own speaker: the first reading finds no
// voice, the entry goes off, and the window goes on.
void ToolsTest::realSpeakerHasNoVoice(const WindowProfile &profile)
{
    m_window = std::make_unique<ExerciseWindow>(profile, *m_random);
    m_window->load();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    action("read")->trigger();
    QVERIFY(!action("read")->isEnabled());
    QCOMPARE(statusLine(), u"Sintesi vocale non disponibile"_qs);
    QTest::keyClicks(m_window->controls().txtAnswer, u"8"_qs);
    QCOMPARE(m_window->controls().txtAnswer->text(), u"8"_qs);
}

// Windows' own speech API, as this build uses it: Wine has no Italian voice,
// so the entry ends up disabled and the window goes on.
void ToolsTest::windowsVoiceUnderWine()
{
#ifdef Q_OS_WIN
    if (!GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version"))
        QSKIP("a Windows may have an Italian voice");
    realSpeakerHasNoVoice(ExerciseProfiles::cube());
#else
    QSKIP("Windows' speech API");
#endif
}

// On Linux the tests run where no module lies beside them, as an
// installation missing its modules would: the real speaker is unavailable at once, the
// entry goes off on the first reading and the window goes on; "Stampa…" is
// disabled and says why, in every dialog that offers it.
void ToolsTest::modulesAsBuilt()
{
#ifdef Q_OS_WIN
    // Here the print module is linked in, as into the program: printing is
    // offered (the speech is Windows' own, tried under Wine above).
    QVERIFY(PaperOutput::canPrint());
    WorksheetDialog dialog({u"Cubi"_qs}, 77);
    const auto buttons = dialog.findChildren<QPushButton *>();
    QVERIFY(std::any_of(buttons.begin(), buttons.end(),
                        [](QPushButton *b) { return b->text() == PrintTexts::print() && b->isEnabled(); }));
#else
    for (const QString &folder : ModuleLoader::folders())
        QVERIFY2(!QFileInfo::exists(folder), qPrintable(folder));
    realSpeakerHasNoVoice(ExerciseProfiles::cylinder());
    if (QTest::currentTestFailed())
        return;

    QVERIFY(!PaperOutput::canPrint());
    WorksheetDialog dialog({u"Cubi"_qs}, 77);
    const auto buttons = dialog.findChildren<QPushButton *>();
    const auto print = std::find_if(buttons.begin(), buttons.end(),
                                    [](QPushButton *b) { return b->text() == PrintTexts::print(); });
    QVERIFY(print != buttons.end());
    QVERIFY(!(*print)->isEnabled());
    QCOMPARE((*print)->toolTip(), PrintTexts::printUnavailable());
    // Asked all the same, it says so instead of printing, and returns to
    // the dialog without a loop of its own.
    bool printed = false;
    PaperOutput::askAndPrint(&dialog, Pages(), u"Scheda"_qs, [&printed] { printed = true; });
    auto *box = dialog.findChild<QMessageBox *>();
    QVERIFY(box);
    QCOMPARE(box->text(), PrintTexts::printUnavailable());
    box->accept();
    QVERIFY(!printed);
#endif
}

namespace {

void tap(DigitPad &pad, const QString &name)
{
    for (QToolButton *key : pad.findChildren<QToolButton *>()) {
        if (key->accessibleName() == name) {
            key->click();
            return;
        }
    }
    QFAIL(qPrintable(u"no key "_qs + name));
}

} // namespace

void ToolsTest::touchKeysTypeAsTheKeysWould_data()
{
    QTest::addColumn<QStringList>("taps");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("entered");
    QTest::newRow("digits and the comma") << QStringList{"1", "2", "Virgola", "5"} << u"12,5"_qs << 0;
    QTest::newRow("Backspace takes back a digit") << QStringList{"7", "8", "Cancella", "9"} << u"79"_qs << 0;
    QTest::newRow("Invio asks for the check") << QStringList{"4", "Invio"} << u"4"_qs << 1;
    // The box's own rules hold: no more characters than it takes.
    QTest::newRow("as long as the box allows")
        << QStringList{"1", "2", "3", "4", "5", "6", "7"} << u"12345"_qs << 0;
}

void ToolsTest::touchKeysTypeAsTheKeysWould()
{
    QFETCH(QStringList, taps);
    QFETCH(QString, typed);
    QFETCH(int, entered);
    QWidget room;
    room.resize(600, 300);
    auto *answer = new AnswerBox(&room);
    answer->setGeometry(20, 20, 120, 30);
    DigitPad pad(answer);
    QSignalSpy asked(answer, &AnswerBox::answerEntered);
    for (const QString &name : taps)
        tap(pad, name);
    QCOMPARE(answer->text(), typed);
    QCOMPARE(asked.size(), entered);
    // The keys never take the focus from the box.
    for (QToolButton *key : pad.findChildren<QToolButton *>())
        QCOMPARE(key->focusPolicy(), Qt::NoFocus);
}

void ToolsTest::touchKeysFollowTheAnswerBox()
{
    QWidget room;
    room.resize(600, 300);
    auto *answer = new AnswerBox(&room);
    answer->setGeometry(20, 20, 120, 30);
    DigitPad pad(answer);
    QVERIFY(pad.geometry().top() > answer->geometry().bottom());
    QVERIFY(room.rect().contains(pad.geometry()));
    // No room below: above the box.
    answer->setGeometry(300, 260, 120, 30);
    QVERIFY(pad.geometry().bottom() < answer->geometry().top());
    QVERIFY(room.rect().contains(pad.geometry()));
    // Usable only while the box is.
    answer->setEnabled(false);
    QVERIFY(!pad.isEnabled());
    answer->setEnabled(true);
    tap(pad, u"3"_qs);
    QCOMPARE(answer->text(), u"3"_qs);
    QVERIFY(!DigitPad::wanted());
}

QTEST_MAIN(ToolsTest)
#include "tst_tools.moc"
