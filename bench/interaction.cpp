// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Time from a key in the answer box to the verdict painted, and from the
// button to the next exercise painted, over many interactions.
//   tramolo-bench-interaction [COUNT]

#include "design/AnswerBox.h"
#include "window/ExerciseWindow.h"
#include "common/NumberFormat.h"
#include "common/RandomSource.h"
#include "definitions/ExerciseProfiles.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Notes when a widget paints.
class PaintSeen : public QObject
{
public:
    bool seen = false;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            seen = true;
        return false;
    }
};

qint64 untilPainted(QWidget *widget, PaintSeen &watch, const std::function<void()> &act)
{
    watch.seen = false;
    widget->installEventFilter(&watch);
    QElapsedTimer clock;
    clock.start();
    act();
    // A widget that is not repainted within a second would be a fault of its own.
    while (!watch.seen && clock.elapsed() < 1000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    const qint64 ns = clock.nsecsElapsed();
    widget->removeEventFilter(&watch);
    return ns;
}

void report(const char *what, std::vector<qint64> &ns)
{
    std::sort(ns.begin(), ns.end());
    const double median = ns[ns.size() / 2] / 1000.0;
    const double p99 = ns[std::min(ns.size() - 1, ns.size() * 99 / 100)] / 1000.0;
    std::printf("%-28s median %8.1f us   p99 %8.1f us   (%zu)\n", what, median, p99, ns.size());
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 10000;
    RandomSource random;
    ExerciseWindow window(ExerciseProfiles::cube(), random);
    window.load();
    window.resize(1280, 800);
    QCoreApplication::processEvents();

    PaintSeen watch;
    std::vector<qint64> verdicts, next;
    for (int i = 0; i < count; ++i) {
        const ExerciseControls &c = window.controls();
        c.txtAnswer->setText(NumberFormat::format(window.state().sngExpected + (i % 2), u"####"));
        verdicts.push_back(untilPainted(c.lblMessage, watch, [&] {
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
            QApplication::sendEvent(c.txtAnswer, &enter);
        }));
        // The answer box is emptied by every draw, so it always repaints.
        next.push_back(untilPainted(c.txtAnswer, watch, [&] { c.cmdNext->click(); }));
    }
    report("key to verdict painted", verdicts);
    report("button to exercise painted", next);
    return 0;
}
