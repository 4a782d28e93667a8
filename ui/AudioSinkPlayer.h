#pragma once

#include "QtAudioMessages.h"
#include "SoundPlayer.h"

#include <QAudio>
#include <QAudioFormat>
#include <QBuffer>
#include <QByteArray>
#include <QString>
#include <QTimer>

#include <memory>

class QAudioSink;

namespace ui {

// The sound module's player: the wave file is read whole when opened and streamed to the
// default audio output when played. Without an audio output, or once it has failed, every cue
// is silent, and this is said once.
class AudioSinkPlayer : public SoundPlayer {
public:
    AudioSinkPlayer();
    ~AudioSinkPlayer() override;

    void stop() override;
    void close() override;
    void setFileName(const QString& path) override;
    void open() override;
    void play() override;

private:
    void release();
    bool hasOutput();
    void checkOutput(QAudio::Error error);

    QtAudioMessages messages_;
    QString path_;
    QByteArray samples_;
    QAudioFormat format_;
    QBuffer playing_;
    std::unique_ptr<QAudioSink> sink_;
    QTimer playedOut_;
    bool outputChecked_ = false;
    bool hasOutput_ = false;
    bool outputFailed_ = false;
};

} // namespace ui
