// Fuzzes the wave reader, which parses whatever file named like a cue lies in the folder the
// game starts in. Beyond "no crash", what it reads must be playable as it stands, and it must
// read a file cut short as nothing rather than as part of a sound; a broken property aborts with
// the input's size, so that libFuzzer keeps the input as a crash.

#include "sound/WaveFile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void broken(const char* property, qsizetype size) {
    std::fprintf(stderr, "BROKEN: %s\n  input of %lld bytes\n", property,
                 static_cast<long long>(size));
    std::abort();
}

int sampleBytes(sound::WaveFile::Encoding encoding) {
    switch (encoding) {
    case sound::WaveFile::Encoding::Unsigned8:
        return 1;
    case sound::WaveFile::Encoding::Signed16:
        return 2;
    case sound::WaveFile::Encoding::Signed24:
        return 3;
    case sound::WaveFile::Encoding::Signed32:
    case sound::WaveFile::Encoding::Float32:
        return 4;
    }
    return 0;
}

bool same(const sound::WaveFile& a, const sound::WaveFile& b) {
    return a.encoding == b.encoding && a.channels == b.channels && a.rate == b.rate &&
           a.speakers == b.speakers && a.samples == b.samples;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray file(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<sound::WaveFile> wave = sound::readWave(file);
    if (!wave)
        return 0;
    if (wave->channels < 1 || wave->channels > 8)
        broken("a sound has one to eight channels", file.size());
    if (wave->rate == 0)
        broken("a sound has a rate", file.size());
    if (wave->samples.isEmpty() ||
        wave->samples.size() % (wave->channels * sampleBytes(wave->encoding)) != 0)
        broken("a sound is a whole number of frames, at least one", file.size());
    // Reading stops at the samples: what follows them changes nothing, and a file cut anywhere
    // reads as nothing or as the whole sound, never as a part of it.
    const std::optional<sound::WaveFile> followed = sound::readWave(file + QByteArray(7, '\x5a'));
    if (!followed || !same(*followed, *wave))
        broken("bytes after the sound change nothing", file.size());
    for (const qsizetype cut : {file.size() - 1, file.size() / 2, wave->samples.size()}) {
        const std::optional<sound::WaveFile> shorter = sound::readWave(file.left(cut));
        if (shorter && !same(*shorter, *wave))
            broken("a file cut short reads as nothing or as the whole sound", cut);
    }
    return 0;
}
