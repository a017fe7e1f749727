// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WebPage.h"

#include <QAccessible>
#include <QApplication>
#include <QFontDatabase>
#include <QHash>
#include <QLabel>
#include <QPointer>
#include <QWidget>
#include <cstdio>

#include <emscripten/val.h>

namespace WebPage {

namespace {

bool testLogOn()
{
    static const bool on = qEnvironmentVariableIntValue("TRAMOLO_TEST_LOG") == 1;
    return on;
}

// Reads the windows and labels as they are painted: this Qt has no
// accessibility to report their changes, and a label repaints whenever its
// text changes.
class TestLog : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!watched->isWidgetType())
            return false;
        auto *widget = static_cast<QWidget *>(watched);
        if (event->type() == QEvent::Show && widget->isWindow()) {
            log(QStringLiteral("window %1 «%2»").arg(widget->objectName(), widget->windowTitle()));
        } else if (event->type() == QEvent::Paint) {
            if (auto *label = qobject_cast<QLabel *>(widget)) {
                QString &seen = m_seen[label];
                if (seen != label->text()) {
                    seen = label->text();
                    log(QStringLiteral("label %1: %2").arg(nameOf(label), seen.simplified()));
                }
            }
        }
        return false;
    }

private:
    static QString nameOf(const QLabel *label)
    {
        if (!label->accessibleName().isEmpty())
            return label->accessibleName();
        if (!label->accessibleDescription().isEmpty())
            return label->accessibleDescription();
        return label->objectName();
    }

    QHash<const QLabel *, QString> m_seen;
};

} // namespace

void prepare(QApplication &app)
{
    for (const char *face : {"LiberationSans-Regular", "LiberationSans-Bold", "LiberationSans-BoldItalic",
                             "LiberationSerif-Bold"})
        QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/%1.ttf").arg(QLatin1String(face)));
    if (testLogOn())
        app.installEventFilter(new TestLog(&app));
}

void markAnswered()
{
    emscripten::val::global("window").set("tramoloAnswered", true);
}

void log(const QString &line)
{
    if (!testLogOn())
        return;
    std::printf("tramolo-test: %s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

bool touchScreen()
{
    if (qEnvironmentVariableIntValue("TRAMOLO_TOUCH_KEYS") == 1)
        return true;
    const emscripten::val navigator = emscripten::val::global("navigator");
    return navigator["maxTouchPoints"].as<int>() > 0;
}

} // namespace WebPage
