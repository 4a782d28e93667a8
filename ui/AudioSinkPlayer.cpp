#include "AudioSinkPlayer.h"

#include "SoundModule.h"
#include "Warn.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QFile>
#include <QMediaDevices>
#include <QThread>
#include <QWaveDecoder>

namespace ui {

namespace {

QString because(const QString& reasons) {
    return reasons.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(reasons);
}

} // namespace

// In Qt 6.4 QSoundEffect drops the last tenth of a second of every sound, and one stopped and
// started again first plays, late, what was left of its last sound; a QAudioSink started again
// asks for a smaller buffer each time until it runs dry. So each cue gets a sink of its own,
// which falls silent at once when it is ended and plays its sound whole when left to run out.
//
// Qt 6.4 also tears its PulseAudio connection down at exit without stopping the thread that
// serves it, and now and then crashes if the server is still answering then. So a sink is let
// go soon after its sound has played out, and one that the end of the program cuts short is
// given a moment for the server's answer to its closing.
AudioSinkPlayer::AudioSinkPlayer() {
    playedOut_.setSingleShot(true);
    QObject::connect(&playedOut_, &QTimer::timeout, [this] { release(); });
}

AudioSinkPlayer::~AudioSinkPlayer() {
    if (!sink_)
        return;
    release();
    QThread::msleep(50);
}

void AudioSinkPlayer::stop() {
    playedOut_.stop();
    release();
}

void AudioSinkPlayer::close() {
    stop();
    playing_.close();
    samples_.clear();
}

void AudioSinkPlayer::setFileName(const QString& path) {
    path_ = path;
}

void AudioSinkPlayer::open() {
    close();
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly)) {
        warn(QStringLiteral("cannot open sound %1: %2").arg(path_, file.errorString()));
        return;
    }
    QWaveDecoder decoder(&file);
    if (decoder.open(QIODevice::ReadOnly))
        samples_ = decoder.readAll();
    if (samples_.isEmpty() || !decoder.audioFormat().isValid()) {
        samples_.clear();
        warn(QStringLiteral("cannot play sound %1: not a playable wave file").arg(path_));
        return;
    }
    format_ = decoder.audioFormat();
    if (!hasOutput())
        samples_.clear();
}

void AudioSinkPlayer::play() {
    if (samples_.isEmpty() || outputFailed_)
        return;
    playing_.close();
    playing_.setData(samples_);
    playing_.open(QIODevice::ReadOnly);
    {
        QtAudioMessages::Calling calling;
        sink_ = std::make_unique<QAudioSink>(QMediaDevices::defaultAudioOutput(), format_);
        QObject::connect(sink_.get(), &QAudioSink::stateChanged, sink_.get(),
                         [this, sink = sink_.get()] { checkOutput(sink->error()); });
        sink_->start(&playing_);
    }
    playedOut_.start(int(format_.durationForBytes(int(samples_.size())) / 1000) + 200);
    checkOutput(sink_->error());
}

void AudioSinkPlayer::release() {
    QtAudioMessages::Calling calling;
    // A sink that still has samples to give asks itself for more through a queued call. One
    // destroyed while playing closes its stream and then takes pending events, and that call
    // would reach the closed stream and abort the program; a stopped sink ignores it.
    if (sink_)
        sink_->stop();
    sink_.reset();
}

bool AudioSinkPlayer::hasOutput() {
    if (!outputChecked_) {
        outputChecked_ = true;
        QtAudioMessages::Calling calling;
        hasOutput_ = !QMediaDevices::defaultAudioOutput().isNull();
    }
    if (!hasOutput_ && !outputFailed_) {
        outputFailed_ = true;
        warn(QStringLiteral("sounds are silent: no audio output%1").arg(because(messages_.take())));
    }
    return hasOutput_;
}

void AudioSinkPlayer::checkOutput(QAudio::Error error) {
    if (outputFailed_ || error == QAudio::NoError || error == QAudio::UnderrunError)
        return;
    outputFailed_ = true;
    warn(QStringLiteral("sounds are silent: the audio output failed%1")
             .arg(because(messages_.take())));
}

} // namespace ui

extern "C" Q_DECL_EXPORT ui::SoundPlayer* bngCreateSoundPlayer() {
    return new ui::AudioSinkPlayer;
}
