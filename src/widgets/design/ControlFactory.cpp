// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ControlFactory.h"

#include "AnswerBox.h"
#include "PictureBox.h"
#include "Twips.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace Design {

namespace {

// A control kept too small to be seen shows nothing of its text; drawing it
// would load a face for one pixel.
class Unpainted : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *, QEvent *event) override { return event->type() == QEvent::Paint; }
};

QString text(const char16_t *s)
{
    return s ? QString::fromUtf16(s) : QString();
}

QWidget *makeLabel(const Control &d, QPalette &palette, QWidget *parent)
{
    auto *l = new QLabel(text(d.caption), parent);
    l->setAlignment(d.alignment() | Qt::AlignVCenter);
    if (d.has(Border))
        l->setFrameShape(QFrame::Box);
    if (d.has(WordWrap)) {
        l->setWordWrap(true);
        l->setAlignment(d.alignment() | Qt::AlignTop);
    }
    if (d.fore.isSet())
        palette.setColor(QPalette::WindowText, d.fore.color());
    if (d.back.isSet()) {
        palette.setColor(QPalette::Window, d.back.color());
        l->setAutoFillBackground(true);
    }
    return l;
}

QWidget *makeBox(const Control &d, QPalette &palette, QWidget *parent)
{
    QLineEdit *box = d.kind == Kind::AnswerBox ? new AnswerBox(parent) : new QLineEdit(parent);
    box->setText(text(d.caption));
    box->setAlignment(d.alignment() | Qt::AlignVCenter);
    if (d.kind == Kind::TextBox) {
        // The unit beside the answer is there to be read, not typed in.
        box->setReadOnly(true);
        box->setFocusPolicy(Qt::NoFocus);
    }
    if (d.back.isSet())
        palette.setColor(QPalette::Base, d.back.color());
    if (d.fore.isSet())
        palette.setColor(QPalette::Text, d.fore.color());
    return box;
}

QWidget *makeButton(const Control &d, QPalette &palette, QWidget *parent, Artwork::IconCache &icons)
{
    auto *button = new QPushButton(text(d.caption), parent);
    if (d.picture != Artwork::Picture::None) {
        button->setIcon(icons.icon(d.picture));
        button->setIconSize(d.has(LargePicture) ? toPixels(d.twips).size() * 3 / 4 : QSize(32, 32));
    }
    if (d.back.isSet())
        palette.setColor(QPalette::Button, d.back.color());
    return button;
}

} // namespace

QWidget *makeControl(const Control &d, QWidget *parent, Artwork::IconCache &icons)
{
    QWidget *w = nullptr;
    QPalette palette = parent->palette();
    switch (d.kind) {
    case Kind::Label: w = makeLabel(d, palette, parent); break;
    case Kind::TextBox:
    case Kind::AnswerBox: w = makeBox(d, palette, parent); break;
    case Kind::Button: w = makeButton(d, palette, parent, icons); break;
    case Kind::Picture: {
        auto *picture = new PictureBox(icons.document(d.picture), parent);
        if (d.back.isSet())
            picture->setBackground(d.back.color());
        w = picture;
        break;
    }
    case Kind::Line: w = new LineStroke(parent); break;
    }
    w->setObjectName(QString::fromUtf16(d.name));
    // A control of the canvas's own colours inherits them, at no cost.
    if (palette != parent->palette())
        w->setPalette(palette);
    if (d.toolTip)
        w->setToolTip(text(d.toolTip));
    if (d.description)
        w->setAccessibleDescription(text(d.description));
    // At its design place from the start: a child shown before it has a
    // size sizes itself to its text, in a font it will never be drawn in.
    w->setGeometry(toPixels(d.twips));
    w->setHidden(d.has(Hidden));
    if (d.has(Tiny))
        w->installEventFilter(new Unpainted(w));
    return w;
}

} // namespace Design
