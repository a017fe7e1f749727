// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Design.h"

class QWidget;

namespace Design {

// The widget a row stands for, with its name, caption, colours, picture and
// texts for the screen reader; its place and font are the canvas's work.
QWidget *makeControl(const Control &row, QWidget *parent, Artwork::IconCache &icons);

} // namespace Design
