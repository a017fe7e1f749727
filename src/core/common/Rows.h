// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>

// A table's rows: a constant array and its length, taken from the array
// itself, so that a row added is counted without a word.
template <typename T>
struct Rows
{
    const T *rows = nullptr;
    int count = 0;

    constexpr Rows() = default;
    template <std::size_t N>
    constexpr Rows(const T (&array)[N]) : rows(array), count(int(N)) {}

    constexpr const T *begin() const { return rows; }
    constexpr const T *end() const { return rows + count; }
    constexpr const T &operator[](int i) const { return rows[i]; }
};
