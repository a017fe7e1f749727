// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RandomSource.h"

#include <chrono>
#include <cmath>
#include <utility>

namespace {

constexpr quint64 Golden = 0x9E3779B97F4A7C15ull;

// splitmix64's finaliser: every input bit reaches every output bit.
quint64 scramble(quint64 z)
{
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

} // namespace

RandomSource::Clock RandomSource::systemClock()
{
    return [] {
        return qint64(std::chrono::duration_cast<std::chrono::nanoseconds>(
                          std::chrono::system_clock::now().time_since_epoch())
                          .count());
    };
}

RandomSource::RandomSource(Clock clock)
    : m_clock(std::move(clock))
{
    mix(quint64(m_clock()));
}

float RandomSource::next()
{
    m_state += Golden;
    const quint64 bits = scramble(m_state) >> 40; // 24 bits
    return float(bits) / float(1u << 24);
}

void RandomSource::reseed(qint16 number)
{
    // Tagged so that a seed number and a clock reading never mix alike.
    mix((quint64(quint16(number)) << 1) | 1u);
}

void RandomSource::reseedFromClock()
{
    mix(quint64(m_clock()) << 1);
}

int RandomSource::between(int low, int high)
{
    const double r = next();
    return int(std::floor(r * double(high - low + 1))) + low;
}

void RandomSource::mix(quint64 value)
{
    m_state = scramble(m_state ^ scramble(value + Golden));
}
