#include "PulsePlayer.h"

#include "SoundModule.h"
#include "VorbisFile.h"
#include "ui/Warn.h"

#include <QCoreApplication>
#include <QFile>

#include <pulse/pulseaudio.h>

#include <cstdint>
#include <iterator>

namespace sound {

using ui::warn;

namespace {

// The cues last about a second; a file far larger is no cue of the game's.
constexpr qint64 LargestCue = 16 << 20;

// How soon a cue cut by the next one falls silent.
constexpr pa_usec_t CutWithin = 40 * PA_USEC_PER_MSEC;

// A cue answers a key; one that starts later than this would answer a guess whose message the
// player has long read, as when the audio server hangs, so it is dropped instead.
constexpr pa_usec_t StartWithin = 500 * PA_USEC_PER_MSEC;

pa_sample_format_t sampleFormat(WaveFile::Encoding encoding) {
    switch (encoding) {
    case WaveFile::Encoding::Unsigned8:
        return PA_SAMPLE_U8;
    case WaveFile::Encoding::Signed16:
        return PA_SAMPLE_S16LE;
    case WaveFile::Encoding::Signed24:
        return PA_SAMPLE_S24LE;
    case WaveFile::Encoding::Signed32:
        return PA_SAMPLE_S32LE;
    case WaveFile::Encoding::Float32:
        return PA_SAMPLE_FLOAT32LE;
    }
    return PA_SAMPLE_INVALID;
}

pa_sample_spec sampleLayout(const WaveFile& wave) {
    return {sampleFormat(wave.encoding), wave.rate, std::uint8_t(wave.channels)};
}

// The wave format's speakers, by the bit of the channel mask that names each.
constexpr pa_channel_position_t SpeakerOfBit[] = {
    PA_CHANNEL_POSITION_FRONT_LEFT,
    PA_CHANNEL_POSITION_FRONT_RIGHT,
    PA_CHANNEL_POSITION_FRONT_CENTER,
    PA_CHANNEL_POSITION_LFE,
    PA_CHANNEL_POSITION_REAR_LEFT,
    PA_CHANNEL_POSITION_REAR_RIGHT,
    PA_CHANNEL_POSITION_FRONT_LEFT_OF_CENTER,
    PA_CHANNEL_POSITION_FRONT_RIGHT_OF_CENTER,
    PA_CHANNEL_POSITION_REAR_CENTER,
    PA_CHANNEL_POSITION_SIDE_LEFT,
    PA_CHANNEL_POSITION_SIDE_RIGHT,
    PA_CHANNEL_POSITION_TOP_CENTER,
    PA_CHANNEL_POSITION_TOP_FRONT_LEFT,
    PA_CHANNEL_POSITION_TOP_FRONT_CENTER,
    PA_CHANNEL_POSITION_TOP_FRONT_RIGHT,
    PA_CHANNEL_POSITION_TOP_REAR_LEFT,
    PA_CHANNEL_POSITION_TOP_REAR_CENTER,
    PA_CHANNEL_POSITION_TOP_REAR_RIGHT,
};

// The file's own channel order: the speakers its mask names, lowest bit first, with channels
// beyond them unassigned; without a mask, the wave format's standard order, which for one
// channel is mono.
pa_channel_map channelOrder(const WaveFile& wave) {
    pa_channel_map map;
    if (wave.speakers == 0) {
        pa_channel_map_init_extend(&map, unsigned(wave.channels), PA_CHANNEL_MAP_WAVEEX);
        return map;
    }
    pa_channel_map_init(&map);
    map.channels = std::uint8_t(wave.channels);
    int channel = 0;
    for (std::size_t bit = 0; bit < std::size(SpeakerOfBit) && channel < wave.channels; ++bit)
        if (wave.speakers & (1u << bit))
            map.map[channel++] = SpeakerOfBit[bit];
    for (int aux = 0; channel < wave.channels; ++aux)
        map.map[channel++] = pa_channel_position_t(PA_CHANNEL_POSITION_AUX0 + aux);
    return map;
}

// Why the audio server let the last request down, in its own words.
QString because(pa_context* context) {
    return QString::fromUtf8(pa_strerror(pa_context_errno(context)));
}

// The lines below are the ones a player may read on standard error.
QString problem(const char* english) {
    return QCoreApplication::translate("Problems", english);
}

class Locked {
public:
    explicit Locked(pa_threaded_mainloop* loop) : loop_(loop) { pa_threaded_mainloop_lock(loop_); }
    ~Locked() { pa_threaded_mainloop_unlock(loop_); }
    Locked(const Locked&) = delete;
    Locked& operator=(const Locked&) = delete;

private:
    pa_threaded_mainloop* loop_;
};

// A stream let go may still be waiting for the server to create it; it is ended as soon as it
// exists. Its cue was never written to it, so nothing of it is heard.
void endWhenReady(pa_stream* stream, void*) {
    if (pa_stream_get_state(stream) == PA_STREAM_READY)
        pa_stream_disconnect(stream);
}

} // namespace

PulsePlayer::PulsePlayer(bool saysWhenSilent)
    : loop_(pa_threaded_mainloop_new()), saysWhenSilent_(saysWhenSilent) {
    if (loop_ && pa_threaded_mainloop_start(loop_) < 0) {
        pa_threaded_mainloop_free(loop_);
        loop_ = nullptr;
    }
    if (!loop_)
        silent(problem(QT_TRANSLATE_NOOP("Problems", "the sound thread could not start")));
}

// Closing the connection ends its streams at the server, so the sound still playing is cut
// without waiting for an answer, which a hung server would never give.
PulsePlayer::~PulsePlayer() {
    if (!loop_)
        return;
    {
        Locked locked(loop_);
        disarmDeadline();
        endStream();
        if (context_) {
            pa_context_set_state_callback(context_, nullptr, nullptr);
            pa_context_disconnect(context_);
            pa_context_unref(context_);
        }
    }
    pa_threaded_mainloop_stop(loop_);
    pa_threaded_mainloop_free(loop_);
}

void PulsePlayer::stop() {
    if (!loop_)
        return;
    Locked locked(loop_);
    cueWaiting_ = false;
    disarmDeadline();
    endStream();
}

void PulsePlayer::close() {
    stop();
    opened_.reset();
}

void PulsePlayer::setFileName(const QString& path) {
    path_ = path;
}

void PulsePlayer::open() {
    opened_.reset();
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly)) {
        warn(problem(QT_TRANSLATE_NOOP("Problems", "cannot open sound %1: %2"))
                 .arg(path_, file.errorString()));
        return;
    }
    const QByteArray data = file.read(LargestCue + 1);
    opened_ = readWave(data);
    if (!opened_)
        opened_ = readVorbis(data);
    if (opened_) {
        const pa_sample_spec layout = sampleLayout(*opened_);
        if (!pa_sample_spec_valid(&layout) || opened_->samples.size() > LargestCue)
            opened_.reset();
    }
    if (!opened_)
        warn(
            problem(QT_TRANSLATE_NOOP(
                        "Problems", "cannot play sound %1: not a playable wave or Ogg Vorbis file"))
                .arg(path_));
}

void PulsePlayer::play() {
    if (!opened_ || !loop_)
        return;
    Locked locked(loop_);
    cue_ = *opened_;
    cuePath_ = path_;
    cueWaiting_ = true;
    if (context_ && pa_context_get_state(context_) == PA_CONTEXT_READY)
        startStream();
    else
        connect();
    if (cueWaiting_ || stream_)
        armDeadline();
}

void PulsePlayer::armDeadline() {
    disarmDeadline();
    deadline_ = pa_context_rttime_new(
        context_, pa_rtclock_now() + StartWithin,
        [](pa_mainloop_api*, pa_time_event*, const timeval*, void* player) {
            static_cast<PulsePlayer*>(player)->deadlinePassed();
        },
        this);
}

void PulsePlayer::disarmDeadline() {
    if (!deadline_)
        return;
    pa_threaded_mainloop_get_api(loop_)->time_free(deadline_);
    deadline_ = nullptr;
}

// A cue still waiting for its connection or its stream is dropped: the server has not answered
// in time, and the cue is not to be heard once it does.
void PulsePlayer::deadlinePassed() {
    disarmDeadline();
    if (!cueWaiting_ && !stream_)
        return;
    cueWaiting_ = false;
    endStream();
    silent(problem(QT_TRANSLATE_NOOP("Problems", "the audio server does not answer")));
}

// A connection that is still being made is waited for; one that failed is made anew.
void PulsePlayer::connect() {
    if (context_) {
        if (PA_CONTEXT_IS_GOOD(pa_context_get_state(context_)))
            return;
        pa_context_set_state_callback(context_, nullptr, nullptr);
        pa_context_unref(context_);
    }
    pa_proplist* properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME,
                     qPrintable(QCoreApplication::applicationName()));
    context_ =
        pa_context_new_with_proplist(pa_threaded_mainloop_get_api(loop_), nullptr, properties);
    pa_proplist_free(properties);
    if (!context_) {
        cueWaiting_ = false;
        silent(problem(
            QT_TRANSLATE_NOOP("Problems", "no audio server (no connection could be set up)")));
        return;
    }
    wasReady_ = false;
    pa_context_set_state_callback(
        context_,
        [](pa_context*, void* player) { static_cast<PulsePlayer*>(player)->contextChanged(); },
        this);
    // A game never starts an audio server of its own: it plays on the player's, or not at all.
    if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        cueWaiting_ = false;
        silent(
            problem(QT_TRANSLATE_NOOP("Problems", "no audio server (%1)")).arg(because(context_)));
    }
}

void PulsePlayer::contextChanged() {
    switch (pa_context_get_state(context_)) {
    case PA_CONTEXT_READY:
        wasReady_ = true;
        if (cueWaiting_)
            startStream();
        break;
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
        cueWaiting_ = false;
        endStream();
        // Once connected, the reason is only ever that the connection ended.
        silent(wasReady_ ? problem(QT_TRANSLATE_NOOP("Problems", "the audio server went away"))
                         : problem(QT_TRANSLATE_NOOP("Problems", "no audio server (%1)"))
                               .arg(because(context_)));
        break;
    default:
        break;
    }
}

void PulsePlayer::startStream() {
    endStream();
    cueWaiting_ = false;
    const pa_sample_spec layout = sampleLayout(cue_);
    const pa_channel_map order = channelOrder(cue_);
    pa_proplist* properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "game");
    stream_ = pa_stream_new_with_proplist(context_, "cue", &layout, &order, properties);
    pa_proplist_free(properties);
    if (!stream_) {
        silent(problem(QT_TRANSLATE_NOOP("Problems", "the audio output failed (%1)"))
                   .arg(because(context_)));
        return;
    }
    pa_stream_set_state_callback(
        stream_,
        [](pa_stream* stream, void* player) {
            static_cast<PulsePlayer*>(player)->streamChanged(stream);
        },
        this);
    // The whole cue is written at once when the stream is ready, so nothing more is asked of
    // the program while it plays; the stream's queue is as long as the server allows, and a
    // short target latency keeps the cue in it rather than rendered ahead into the output, so
    // that ending the stream silences it at once.
    const auto latency = std::uint32_t(pa_usec_to_bytes(CutWithin, &layout));
    const pa_buffer_attr buffer{std::uint32_t(-1), latency, std::uint32_t(-1), std::uint32_t(-1),
                                std::uint32_t(-1)};
    if (pa_stream_connect_playback(stream_, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY, nullptr,
                                   nullptr) < 0) {
        silent(problem(QT_TRANSLATE_NOOP("Problems", "the audio output failed (%1)"))
                   .arg(because(context_)));
        endStream();
    }
}

void PulsePlayer::streamChanged(pa_stream* stream) {
    switch (pa_stream_get_state(stream)) {
    case PA_STREAM_READY:
        streamReady();
        break;
    case PA_STREAM_FAILED:
        silent(problem(QT_TRANSLATE_NOOP("Problems", "the audio output failed (%1)"))
                   .arg(because(context_)));
        endStream();
        break;
    default:
        break;
    }
}

// A cue longer than the stream's queue is refused rather than cut off where the queue ends.
// Draining starts the sound even when it is shorter than the server's start threshold, and
// tells when it has played out, so that the stream is let go then.
void PulsePlayer::streamReady() {
    disarmDeadline();
    const std::uint32_t holds = pa_stream_get_buffer_attr(stream_)->maxlength;
    if (std::uint64_t(cue_.samples.size()) > holds) {
        warn(problem(QT_TRANSLATE_NOOP("Problems", "cannot play sound %1: it is larger than the "
                                                   "audio server holds (%2 bytes, at most %3)"))
                 .arg(cuePath_)
                 .arg(cue_.samples.size())
                 .arg(holds));
        endStream();
        return;
    }
    if (pa_stream_write(stream_, cue_.samples.constData(), std::size_t(cue_.samples.size()),
                        nullptr, 0, PA_SEEK_RELATIVE) < 0) {
        silent(problem(QT_TRANSLATE_NOOP("Problems", "the audio output failed (%1)"))
                   .arg(because(context_)));
        endStream();
        return;
    }
    pa_operation* draining = pa_stream_drain(
        stream_,
        [](pa_stream* stream, int, void* data) {
            auto* player = static_cast<PulsePlayer*>(data);
            if (stream == player->stream_)
                player->endStream();
        },
        this);
    if (draining)
        pa_operation_unref(draining);
    if (silent_) {
        silent_ = false;
        if (saysWhenSilent_)
            warn(problem(QT_TRANSLATE_NOOP("Problems",
                                           "sounds are back: the audio server plays them again")));
    }
}

void PulsePlayer::endStream() {
    if (!stream_)
        return;
    pa_stream_set_state_callback(stream_, endWhenReady, loop_);
    if (pa_stream_get_state(stream_) == PA_STREAM_READY)
        pa_stream_disconnect(stream_);
    pa_stream_unref(stream_);
    stream_ = nullptr;
}

// Only the first of a run of silent cues says why.
void PulsePlayer::silent(const QString& why) {
    if (silent_)
        return;
    silent_ = true;
    if (saysWhenSilent_)
        warn(problem(QT_TRANSLATE_NOOP("Problems", "sounds are silent: %1")).arg(why));
}

} // namespace sound

extern "C" Q_DECL_EXPORT sound::SoundPlayer* bngCreateSoundPlayer(bool saysWhenSilent) {
    return new sound::PulsePlayer(saysWhenSilent);
}
