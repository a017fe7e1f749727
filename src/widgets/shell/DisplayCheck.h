// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Without a screen the program says so in one line and ends with status 1,
// instead of Qt's abort. Held while QApplication connects to the display.
class DisplayCheck
{
public:
    DisplayCheck();
    ~DisplayCheck();
    DisplayCheck(const DisplayCheck &) = delete;
    DisplayCheck &operator=(const DisplayCheck &) = delete;

    // Ends the program at once when there is plainly no display to open.
    static void requireDisplay();
};
