// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The round solids' quantities as the numbers that multiply π, written once
// for the exercise sets (on whole numbers) and the problems (on exact ones).
namespace RoundSolids {

template <typename N> N circle(N r) { return r * r; }
template <typename N> N cylinderLateral(N r, N h) { return N(2) * r * h; }
template <typename N> N cylinderVolume(N r, N h) { return circle(r) * h; }
template <typename N> N coneLateral(N r, N a) { return r * a; }
template <typename N> N coneVolume(N r, N h) { return circle(r) * h / N(3); }

} // namespace RoundSolids
