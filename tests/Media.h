#pragma once

#include "game/Cues.h"

#include <QStringList>

namespace tests {

// The faces and sounds that the game reads at run time, as its cues name them.
inline QStringList allMedia() {
    QStringList files;
    for (const game::Cue& cue : game::Cues)
        files << cue.face << cue.sound;
    return files;
}

// The folder of the media as the generator made them.
inline QString sourceMediaFolder() {
    return qEnvironmentVariable("BNG_SOURCE_DIR") + QStringLiteral("/media");
}

} // namespace tests
