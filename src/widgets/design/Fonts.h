// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The windows name Arial, Times New Roman and MS Sans Serif; where those are
// missing, metric-compatible free fonts take their place.
void installFontSubstitutes();
