#pragma once

#include <QByteArray>
#include <QObject>
#include <QStringList>

struct cst_voice_struct;

namespace orva {

// The flite speech synthesiser with its US English voice "slt", turning texts into sound in
// memory. Runs in a thread of its own (FliteSpeaker's), so a reporter never waits for it.
class FliteVoice final : public QObject {
    Q_OBJECT

public:
    FliteVoice();

    // False when the voice could not be loaded.
    bool Loaded() const { return voice_ != nullptr; }

    // Mono 16-bit samples of `texts` one after the other, a short pause between them, tagged
    // with the request they answer.
    void Synthesize(int request, const QStringList& texts);

signals:
    void Synthesized(int request, const QByteArray& samples, int sampleRate);

private:
    cst_voice_struct* voice_;
};

}  // namespace orva
