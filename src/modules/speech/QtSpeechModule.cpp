// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The speech module: Qt's text to speech with its Italian voice, opened by
// the program on the first reading, so that no start pays for loading Qt
// TextToSpeech.

#include "speech/SpeechModule.h"

#include <QLocale>
#include <QTextToSpeech>
#include <QThread>

namespace {

// The engine, in a thread of its own: Qt's speech-dispatcher engine connects
// to the service, and lists every voice of every module, as it is made
// (1.4 s measured with espeak-ng's hundred languages), and the window must
// not wait on that. Everything the engine does happens in that thread.
class Engine : public QObject
{
    Q_OBJECT
public:
    explicit Engine(SpeechVoice::Told told) : m_told(std::move(told)) {}

    void make()
    {
        using State = SpeechVoice::State;
        if (QTextToSpeech::availableEngines().isEmpty()) {
            m_told(State::Unavailable);
            return;
        }
        m_tts = new QTextToSpeech(this);
        if (m_tts->state() == QTextToSpeech::Error || !chooseItalian()) {
            m_told(State::Unavailable);
            delete m_tts;
            m_tts = nullptr;
            return;
        }
        connect(m_tts, &QTextToSpeech::stateChanged, this, [this](QTextToSpeech::State s) {
            switch (s) {
            case QTextToSpeech::Ready: m_told(State::Ready); break;
            case QTextToSpeech::Speaking:
            case QTextToSpeech::Paused: m_told(State::Speaking); break;
            case QTextToSpeech::Error: m_told(State::Unavailable); break;
            }
        });
    }

    void say(const QString &text)
    {
        if (!m_tts)
            return;
        m_tts->stop();
        m_tts->say(text);
    }

    void stop()
    {
        if (m_tts)
            m_tts->stop();
    }

private:
    bool chooseItalian()
    {
        const QList<QLocale> locales = m_tts->availableLocales();
        for (const QLocale &locale : locales) {
            if (locale.language() == QLocale::Italian) {
                m_tts->setLocale(locale);
                return true;
            }
        }
        return false;
    }

    SpeechVoice::Told m_told;
    QTextToSpeech *m_tts = nullptr;
};

class QtVoice : public SpeechVoice
{
public:
    explicit QtVoice(Told told)
    {
        m_engine = new Engine(std::move(told));
        m_engine->moveToThread(&m_thread);
        QObject::connect(&m_thread, &QThread::finished, m_engine, &QObject::deleteLater);
        m_thread.setObjectName(QStringLiteral("Sintesi vocale"));
        m_thread.start();
        QMetaObject::invokeMethod(m_engine, &Engine::make, Qt::QueuedConnection);
    }

    ~QtVoice() override
    {
        stop();
        m_thread.quit();
        m_thread.wait();
    }

    // Queued after the making: a reading asked for meanwhile begins once the
    // engine is there, or never where there is none.
    void say(const QString &text) override
    {
        QMetaObject::invokeMethod(m_engine, [engine = m_engine, text] { engine->say(text); }, Qt::QueuedConnection);
    }

    void stop() override { QMetaObject::invokeMethod(m_engine, &Engine::stop, Qt::QueuedConnection); }

private:
    QThread m_thread;
    Engine *m_engine = nullptr;
};

} // namespace

class QtSpeechModule : public QObject, public SpeechModule
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID TRAMOLO_SPEECH_MODULE_IID)
    Q_INTERFACES(SpeechModule)
public:
    std::unique_ptr<SpeechVoice> open(SpeechVoice::Told told) override { return std::make_unique<QtVoice>(std::move(told)); }
};

#include "QtSpeechModule.moc"
