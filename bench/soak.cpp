// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A million exercises and ten thousand new games in one window: the resident
// memory before and after should stay flat.
//   tramolo-bench-soak [EXERCISES] [NEW_GAMES]

#include "window/ExerciseWindow.h"
#include "common/RandomSource.h"
#include "definitions/ExerciseProfiles.h"

#include <QApplication>
#include <QFile>
#include <cstdio>
#include <malloc.h>

namespace {

long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

// "Nuovo gioco" as the menu runs it: the old controls go when control
// returns to the event loop, which this loop stands in for.
void newGame(ExerciseWindow &window)
{
    window.new_Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Bytes the program holds on the heap, apart from what the allocator keeps
// in reserve.
long heapInUseKiB()
{
    return long(mallinfo2().uordblks / 1024);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const long exercises = argc > 1 ? QByteArray(argv[1]).toLong() : 1000000;
    const long games = argc > 2 ? QByteArray(argv[2]).toLong() : 10000;
    RandomSource random;
    ExerciseWindow window(ExerciseProfiles::cube(), random);
    window.load();
    QCoreApplication::processEvents();

    // Warm up, so that caches filled once are not counted as growth.
    for (int i = 0; i < 1000; ++i)
        window.cmdNext_Click();
    for (int i = 0; i < 100; ++i)
        newGame(window);
    const long before = residentKiB();
    const long heapBefore = heapInUseKiB();

    for (long i = 0; i < exercises; ++i) {
        window.cmdNext_Click();
        if (i % 1000 == 0)
            QCoreApplication::processEvents();
    }
    const long afterExercises = residentKiB();
    const long heapAfterExercises = heapInUseKiB();
    for (long i = 0; i < games; ++i)
        newGame(window);
    const long after = residentKiB();
    const long heapAfter = heapInUseKiB();
    std::printf("resident memory: %ld KiB before, %ld KiB after %ld exercises, %ld KiB after %ld new games\n",
                before, afterExercises, exercises, after, games);
    std::printf("heap in use:     %ld KiB before, %ld KiB after %ld exercises, %ld KiB after %ld new games\n",
                heapBefore, heapAfterExercises, exercises, heapAfter, games);
    return 0;
}
