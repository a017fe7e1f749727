// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QApplication;

// What the program tells the web page it runs in, and what it needs of it.
// On the desktop every call is nothing.
namespace WebPage {

#ifdef Q_OS_WASM
// The design's fonts, built in (a browser gives Qt none of its own), and,
// with ?test-log=1 in the page's address, the test log.
void prepare(QApplication &app);
// From the first answer on, leaving the page asks first.
void markAnswered();
// A line of the test log, when it is on: what a walk cannot read from the
// canvas (windows shown, labels changed, files downloaded), never an
// expected answer.
void log(const QString &line);
// A touch screen (or a page asked for the touch keys with ?tastierino=1).
bool touchScreen();
#else
inline void prepare(QApplication &) {}
inline void markAnswered() {}
inline void log(const QString &) {}
inline bool touchScreen() { return false; }
#endif

} // namespace WebPage
