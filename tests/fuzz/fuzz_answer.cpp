// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Arbitrary bytes into the answer box, as typed keys and as pasted or dropped
// text, then Enter. Nothing the keys could not type may get in, and the
// verdict is always one of the window's texts.

#include "design/AnswerBox.h"
#include "frame/AnswerCheck.h"
#include "frame/AnswerKeys.h"
#include "window/ExerciseWindow.h"
#include "frame/FrameTexts.h"
#include "common/RandomSource.h"
#include "definitions/ExerciseProfiles.h"

#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <cstdio>
#include <cstdlib>

namespace {

// Lives for the whole fuzzing run, as libFuzzer calls in again and again.
struct Harness
{
    Harness(int &argc, char **argv)
        : app(argc, argv)
        , random([] { return qint64(1); })
        , window(ExerciseProfiles::cube(), random)
    {
        window.load();
    }
    QApplication app;
    RandomSource random;
    ExerciseWindow window;
};

Harness *harness = nullptr;

[[noreturn]] void fault(const char *what, const QString &detail)
{
    std::fprintf(stderr, "fuzz_answer: %s: %s\n", what, qPrintable(detail));
    std::abort();
}

void press(QWidget *box, int key, const QString &text, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent down(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(box, &down);
    QKeyEvent up(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(box, &up);
}

// One byte, one key: printable bytes type themselves, a few stand for keys
// without a character or for the paste shortcut.
void typeByte(QWidget *box, quint8 byte)
{
    switch (byte) {
    case 0x01: press(box, Qt::Key_Left, QString()); return;
    case 0x02: press(box, Qt::Key_Right, QString()); return;
    case 0x03: press(box, Qt::Key_Home, QString()); return;
    case 0x04: press(box, Qt::Key_Delete, QStringLiteral("\x7f")); return;
    case 0x05: press(box, Qt::Key_V, QStringLiteral("\x16"), Qt::ControlModifier); return;
    case 0x06: press(box, Qt::Key_Insert, QString(), Qt::ShiftModifier); return;
    case 0x08: press(box, Qt::Key_Backspace, QStringLiteral("\b")); return;
    case 0x0d: press(box, Qt::Key_Return, QStringLiteral("\r")); return;
    default: press(box, Qt::Key_unknown, QString(QChar(byte))); return;
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    harness = new Harness(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    ExerciseWindow &window = harness->window;
    window.cmdNext_Click();
    const ExerciseControls &c = window.controls();
    const QString bytes = QString::fromLatin1(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));

    switch (data[0] % 3) {
    case 0:
        for (QChar byte : bytes)
            typeByte(c.txtAnswer, quint8(byte.unicode()));
        break;
    case 1:
        QApplication::clipboard()->setText(bytes);
        c.txtAnswer->paste();
        break;
    case 2: {
        QMimeData mime;
        mime.setText(bytes);
        const QPointF at = c.txtAnswer->rect().center();
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(c.txtAnswer, &enter);
        QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(c.txtAnswer, &drop);
        break;
    }
    }

    const QString shown = c.txtAnswer->text();
    if (!AnswerKeys::isTypeable(shown) || shown.size() > AnswerBox::MaxCharacters)
        fault("the box holds what no key could type", shown);

    press(c.txtAnswer, Qt::Key_Return, QStringLiteral("\r"));
    const QString verdict = c.lblMessage->text();
    const bool known = verdict == window.profile().rightVerdict
        || verdict.startsWith(FrameTexts::wrongPrefix()) || verdict == FrameTexts::notANumber()
        || verdict == FrameTexts::countersFull();
    if (!known)
        fault("unexpected verdict", verdict);
    if (c.lblScore2->text().toInt() != window.state().intRight + window.state().intWrong)
        fault("the total disagrees with the counters", c.lblScore2->text());
    // Keep far from the counters' limit, which has tests of its own.
    if (window.state().intRight + window.state().intWrong > 30000)
        window.new_Click();
    return 0;
}
