#pragma once

#include "ui/speech/Speaker.h"

struct ISpVoice;

namespace orva {

// Speech through Windows' own speech (SAPI) and the voices installed with Windows. SAPI keeps
// its own queue: each text is handed over at once and said after the one before.
class SapiSpeaker final : public Speaker {
public:
    // Takes over a voice the caller created.
    explicit SapiSpeaker(ISpVoice* voice);
    ~SapiSpeaker() override;
    SapiSpeaker(const SapiSpeaker&) = delete;
    SapiSpeaker& operator=(const SapiSpeaker&) = delete;

    void Speak(const QStringList& texts) override;
    void Stop() override;

private:
    ISpVoice* voice_;
};

}  // namespace orva
