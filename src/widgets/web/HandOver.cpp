// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HandOver.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace {

bool takesKeys(const QWidget *widget)
{
    const Qt::WindowType type = widget->windowType();
    return widget->isVisible() && (type == Qt::Window || type == Qt::Dialog);
}

} // namespace

HandOver::HandOver(QApplication *app)
    : QObject(app)
{
}

bool HandOver::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Hide || !watched->isWidgetType())
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    const Qt::WindowType type = widget->windowType();
    if (!widget->isWindow() || (type != Qt::Window && type != Qt::Dialog))
        return false;
    // Once the hiding is over: the window may be on its way to another.
    QPointer<QWidget> parent = widget->parentWidget() ? widget->parentWidget()->window() : nullptr;
    QMetaObject::invokeMethod(this, [this, parent] { activateOneLeft(parent); }, Qt::QueuedConnection);
    return false;
}

void HandOver::activateOneLeft(QWidget *parent)
{
    if (QApplication::activeWindow())
        return;
    QWidget *next = parent && takesKeys(parent) ? parent : nullptr;
    if (!next) {
        const QWidgetList windows = QApplication::topLevelWidgets();
        for (QWidget *candidate : windows) {
            if (takesKeys(candidate))
                next = candidate;
        }
    }
    if (next)
        next->activateWindow();
}
