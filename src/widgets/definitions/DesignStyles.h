// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "design/Design.h"

// The words the design tables are written in: short names for the kinds,
// roles and pictures, and the fonts and colours the windows use.
namespace DesignStyles {

using namespace Design;
using K = Design::Kind;
using R = Design::Role;
using P = Artwork::Picture;

constexpr Font Toolkit; // the toolkit's own font
constexpr Font Arial8{u"Arial", 8.25};
constexpr Font Arial18Bold{u"Arial", 18, true};
constexpr Font Arial24Bold{u"Arial", 24, true};
constexpr Font Arial32Bold{u"Arial", 32.25, true};
constexpr Font Arial36Bold{u"Arial", 36, true};
constexpr Font Arial48Bold{u"Arial", 48, true};
constexpr Font Sans8{u"MS Sans Serif", 8.25};
constexpr Font Sans8Bold{u"MS Sans Serif", 8.25, true};
constexpr Font Sans12{u"MS Sans Serif", 12};
constexpr Font Sans12Bold{u"MS Sans Serif", 12, true};
constexpr Font Sans18{u"MS Sans Serif", 18};
constexpr Font Sans24BoldItalic{u"MS Sans Serif", 24, true, true};
constexpr Font Times36Bold{u"Times New Roman", 36, true};

constexpr Rgb NoColour;
constexpr Rgb Black{0, 0, 0};
constexpr Rgb White{255, 255, 255};
constexpr Rgb Cyan{0, 255, 255};
constexpr Rgb PaleCyan{128, 255, 255};
constexpr Rgb Teal{0, 192, 192};
constexpr Rgb Mint{192, 255, 192};
constexpr Rgb Green{0, 192, 0};
constexpr Rgb BrightGreen{0, 255, 0};
constexpr Rgb Red{255, 0, 0};
constexpr Rgb Maroon{128, 0, 0};
constexpr Rgb Blue{0, 0, 255};
constexpr Rgb Lavender{128, 128, 255};
constexpr Rgb Yellow{255, 255, 0};
constexpr Rgb Cream{255, 255, 192};
constexpr Rgb Grey{224, 224, 224};

} // namespace DesignStyles
