// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Artwork.h"

#include <QColor>
#include <QList>
#include <QRect>
#include <initializer_list>

// A window's controls as data: one constant row per control, saying what
// the builder makes and where the canvas puts it. Every window, the splash
// and the choice included, is drawn from such a table.
namespace Design {

enum class Kind : quint8 {
    Label,
    TextBox,   // read-only: the unit beside the answer
    AnswerBox, // the one box a pupil types in
    Button,
    Picture,   // an image or picture box drawn from the artwork
    Line,      // a thin stroke from the rectangle's top left to its bottom right
};

// What the window's code does with a control; the controls without
// behaviour have none. The exercise windows bind their controls by it.
enum class Role : quint8 {
    None,
    // The exercise windows' controls, in their design's order.
    Verdict, EqualsSign, Answer, AnswerUnit, Clock, ClockPicture, Figure, Teacher,
    HeightNumber, WidthNumber, HeightUnit, WidthUnit, DepthUnit, Width, Depth, Height, Product,
    Given, Question, RightCaption, WrongCaption, TotalCaption, RightScore, WrongScore, TotalScore,
    Next, Solution,
    // A fourth measure on the figure (the prism's hypotenuse) and its unit;
    // the prism's "h".
    FourthMeasure, FourthUnit, HeightLetter,
    // The round solids' line on how an answer with π is written.
    PiHint,
    // The problems: the kind, the text, up to four data, the list of questions.
    ProblemKind, ProblemText, Datum1, Datum2, Datum3, Datum4, Datum5, Datum6, QuestionList,
};

// The figure's place (0 to 3: a, b, c, d) a measure's label stands for; -1
// for any other role.
constexpr int measurePlace(Role role)
{
    switch (role) {
    case Role::Width: return 0;
    case Role::Depth: return 1;
    case Role::Height: return 2;
    case Role::FourthMeasure: return 3;
    default: return -1;
    }
}

// Points as designed; no family means the toolkit's own font.
struct Font
{
    const char16_t *family = nullptr;
    qreal points = 0;
    bool bold = false;
    bool italic = false;
};

// Red, green and blue from 0 to 255, or none.
struct Rgb
{
    int r = -1;
    int g = 0;
    int b = 0;

    constexpr bool isSet() const { return r >= 0; }
    QColor color() const { return QColor(r, g, b); }
};

enum Flag : quint16 {
    NoFlags = 0,
    Centred = 1 << 0,
    RightAligned = 1 << 1,
    Border = 1 << 2,
    AutoSize = 1 << 3,     // the label takes the size of its text
    Hidden = 1 << 4,
    Tiny = 1 << 5,         // kept too small to be seen, on purpose
    HasFocus = 1 << 6,     // the focus when the window opens
    OnTop = 1 << 7,        // drawn over the others
    KeepsClear = 1 << 8,   // shrinks its font rather than run under an OnTop control
    LargePicture = 1 << 9, // a button's picture fills three quarters of it
    WordWrap = 1 << 10,    // a label's text wraps at its width
    RoomForLongest = 1 << 11, // designed to hold its longest text (the design test checks it): never measured
    OnFigure = 1 << 12,    // a measure written by its segment on the figure, wherever the figure's room puts it
};

struct Control
{
    const char16_t *name;
    Kind kind;
    Role role;
    QRect twips; // left, top, width, height in the window's client area
    const char16_t *caption = u"";
    Font font = {};
    Rgb fore = {};
    Rgb back = {};
    quint16 flags = NoFlags;
    Artwork::Picture picture = Artwork::Picture::None;
    const char16_t *toolTip = nullptr;
    const char16_t *description = nullptr; // what a screen reader says beside the text

    bool has(Flag flag) const { return flags & flag; }
    Qt::Alignment alignment() const;
};

// A change to a row of a table, found by the control's name: a new place,
// and a new size, picture or screen-reader description where given.
struct Override
{
    static constexpr int Keep = -1;

    const char16_t *name;
    int left;
    int top;
    int width = Keep;
    int height = Keep;
    Artwork::Picture picture = Artwork::Picture::None;
    const char16_t *description = nullptr;
};

// A table drawn from another: every row moved up by rise twips, the
// overrides applied, the extra rows added.
QList<Control> derive(const QList<Control> &base, int rise, const QList<Override> &overrides,
                      const QList<Control> &extra);

// A table without the rows of these names.
QList<Control> without(QList<Control> table, std::initializer_list<const char16_t *> names);

} // namespace Design
