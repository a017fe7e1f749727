// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Solid.h"
#include "common/Checked16.h"

#include <QString>

// What the kinds ask for and give, as their rows name them.
namespace Asked {

// Any whole quantity of a solid, as the expected value (the factor of π
// where the kind has π).
template <int (*quantity)(const Measures &)>
float of(const Measures &m)
{
    return to16(quantity(m));
}

inline float width(const Measures &m) { return m.a; }
inline float depth(const Measures &m) { return m.b; }
inline float height(const Measures &m) { return m.c; }
inline float volume(const Measures &m) { return to16(Solid::volume(m)); }
inline float lateral(const Measures &m) { return to16(Solid::lateral(m)); }
inline float total(const Measures &m) { return to16(Solid::total(m)); }
inline float diagonal(const Measures &m) { return Solid::spaceDiagonal(m); }

} // namespace Asked

namespace Given {

inline QString lateral(const Measures &m)
{
    return QStringLiteral("Superficie laterale= ") + QString::number(to16(Solid::lateral(m)))
        + QStringLiteral(" cmq");
}

} // namespace Given
