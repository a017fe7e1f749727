// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SplashWindow.h"

#include "definitions/StartWindows.h"
#include "design/DesignCanvas.h"
#include "design/KeyText.h"
#include "design/Twips.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QVBoxLayout>

SplashWindow::SplashWindow(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint)
{
    const StartWindow design = StartWindows::splash();
    setObjectName(design.name);
    setAccessibleName(design.title);
    installEventFilter(this);
#ifdef Q_OS_WASM
    // The page is the window: the design scales to fill it, from a phone to
    // a whiteboard.
    m_frame = new DesignCanvas(design.canvasTwips.size(), DesignCanvas::Mode::Scaled, this);
    auto *fill = new QVBoxLayout(this);
    fill->addWidget(m_frame);
#else
    setFixedSize(design.twips / TwipsPerPixel);
    m_frame = new DesignCanvas(design.canvasTwips.size(), DesignCanvas::Mode::Fixed, this);
    m_frame->setGeometry(toPixels(design.canvasTwips));
#endif
    m_frame->setObjectName(QStringLiteral("Frame1"));
    m_frame->setFrameShape(QFrame::Box);
    m_frame->installEventFilter(this);
    Artwork::IconCache icons;
    m_frame->addAll(design.controls, icons);
    for (QWidget *control : m_frame->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        // A click on a label or the button is not a click on the frame.
        control->setAttribute(Qt::WA_NoMousePropagation);
        control->installEventFilter(this);
    }
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
