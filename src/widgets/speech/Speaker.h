// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>
#include <memory>

// A voice that reads a text aloud in Italian, and tells when it speaks and
// when it is done. A machine without a speech engine, or without an Italian
// voice, has a speaker that is unavailable from the start.
class Speaker : public QObject
{
    Q_OBJECT
public:
    enum class State { Ready, Speaking, Unavailable };
    Q_ENUM(State)

    using QObject::QObject;

    State state() const { return m_state; }

    // Reads the text from its beginning, cutting short what is being read.
    virtual void say(const QString &text) = 0;
    virtual void stop() = 0;

signals:
    void stateChanged(Speaker::State state);

protected:
    void setState(State state);

private:
    State m_state = State::Ready;
};

// The system's own speech engine with its Italian voice: Qt's text to
// speech where Qt has it, the speech API of Windows on Windows. Engines
// connect to their service, and may start it, as they are made: make it
// when the pupil first asks, never at start-up.
std::unique_ptr<Speaker> makeSystemSpeaker();
