// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>
#include <functional>

// The program's pseudo-random generator. Draws are single-precision values
// 0 <= r < 1 with 24 significant bits, so r * n is exact for any small n.
// Reseeding mixes into the current state rather than restarting a sequence:
// the same seed number leads to different draws from different states.
class RandomSource
{
public:
    // Any reading of the time with sub-second resolution.
    using Clock = std::function<qint64()>;

    // The system clock, in nanoseconds.
    static Clock systemClock();

    // The starting state is taken from the clock, so each run begins differently.
    explicit RandomSource(Clock clock = systemClock());
    virtual ~RandomSource() = default;

    virtual float next();
    virtual void reseed(qint16 number);
    virtual void reseedFromClock();

    // A whole number from low to high: floor(r * (high - low + 1)) + low.
    int between(int low, int high);

private:
    void mix(quint64 value);

    Clock m_clock;
    quint64 m_state = 0;
};
