#include "Texts.h"

#include <QCoreApplication>

namespace info {

QString copyrightNotice() {
    return QStringLiteral("Copyright (C) 2002 Brannoch Software");
}

namespace {

// One printed line of the rules. A translation keeps the page's shape: a line about as long as
// the English one, broken where the English breaks; the window grows to its longest line.
QString line(const char* english) {
    return QCoreApplication::translate("HelpText", english);
}

} // namespace

// The window prints each entry on a line of its own and never wraps, so the breaks below are
// where the player sees them, trailing blanks included.
QStringList helpText() {
    return {
        QStringLiteral("Brannoch Number Guess 2002"),
        copyrightNotice(),
        QString(),
        line(QT_TRANSLATE_NOOP("HelpText", "Playing the game.")),
        QString(),
        //: The rules are printed line under line as they stand here and never wrapped:
        //: translate each line as the part of its paragraph that it holds, so that the lines
        //: read on into each other, each about as long as the English one.
        line(QT_TRANSLATE_NOOP(
            "HelpText", "This program is a simple number guessing game where you guess a number "
                        "between two ")),
        line(QT_TRANSLATE_NOOP(
            "HelpText", "numbers that you type in. For example: if you wanted to try and guess a "
                        "number from ")),
        line(QT_TRANSLATE_NOOP(
            "HelpText", "1 to 10 you would put in 10 for your upper limit and 1 for your lower "
                        "limit. Then ")),
        line(QT_TRANSLATE_NOOP(
            "HelpText", "click GO! The game will tell you it has the number and asks you for your "
                        "guess. It will")),
        line(QT_TRANSLATE_NOOP(
            "HelpText", "tell you that the number is either higher or lower than the number it has "
                        "come up with.")),
        line(QT_TRANSLATE_NOOP(
            "HelpText", "If you succeed in guessing the number then it will stop the game and will "
                        "tell you that ")),
        line(QT_TRANSLATE_NOOP("HelpText",
                               "you have guessed the number. If you want to play again, click Yes. "
                               "Otherwise click No.")),
        line(QT_TRANSLATE_NOOP(
            "HelpText", "If you wish to play again, you will need to select the game type from the "
                        "options menu.")),
        QString(),
        line(QT_TRANSLATE_NOOP("HelpText", "Options Menu")),
        QString(),
        line(QT_TRANSLATE_NOOP("HelpText", "Standard game")),
        QString(),
        line(QT_TRANSLATE_NOOP("HelpText", "This type of game is described above.")),
        QString(),
        line(QT_TRANSLATE_NOOP("HelpText", "Dynamic")),
        QString(),
        line(QT_TRANSLATE_NOOP(
            "HelpText", "This type of game is similar to the standard game but with one minor "
                        "difference: you are")),
        line(QT_TRANSLATE_NOOP("HelpText", "only allowed 5 guesses before the number changes.")),
        QString(),
        line(QT_TRANSLATE_NOOP("HelpText", "No upper limit")),
        QString(),
        line(QT_TRANSLATE_NOOP(
            "HelpText", "This game has no upper limit. You will have to guess a number between 1 "
                        "and infinity.*")),
        QString(),
        line(QT_TRANSLATE_NOOP(
            "HelpText", "* There is no real way to calculate infinity on a computer so the upper "
                        "limit is set as")),
        line(QT_TRANSLATE_NOOP("HelpText", "high as it can go.")),
    };
}

} // namespace info
