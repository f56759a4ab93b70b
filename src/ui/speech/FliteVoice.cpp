#include "ui/speech/FliteVoice.h"

#include <mutex>

extern "C" {
#include <flite/flite.h>
// The voice library declares its entry point in no header of its own.
cst_voice* register_cmu_us_slt(const char* voxdir);
}

namespace orva {

namespace {

// Between two texts (the wording, each answer word): long enough to hear them apart.
constexpr int kPauseMilliseconds = 350;

}  // namespace

FliteVoice::FliteVoice() {
    static std::once_flag started;
    std::call_once(started, [] { flite_init(); });
    voice_ = register_cmu_us_slt(nullptr);
}

void FliteVoice::Synthesize(int request, const QStringList& texts) {
    QByteArray samples;
    int sampleRate = 0;
    for (const QString& text : texts) {
        cst_wave* wave = flite_text_to_wave(text.toUtf8().constData(), voice_);
        if (wave == nullptr) continue;
        if (sampleRate == 0) sampleRate = wave->sample_rate;
        // The voice speaks one channel at one rate; a text that came out otherwise is left out.
        if (wave->sample_rate == sampleRate && wave->num_channels == 1) {
            if (!samples.isEmpty()) samples.append(QByteArray(sampleRate * kPauseMilliseconds / 1000 * 2, '\0'));
            samples.append(reinterpret_cast<const char*>(wave->samples),
                           static_cast<qsizetype>(wave->num_samples) * 2);
        }
        delete_wave(wave);
    }
    emit Synthesized(request, samples, sampleRate);
}

}  // namespace orva
