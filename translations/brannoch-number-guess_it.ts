<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>CommandLine</name>
    <message>
        <source>Guess the number the computer has picked between two limits you type.</source>
        <extracomment>The first line of what --help prints.</extracomment>
        <translation>Indovina il numero che il computer ha scelto tra due limiti che scrivi tu.</translation>
    </message>
    <message>
        <source>%1 (see %2 --help)</source>
        <extracomment>%1 is what is wrong with the command line, %2 the program&apos;s name.</extracomment>
        <translation>%1 (vedi %2 --help)</translation>
    </message>
    <message>
        <source>takes no arguments, not &apos;%1&apos; (see %2 --help)</source>
        <extracomment>%1 is the first argument given, %2 the program&apos;s name.</extracomment>
        <translation>non accetta argomenti, &apos;%1&apos; è di troppo (vedi %2 --help)</translation>
    </message>
</context>
<context>
    <name>Cue</name>
    <message>
        <source>I&apos;ve got the number! What&apos;s your guess?</source>
        <extracomment>The message line when the game has drawn its number and waits for the first guess.</extracomment>
        <translation>Ho il numero! Che numero dici?</translation>
    </message>
    <message>
        <source>My number is lower.</source>
        <extracomment>The answer to a guess above the number.</extracomment>
        <translation>Il mio numero è più piccolo.</translation>
    </message>
    <message>
        <source>My number is higher.</source>
        <extracomment>The answer to a guess below the number.</extracomment>
        <translation>Il mio numero è più grande.</translation>
    </message>
    <message>
        <source>You got my number!</source>
        <translation>Hai indovinato il mio numero!</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Enter Numbers to Guess Between then press GO!</source>
        <extracomment>The message line when a standard game is chosen and waits for its limits.</extracomment>
        <translation>Scrivi i limiti del numero da indovinare, poi premi VIA!</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Help</source>
        <extracomment>The caption of the window with the rules of play.</extracomment>
        <translation>Aiuto</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>License</source>
        <extracomment>The caption of the window with the licence agreement.</extracomment>
        <translation>Licenza</translation>
    </message>
    <message>
        <source>License agreement</source>
        <extracomment>What a screen reader calls the list of the agreement&apos;s lines.</extracomment>
        <translation>Contratto di licenza</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>About</source>
        <extracomment>The caption of the window that names the game and its makers.</extracomment>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Brannoch banner</source>
        <extracomment>What a screen reader calls the maker&apos;s banner picture.</extracomment>
        <translation>Banner di Brannoch</translation>
    </message>
    <message>
        <source>Written by the Brannoch Software team</source>
        <translation>Scritto dal team di Brannoch Software</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>Playing the game.</source>
        <translation>Come si gioca.</translation>
    </message>
    <message>
        <source>This program is a simple number guessing game where you guess a number between two </source>
        <extracomment>The rules are printed line under line as they stand here and never wrapped: translate each line as the part of its paragraph that it holds, so that the lines read on into each other, each about as long as the English one.</extracomment>
        <translation>Questo programma è un semplice gioco in cui devi indovinare un numero compreso tra </translation>
    </message>
    <message>
        <source>numbers that you type in. For example: if you wanted to try and guess a number from </source>
        <translation>due numeri che scrivi tu. Per esempio: se vuoi provare a indovinare un numero da </translation>
    </message>
    <message>
        <source>1 to 10 you would put in 10 for your upper limit and 1 for your lower limit. Then </source>
        <translation>1 a 10, scrivi 10 come limite superiore e 1 come limite inferiore. Poi </translation>
    </message>
    <message>
        <source>click GO! The game will tell you it has the number and asks you for your guess. It will</source>
        <translation>fai clic su VIA! Il gioco ti dirà che ha il numero e ti chiederà di indovinarlo. Ti</translation>
    </message>
    <message>
        <source>tell you that the number is either higher or lower than the number it has come up with.</source>
        <translation>dirà se il suo numero è più grande o più piccolo del numero che hai detto tu.</translation>
    </message>
    <message>
        <source>If you succeed in guessing the number then it will stop the game and will tell you that </source>
        <translation>Se riesci a indovinare il numero, il gioco si fermerà e ti dirà che hai </translation>
    </message>
    <message>
        <source>you have guessed the number. If you want to play again, click Yes. Otherwise click No.</source>
        <translation>indovinato il numero. Se vuoi giocare ancora, fai clic su Sì. Altrimenti fai clic su No.</translation>
    </message>
    <message>
        <source>If you wish to play again, you will need to select the game type from the options menu.</source>
        <translation>Per giocare di nuovo, dovrai scegliere il tipo di partita dal menu Opzioni.</translation>
    </message>
    <message>
        <source>Options Menu</source>
        <translation>Menu Opzioni</translation>
    </message>
    <message>
        <source>Standard game</source>
        <translation>Partita normale</translation>
    </message>
    <message>
        <source>This type of game is described above.</source>
        <translation>Questo tipo di partita è descritto qui sopra.</translation>
    </message>
    <message>
        <source>Dynamic</source>
        <translation>Dinamica</translation>
    </message>
    <message>
        <source>This type of game is similar to the standard game but with one minor difference: you are</source>
        <translation>Questo tipo di partita è simile alla partita normale, ma con una piccola differenza: hai</translation>
    </message>
    <message>
        <source>only allowed 5 guesses before the number changes.</source>
        <translation>solo 5 tentativi, poi il numero cambia.</translation>
    </message>
    <message>
        <source>No upper limit</source>
        <translation>Senza limite superiore</translation>
    </message>
    <message>
        <source>This game has no upper limit. You will have to guess a number between 1 and infinity.*</source>
        <translation>Questa partita non ha limite superiore. Devi indovinare un numero tra 1 e l&apos;infinito.*</translation>
    </message>
    <message>
        <source>* There is no real way to calculate infinity on a computer so the upper limit is set as</source>
        <translation>* Un computer non può davvero calcolare l&apos;infinito, quindi il limite superiore è il</translation>
    </message>
    <message>
        <source>high as it can go.</source>
        <translation>più alto possibile.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Face</source>
        <extracomment>What a screen reader calls the picture of a face that answers each guess.</extracomment>
        <translation>Faccia</translation>
    </message>
    <message>
        <source>No.</source>
        <extracomment>The answer to &quot;Do you want to play again?&quot; that ends the program.</extracomment>
        <translation>No.</translation>
    </message>
    <message>
        <source>Yes!</source>
        <extracomment>The answer to &quot;Do you want to play again?&quot; that starts a new game.</extracomment>
        <translation>Sì!</translation>
    </message>
    <message>
        <source>Your guess</source>
        <extracomment>What a screen reader calls the box the player types a guess into.</extracomment>
        <translation>Il tuo tentativo</translation>
    </message>
    <message>
        <source>GO!</source>
        <extracomment>The button that starts a game once its limits are typed; keep it short.</extracomment>
        <translation>VIA!</translation>
    </message>
    <message>
        <source>Lower limit</source>
        <extracomment>What a screen reader calls the box the lowest number of a game is typed into.</extracomment>
        <translation>Limite inferiore</translation>
    </message>
    <message>
        <source>Upper limit</source>
        <extracomment>What a screen reader calls the box the highest number of a game is typed into.</extracomment>
        <translation>Limite superiore</translation>
    </message>
    <message>
        <source>Guesses</source>
        <extracomment>The caption beside the count of guesses made so far.</extracomment>
        <translation>Tentativi</translation>
    </message>
    <message>
        <source>Do you want to play again?</source>
        <translation>Vuoi giocare ancora?</translation>
    </message>
    <message>
        <source>Enter Lower limit for guess</source>
        <translation>Scrivi il limite inferiore</translation>
    </message>
    <message>
        <source>Enter Upper limit for guess</source>
        <translation>Scrivi il limite superiore</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>The menu of game styles, and the way out.</extracomment>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Standard Game</source>
        <extracomment>Game style: the number stays the same until it is guessed.</extracomment>
        <translation>Partita normale</translation>
    </message>
    <message>
        <source>Dynamic</source>
        <comment>game style</comment>
        <extracomment>Game style: the number changes after every five guesses.</extracomment>
        <translation>Dinamica</translation>
    </message>
    <message>
        <source>No upper limit</source>
        <comment>game style</comment>
        <extracomment>Game style: only the lower limit is typed.</extracomment>
        <translation>Senza limite superiore</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Ends the program.</extracomment>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>menu</comment>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>menu item</comment>
        <extracomment>Opens the window with the rules of play.</extracomment>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>License</source>
        <comment>menu item</comment>
        <extracomment>Opens the window with the licence agreement.</extracomment>
        <translation>Licenza</translation>
    </message>
    <message>
        <source>About</source>
        <comment>menu item</comment>
        <translation>Informazioni</translation>
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
        <translation>Memoria esaurita</translation>
    </message>
    <message>
        <source>Internal error: %1</source>
        <extracomment>%1 is what the failure says of itself, in English.</extracomment>
        <translation>Errore interno: %1</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;:</source>
        <extracomment>The heading of the report of a failure the game cannot go on from; %1 is its number.</extracomment>
        <translation>Errore di run-time &apos;%1&apos;:</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Errore interno</translation>
    </message>
    <message>
        <source>cannot load picture %1: file not found</source>
        <extracomment>A line on standard error; %1 is a file&apos;s name.</extracomment>
        <translation>impossibile caricare l&apos;immagine %1: file non trovato</translation>
    </message>
    <message>
        <source>cannot load picture %1: %2</source>
        <extracomment>A line on standard error; %1 is a file&apos;s name, %2 what was wrong with it.</extracomment>
        <translation>impossibile caricare l&apos;immagine %1: %2</translation>
    </message>
    <message>
        <source>cannot play sounds: %1</source>
        <extracomment>A line on standard error; %1 says why the sound module could not be loaded.</extracomment>
        <translation>impossibile riprodurre i suoni: %1</translation>
    </message>
    <message>
        <source>cannot play sounds: %1 is missing</source>
        <translation>impossibile riprodurre i suoni: manca %1</translation>
    </message>
    <message>
        <source>cannot open sound %1: file not found</source>
        <translation>impossibile aprire il suono %1: file non trovato</translation>
    </message>
    <message>
        <source>the sound thread could not start</source>
        <translation>non è stato possibile avviare il thread dei suoni</translation>
    </message>
    <message>
        <source>cannot open sound %1: %2</source>
        <translation>impossibile aprire il suono %1: %2</translation>
    </message>
    <message>
        <source>cannot play sound %1: not a playable wave or Ogg Vorbis file</source>
        <translation>impossibile riprodurre il suono %1: non è un file WAV o Ogg Vorbis riproducibile</translation>
    </message>
    <message>
        <source>the audio server does not answer</source>
        <translation>il server audio non risponde</translation>
    </message>
    <message>
        <source>no audio server (no connection could be set up)</source>
        <translation>nessun server audio (impossibile stabilire una connessione)</translation>
    </message>
    <message>
        <source>no audio server (%1)</source>
        <translation>nessun server audio (%1)</translation>
    </message>
    <message>
        <source>the audio server went away</source>
        <translation>il server audio è sparito</translation>
    </message>
    <message>
        <source>the audio output failed (%1)</source>
        <translation>l&apos;uscita audio non ha funzionato (%1)</translation>
    </message>
    <message>
        <source>cannot play sound %1: it is larger than the audio server holds (%2 bytes, at most %3)</source>
        <translation>impossibile riprodurre il suono %1: è più grande di quanto il server audio possa contenere (%2 byte, al massimo %3)</translation>
    </message>
    <message>
        <source>sounds are back: the audio server plays them again</source>
        <translation>i suoni sono tornati: il server audio li riproduce di nuovo</translation>
    </message>
    <message>
        <source>sounds are silent: %1</source>
        <translation>i suoni sono muti: %1</translation>
    </message>
</context>
</TS>
