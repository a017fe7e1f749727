// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QApplication;

// What the whole program shares: its name, its icon, its fonts.
void configureApplication(QApplication &app);
