// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExerciseDesign.h"

#include <algorithm>

namespace ExerciseDesign {

namespace {

using Design::Control;
using Design::Font;
using Design::Kind;

const QColor Cyan(0, 255, 255);
const QColor Green(0, 192, 0);
const QColor Red(255, 0, 0);
const QColor Blue(0, 0, 255);
const QColor Mint(192, 255, 192);

Font sans(qreal points, bool bold = false, bool italic = false)
{
    return {QStringLiteral("MS Sans Serif"), points, bold, italic};
}
Font arial(qreal points, bool bold = false)
{
    return {QStringLiteral("Arial"), points, bold, false};
}
Font times(qreal points, bool bold = false)
{
    return {QStringLiteral("Times New Roman"), points, bold, false};
}

Control label(const char *name, QRect twips, const QString &caption, Font font)
{
    Control c;
    c.name = QLatin1String(name);
    c.twips = twips;
    c.caption = caption;
    c.font = font;
    return c;
}

QList<Control> cubeTable()
{
    QList<Control> t;

    Control message = label("lblMessage", {720, 960, 6615, 615}, QString(), sans(24, true, true));
    message.alignment = Qt::AlignHCenter;
    message.back = Cyan;
    message.description = QStringLiteral("Esito");
    t << message;

    Control equals = label("Label4", {7320, 0, 615, 975}, QStringLiteral("="), arial(48, true));
    equals.alignment = Qt::AlignHCenter;
    equals.back = QColor(128, 255, 255);
    t << equals;

    Control answer = label("txtAnswer", {8040, 120, 2775, 1080}, QStringLiteral("0"), arial(36, true));
    answer.kind = Kind::TextBox;
    answer.alignment = Qt::AlignHCenter;
    answer.back = Mint;
    answer.toolTip = QStringLiteral("Inserisci il risultato e  premi il tasto  Invio");
    t << answer;

    Control unit = label("Text1", {10800, 120, 1335, 1095}, QStringLiteral("cm"), arial(36, true));
    unit.kind = Kind::TextBox;
    unit.back = Mint;
    unit.fore = QColor(0, 192, 192);
    t << unit;

    Control time = label("lblTime", {9000, 1680, 1170, 300}, QString(), sans(12, true));
    time.back = Qt::white;
    time.toolTip = QStringLiteral("Clicca sotto di me per attivare il Timer");
    time.description = QStringLiteral("Orologio");
    t << time;

    Control clock = label("Image1", {10800, 1920, 480, 480}, QString(), sans(8.25));
    clock.kind = Kind::Picture;
    clock.picture = Artwork::Picture::ClockIcon;
    clock.toolTip = QStringLiteral("Clicca sotto di me per impostare il Timer");
    t << clock;

    Control figure = label("Image4", {3120, 1800, 3090, 3180}, QString(), sans(8.25));
    figure.kind = Kind::Picture;
    figure.picture = Artwork::Picture::ExerciseCube;
    t << figure;

    Control teacher = label("Picture3", {8160, 2760, 1335, 2175}, QString(), sans(8.25));
    teacher.kind = Kind::Picture;
    teacher.picture = Artwork::Picture::Teacher;
    teacher.back = QColor(255, 255, 192);
    t << teacher;

    for (auto [name, twips] : {std::pair{"lblNum1", QRect(6600, 2160, 285, 555)},
                               std::pair{"lblNum2", QRect(4530, 5400, 165, 555)}}) {
        Control num = label(name, twips, QString(), arial(24, true));
        num.alignment = Qt::AlignHCenter;
        num.back = Cyan;
        num.autoSize = true;
        t << num;
    }

    const QRect units[] = {{6360, 2160, 615, 615}, {4560, 5280, 615, 615}, {6120, 4200, 615, 615}};
    const char *unitOf[] = {"Unità dell'altezza", "Unità della larghezza", "Unità della profondità"};
    for (int i = 0; i < 3; ++i) {
        Control cm = label("", units[i], QStringLiteral("cm"), sans(12));
        cm.name = QStringLiteral("Label2(%1)").arg(i);
        cm.description = QString::fromUtf8(unitOf[i]);
        t << cm;
    }

    Control a = label("Lbla", {3720, 5280, 855, 495}, QString(), sans(12));
    a.description = QStringLiteral("Larghezza");
    Control b = label("lblb", {6120, 4560, 60, 300}, QString(), sans(12));
    b.autoSize = true;
    b.description = QStringLiteral("Profondità");
    Control c = label("Lblalt", {6360, 2760, 60, 300}, QString(), sans(12));
    c.autoSize = true;
    c.description = QStringLiteral("Altezza");
    Control pro = label("Lblpro1", {6360, 4920, 120, 435}, QString(), sans(12));
    pro.autoSize = true;
    t << a << b << c << pro;

    Control given = label("lblsl", {240, 6000, 330, 435}, QStringLiteral("Sl"), sans(18));
    given.autoSize = true;
    given.description = QStringLiteral("Dato");
    t << given;

    Control question = label("Label5", {4080, 360, 90, 435}, QString(), sans(18));
    question.autoSize = true;
    question.fore = Qt::black;
    question.description = QStringLiteral("Domanda");
    t << question;

    Control rightCaption = label("Label6", {480, 6480, 2565, 495}, QStringLiteral("Risposte esatte"), sans(18));
    rightCaption.border = true;
    rightCaption.alignment = Qt::AlignHCenter;
    rightCaption.fore = Green;
    rightCaption.back = QColor(224, 224, 224);
    Control wrongCaption = label("Label1", {3480, 6600, 2520, 495}, QStringLiteral("Risposte errate"), sans(18));
    wrongCaption.border = true;
    wrongCaption.fore = Red;
    Control totalCaption = label("Label3", {6840, 6480, 2340, 495}, QStringLiteral("Risposte totali"), sans(18));
    totalCaption.border = true;
    totalCaption.fore = Blue;
    t << rightCaption << wrongCaption << totalCaption;

    const QString scoreTip = QStringLiteral("Questo è il tuo punteggio. Forza con il  record");
    Control right = label("lblScore", {1080, 7320, 555, 885}, QStringLiteral("0"), times(36, true));
    right.back = QColor(255, 255, 0);
    right.description = QStringLiteral("Risposte esatte");
    Control wrong = label("lblScore1", {4320, 7320, 540, 885}, QStringLiteral("0"), times(36, true));
    wrong.fore = Red;
    wrong.description = QStringLiteral("Risposte errate");
    Control total = label("lblScore2", {7800, 7200, 555, 885}, QStringLiteral("0"), times(36, true));
    total.fore = Blue;
    total.description = QStringLiteral("Risposte totali");
    for (Control *score : {&right, &wrong, &total}) {
        score->border = true;
        score->alignment = Qt::AlignHCenter;
        score->toolTip = scoreTip;
        t << *score;
    }

    Control next = label("cmdNext", {600, 8280, 1815, 1095}, QStringLiteral("&Nuovo calcolo"), sans(8.25, true));
    next.kind = Kind::Button;
    next.back = QColor(0, 255, 0);
    next.picture = Artwork::Picture::NextIcon;
    t << next;

    // Not in the original design: the worked solution after a wrong answer,
    // in the free band right of the button.
    Control solution = label("lblSolution", {2640, 8280, 9495, 1095}, QString(), sans(12));
    solution.fore = QColor(128, 0, 0);
    solution.description = QStringLiteral("Soluzione");
    t << solution;

    Control command1 = label("Command1", {7680, 8640, 855, 615}, QStringLiteral("Command1"), sans(8.25));
    command1.kind = Kind::Button;
    command1.visible = false;
    Control label8 = label("Label8", {1800, 1200, 1095, 615}, QStringLiteral("Label8"), sans(8.25));
    label8.visible = false;
    Control label9 = label("Label9", {10800, 840, 15, 15}, QStringLiteral("Label9"), sans(8.25));
    label9.tiny = true;
    Control line9 = label("Line9", {8280, 5280, 120, 120}, QString(), sans(8.25));
    line9.kind = Kind::Line;
    line9.tiny = true;
    t << command1 << label8 << label9 << line9;
    return t;
}

Control *find(QList<Control> &table, QStringView name)
{
    const auto found = std::find_if(table.begin(), table.end(),
                                    [name](const Control &c) { return c.name == name; });
    return found == table.end() ? nullptr : &*found;
}

void moveTo(QList<Control> &table, QStringView name, int left, int top, int width = -1, int height = -1)
{
    Control *c = find(table, name);
    Q_ASSERT(c);
    c->twips.moveTo(left, top);
    if (width >= 0)
        c->twips.setWidth(width);
    if (height >= 0)
        c->twips.setHeight(height);
}

// The box and prism windows sit their controls 120 twips higher than the
// cube window, apart from those placed anew around their own figure.
void raiseAll(QList<Control> &table)
{
    for (Control &c : table)
        c.twips.translate(0, -120);
}

QList<Control> boxTable()
{
    QList<Control> t = cubeTable();
    raiseAll(t);
    find(t, u"Image4")->picture = Artwork::Picture::Box;
    moveTo(t, u"Image4", 3600, 1560, 2520, 3540);
    moveTo(t, u"Picture3", 10200, 3240);
    moveTo(t, u"Lbla", 4080, 5160, 615);
    moveTo(t, u"lblb", 6120, 4440, 120, 435);
    moveTo(t, u"Lblalt", 6360, 2640, 360, 435);
    moveTo(t, u"Label2(1)", 4680, 5160);

    Control second = *find(t, u"Picture3");
    second.name = QStringLiteral("Picture1");
    second.twips.moveTo(find(t, u"Picture3")->twips.topLeft());
    t << second;
    return t;
}

QList<Control> prismTable()
{
    QList<Control> t = cubeTable();
    raiseAll(t);
    find(t, u"Image4")->picture = Artwork::Picture::Prism;
    moveTo(t, u"lblMessage", 720, 600);
    moveTo(t, u"Image4", 3840, 1440, 2205, 4140);
    moveTo(t, u"Picture3", 7200, 2400);
    moveTo(t, u"lblNum1", 6600, 2280);
    moveTo(t, u"lblNum2", 4530, 5520);
    moveTo(t, u"Lbla", 3120, 4920, 855);
    moveTo(t, u"lblb", 4440, 1080, 120, 435);
    moveTo(t, u"Lblalt", 6240, 3000, 360, 435);
    moveTo(t, u"Lblpro1", 6360, 5040);
    moveTo(t, u"Label2(0)", 6360, 2280);
    moveTo(t, u"Label2(1)", 1920, 4800);
    moveTo(t, u"Label2(2)", 3480, 1080);

    t << label("lblc", {1080, 2760, 975, 735}, QStringLiteral("Label10"), sans(12));
    Control h = label("Label7", {5760, 2520, 375, 495}, QStringLiteral("h"), sans(12));
    h.back = Qt::white;
    t << h;
    return t;
}

} // namespace

QList<Design::Control> controls(WindowProfile::Figure figure)
{
    switch (figure) {
    case WindowProfile::Figure::Cube: return cubeTable();
    case WindowProfile::Figure::Box: return boxTable();
    case WindowProfile::Figure::Prism: return prismTable();
    }
    return cubeTable();
}

QSize clientArea(WindowProfile::Figure figure)
{
    switch (figure) {
    case WindowProfile::Figure::Cube: return {10620, 7710};
    case WindowProfile::Figure::Box: return {12795, 8280};
    case WindowProfile::Figure::Prism: return {8880, 8130};
    }
    return {10620, 7710};
}

} // namespace ExerciseDesign

std::optional<Artwork::Picture> ExerciseDesign::cursor(WindowProfile::Figure figure)
{
    if (figure == WindowProfile::Figure::Cube)
        return std::nullopt;
    return Artwork::Picture::PencilCursor;
}
