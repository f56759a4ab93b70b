#include "ui/speech/SapiSpeaker.h"

#include <objbase.h>
#include <sapi.h>
#include <string>

namespace orva {

std::unique_ptr<Speaker> MakeSystemSpeaker() {
    // The program's thread already runs COM for Qt; this only makes sure of it.
    const HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (FAILED(init) && init != RPC_E_CHANGED_MODE) return nullptr;
    ISpVoice* voice = nullptr;
    if (FAILED(CoCreateInstance(CLSID_SpVoice, nullptr, CLSCTX_ALL, IID_ISpVoice, reinterpret_cast<void**>(&voice))) ||
        voice == nullptr)
        return nullptr;
    return std::make_unique<SapiSpeaker>(voice);
}

SapiSpeaker::SapiSpeaker(ISpVoice* voice) : voice_(voice) {}

SapiSpeaker::~SapiSpeaker() {
    Stop();
    voice_->Release();
}

void SapiSpeaker::Speak(const QStringList& texts) {
    Stop();
    for (const QString& text : texts) {
        const std::wstring wide = text.toStdWString();
        // Plain text, so that "<" in a wording is never taken for a speech tag.
        voice_->Speak(wide.c_str(), SPF_ASYNC | SPF_IS_NOT_XML, nullptr);
    }
}

void SapiSpeaker::Stop() {
    voice_->Speak(nullptr, SPF_ASYNC | SPF_PURGEBEFORESPEAK, nullptr);
}

}  // namespace orva
