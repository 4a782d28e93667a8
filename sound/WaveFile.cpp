#include "WaveFile.h"

#include <cstdint>
#include <cstring>

namespace sound {

namespace {

constexpr std::uint16_t FormatPcm = 1;
constexpr std::uint16_t FormatFloat = 3;
constexpr std::uint16_t FormatExtensible = 0xFFFE;

std::uint32_t little(const char* bytes, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[i]);
    return value;
}

std::optional<WaveFile::Encoding> encodingOf(std::uint16_t format, std::uint32_t bits) {
    if (format == FormatFloat)
        return bits == 32 ? std::optional(WaveFile::Encoding::Float32) : std::nullopt;
    if (format != FormatPcm)
        return std::nullopt;
    switch (bits) {
    case 8:
        return WaveFile::Encoding::Unsigned8;
    case 16:
        return WaveFile::Encoding::Signed16;
    case 24:
        return WaveFile::Encoding::Signed24;
    case 32:
        return WaveFile::Encoding::Signed32;
    default:
        return std::nullopt;
    }
}

} // namespace

std::optional<WaveFile> readWave(const QByteArray& file) {
    const char* data = file.constData();
    const qsizetype size = file.size();
    if (size < 12 || std::memcmp(data, "RIFF", 4) != 0 || std::memcmp(data + 8, "WAVE", 4) != 0)
        return std::nullopt;
    std::optional<WaveFile::Encoding> encoding;
    std::uint32_t channels = 0;
    std::uint32_t rate = 0;
    std::uint32_t frameBytes = 0;
    std::uint32_t speakers = 0;
    for (qsizetype at = 12; at + 8 <= size;) {
        const char* chunk = data + at;
        const std::uint32_t length = little(chunk + 4, 4);
        at += 8;
        if (length > std::uint64_t(size - at))
            return std::nullopt;
        if (std::memcmp(chunk, "fmt ", 4) == 0 && length >= 16) {
            std::uint16_t format = little(chunk + 8, 2);
            channels = little(chunk + 10, 2);
            rate = little(chunk + 12, 4);
            frameBytes = little(chunk + 20, 2);
            const std::uint32_t bits = little(chunk + 22, 2);
            // The extensible header names the speakers of the channels, and its format in the
            // first two bytes of its GUID.
            speakers = 0;
            if (format == FormatExtensible && length >= 26) {
                speakers = little(chunk + 28, 4);
                format = little(chunk + 32, 2);
            }
            encoding = encodingOf(format, bits);
            if (!encoding || channels == 0 || channels > 8 || rate == 0 ||
                frameBytes != channels * (bits / 8))
                return std::nullopt;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            if (!encoding || length == 0 || length % frameBytes != 0)
                return std::nullopt;
            return WaveFile{*encoding, int(channels), rate, file.mid(at, length), speakers};
        }
        at += length + (length & 1);
    }
    return std::nullopt;
}

} // namespace sound
