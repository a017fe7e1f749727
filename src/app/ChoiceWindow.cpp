// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ChoiceWindow.h"

#include "ui/Artwork.h"
#include "ui/Twips.h"

#include <QPushButton>

namespace {

struct Choice
{
    const char *name;
    const char16_t *caption;
    QRect twips;
    Artwork::Picture picture;
    WindowProfile::Figure figure;
};

} // namespace

ChoiceWindow::ChoiceWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("scelte"));
    setWindowTitle(QStringLiteral("Clicca per iniziare") + QString(26, u' '));
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(128, 128, 255));
    setPalette(background);
    // The cube button as designed; the box and the prism share a column at its right.
    resize(toPixels(8430), toPixels(4950));
    const Choice choices[] = {
        {"Command3", u"Cubi", {120, 120, 4935, 4695}, Artwork::Picture::ChoiceCube,
         WindowProfile::Figure::Cube},
        {"cmdBox", u"Parallelepipedo", {5175, 120, 3135, 2287}, Artwork::Picture::Box,
         WindowProfile::Figure::Box},
        {"cmdPrism", u"Prisma", {5175, 2528, 3135, 2287}, Artwork::Picture::Prism,
         WindowProfile::Figure::Prism},
    };
    for (const Choice &choice : choices) {
        auto *button = new QPushButton(QString::fromUtf16(choice.caption), this);
        button->setObjectName(QLatin1String(choice.name));
        const QRect &t = choice.twips;
        button->setGeometry(twipsRect(t.x(), t.y(), t.width(), t.height()));
        button->setIcon(Artwork::icon(choice.picture));
        button->setIconSize(button->size() * 3 / 4);
        button->setAutoDefault(true);
        const WindowProfile::Figure figure = choice.figure;
        connect(button, &QPushButton::clicked, this, [this, figure] { emit chosen(figure); });
    }
    findChild<QPushButton *>(QStringLiteral("Command3"))->setFocus();
}
