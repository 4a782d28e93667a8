#pragma once

#include <QByteArray>

#include <cstdint>
#include <optional>

namespace sound {

// The samples of a PCM wave file and how to play them.
struct WaveFile {
    enum class Encoding { Unsigned8, Signed16, Signed24, Signed32, Float32 };
    Encoding encoding = Encoding::Signed16;
    int channels = 0;
    std::uint32_t rate = 0;
    QByteArray samples;
    // The speaker of each channel as the extensible header's channel mask names them, lowest bit
    // first; 0 when the file names none and its channels take the standard order.
    std::uint32_t speakers = 0;
};

// Reads a RIFF wave file of integer or float PCM. A file cut short, or one that holds no
// sound, is no wave file: a damaged cue is better silent than half played.
std::optional<WaveFile> readWave(const QByteArray& file);

} // namespace sound
