#include "ui/speech/FliteSpeaker.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

#include "ui/speech/FliteVoice.h"

namespace orva {

namespace {

// A short output buffer, so that the end of the sound is known when it is heard, not seconds
// later; long enough that a busy moment of the program does not leave the sound output dry.
constexpr int kBufferMilliseconds = 500;

}  // namespace

std::unique_ptr<Speaker> MakeSystemSpeaker() {
    auto speaker = std::make_unique<FliteSpeaker>();
    if (!speaker->Usable()) return nullptr;
    return speaker;
}

FliteSpeaker::FliteSpeaker(QObject* parent) : QObject(parent), voice_(new FliteVoice) {
    usable_ = voice_->Loaded() && !QMediaDevices::defaultAudioOutput().isNull();
    voice_->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, voice_, &QObject::deleteLater);
    connect(this, &FliteSpeaker::Requested, voice_, &FliteVoice::Synthesize);
    connect(voice_, &FliteVoice::Synthesized, this, &FliteSpeaker::Play);
    thread_.start();
}

FliteSpeaker::~FliteSpeaker() {
    EndPlayback();
    thread_.quit();
    thread_.wait();
}

void FliteSpeaker::Speak(const QStringList& texts) {
    Stop();
    if (!usable_ || texts.isEmpty()) return;
    emit Requested(request_, texts);
}

void FliteSpeaker::Stop() {
    ++request_;
    EndPlayback();
}

void FliteSpeaker::Play(int request, const QByteArray& samples, int sampleRate) {
    if (request != request_ || samples.isEmpty() || sampleRate <= 0) return;
    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    sound_ = samples;
    reader_.setBuffer(&sound_);
    reader_.open(QIODevice::ReadOnly);
    sink_ = new QAudioSink(QMediaDevices::defaultAudioOutput(), format, this);
    sink_->setBufferSize(format.bytesForDuration(kBufferMilliseconds * 1000));
    connect(sink_, &QAudioSink::stateChanged, this, [this](QAudio::State state) {
        if (state == QAudio::ActiveState && !playing_) {
            playing_ = true;
            emit Playing();
        }
        // Played out, or the sound server gave up: either way this request is over. Idle before
        // the end is the output running dry for a moment; it goes on by itself.
        if ((state == QAudio::IdleState && reader_.atEnd()) ||
            (state == QAudio::StoppedState && sink_->error() != QAudio::NoError))
            EndPlayback();
    });
    playing_ = false;
    sink_->start(&reader_);
}

void FliteSpeaker::EndPlayback() {
    if (sink_ == nullptr) return;
    QAudioSink* sink = sink_;
    sink_ = nullptr;
    sink->disconnect(this);
    sink->stop();
    // Not from within its own signal: it goes once control is back in the event loop.
    sink->deleteLater();
    reader_.close();
    emit Done();
}

}  // namespace orva
