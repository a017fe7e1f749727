// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WebPage.h"

#include "HandOver.h"
#include "TestLog.h"

#include <QApplication>
#include <QFontDatabase>
#include <cstdio>

#include <emscripten/val.h>

namespace WebPage {

namespace {

bool testLogOn()
{
    static const bool on = qEnvironmentVariableIntValue("TRAMOLO_TEST_LOG") == 1;
    return on;
}

} // namespace

void prepare(QApplication &app)
{
    for (const char *face : {"LiberationSans-Regular", "LiberationSans-Bold", "LiberationSans-BoldItalic",
                             "LiberationSerif-Bold"})
        QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/%1.ttf").arg(QLatin1String(face)));
    app.installEventFilter(new HandOver(&app));
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
