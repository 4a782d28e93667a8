<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CommandLine</name>
    <message>
        <source>Guess the number the computer has picked between two limits you type.</source>
        <extracomment>The first line of what --help prints.</extracomment>
        <translation>Errate die Zahl, die der Computer zwischen zwei von dir eingegebenen Grenzen gewählt hat.</translation>
    </message>
    <message>
        <source>%1 (see %2 --help)</source>
        <extracomment>%1 is what is wrong with the command line, %2 the program&apos;s name.</extracomment>
        <translation>%1 (siehe %2 --help)</translation>
    </message>
    <message>
        <source>takes no arguments, not &apos;%1&apos; (see %2 --help)</source>
        <extracomment>%1 is the first argument given, %2 the program&apos;s name.</extracomment>
        <translation>erwartet keine Argumente, &apos;%1&apos; ist zu viel (siehe %2 --help)</translation>
    </message>
</context>
<context>
    <name>Cue</name>
    <message>
        <source>I&apos;ve got the number! What&apos;s your guess?</source>
        <extracomment>The message line when the game has drawn its number and waits for the first guess.</extracomment>
        <translation>Ich habe meine Zahl! Was ist dein Tipp?</translation>
    </message>
    <message>
        <source>My number is lower.</source>
        <extracomment>The answer to a guess above the number.</extracomment>
        <translation>Meine Zahl ist kleiner.</translation>
    </message>
    <message>
        <source>My number is higher.</source>
        <extracomment>The answer to a guess below the number.</extracomment>
        <translation>Meine Zahl ist größer.</translation>
    </message>
    <message>
        <source>You got my number!</source>
        <translation>Du hast meine Zahl erraten!</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Enter Numbers to Guess Between then press GO!</source>
        <extracomment>The message line when a standard game is chosen and waits for its limits.</extracomment>
        <translation>Gib die Grenzen zum Raten ein, dann drück LOS!</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Help</source>
        <extracomment>The caption of the window with the rules of play.</extracomment>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>License</source>
        <extracomment>The caption of the window with the licence agreement.</extracomment>
        <translation>Lizenz</translation>
    </message>
    <message>
        <source>License agreement</source>
        <extracomment>What a screen reader calls the list of the agreement&apos;s lines.</extracomment>
        <translation>Lizenzvereinbarung</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>About</source>
        <extracomment>The caption of the window that names the game and its makers.</extracomment>
        <translation>Über das Spiel</translation>
    </message>
    <message>
        <source>Brannoch banner</source>
        <extracomment>What a screen reader calls the maker&apos;s banner picture.</extracomment>
        <translation>Brannoch-Banner</translation>
    </message>
    <message>
        <source>Written by the Brannoch Software team</source>
        <translation>Geschrieben vom Team von Brannoch Software</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>Playing the game.</source>
        <translation>So wird gespielt.</translation>
    </message>
    <message>
        <source>This program is a simple number guessing game where you guess a number between two </source>
        <extracomment>The rules are printed line under line as they stand here and never wrapped: translate each line as the part of its paragraph that it holds, so that the lines read on into each other, each about as long as the English one.</extracomment>
        <translation>Dieses Programm ist ein einfaches Zahlenratespiel, bei dem du eine Zahl zwischen zwei </translation>
    </message>
    <message>
        <source>numbers that you type in. For example: if you wanted to try and guess a number from </source>
        <translation>Zahlen errätst, die du selbst eingibst. Ein Beispiel: Wenn du eine Zahl von </translation>
    </message>
    <message>
        <source>1 to 10 you would put in 10 for your upper limit and 1 for your lower limit. Then </source>
        <translation>1 bis 10 raten willst, gibst du 10 als obere Grenze und 1 als untere Grenze ein. Dann </translation>
    </message>
    <message>
        <source>click GO! The game will tell you it has the number and asks you for your guess. It will</source>
        <translation>klicke auf LOS! Das Spiel sagt dir, dass es die Zahl hat, und fragt nach deinem Tipp. Es</translation>
    </message>
    <message>
        <source>tell you that the number is either higher or lower than the number it has come up with.</source>
        <translation>sagt dir dann, ob seine Zahl größer oder kleiner ist als die Zahl, die du getippt hast.</translation>
    </message>
    <message>
        <source>If you succeed in guessing the number then it will stop the game and will tell you that </source>
        <translation>Wenn du die Zahl herausbekommst, hält das Spiel an und sagt dir, dass du die Zahl </translation>
    </message>
    <message>
        <source>you have guessed the number. If you want to play again, click Yes. Otherwise click No.</source>
        <translation>erraten hast. Wenn du noch mal spielen willst, klicke auf Ja. Sonst klicke auf Nein.</translation>
    </message>
    <message>
        <source>If you wish to play again, you will need to select the game type from the options menu.</source>
        <translation>Wenn du wieder spielen möchtest, musst du die Spielart im Menü Optionen auswählen.</translation>
    </message>
    <message>
        <source>Options Menu</source>
        <translation>Menü Optionen</translation>
    </message>
    <message>
        <source>Standard game</source>
        <translation>Normales Spiel</translation>
    </message>
    <message>
        <source>This type of game is described above.</source>
        <translation>Diese Spielart ist oben beschrieben.</translation>
    </message>
    <message>
        <source>Dynamic</source>
        <translation>Dynamisch</translation>
    </message>
    <message>
        <source>This type of game is similar to the standard game but with one minor difference: you are</source>
        <translation>Diese Spielart ist wie das normale Spiel, aber mit einem kleinen Unterschied: Du hast nur</translation>
    </message>
    <message>
        <source>only allowed 5 guesses before the number changes.</source>
        <translation>5 Versuche, dann ändert sich die Zahl.</translation>
    </message>
    <message>
        <source>No upper limit</source>
        <translation>Ohne obere Grenze</translation>
    </message>
    <message>
        <source>This game has no upper limit. You will have to guess a number between 1 and infinity.*</source>
        <translation>Dieses Spiel hat keine obere Grenze. Du musst eine Zahl zwischen 1 und unendlich raten.*</translation>
    </message>
    <message>
        <source>* There is no real way to calculate infinity on a computer so the upper limit is set as</source>
        <translation>* Unendlich kann ein Computer nicht wirklich berechnen, deshalb ist die obere Grenze so</translation>
    </message>
    <message>
        <source>high as it can go.</source>
        <translation>hoch, wie es nur geht.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Face</source>
        <extracomment>What a screen reader calls the picture of a face that answers each guess.</extracomment>
        <translation>Gesicht</translation>
    </message>
    <message>
        <source>No.</source>
        <extracomment>The answer to &quot;Do you want to play again?&quot; that ends the program.</extracomment>
        <translation>Nein.</translation>
    </message>
    <message>
        <source>Yes!</source>
        <extracomment>The answer to &quot;Do you want to play again?&quot; that starts a new game.</extracomment>
        <translation>Ja!</translation>
    </message>
    <message>
        <source>Your guess</source>
        <extracomment>What a screen reader calls the box the player types a guess into.</extracomment>
        <translation>Dein Tipp</translation>
    </message>
    <message>
        <source>GO!</source>
        <extracomment>The button that starts a game once its limits are typed; keep it short.</extracomment>
        <translation>LOS!</translation>
    </message>
    <message>
        <source>Lower limit</source>
        <extracomment>What a screen reader calls the box the lowest number of a game is typed into.</extracomment>
        <translation>Untere Grenze</translation>
    </message>
    <message>
        <source>Upper limit</source>
        <extracomment>What a screen reader calls the box the highest number of a game is typed into.</extracomment>
        <translation>Obere Grenze</translation>
    </message>
    <message>
        <source>Guesses</source>
        <extracomment>The caption beside the count of guesses made so far.</extracomment>
        <translation>Tipps</translation>
    </message>
    <message>
        <source>Do you want to play again?</source>
        <translation>Willst du noch mal spielen?</translation>
    </message>
    <message>
        <source>Enter Lower limit for guess</source>
        <translation>Untere Grenze eingeben</translation>
    </message>
    <message>
        <source>Enter Upper limit for guess</source>
        <translation>Obere Grenze eingeben</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>The menu of game styles, and the way out.</extracomment>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Standard Game</source>
        <extracomment>Game style: the number stays the same until it is guessed.</extracomment>
        <translation>Normales Spiel</translation>
    </message>
    <message>
        <source>Dynamic</source>
        <comment>game style</comment>
        <extracomment>Game style: the number changes after every five guesses.</extracomment>
        <translation>Dynamisch</translation>
    </message>
    <message>
        <source>No upper limit</source>
        <comment>game style</comment>
        <extracomment>Game style: only the lower limit is typed.</extracomment>
        <translation>Ohne obere Grenze</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Ends the program.</extracomment>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>menu</comment>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>menu item</comment>
        <extracomment>Opens the window with the rules of play.</extracomment>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>License</source>
        <comment>menu item</comment>
        <extracomment>Opens the window with the licence agreement.</extracomment>
        <translation>Lizenz</translation>
    </message>
    <message>
        <source>About</source>
        <comment>menu item</comment>
        <translation>Über das Spiel</translation>
    </message>
</context>
<context>
    <name>MessageAnnouncer</name>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>What a screen reader says after each answer: %1 is the message line, %2 the caption of the count (&quot;Guesses&quot;) and %3 the count, as the window shows them.</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
</context>
<context>
    <name>Problems</name>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Speicher</translation>
    </message>
    <message>
        <source>Internal error: %1</source>
        <extracomment>%1 is what the failure says of itself, in English.</extracomment>
        <translation>Interner Fehler: %1</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;:</source>
        <extracomment>The heading of the report of a failure the game cannot go on from; %1 is its number.</extracomment>
        <translation>Laufzeitfehler &apos;%1&apos;:</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Interner Fehler</translation>
    </message>
    <message>
        <source>cannot load picture %1: file not found</source>
        <extracomment>A line on standard error; %1 is a file&apos;s name.</extracomment>
        <translation>kann Bild %1 nicht laden: Datei nicht gefunden</translation>
    </message>
    <message>
        <source>cannot load picture %1: %2</source>
        <extracomment>A line on standard error; %1 is a file&apos;s name, %2 what was wrong with it.</extracomment>
        <translation>kann Bild %1 nicht laden: %2</translation>
    </message>
    <message>
        <source>cannot play sounds: %1</source>
        <extracomment>A line on standard error; %1 says why the sound module could not be loaded.</extracomment>
        <translation>kann keine Töne abspielen: %1</translation>
    </message>
    <message>
        <source>cannot play sounds: %1 is missing</source>
        <translation>kann keine Töne abspielen: %1 fehlt</translation>
    </message>
    <message>
        <source>cannot open sound %1: file not found</source>
        <translation>kann Ton %1 nicht öffnen: Datei nicht gefunden</translation>
    </message>
    <message>
        <source>the sound thread could not start</source>
        <translation>der Ton-Thread konnte nicht starten</translation>
    </message>
    <message>
        <source>cannot open sound %1: %2</source>
        <translation>kann Ton %1 nicht öffnen: %2</translation>
    </message>
    <message>
        <source>cannot play sound %1: not a playable wave or Ogg Vorbis file</source>
        <translation>kann Ton %1 nicht abspielen: keine abspielbare WAV- oder Ogg-Vorbis-Datei</translation>
    </message>
    <message>
        <source>the audio server does not answer</source>
        <translation>der Audioserver antwortet nicht</translation>
    </message>
    <message>
        <source>no audio server (no connection could be set up)</source>
        <translation>kein Audioserver (es konnte keine Verbindung hergestellt werden)</translation>
    </message>
    <message>
        <source>no audio server (%1)</source>
        <translation>kein Audioserver (%1)</translation>
    </message>
    <message>
        <source>the audio server went away</source>
        <translation>der Audioserver ist weg</translation>
    </message>
    <message>
        <source>the audio output failed (%1)</source>
        <translation>die Audioausgabe ist fehlgeschlagen (%1)</translation>
    </message>
    <message>
        <source>cannot play sound %1: it is larger than the audio server holds (%2 bytes, at most %3)</source>
        <translation>kann Ton %1 nicht abspielen: er ist größer, als der Audioserver fassen kann (%2 Bytes, höchstens %3)</translation>
    </message>
    <message>
        <source>sounds are back: the audio server plays them again</source>
        <translation>die Töne sind wieder da: der Audioserver spielt sie wieder ab</translation>
    </message>
    <message>
        <source>sounds are silent: %1</source>
        <translation>die Töne sind stumm: %1</translation>
    </message>
</context>
</TS>
