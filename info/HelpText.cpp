#include "Texts.h"

namespace info {

QString copyrightNotice() {
    return QStringLiteral("Copyright (C) 2002 Brannoch Software");
}

// The window prints each entry on a line of its own and never wraps, so the breaks below are
// where the player sees them, trailing blanks included.
QStringList helpText() {
    return {
        QStringLiteral("Brannoch Number Guess 2002"),
        copyrightNotice(),
        QString(),
        QStringLiteral("Playing the game."),
        QString(),
        QStringLiteral("This program is a simple number guessing game where you guess a number "
                       "between two "),
        QStringLiteral("numbers that you type in. For example: if you wanted to try and guess a "
                       "number from "),
        QStringLiteral("1 to 10 you would put in 10 for your upper limit and 1 for your lower "
                       "limit. Then "),
        QStringLiteral("click GO! The game will tell you it has the number and asks you for your "
                       "guess. It will"),
        QStringLiteral("tell you that the number is either higher or lower than the number it has "
                       "come up with."),
        QStringLiteral("If you succeed in guessing the number then it will stop the game and will "
                       "tell you that "),
        QStringLiteral("you have guessed the number. If you want to play again, click Yes. "
                       "Otherwise click No."),
        QStringLiteral("If you wish to play again, you will need to select the game type from the "
                       "options menu."),
        QString(),
        QStringLiteral("Options Menu"),
        QString(),
        QStringLiteral("Standard game"),
        QString(),
        QStringLiteral("This type of game is described above."),
        QString(),
        QStringLiteral("Dynamic"),
        QString(),
        QStringLiteral("This type of game is similar to the standard game but with one minor "
                       "difference: you are"),
        QStringLiteral("only allowed 5 guesses before the number changes."),
        QString(),
        QStringLiteral("No upper limit"),
        QString(),
        QStringLiteral("This game has no upper limit. You will have to guess a number between 1 "
                       "and infinity.*"),
        QString(),
        QStringLiteral("* There is no real way to calculate infinity on a computer so the upper "
                       "limit is set as"),
        QStringLiteral("high as it can go."),
    };
}

} // namespace info
