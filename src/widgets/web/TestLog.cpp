// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TestLog.h"

#include "WebPage.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QWidget>
#include <QWindow>

using WebPage::log;

TestLog::TestLog(QApplication *app)
    : QObject(app)
{
    connect(app, &QApplication::focusChanged, this, [](QWidget *, QWidget *now) {
        if (now)
            log(QStringLiteral("focus %1").arg(now->objectName()));
    });
    // Keys go to the active window only.
    connect(app, &QGuiApplication::focusWindowChanged, this, [](QWindow *window) {
        QString name;
        for (const QWidget *widget : QApplication::topLevelWidgets()) {
            if (window && widget->windowHandle() == window)
                name = widget->objectName();
        }
        log(QStringLiteral("active %1").arg(name));
    });
}

bool TestLog::eventFilter(QObject *watched, QEvent *event)
{
    if (!watched->isWidgetType())
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    if (event->type() == QEvent::Show && widget->isWindow()) {
        log(QStringLiteral("window %1 «%2»").arg(widget->objectName(), widget->windowTitle()));
        // A window shown again, or a new one where an old one was, tells
        // all its labels anew.
        for (const QWidget *told : widget->findChildren<QWidget *>())
            m_seen.remove(told);
    } else if (event->type() == QEvent::Hide && widget->isWindow()) {
        log(QStringLiteral("hidden %1").arg(widget->objectName()));
    } else if (event->type() == QEvent::Paint) {
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            QString &seen = m_seen[label];
            if (seen != label->text()) {
                seen = label->text();
                log(QStringLiteral("label %1: %2").arg(nameOf(label), seen.simplified()));
                closePassLater();
            }
        } else if (auto *menus = qobject_cast<QMenuBar *>(widget)) {
            logEntries(menus);
        }
    }
    return false;
}

// Painting is one synchronous pass: a call queued from within it runs once
// the pass is over.
void TestLog::closePassLater()
{
    if (m_passOpen)
        return;
    m_passOpen = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_passOpen = false;
            log(QStringLiteral("drawn"));
        },
        Qt::QueuedConnection);
}

// In a page, Alt does not open the menu bar: a walk clicks its entries as a
// pupil does, where this says they lie.
void TestLog::logEntries(const QMenuBar *menus)
{
    QString places;
    for (QAction *action : menus->actions()) {
        const QRect area = menus->actionGeometry(action);
        if (!action->isVisible() || area.isEmpty())
            continue;
        const QPoint centre = menus->mapToGlobal(area.center());
        places += QStringLiteral("%1 %2,%3; ").arg(QString(action->text()).remove(u'&')).arg(centre.x()).arg(centre.y());
    }
    QString &seen = m_seen[menus];
    if (seen != places) {
        seen = places;
        log(QStringLiteral("menu %1").arg(places));
    }
}

QString TestLog::nameOf(const QLabel *label)
{
    if (!label->accessibleName().isEmpty())
        return label->accessibleName();
    if (!label->accessibleDescription().isEmpty())
        return label->accessibleDescription();
    return label->objectName();
}
