#pragma once

#include <QString>

namespace ui {

// Qt Multimedia reports trouble with the sound system on lines of its own, some of them from
// the sound system's threads at any time. While a QtAudioMessages lives, those warnings are held
// back instead, so that the player can say in one line of the game's what went wrong.
class QtAudioMessages {
public:
    QtAudioMessages();
    ~QtAudioMessages();
    QtAudioMessages(const QtAudioMessages&) = delete;
    QtAudioMessages& operator=(const QtAudioMessages&) = delete;

    // While a Calling lives, every warning is held back, also those of the game's own thread:
    // it is made around the player's calls into Qt Multimedia.
    class Calling {
    public:
        Calling();
        ~Calling();
        Calling(const Calling&) = delete;
        Calling& operator=(const Calling&) = delete;
    };

    // The warnings held back since the last time, in one text; empty if there were none.
    QString take();
};

} // namespace ui
