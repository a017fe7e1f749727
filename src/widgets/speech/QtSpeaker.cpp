// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Speaker.h"

#include <QLocale>
#include <QTextToSpeech>

namespace {

// Qt's text to speech: on Linux speech-dispatcher, whose Italian voice
// comes from espeak-ng.
class QtSpeaker : public Speaker
{
public:
    QtSpeaker()
    {
        if (QTextToSpeech::availableEngines().isEmpty()) {
            setState(State::Unavailable);
            return;
        }
        m_engine = new QTextToSpeech(this);
        if (m_engine->state() == QTextToSpeech::Error || !chooseItalian()) {
            setState(State::Unavailable);
            return;
        }
        connect(m_engine, &QTextToSpeech::stateChanged, this, [this](QTextToSpeech::State s) {
            switch (s) {
            case QTextToSpeech::Ready: setState(State::Ready); break;
            case QTextToSpeech::Speaking:
            case QTextToSpeech::Paused: setState(State::Speaking); break;
            case QTextToSpeech::Error: setState(State::Unavailable); break;
            }
        });
    }

    void say(const QString &text) override
    {
        if (state() == State::Unavailable)
            return;
        m_engine->stop();
        m_engine->say(text);
    }

    void stop() override
    {
        if (state() == State::Unavailable)
            return;
        m_engine->stop();
    }

private:
    bool chooseItalian()
    {
        const QList<QLocale> locales = m_engine->availableLocales();
        for (const QLocale &locale : locales) {
            if (locale.language() == QLocale::Italian) {
                m_engine->setLocale(locale);
                return true;
            }
        }
        return false;
    }

    QTextToSpeech *m_engine = nullptr;
};

} // namespace

std::unique_ptr<Speaker> makeSystemSpeaker()
{
    return std::make_unique<QtSpeaker>();
}
