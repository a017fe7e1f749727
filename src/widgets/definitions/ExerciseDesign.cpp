// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExerciseDesign.h"

#include "DesignStyles.h"

namespace ExerciseDesign {

namespace {

using namespace DesignStyles;

constexpr const char16_t *ScoreTip = u"Questo è il tuo punteggio. Forza con il  record";

// The cube window, as designed. Row order is creation order: the focus
// moves and the controls overlap in it.
const Control Cube[] = {
    // name         kind          role             left   top  width height  caption            font          fore   back     flags                 picture             tool tip / screen reader
    {u"lblMessage", K::Label,     R::Verdict,      {720,   960, 6615,  615}, u"",               Sans24BoldItalic, NoColour, Cyan,   Centred,              P::None, nullptr, u"Esito"},
    {u"Label4",     K::Label,     R::EqualsSign,   {7320,    0,  615,  975}, u"=",              Arial48Bold,  NoColour,  PaleCyan, Centred},
    {u"txtAnswer",  K::AnswerBox, R::Answer,       {8040,  120, 2775, 1080}, u"0",              Arial36Bold,  NoColour,  Mint,    Centred,              P::None, u"Inserisci il risultato e  premi il tasto  Invio"},
    {u"Text1",      K::TextBox,   R::AnswerUnit,   {10800, 120, 1335, 1095}, u"cm",             Arial36Bold,  Teal,  Mint},
    {u"lblTime",    K::Label,     R::Clock,        {9000, 1680, 1170,  300}, u"",               Sans12Bold,   NoColour,  White,   NoFlags,              P::None, u"Clicca sotto di me per attivare il Timer", u"Orologio"},
    {u"Image1",     K::Picture,   R::ClockPicture, {10800, 1920, 480,  480}, u"",               Sans8,        NoColour,  NoColour,    NoFlags,              P::ClockIcon, u"Clicca sotto di me per impostare il Timer"},
    {u"Image4",     K::Picture,   R::Figure,       {3120, 1800, 3090, 3180}, u"",               Sans8,        NoColour,  NoColour,    NoFlags,              P::ExerciseCube},
    {u"Picture3",   K::Picture,   R::Teacher,      {8160, 2760, 1335, 2175}, u"",               Sans8,        NoColour,  Cream,   NoFlags,              P::Teacher},
    {u"lblNum1",    K::Label,     R::HeightNumber, {6600, 2160,  285,  555}, u"",               Arial24Bold,  NoColour,  Cyan,    Centred | AutoSize},
    {u"lblNum2",    K::Label,     R::WidthNumber,  {4530, 5400,  165,  555}, u"",               Arial24Bold,  NoColour,  Cyan,    Centred | AutoSize},
    {u"Label2(0)",  K::Label,     R::HeightUnit,   {6360, 2160,  615,  615}, u"cm",             Sans12,       NoColour,  NoColour,    NoFlags,              P::None, nullptr, u"Unità dell'altezza"},
    {u"Label2(1)",  K::Label,     R::WidthUnit,    {4560, 5280,  615,  615}, u"cm",             Sans12,       NoColour,  NoColour,    NoFlags,              P::None, nullptr, u"Unità della larghezza"},
    {u"Label2(2)",  K::Label,     R::DepthUnit,    {6120, 4200,  615,  615}, u"cm",             Sans12,       NoColour,  NoColour,    NoFlags,              P::None, nullptr, u"Unità della profondità"},
    {u"Lbla",       K::Label,     R::Width,        {3720, 5280,  855,  495}, u"",               Sans12,       NoColour,  NoColour,    NoFlags,              P::None, nullptr, u"Larghezza"},
    {u"lblb",       K::Label,     R::Depth,        {6120, 4560,   60,  300}, u"",               Sans12,       NoColour,  NoColour,    AutoSize,             P::None, nullptr, u"Profondità"},
    {u"Lblalt",     K::Label,     R::Height,       {6360, 2760,   60,  300}, u"",               Sans12,       NoColour,  NoColour,    AutoSize,             P::None, nullptr, u"Altezza"},
    {u"Lblpro1",    K::Label,     R::Product,      {6360, 4920,  120,  435}, u"",               Sans12,       NoColour,  NoColour,    AutoSize},
    {u"lblsl",      K::Label,     R::Given,        {240,  6000,  330,  435}, u"Sl",             Sans18,       NoColour,  NoColour,    AutoSize,             P::None, nullptr, u"Dato"},
    {u"Label5",     K::Label,     R::Question,     {4080,  360,   90,  435}, u"",               Sans18,       Black, NoColour,    AutoSize,             P::None, nullptr, u"Domanda"},
    {u"Label6",     K::Label,     R::RightCaption, {480,  6480, 2565,  495}, u"Risposte esatte", Sans18,      Green, Grey,    Border | Centred},
    {u"Label1",     K::Label,     R::WrongCaption, {3480, 6600, 2520,  495}, u"Risposte errate", Sans18,      Red,   NoColour,    Border},
    {u"Label3",     K::Label,     R::TotalCaption, {6840, 6480, 2340,  495}, u"Risposte totali", Sans18,      Blue,  NoColour,    Border},
    {u"lblScore",   K::Label,     R::RightScore,   {1080, 7320,  555,  885}, u"0",              Times36Bold,  NoColour,  Yellow,  Border | Centred,     P::None, ScoreTip, u"Risposte esatte"},
    {u"lblScore1",  K::Label,     R::WrongScore,   {4320, 7320,  540,  885}, u"0",              Times36Bold,  Red,   NoColour,    Border | Centred,     P::None, ScoreTip, u"Risposte errate"},
    {u"lblScore2",  K::Label,     R::TotalScore,   {7800, 7200,  555,  885}, u"0",              Times36Bold,  Blue,  NoColour,    Border | Centred,     P::None, ScoreTip, u"Risposte totali"},
    {u"cmdNext",    K::Button,    R::Next,         {600,  8280, 1815, 1095}, u"&Nuovo calcolo", Sans8Bold,    NoColour,  BrightGreen, NoFlags,          P::NextIcon},
    // Not in the original design: the worked solution after a wrong answer,
    // in the free band right of the button.
    {u"lblSolution", K::Label,    R::Solution,     {2640, 8280, 9495, 1095}, u"",               Sans12,       Maroon, NoColour,   NoFlags,              P::None, nullptr, u"Soluzione"},
    {u"Command1",   K::Button,    R::None,         {7680, 8640,  855,  615}, u"Command1",       Sans8,        NoColour,  NoColour,    Hidden},
    {u"Label8",     K::Label,     R::None,         {1800, 1200, 1095,  615}, u"Label8",         Sans8,        NoColour,  NoColour,    Hidden},
    {u"Label9",     K::Label,     R::None,         {10800, 840,   15,   15}, u"Label9",         Sans8,        NoColour,  NoColour,    Tiny},
    {u"Line9",      K::Line,      R::None,         {8280, 5280,  120,  120}, u"",               Sans8,        NoColour,  NoColour,    Tiny},
};

// The box and prism windows sit their controls 120 twips higher than the
// cube window, apart from those placed anew around their own figure.
constexpr int Rise = 120;

const Override BoxMoves[] = {
    // name          left   top  width height  picture
    {u"Image4",     3600, 1560, 2520, 3540, P::Box},
    {u"Picture3",  10200, 3240},
    {u"Lbla",       4080, 5160,  615},
    {u"lblb",       6120, 4440,  120,  435},
    {u"Lblalt",     6360, 2640,  360,  435},
    {u"Label2(1)",  4680, 5160},
};
const Control BoxExtras[] = {
    {u"Picture1",   K::Picture,   R::None,         {10200, 3240, 1335, 2175}, u"",              Sans8,        NoColour,  Cream,   NoFlags,              P::Teacher},
};

constexpr int Keep = Override::Keep;

// The prism's legs a and b, its height h and its hypotenuse c, lettered so on
// the figure; c and its unit sit by the edge c, left of the figure's top.
const Override PrismMoves[] = {
    // name          left   top  width height  picture  screen reader
    {u"lblMessage",  720,  600},
    {u"Image4",     3840, 1440, 2205, 4140, P::Prism},
    {u"Picture3",   7200, 2400},
    {u"lblNum1",    6600, 2280},
    {u"lblNum2",    4530, 5520},
    {u"Lbla",       3120, 4920,  855, Keep, P::None, u"Cateto a"},
    {u"lblb",       4440, 1080,  120,  435, P::None, u"Cateto b"},
    {u"Lblalt",     6240, 3000,  360,  435},
    {u"Lblpro1",    6360, 5040},
    {u"Label2(0)",  6360, 2280},
    {u"Label2(1)",  1920, 4800, Keep, Keep, P::None, u"Unità del cateto a"},
    {u"Label2(2)",  3480, 1080, Keep, Keep, P::None, u"Unità del cateto b"},
};
const Control PrismExtras[] = {
    {u"lblc",       K::Label,     R::FourthMeasure, {3000, 1560,  450,  435}, u"",              Sans12,       NoColour,  NoColour,    NoFlags,              P::None, nullptr, u"Ipotenusa"},
    {u"Label2(3)",  K::Label,     R::FourthUnit,   {3450, 1560,  450,  435}, u"cm",             Sans12,       NoColour,  NoColour,    NoFlags,              P::None, nullptr, u"Unità dell'ipotenusa"},
    {u"Label7",     K::Label,     R::HeightLetter, {5760, 2520,  375,  495}, u"h",              Sans12,       NoColour,  White},
};

// The new solids keep the cube window's places, but their figure fills the
// room between the verdict and the scores, left of the line on π and of the
// teacher, and each measure is one label by its segment, "8 cm" or "X", as
// tall as the question: the figure's SVG says where, so a measure's row
// keeps only its screen-reader name. The given datum moves under the
// teacher, wrapped, to leave the figure its room. The unit box is wider,
// for "cmq" and "cmc".
constexpr int NoRise = 0;
constexpr Override WideUnit{u"Text1", 10800, 120, 1800};
constexpr QRect FigureRoom{240, 1575, 7200, 4860};
// The pyramid, wide and low, has no line on π to keep clear of.
constexpr QRect WideFigureRoom{240, 1575, 7800, 4860};
constexpr QRect GivenBesideTheTeacher{8160, 5040, 3975, 1335};

constexpr Override figure(QRect room, P picture)
{
    return {u"Image4", room.left(), room.top(), room.width(), room.height(), picture};
}

constexpr Override measure(const char16_t *name, const char16_t *description)
{
    return {name, FigureRoom.left(), FigureRoom.top(), Override::Keep, Override::Keep, P::None, description};
}

const Override PyramidMoves[] = {
    figure(WideFigureRoom, P::Pyramid),
    WideUnit,
    measure(u"Lbla", u"Lato di base"),
    measure(u"lblb", u"Apotema"),
};

const Override CylinderMoves[] = {
    figure(FigureRoom, P::Cylinder),
    WideUnit,
    measure(u"Lbla", u"Raggio"),
};

const Override ConeMoves[] = {
    figure(FigureRoom, P::Cone),
    WideUnit,
    measure(u"Lbla", u"Raggio"),
    measure(u"lblb", u"Apotema"),
    measure(u"Lblalt", u"Altezza"),
};

const Override SphereMoves[] = {
    figure(FigureRoom, P::Sphere),
    WideUnit,
    measure(u"Lbla", u"Raggio"),
};

// The measures leave the table for the figure, and their "cm" goes into
// their own text.
QList<Control> measuresOnFigure(QList<Control> table)
{
    table = without(table, {u"Label2(0)", u"Label2(1)", u"Label2(2)"});
    for (Control &c : table) {
        if (c.role == R::Given) {
            c.twips = GivenBesideTheTeacher;
            c.flags = WordWrap;
        }
        if (Design::measurePlace(c.role) < 0)
            continue;
        c.flags = OnFigure;
        c.font = Sans18;
    }
    return table;
}

// Beside the answer box, while the answer asked has π in it.
const Control PiHint[] = {
    {u"lblPi",      K::Label,     R::PiHint,       {7440, 1230, 4695,  435}, u"Scrivi il numero che moltiplica π o usa π = 3,14", Sans8, Maroon, NoColour, Hidden, P::None, nullptr, u"Come scrivere π"},
};

// The problems window: the frame's answer, verdict, clock and button where
// the cube window has them, the current question at the top left; below it
// the kind, the text, the data and the list of questions, then the scores in
// one row, each caption beside its number; the figure at the right. No
// measures on the figure: the data say them.
// The answer box is wider, for answers of nine characters.
const Override ProblemMoves[] = {
    // name          left   top  width height  picture
    {u"Label5",      240,  360},
    {u"txtAnswer",  8040,  120, 3900},
    {u"Text1",     11940,  120, 1500},
    {u"Image4",     8520, 2640, 4560, 3600, P::CylinderCone},
    {u"lblSolution", 2640, 8280, 10800},
    // The scores in one row, each caption beside its number, with room for
    // five digits, to leave the list of questions room for all of them.
    {u"Label6",       240, 7515},
    {u"lblScore",    2960, 7320},
    {u"Label1",      4760, 7515},
    {u"lblScore1",   7440, 7320},
    {u"Label3",      9240, 7515},
    {u"lblScore2",  11740, 7320},
};
// The problem's own labels are designed to hold their longest texts, which
// the design test sets, so they are never measured; and they share one face,
// told apart by colour: each face costs its loading at the first paint.
constexpr quint16 Roomy = RoomForLongest;
const Control ProblemExtras[] = {
    // name          kind       role              left   top  width height  caption font         fore   back      flags     picture  tool tip screen reader
    {u"lblKind",      K::Label, R::ProblemKind,  {240,  1680, 8040,  435}, u"", Sans12,     Blue,     NoColour, Roomy,    P::None, nullptr, u"Tipo di problema"},
    {u"lblText",      K::Label, R::ProblemText,  {240,  2160, 8040, 1440}, u"", Sans12,     NoColour, NoColour, Roomy | WordWrap, P::None, nullptr, u"Testo del problema"},
    // The data, three to a row, as many shown as the problem has.
    {u"lblDato1",     K::Label, R::Datum1,       {240,  3600, 2640,  390}, u"", Sans12,     Maroon,   NoColour, Roomy,    P::None, nullptr, u"Dato"},
    {u"lblDato2",     K::Label, R::Datum2,       {2940, 3600, 2640,  390}, u"", Sans12,     Maroon,   NoColour, Roomy,    P::None, nullptr, u"Dato"},
    {u"lblDato3",     K::Label, R::Datum3,       {5640, 3600, 2640,  390}, u"", Sans12,     Maroon,   NoColour, Roomy,    P::None, nullptr, u"Dato"},
    {u"lblDato4",     K::Label, R::Datum4,       {240,  3990, 2640,  390}, u"", Sans12,     Maroon,   NoColour, Roomy,    P::None, nullptr, u"Dato"},
    {u"lblDato5",     K::Label, R::Datum5,       {2940, 3990, 2640,  390}, u"", Sans12,     Maroon,   NoColour, Roomy,    P::None, nullptr, u"Dato"},
    {u"lblDato6",     K::Label, R::Datum6,       {5640, 3990, 2640,  390}, u"", Sans12,     Maroon,   NoColour, Roomy,    P::None, nullptr, u"Dato"},
    {u"lblQuestions", K::Label, R::QuestionList, {240,  4440, 8040, 2760}, u"", Sans12,     NoColour, NoColour, Roomy,    P::None, nullptr, u"Domande del problema"},
    {u"lblPi",        K::Label, R::PiHint,       {8040, 1230, 5400,  435}, u"Scrivi il numero che moltiplica π o usa π = 3,14", Sans8, Maroon, NoColour, Hidden, P::None, nullptr, u"Come scrivere π"},
};

template <typename T, std::size_t N>
QList<T> list(const T (&rows)[N])
{
    return QList<T>(std::begin(rows), std::end(rows));
}

} // namespace

QList<Control> cube()
{
    return list(Cube);
}

QList<Control> box()
{
    return derive(cube(), Rise, list(BoxMoves), list(BoxExtras));
}

QList<Control> prism()
{
    return derive(cube(), Rise, list(PrismMoves), list(PrismExtras));
}

QList<Control> pyramid()
{
    return measuresOnFigure(derive(cube(), NoRise, list(PyramidMoves), {}));
}

QList<Control> cylinder()
{
    return measuresOnFigure(derive(cube(), NoRise, list(CylinderMoves), list(PiHint)));
}

QList<Control> cone()
{
    return measuresOnFigure(derive(cube(), NoRise, list(ConeMoves), list(PiHint)));
}

QList<Control> sphere()
{
    return measuresOnFigure(derive(cube(), NoRise, list(SphereMoves), list(PiHint)));
}

QList<Control> problems()
{
    const QList<Control> frame = without(cube(), {u"lblNum1", u"lblNum2", u"Label2(0)", u"Label2(1)", u"Label2(2)",
                                                  u"Lbla", u"lblb", u"Lblalt", u"Lblpro1", u"lblsl", u"Picture3"});
    return derive(frame, NoRise, list(ProblemMoves), list(ProblemExtras));
}

} // namespace ExerciseDesign
