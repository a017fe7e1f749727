// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Speaker.h"

#include <QLocale>
#include <QPointer>
#include <QTextToSpeech>
#include <QThread>

namespace {

// The engine, in a thread of its own: Qt's speech-dispatcher engine connects
// to the service, and lists every voice of every module, as it is made
// (1.4 s measured with espeak-ng's hundred languages), and the window must
// not wait on that. Everything the engine does happens in that thread;
// what it tells comes back as queued signals.
class Engine : public QObject
{
    Q_OBJECT
public:
    void make()
    {
        if (QTextToSpeech::availableEngines().isEmpty()) {
            emit stateChanged(Speaker::State::Unavailable);
            return;
        }
        m_tts = new QTextToSpeech(this);
        if (m_tts->state() == QTextToSpeech::Error || !chooseItalian()) {
            emit stateChanged(Speaker::State::Unavailable);
            delete m_tts;
            m_tts = nullptr;
            return;
        }
        connect(m_tts, &QTextToSpeech::stateChanged, this, [this](QTextToSpeech::State s) {
            switch (s) {
            case QTextToSpeech::Ready: emit stateChanged(Speaker::State::Ready); break;
            case QTextToSpeech::Speaking:
            case QTextToSpeech::Paused: emit stateChanged(Speaker::State::Speaking); break;
            case QTextToSpeech::Error: emit stateChanged(Speaker::State::Unavailable); break;
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

signals:
    void stateChanged(Speaker::State state);

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

    QTextToSpeech *m_tts = nullptr;
};

class QtSpeaker : public Speaker
{
public:
    QtSpeaker()
    {
        m_engine = new Engine;
        m_engine->moveToThread(&m_thread);
        connect(&m_thread, &QThread::finished, m_engine, &QObject::deleteLater);
        connect(m_engine, &Engine::stateChanged, this, &QtSpeaker::setState);
        m_thread.setObjectName(QStringLiteral("Sintesi vocale"));
        m_thread.start();
        QMetaObject::invokeMethod(m_engine, &Engine::make, Qt::QueuedConnection);
    }

    ~QtSpeaker() override
    {
        stop();
        m_thread.quit();
        m_thread.wait();
    }

    // Queued after the making: a reading asked for meanwhile begins once the
    // engine is there, or never where there is none.
    void say(const QString &text) override
    {
        if (state() == State::Unavailable)
            return;
        QMetaObject::invokeMethod(m_engine, [engine = m_engine, text] { engine->say(text); }, Qt::QueuedConnection);
    }

    void stop() override
    {
        if (state() == State::Unavailable)
            return;
        QMetaObject::invokeMethod(m_engine, &Engine::stop, Qt::QueuedConnection);
    }

private:
    QThread m_thread;
    Engine *m_engine = nullptr;
};

} // namespace

std::unique_ptr<Speaker> makeSystemSpeaker()
{
    return std::make_unique<QtSpeaker>();
}

#include "QtSpeaker.moc"
