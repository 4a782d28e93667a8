#pragma once

#include "WaveFile.h"

#include <QByteArray>

#include <optional>

namespace sound {

// Decodes an Ogg Vorbis file, the format of the desktop's sound theme, into 16-bit samples of
// one or two channels. A file cut short, or one that holds no sound, gives nothing.
std::optional<WaveFile> readVorbis(const QByteArray& file);

} // namespace sound
