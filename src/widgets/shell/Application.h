// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QCoreApplication;
class QApplication;

// What the whole program shares: its name, its icon, its fonts, the toolkit's
// own words in Italian.
void configureApplication(QApplication &app);

// Qt's own texts (context menus, message-box buttons, key names) in Italian,
// whatever the machine's language: the catalogue travels inside the program.
void installToolkitTranslation(QCoreApplication &app);
