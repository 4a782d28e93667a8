#include "VorbisFile.h"

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cstring>

namespace sound {

namespace {

// The decoder reads the file from memory, through these.
struct Reading {
    const QByteArray& file;
    qint64 at = 0;
};

std::size_t readBytes(void* into, std::size_t size, std::size_t count, void* source) {
    auto* reading = static_cast<Reading*>(source);
    const qint64 wanted = qint64(size * count);
    const qint64 taken = std::min(wanted, reading->file.size() - reading->at);
    std::memcpy(into, reading->file.constData() + reading->at, std::size_t(taken));
    reading->at += taken;
    return size ? std::size_t(taken) / size : 0;
}

int seekBytes(void* source, ogg_int64_t offset, int whence) {
    auto* reading = static_cast<Reading*>(source);
    const qint64 base = whence == SEEK_SET   ? 0
                        : whence == SEEK_CUR ? reading->at
                                             : reading->file.size();
    if (base + offset < 0 || base + offset > reading->file.size())
        return -1;
    reading->at = base + offset;
    return 0;
}

long tellBytes(void* source) {
    return long(static_cast<Reading*>(source)->at);
}

} // namespace

std::optional<WaveFile> readVorbis(const QByteArray& file) {
    Reading reading{file};
    OggVorbis_File vorbis;
    const ov_callbacks callbacks{readBytes, seekBytes, nullptr, tellBytes};
    if (ov_open_callbacks(&reading, &vorbis, nullptr, 0, callbacks) != 0)
        return std::nullopt;
    std::optional<WaveFile> wave;
    const vorbis_info* info = ov_info(&vorbis, -1);
    // Beyond two channels Vorbis orders its speakers unlike the wave format; no theme sound has
    // more than two.
    if (info && info->channels >= 1 && info->channels <= 2 && info->rate > 0) {
        WaveFile decoded;
        decoded.channels = info->channels;
        decoded.rate = std::uint32_t(info->rate);
        char block[4096];
        int section = 0;
        long got = 0;
        while ((got = ov_read(&vorbis, block, sizeof block, 0, 2, 1, &section)) > 0)
            decoded.samples.append(block, got);
        if (got == 0 && !decoded.samples.isEmpty())
            wave = std::move(decoded);
    }
    ov_clear(&vorbis);
    return wave;
}

} // namespace sound
