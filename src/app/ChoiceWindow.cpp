#include "ChoiceWindow.h"

#include "ui/Artwork.h"
#include "ui/Twips.h"

#include <QPushButton>

ChoiceWindow::ChoiceWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("scelte"));
    setWindowTitle(QStringLiteral("Clicca per iniziare") + QString(26, u' '));
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(128, 128, 255));
    setPalette(background);
    resize(toPixels(5220), toPixels(4950));

    auto *cube = new QPushButton(QStringLiteral("Cubi"), this);
    cube->setObjectName(QStringLiteral("Command3"));
    cube->setGeometry(twipsRect(120, 120, 4935, 4695));
    cube->setIcon(Artwork::icon(Artwork::Picture::ChoiceCube));
    cube->setIconSize(cube->size() * 3 / 4);
    cube->setAutoDefault(true);
    connect(cube, &QPushButton::clicked, this, [this] { emit chosen(WindowProfile::Figure::Cube); });
    cube->setFocus();
}
