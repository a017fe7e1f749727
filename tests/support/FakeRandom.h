// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/RandomSource.h"

#include <QList>
#include <QString>

// A random source that logs how it is reseeded and can replay fixed draws.
class FakeRandom : public RandomSource
{
public:
    explicit FakeRandom(qint64 clockNow = 0)
        : RandomSource([clockNow] { return clockNow; })
    {
    }

    QStringList calls;   // "seed 0", "clock", "next"
    QList<float> script; // draws to return first, in order

    float next() override
    {
        calls << QStringLiteral("next");
        if (!script.isEmpty())
            return script.takeFirst();
        return RandomSource::next();
    }
    void reseed(qint16 number) override
    {
        calls << QStringLiteral("seed %1").arg(number);
        RandomSource::reseed(number);
    }
    void reseedFromClock() override
    {
        calls << QStringLiteral("clock");
        RandomSource::reseedFromClock();
    }

    // The draw r that makes between(low, high) give value.
    static float drawFor(int value, int low, int high)
    {
        return (float(value - low) + 0.5f) / float(high - low + 1);
    }
};
