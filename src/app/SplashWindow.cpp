// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SplashWindow.h"

#include "ui/Artwork.h"
#include "ui/KeyText.h"
#include "ui/Twips.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace {

struct SplashLabel
{
    const char *name;
    QRect twips;
    const char16_t *text;
    qreal points;
    bool bold;
    Qt::Alignment alignment;
};

// Positions are inside the frame.
const SplashLabel Labels[] = {
    {"lblCompanyProduct", {600, 600, 2430, 435}, u"Brenvo software", 18, true, Qt::AlignLeft},
    {"lblProductName", {600, 1200, 2640, 765}, u"IL TRAMOLO", 32.25, true, Qt::AlignLeft},
    {"lblLicenseTo", {120, 120, 1575, 255}, u"Per la scuola", 8.25, false, Qt::AlignRight},
    {"lblCopyright", {120, 2280, 3615, 255}, u"Esercizi di geometria solida", 8.25, false, Qt::AlignLeft},
    {"lblCompany", {1800, 2760, 5415, 255}, u"Cubi, parallelepipedi e prismi", 8.25, false, Qt::AlignLeft},
    {"lblWarning", {240, 3480, 6855, 435}, u"Programma libero per la scuola", 8.25, false, Qt::AlignLeft},
    {"Label1", {2160, 3720, 5415, 255}, u" PREMI IL TASTO ESC PER CONTINUARE", 8.25, false, Qt::AlignLeft},
};

QFont arial(qreal points, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace

SplashWindow::SplashWindow(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    // The splash has no caption; a screen reader still names it.
    setAccessibleName(QStringLiteral("Il Tramolo"));
    setFixedSize(toPixels(7380), toPixels(4245));
    installEventFilter(this);

    m_frame = new QFrame(this);
    m_frame->setObjectName(QStringLiteral("Frame1"));
    m_frame->setFrameShape(QFrame::Box);
    m_frame->setGeometry(twipsRect(120, 120, 7080, 4050));
    m_frame->installEventFilter(this);

    auto *button = new QPushButton(QStringLiteral("Cubi"), m_frame);
    button->setObjectName(QStringLiteral("Command3"));
    button->setGeometry(twipsRect(3960, 120, 3135, 3255));
    button->setIcon(Artwork::icon(Artwork::Picture::ChoiceCube));
    button->setIconSize(button->size() * 3 / 4);
    button->setAttribute(Qt::WA_NoMousePropagation);
    button->installEventFilter(this);

    for (const SplashLabel &design : Labels) {
        auto *label = new QLabel(QString::fromUtf16(design.text), m_frame);
        label->setObjectName(QLatin1String(design.name));
        label->setFont(arial(design.points, design.bold));
        label->setAlignment(design.alignment | Qt::AlignVCenter);
        QRect r = twipsRect(design.twips.x(), design.twips.y(), design.twips.width(), design.twips.height());
        // The free fonts run wider than the designed ones: a label beside the
        // picture button shrinks its font rather than slip under the button.
        const bool besideButton = r.top() < button->geometry().bottom() && r.left() < button->x();
        for (qreal points = design.points;
             besideButton && r.left() + label->sizeHint().width() > button->x() - 4 && points > 8;) {
            points -= 0.75;
            label->setFont(arial(points, design.bold));
        }
        // Wide enough for its text, yet inside the frame.
        r.setWidth(std::max(label->sizeHint().width(), std::min(r.width(), m_frame->width() - r.left() - 2)));
        r.setHeight(std::max(r.height(), label->sizeHint().height()));
        label->setGeometry(r);
        // A click on a label is not a click on the frame.
        label->setAttribute(Qt::WA_NoMousePropagation);
        label->installEventFilter(this);
    }
    button->raise();
    button->setFocus();
}

bool SplashWindow::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        // The window sees every key before its controls; none reaches them.
        if (!typedCharacters(*static_cast<QKeyEvent *>(event)).isEmpty())
            emit continued();
        return true;
    }
    case QEvent::KeyRelease:
        return true;
    case QEvent::MouseButtonPress:
        if (watched == m_frame)
            m_pressedOnFrame = static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton;
        break;
    case QEvent::MouseButtonRelease:
        if (watched == m_frame && m_pressedOnFrame) {
            m_pressedOnFrame = false;
            if (m_frame->rect().contains(static_cast<QMouseEvent *>(event)->position().toPoint()))
                emit continued();
        }
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}
