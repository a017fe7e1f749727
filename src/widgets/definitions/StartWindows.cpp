// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StartWindows.h"

#include "DesignStyles.h"
#include "Catalogue.h"

QStringList StartWindow::openingCaptions() const
{
    QStringList captions;
    for (const Opening &opening : openings) {
        for (const Design::Control &control : controls) {
            if (QStringView(control.name) == QStringView(opening.button))
                captions << QString::fromUtf16(control.caption);
        }
    }
    return captions;
}

namespace StartWindows {

namespace {

using namespace DesignStyles;

// Places inside the splash's frame. The button comes first, for the focus,
// and is drawn over the labels, which keep clear of it.
const Control Splash[] = {
    // name                kind        role     left   top  width height  caption                                  font         fore      back      flags
    {u"Command3",          K::Button, R::None, {3960,  120, 3135, 3255}, u"Cubi",                                  Toolkit,     NoColour, NoColour, OnTop | HasFocus | LargePicture, P::ChoiceCube},
    {u"lblCompanyProduct", K::Label,  R::None, {600,   600, 2430,  435}, u"Brenvo software",                       Arial18Bold, NoColour, NoColour, KeepsClear},
    {u"lblProductName",    K::Label,  R::None, {600,  1200, 2640,  765}, u"IL TRAMOLO",                            Arial32Bold, NoColour, NoColour, KeepsClear},
    {u"lblLicenseTo",      K::Label,  R::None, {120,   120, 1575,  255}, u"Per la scuola",                         Arial8,      NoColour, NoColour, KeepsClear | RightAligned},
    {u"lblCopyright",      K::Label,  R::None, {120,  2280, 3615,  255}, u"Esercizi di geometria solida",          Arial8,      NoColour, NoColour, KeepsClear},
    {u"lblCompany",        K::Label,  R::None, {1800, 2760, 5415,  255}, u"Cubi, parallelepipedi e prismi",        Arial8,      NoColour, NoColour, KeepsClear},
    {u"lblWarning",        K::Label,  R::None, {240,  3480, 6855,  435}, u"Programma libero per la scuola",        Arial8,      NoColour, NoColour, KeepsClear},
    {u"Label1",            K::Label,  R::None, {2160, 3720, 5415,  255}, u" PREMI IL TASTO ESC PER CONTINUARE",    Arial8,      NoColour, NoColour, KeepsClear},
};

// Where the catalogue's buttons lie, in its order: the cube button as
// designed; the other six solids in two rows at its right, the solids with
// flat faces above, the round ones below; the problems in a row under them
// all, and beside them the worksheets to print and the class register. The
// order is the focus order.
struct ChoicePlace
{
    QRect twips;
    quint16 flags;
};
const ChoicePlace ChoicePlaces[] = {
    {{120,    120, 4935, 4695}, HasFocus | LargePicture},
    {{5175,   120, 3135, 2287}, LargePicture},
    {{8430,   120, 3135, 2287}, LargePicture},
    {{11685,  120, 3135, 2287}, LargePicture},
    {{5175,  2528, 3135, 2287}, LargePicture},
    {{8430,  2528, 3135, 2287}, LargePicture},
    {{11685, 2528, 3135, 2287}, LargePicture},
    {{120,   4936, 9690, 2287}, LargePicture},
};
static_assert(std::size(ChoicePlaces) == Catalogue::Count, "a place for every window of the catalogue");

const Control WorksheetsButton{u"cmdWorksheets", K::Button, R::None, {9930, 4936, 2385, 2287}, u"Schede da stampare",
                               Toolkit, NoColour, NoColour, LargePicture, P::Worksheet};
#ifndef Q_OS_WASM
const Control RegisterButton{u"cmdRegister", K::Button, R::None, {12435, 4936, 2385, 2287}, u"Registro della classe",
                             Toolkit, NoColour, NoColour, LargePicture, P::Teacher};
#endif

} // namespace

StartWindow splash()
{
    // The splash has no caption; a screen reader still names it.
    return {QStringLiteral("frmSplash"), QStringLiteral("Il Tramolo"), {7380, 4245}, {120, 120, 7080, 4050},
            NoColour, QList<Control>(std::begin(Splash), std::end(Splash)), {}};
}

StartWindow choice()
{
    QList<Control> controls;
    QList<StartWindow::Opening> openings;
    for (int i = 0; i < Catalogue::Count; ++i) {
        const CatalogueEntry &e = Catalogue::Entries[i];
        controls << Control{e.button, K::Button, R::None, ChoicePlaces[i].twips, e.caption, Toolkit, NoColour, NoColour,
                            ChoicePlaces[i].flags, e.picture};
        openings << StartWindow::Opening{e.button, e.profile};
    }
    controls << WorksheetsButton;
#ifdef Q_OS_WASM
    // A page has no school's shared folder to keep a register in.
    const char16_t *classRegister = nullptr;
#else
    controls << RegisterButton;
    const char16_t *classRegister = u"cmdRegister";
#endif
    return {QStringLiteral("scelte"), QStringLiteral("Clicca per iniziare") + QString(26, u' '), {14940, 7344},
            {0, 0, 14940, 7344}, Lavender, controls, openings, u"cmdWorksheets", classRegister};
}

} // namespace StartWindows
