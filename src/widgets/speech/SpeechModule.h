// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

// What the speech module gives the program: a voice that runs in a thread
// of its own and tells its state through a function called in that thread.
// Plain C++ on Qt Core, so that the module needs none of the program's code.
class SpeechVoice
{
public:
    enum class State { Ready, Speaking, Unavailable };
    using Told = std::function<void(State)>;

    virtual ~SpeechVoice() = default;
    virtual void say(const QString &text) = 0;
    virtual void stop() = 0;
};

class SpeechModule
{
public:
    virtual ~SpeechModule() = default;
    // A voice starting now: its engine is made in its thread, and the first
    // state told says whether it can speak.
    virtual std::unique_ptr<SpeechVoice> open(SpeechVoice::Told told) = 0;
};

#define TRAMOLO_SPEECH_MODULE_IID "it.brenvo.Tramolo.SpeechModule/1"
Q_DECLARE_INTERFACE(SpeechModule, TRAMOLO_SPEECH_MODULE_IID)
