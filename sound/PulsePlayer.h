#pragma once

#include "SoundPlayer.h"
#include "WaveFile.h"

#include <QString>

struct pa_context;
struct pa_stream;
struct pa_threaded_mainloop;
struct pa_time_event;

namespace sound {

// The sound module's player, a client of the PulseAudio protocol, which PipeWire's pulse server
// speaks too. Each cue is a stream of its own on the default output of the moment, so a cue
// follows the player's choice of output, and ending a stream cuts its sound at once.
//
// The connection lives on a thread of the sound library's, never on the game's event loop, so
// no call here runs a handler inside another. When the server goes away, cues are silent; the
// next cue connects again, and sounds come back once a server answers. A cue that has not
// started soon after it was given is dropped, never heard late, as when the server hangs.
class PulsePlayer : public SoundPlayer {
public:
    explicit PulsePlayer(bool saysWhenSilent = true);
    ~PulsePlayer() override;
    PulsePlayer(const PulsePlayer&) = delete;
    PulsePlayer& operator=(const PulsePlayer&) = delete;

    void stop() override;
    void close() override;
    void setFileName(const QString& path) override;
    void open() override;
    void play() override;

private:
    // Everything below runs with the sound thread's lock held.
    void connect();
    void armDeadline();
    void disarmDeadline();
    void deadlinePassed();
    void startStream();
    void endStream();
    void streamReady();
    void silent(const QString& why);
    void contextChanged();
    void streamChanged(pa_stream* stream);

    pa_threaded_mainloop* loop_ = nullptr;
    pa_context* context_ = nullptr;
    pa_stream* stream_ = nullptr;
    pa_time_event* deadline_ = nullptr;
    QString path_;
    std::optional<WaveFile> opened_;
    // The cue given last and its file, for the sound thread.
    WaveFile cue_;
    QString cuePath_;
    bool cueWaiting_ = false;
    bool wasReady_ = false;
    bool silent_ = false;
    const bool saysWhenSilent_;
};

} // namespace sound
