// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Speaker.h"

#include <QWinEventNotifier>

// windows.h first: sapi.h takes its types from it.
#include <windows.h>
#include <initguid.h>
#include <sapi.h>

namespace {

// The speech API every Windows has (Qt's text to speech is not in this
// build). Its voices are registry tokens; the Italian one is the token of
// language 410. The end of a reading comes as a Win32 event.
class SapiSpeaker : public Speaker
{
public:
    SapiSpeaker()
    {
        if (!findItalianVoice()) {
            setState(State::Unavailable);
            return;
        }
        const ULONGLONG interest = SPFEI(SPEI_END_INPUT_STREAM);
        if (FAILED(m_voice->SetInterest(interest, interest)) || FAILED(m_voice->SetNotifyWin32Event())) {
            setState(State::Unavailable);
            return;
        }
        m_done = new QWinEventNotifier(m_voice->GetNotifyEventHandle(), this);
        connect(m_done, &QWinEventNotifier::activated, this, [this] {
            SPVOICESTATUS status{};
            if (SUCCEEDED(m_voice->GetStatus(&status, nullptr)) && status.dwRunningState != SPRS_IS_SPEAKING)
                setState(State::Ready);
        });
    }

    ~SapiSpeaker() override
    {
        if (m_voice) {
            m_voice->Speak(nullptr, SPF_PURGEBEFORESPEAK, nullptr);
            m_voice->Release();
        }
    }

    void say(const QString &text) override
    {
        if (state() == State::Unavailable)
            return;
        const DWORD flags = SPF_ASYNC | SPF_PURGEBEFORESPEAK | SPF_IS_NOT_XML;
        if (SUCCEEDED(m_voice->Speak(reinterpret_cast<LPCWSTR>(text.utf16()), flags, nullptr)))
            setState(State::Speaking);
    }

    void stop() override
    {
        if (state() == State::Unavailable)
            return;
        m_voice->Speak(nullptr, SPF_ASYNC | SPF_PURGEBEFORESPEAK, nullptr);
        setState(State::Ready);
    }

private:
    bool findItalianVoice()
    {
        if (FAILED(CoCreateInstance(CLSID_SpVoice, nullptr, CLSCTX_ALL, IID_ISpVoice,
                                    reinterpret_cast<void **>(&m_voice)))) {
            m_voice = nullptr;
            return false;
        }
        ISpObjectTokenCategory *category = nullptr;
        if (FAILED(CoCreateInstance(CLSID_SpObjectTokenCategory, nullptr, CLSCTX_ALL, IID_ISpObjectTokenCategory,
                                    reinterpret_cast<void **>(&category))))
            return false;
        bool found = false;
        IEnumSpObjectTokens *tokens = nullptr;
        if (SUCCEEDED(category->SetId(SPCAT_VOICES, FALSE))
            && SUCCEEDED(category->EnumTokens(L"Language=410", nullptr, &tokens)) && tokens) {
            ISpObjectToken *token = nullptr;
            ULONG fetched = 0;
            if (SUCCEEDED(tokens->Next(1, &token, &fetched)) && fetched == 1 && token) {
                found = SUCCEEDED(m_voice->SetVoice(token));
                token->Release();
            }
            tokens->Release();
        }
        category->Release();
        return found;
    }

    ISpVoice *m_voice = nullptr;
    QWinEventNotifier *m_done = nullptr;
};

} // namespace

std::unique_ptr<Speaker> makeSystemSpeaker()
{
    return std::make_unique<SapiSpeaker>();
}
