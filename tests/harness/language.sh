# Sourced by session.sh: the language the game is asked to speak, BNG_LANGUAGE's ("de" for
# German), and its words in it, by their English. A language the game has no catalog for, or
# none, gives the English game. Only the game is asked: the servers of the session, the screen
# reader among them, are started before.

declare -A WORDS=()
# The folder of the language's spoken cues, with its slash; empty for English.
SPOKEN_IN=

use_language() {
    export LANGUAGE=${BNG_LANGUAGE:-}
    [ "$LANGUAGE" = de ] || return 0
    SPOKEN_IN=de/
    WORDS=(
        [Options]="Optionen" ["Standard Game"]="Normales Spiel" ["Upper limit"]="Obere Grenze"
        ["Lower limit"]="Untere Grenze" ["Your guess"]="Dein Tipp"
        ["I've got the number! What's your guess?"]="Ich habe meine Zahl! Was ist dein Tipp?"
        ["My number is higher. Guesses 1"]="Meine Zahl ist größer. Tipps 1"
        ["My number is higher. Guesses 2"]="Meine Zahl ist größer. Tipps 2"
        ["My number is lower. Guesses 3"]="Meine Zahl ist kleiner. Tipps 3"
        ["Yes!"]="Ja!" ["Do you want to play again?"]="Willst du noch mal spielen?"
        ["You got my number! Guesses 4"]="Du hast meine Zahl erraten! Tipps 4"
        [Help]="Hilfe" ["Playing the game."]="So wird gespielt."
        ["This program is a simple number guessing game"]="Dieses Programm ist ein einfaches Zahlenratespiel"
        ["No upper limit"]="Ohne obere Grenze" ["set as high as it can go."]="hoch, wie es nur geht."
        [License]="Lizenz" ["License agreement"]="Lizenzvereinbarung" [About]="Über das Spiel"
        ["Written by the Brannoch Software team"]="Geschrieben vom Team von Brannoch Software"
    )
}

# The game's words $1, given in English, in the session's language.
w() {
    echo "${WORDS[$1]:-$1}"
}
