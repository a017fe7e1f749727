// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Speaker.h"

#include <QRegularExpression>
#include <QTimer>

#include <emscripten/val.h>

using emscripten::val;

namespace {

// The browser's own voices (speechSynthesis). Browsers speak only what a
// key press or a click asked for, so each sentence is queued at once, in
// the handler of the "Leggi" that asked; a long text in one utterance is
// cut off by some browsers, hence one utterance a sentence. The browser
// tells the end of a reading through events this build cannot bind without
// more of emscripten than it needs, so while speaking the speaker looks at
// speechSynthesis.speaking, which stays true until the queue is read out.
class WebSpeaker : public Speaker
{
public:
    WebSpeaker()
    {
        m_synthesis = val::global("speechSynthesis");
        if (m_synthesis.isUndefined() || m_synthesis.isNull()) {
            setState(State::Unavailable);
            return;
        }
        m_watch.setInterval(200);
        connect(&m_watch, &QTimer::timeout, this, [this] {
            if (!m_synthesis["speaking"].as<bool>() && !m_synthesis["pending"].as<bool>()) {
                m_watch.stop();
                setState(State::Ready);
            }
        });
        // The voices may still be loading when the page opens: with none
        // listed yet the voice is chosen at the first reading.
        if (!chooseVoice() && m_listed)
            setState(State::Unavailable);
    }

    ~WebSpeaker() override
    {
        if (state() == State::Speaking)
            m_synthesis.call<void>("cancel");
    }

    void say(const QString &text) override
    {
        if (state() == State::Unavailable)
            return;
        if (m_voice.isUndefined() && !chooseVoice()) {
            if (m_listed)
                setState(State::Unavailable);
            return;
        }
        m_synthesis.call<void>("cancel");
        static const QRegularExpression sentenceEnd(QStringLiteral("(?<=[.:;!?])\\s+"));
        for (const QString &sentence : text.split(sentenceEnd, Qt::SkipEmptyParts)) {
            val utterance = val::global("SpeechSynthesisUtterance").new_(val(sentence.toStdString()));
            utterance.set("lang", m_voice["lang"]);
            utterance.set("voice", m_voice);
            m_synthesis.call<void>("speak", utterance);
        }
        setState(State::Speaking);
        m_watch.start();
    }

    void stop() override
    {
        if (state() != State::Speaking)
            return;
        m_synthesis.call<void>("cancel");
        m_watch.stop();
        setState(State::Ready);
    }

private:
    // An Italian voice, the device's own before one spoken from a server.
    bool chooseVoice()
    {
        const val voices = m_synthesis.call<val>("getVoices");
        const int count = voices["length"].as<int>();
        m_listed = count > 0;
        val chosen = val::undefined();
        for (int i = 0; i < count; ++i) {
            const val voice = voices[i];
            const QString lang = QString::fromStdString(voice["lang"].as<std::string>()).replace(u'_', u'-');
            if (lang.compare(QLatin1String("it"), Qt::CaseInsensitive) != 0
                && !lang.startsWith(QLatin1String("it-"), Qt::CaseInsensitive))
                continue;
            if (voice["localService"].as<bool>()) {
                m_voice = voice;
                return true;
            }
            if (chosen.isUndefined())
                chosen = voice;
        }
        m_voice = chosen;
        return !m_voice.isUndefined();
    }

    val m_synthesis = val::undefined();
    val m_voice = val::undefined();
    bool m_listed = false;
    QTimer m_watch;
};

} // namespace

std::unique_ptr<Speaker> makeSystemSpeaker()
{
    return std::make_unique<WebSpeaker>();
}
