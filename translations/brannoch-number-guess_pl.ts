<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>CommandLine</name>
    <message>
        <source>Guess the number the computer has picked between two limits you type.</source>
        <extracomment>The first line of what --help prints.</extracomment>
        <translation>Zgadnij liczbę, którą komputer wybrał między dwiema granicami, które wpisujesz.</translation>
    </message>
    <message>
        <source>%1 (see %2 --help)</source>
        <extracomment>%1 is what is wrong with the command line, %2 the program&apos;s name.</extracomment>
        <translation>%1 (zob. %2 --help)</translation>
    </message>
    <message>
        <source>takes no arguments, not &apos;%1&apos; (see %2 --help)</source>
        <extracomment>%1 is the first argument given, %2 the program&apos;s name.</extracomment>
        <translation>nie przyjmuje argumentów, a podano &apos;%1&apos; (zob. %2 --help)</translation>
    </message>
</context>
<context>
    <name>Cue</name>
    <message>
        <source>I&apos;ve got the number! What&apos;s your guess?</source>
        <extracomment>The message line when the game has drawn its number and waits for the first guess.</extracomment>
        <translation>Mam liczbę! Jak myślisz, jaka to?</translation>
    </message>
    <message>
        <source>My number is lower.</source>
        <extracomment>The answer to a guess above the number.</extracomment>
        <translation>Moja liczba jest mniejsza.</translation>
    </message>
    <message>
        <source>My number is higher.</source>
        <extracomment>The answer to a guess below the number.</extracomment>
        <translation>Moja liczba jest większa.</translation>
    </message>
    <message>
        <source>You got my number!</source>
        <translation>Udało ci się! To moja liczba!</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Enter Numbers to Guess Between then press GO!</source>
        <extracomment>The message line when a standard game is chosen and waits for its limits.</extracomment>
        <translation>Wpisz granice liczby do zgadnięcia i naciśnij GRAJ!</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Help</source>
        <extracomment>The caption of the window with the rules of play.</extracomment>
        <translation>Pomoc</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>License</source>
        <extracomment>The caption of the window with the licence agreement.</extracomment>
        <translation>Licencja</translation>
    </message>
    <message>
        <source>License agreement</source>
        <extracomment>What a screen reader calls the list of the agreement&apos;s lines.</extracomment>
        <translation>Umowa licencyjna</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>About</source>
        <extracomment>The caption of the window that names the game and its makers.</extracomment>
        <translation>O grze</translation>
    </message>
    <message>
        <source>Brannoch banner</source>
        <extracomment>What a screen reader calls the maker&apos;s banner picture.</extracomment>
        <translation>Baner Brannoch</translation>
    </message>
    <message>
        <source>Written by the Brannoch Software team</source>
        <translation>Napisał zespół Brannoch Software</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>Playing the game.</source>
        <translation>Jak grać.</translation>
    </message>
    <message>
        <source>This program is a simple number guessing game where you guess a number between two </source>
        <extracomment>The rules are printed line under line as they stand here and never wrapped: translate each line as the part of its paragraph that it holds, so that the lines read on into each other, each about as long as the English one.</extracomment>
        <translation>Ten program to prosta gra w zgadywanie liczb: zgadujesz liczbę leżącą między dwiema </translation>
    </message>
    <message>
        <source>numbers that you type in. For example: if you wanted to try and guess a number from </source>
        <translation>liczbami, które wpisujesz. Na przykład: jeśli chcesz spróbować zgadnąć liczbę od </translation>
    </message>
    <message>
        <source>1 to 10 you would put in 10 for your upper limit and 1 for your lower limit. Then </source>
        <translation>1 do 10, wpisz 10 jako górną granicę i 1 jako dolną granicę. Następnie </translation>
    </message>
    <message>
        <source>click GO! The game will tell you it has the number and asks you for your guess. It will</source>
        <translation>kliknij GRAJ! Gra powie, że ma już liczbę, i zapyta, jak myślisz, jaka to liczba. Będzie</translation>
    </message>
    <message>
        <source>tell you that the number is either higher or lower than the number it has come up with.</source>
        <translation>ci mówić, czy jej liczba jest większa, czy mniejsza od liczby, którą podajesz.</translation>
    </message>
    <message>
        <source>If you succeed in guessing the number then it will stop the game and will tell you that </source>
        <translation>Jeśli uda ci się zgadnąć liczbę, gra się zatrzyma i powie ci, że liczba została </translation>
    </message>
    <message>
        <source>you have guessed the number. If you want to play again, click Yes. Otherwise click No.</source>
        <translation>odgadnięta. Jeśli chcesz zagrać jeszcze raz, kliknij Tak. Jeśli nie, kliknij Nie.</translation>
    </message>
    <message>
        <source>If you wish to play again, you will need to select the game type from the options menu.</source>
        <translation>Jeśli chcesz zagrać ponownie, musisz najpierw wybrać rodzaj gry w menu Opcje.</translation>
    </message>
    <message>
        <source>Options Menu</source>
        <translation>Menu Opcje</translation>
    </message>
    <message>
        <source>Standard game</source>
        <translation>Zwykła gra</translation>
    </message>
    <message>
        <source>This type of game is described above.</source>
        <translation>Ten rodzaj gry opisano powyżej.</translation>
    </message>
    <message>
        <source>Dynamic</source>
        <translation>Dynamiczna</translation>
    </message>
    <message>
        <source>This type of game is similar to the standard game but with one minor difference: you are</source>
        <translation>Ten rodzaj gry przypomina zwykłą grę, ale z jedną drobną różnicą: masz tylko</translation>
    </message>
    <message>
        <source>only allowed 5 guesses before the number changes.</source>
        <translation>5 prób, a potem liczba się zmienia.</translation>
    </message>
    <message>
        <source>No upper limit</source>
        <translation>Bez górnej granicy</translation>
    </message>
    <message>
        <source>This game has no upper limit. You will have to guess a number between 1 and infinity.*</source>
        <translation>Ta gra nie ma górnej granicy. Musisz zgadnąć liczbę między 1 a nieskończonością.*</translation>
    </message>
    <message>
        <source>* There is no real way to calculate infinity on a computer so the upper limit is set as</source>
        <translation>* Komputer nie potrafi naprawdę policzyć nieskończoności, więc górna granica jest</translation>
    </message>
    <message>
        <source>high as it can go.</source>
        <translation>tak wysoka, jak to tylko możliwe.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Face</source>
        <extracomment>What a screen reader calls the picture of a face that answers each guess.</extracomment>
        <translation>Twarz</translation>
    </message>
    <message>
        <source>No.</source>
        <extracomment>The answer to &quot;Do you want to play again?&quot; that ends the program.</extracomment>
        <translation>Nie.</translation>
    </message>
    <message>
        <source>Yes!</source>
        <extracomment>The answer to &quot;Do you want to play again?&quot; that starts a new game.</extracomment>
        <translation>Tak!</translation>
    </message>
    <message>
        <source>Your guess</source>
        <extracomment>What a screen reader calls the box the player types a guess into.</extracomment>
        <translation>Twoja odpowiedź</translation>
    </message>
    <message>
        <source>GO!</source>
        <extracomment>The button that starts a game once its limits are typed; keep it short.</extracomment>
        <translation>GRAJ!</translation>
    </message>
    <message>
        <source>Lower limit</source>
        <extracomment>What a screen reader calls the box the lowest number of a game is typed into.</extracomment>
        <translation>Dolna granica</translation>
    </message>
    <message>
        <source>Upper limit</source>
        <extracomment>What a screen reader calls the box the highest number of a game is typed into.</extracomment>
        <translation>Górna granica</translation>
    </message>
    <message>
        <source>Guesses</source>
        <extracomment>The caption beside the count of guesses made so far.</extracomment>
        <translation>Próby</translation>
    </message>
    <message>
        <source>Do you want to play again?</source>
        <translation>Zagrasz jeszcze raz?</translation>
    </message>
    <message>
        <source>Enter Lower limit for guess</source>
        <translation>Wpisz dolną granicę</translation>
    </message>
    <message>
        <source>Enter Upper limit for guess</source>
        <translation>Wpisz górną granicę</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>The menu of game styles, and the way out.</extracomment>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Standard Game</source>
        <extracomment>Game style: the number stays the same until it is guessed.</extracomment>
        <translation>Zwykła gra</translation>
    </message>
    <message>
        <source>Dynamic</source>
        <comment>game style</comment>
        <extracomment>Game style: the number changes after every five guesses.</extracomment>
        <translation>Dynamiczna</translation>
    </message>
    <message>
        <source>No upper limit</source>
        <comment>game style</comment>
        <extracomment>Game style: only the lower limit is typed.</extracomment>
        <translation>Bez górnej granicy</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Ends the program.</extracomment>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>menu</comment>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>menu item</comment>
        <extracomment>Opens the window with the rules of play.</extracomment>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>License</source>
        <comment>menu item</comment>
        <extracomment>Opens the window with the licence agreement.</extracomment>
        <translation>Licencja</translation>
    </message>
    <message>
        <source>About</source>
        <comment>menu item</comment>
        <translation>O grze</translation>
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
        <translation>Brak pamięci</translation>
    </message>
    <message>
        <source>Internal error: %1</source>
        <extracomment>%1 is what the failure says of itself, in English.</extracomment>
        <translation>Błąd wewnętrzny: %1</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;:</source>
        <extracomment>The heading of the report of a failure the game cannot go on from; %1 is its number.</extracomment>
        <translation>Błąd wykonania &apos;%1&apos;:</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Błąd wewnętrzny</translation>
    </message>
    <message>
        <source>cannot load picture %1: file not found</source>
        <extracomment>A line on standard error; %1 is a file&apos;s name.</extracomment>
        <translation>nie można wczytać obrazka %1: nie znaleziono pliku</translation>
    </message>
    <message>
        <source>cannot load picture %1: %2</source>
        <extracomment>A line on standard error; %1 is a file&apos;s name, %2 what was wrong with it.</extracomment>
        <translation>nie można wczytać obrazka %1: %2</translation>
    </message>
    <message>
        <source>cannot play sounds: %1</source>
        <extracomment>A line on standard error; %1 says why the sound module could not be loaded.</extracomment>
        <translation>nie można odtwarzać dźwięków: %1</translation>
    </message>
    <message>
        <source>cannot play sounds: %1 is missing</source>
        <translation>nie można odtwarzać dźwięków: brak %1</translation>
    </message>
    <message>
        <source>cannot open sound %1: file not found</source>
        <translation>nie można otworzyć dźwięku %1: nie znaleziono pliku</translation>
    </message>
    <message>
        <source>the sound thread could not start</source>
        <translation>nie udało się uruchomić wątku dźwięku</translation>
    </message>
    <message>
        <source>cannot open sound %1: %2</source>
        <translation>nie można otworzyć dźwięku %1: %2</translation>
    </message>
    <message>
        <source>cannot play sound %1: not a playable wave or Ogg Vorbis file</source>
        <translation>nie można odtworzyć dźwięku %1: to nie jest odtwarzalny plik WAV ani Ogg Vorbis</translation>
    </message>
    <message>
        <source>the audio server does not answer</source>
        <translation>serwer dźwięku nie odpowiada</translation>
    </message>
    <message>
        <source>no audio server (no connection could be set up)</source>
        <translation>brak serwera dźwięku (nie udało się nawiązać połączenia)</translation>
    </message>
    <message>
        <source>no audio server (%1)</source>
        <translation>brak serwera dźwięku (%1)</translation>
    </message>
    <message>
        <source>the audio server went away</source>
        <translation>serwer dźwięku zniknął</translation>
    </message>
    <message>
        <source>the audio output failed (%1)</source>
        <translation>wyjście dźwięku zawiodło (%1)</translation>
    </message>
    <message>
        <source>cannot play sound %1: it is larger than the audio server holds (%2 bytes, at most %3)</source>
        <translation>nie można odtworzyć dźwięku %1: jest większy, niż mieści serwer dźwięku (bajtów: %2, najwyżej %3)</translation>
    </message>
    <message>
        <source>sounds are back: the audio server plays them again</source>
        <translation>dźwięki wróciły: serwer dźwięku znów je odtwarza</translation>
    </message>
    <message>
        <source>sounds are silent: %1</source>
        <translation>dźwięki są wyciszone: %1</translation>
    </message>
</context>
</TS>
