// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Speaker.h"
#include "SpeechModule.h"
#include "modules/ModuleLoader.h"

#include <QPointer>

namespace {

// The speech module's voice behind the program's speaker: what the voice
// tells in its thread comes to the window's thread as a queued call, which
// is dropped once the speaker is gone. Without the module the speaker is
// unavailable from the start.
class ModuleSpeaker : public Speaker
{
public:
    ModuleSpeaker()
    {
        auto *module = ModuleLoader::open<SpeechModule>(QLatin1StringView("tramolo-speech"));
        if (!module) {
            setState(State::Unavailable);
            return;
        }
        m_voice = module->open([this](SpeechVoice::State told) {
            QMetaObject::invokeMethod(this, [this, told] { setState(stateOf(told)); }, Qt::QueuedConnection);
        });
    }

    ~ModuleSpeaker() override { m_voice.reset(); }

    void say(const QString &text) override
    {
        if (m_voice && state() != State::Unavailable)
            m_voice->say(text);
    }

    void stop() override
    {
        if (m_voice && state() != State::Unavailable)
            m_voice->stop();
    }

private:
    static State stateOf(SpeechVoice::State told)
    {
        switch (told) {
        case SpeechVoice::State::Ready: return State::Ready;
        case SpeechVoice::State::Speaking: return State::Speaking;
        case SpeechVoice::State::Unavailable: break;
        }
        return State::Unavailable;
    }

    std::unique_ptr<SpeechVoice> m_voice;
};

} // namespace

std::unique_ptr<Speaker> makeSystemSpeaker()
{
    return std::make_unique<ModuleSpeaker>();
}
