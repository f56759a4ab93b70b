#pragma once

#include <QBuffer>
#include <QObject>
#include <QThread>

#include "ui/speech/Speaker.h"

class QAudioSink;

namespace orva {

class FliteVoice;

// Speech on Linux: flite, in a thread of its own, turns a request's texts into one piece of
// sound, which Qt Multimedia then plays through the desktop's sound server. Needs no speech
// daemon and no desktop session, only a sound server (PulseAudio or PipeWire's). A new request
// or Stop cuts the one before short; a request still being synthesised is dropped when it
// comes back.
class FliteSpeaker final : public QObject, public Speaker {
    Q_OBJECT

public:
    explicit FliteSpeaker(QObject* parent = nullptr);
    ~FliteSpeaker() override;

    // False when the voice or the sound output is missing.
    bool Usable() const { return usable_; }
    void Speak(const QStringList& texts) override;
    void Stop() override;

signals:
    // The sound of a request began to play, and ended (played out, cut short or failed).
    void Playing();
    void Done();
    // Asks the voice's thread to synthesise.
    void Requested(int request, const QStringList& texts);

private:
    void Play(int request, const QByteArray& samples, int sampleRate);
    void EndPlayback();

    QThread thread_;
    FliteVoice* voice_;
    bool usable_ = false;
    int request_ = 0;
    QAudioSink* sink_ = nullptr;
    // Playing was said for the sound now playing.
    bool playing_ = false;
    QByteArray sound_;
    QBuffer reader_;
};

}  // namespace orva
