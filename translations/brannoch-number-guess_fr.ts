<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CommandLine</name>
    <message>
        <source>Guess the number the computer has picked between two limits you type.</source>
        <extracomment>The first line of what --help prints.</extracomment>
        <translation>Devine le nombre que l&apos;ordinateur a choisi entre deux limites que tu tapes.</translation>
    </message>
    <message>
        <source>%1 (see %2 --help)</source>
        <extracomment>%1 is what is wrong with the command line, %2 the program&apos;s name.</extracomment>
        <translation>%1 (voir %2 --help)</translation>
    </message>
    <message>
        <source>takes no arguments, not &apos;%1&apos; (see %2 --help)</source>
        <extracomment>%1 is the first argument given, %2 the program&apos;s name.</extracomment>
        <translation>n&apos;accepte aucun argument, &apos;%1&apos; est de trop (voir %2 --help)</translation>
    </message>
</context>
<context>
    <name>Cue</name>
    <message>
        <source>I&apos;ve got the number! What&apos;s your guess?</source>
        <extracomment>The message line when the game has drawn its number and waits for the first guess.</extracomment>
        <translation>J&apos;ai mon nombre ! Quel nombre proposes-tu ?</translation>
    </message>
    <message>
        <source>My number is lower.</source>
        <extracomment>The answer to a guess above the number.</extracomment>
        <translation>Mon nombre est plus petit.</translation>
    </message>
    <message>
        <source>My number is higher.</source>
        <extracomment>The answer to a guess below the number.</extracomment>
        <translation>Mon nombre est plus grand.</translation>
    </message>
    <message>
        <source>You got my number!</source>
        <translation>Tu as trouvé mon nombre !</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Enter Numbers to Guess Between then press GO!</source>
        <extracomment>The message line when a standard game is chosen and waits for its limits.</extracomment>
        <translation>Tape les limites du nombre à deviner, puis appuie sur GO !</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Help</source>
        <extracomment>The caption of the window with the rules of play.</extracomment>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>License</source>
        <extracomment>The caption of the window with the licence agreement.</extracomment>
        <translation>Licence</translation>
    </message>
    <message>
        <source>License agreement</source>
        <extracomment>What a screen reader calls the list of the agreement&apos;s lines.</extracomment>
        <translation>Contrat de licence</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>About</source>
        <extracomment>The caption of the window that names the game and its makers.</extracomment>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Brannoch banner</source>
        <extracomment>What a screen reader calls the maker&apos;s banner picture.</extracomment>
        <translation>Bannière de Brannoch</translation>
    </message>
    <message>
        <source>Written by the Brannoch Software team</source>
        <translation>Écrit par l&apos;équipe de Brannoch Software</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>Playing the game.</source>
        <translation>Comment jouer.</translation>
    </message>
    <message>
        <source>This program is a simple number guessing game where you guess a number between two </source>
        <extracomment>The rules are printed line under line as they stand here and never wrapped: translate each line as the part of its paragraph that it holds, so that the lines read on into each other, each about as long as the English one.</extracomment>
        <translation>Ce programme est un jeu tout simple où tu dois deviner un nombre compris entre deux </translation>
    </message>
    <message>
        <source>numbers that you type in. For example: if you wanted to try and guess a number from </source>
        <translation>nombres que tu tapes toi-même. Par exemple : si tu veux essayer de deviner un nombre </translation>
    </message>
    <message>
        <source>1 to 10 you would put in 10 for your upper limit and 1 for your lower limit. Then </source>
        <translation>de 1 à 10, tape 10 pour la limite supérieure et 1 pour la limite inférieure. Ensuite, </translation>
    </message>
    <message>
        <source>click GO! The game will tell you it has the number and asks you for your guess. It will</source>
        <translation>clique sur GO ! Le jeu te dit qu&apos;il a choisi son nombre et te demande ta proposition. Il</translation>
    </message>
    <message>
        <source>tell you that the number is either higher or lower than the number it has come up with.</source>
        <translation>te dit ensuite si son nombre est plus grand ou plus petit que le nombre que tu as proposé.</translation>
    </message>
    <message>
        <source>If you succeed in guessing the number then it will stop the game and will tell you that </source>
        <translation>Si tu arrives à deviner le nombre, le jeu s&apos;arrête alors et te dit que tu as </translation>
    </message>
    <message>
        <source>you have guessed the number. If you want to play again, click Yes. Otherwise click No.</source>
        <translation>trouvé le nombre. Si tu veux rejouer, clique sur Oui. Sinon, clique sur Non.</translation>
    </message>
    <message>
        <source>If you wish to play again, you will need to select the game type from the options menu.</source>
        <translation>Si tu veux jouer encore, il faudra choisir le type de partie dans le menu Options.</translation>
    </message>
    <message>
        <source>Options Menu</source>
        <translation>Menu Options</translation>
    </message>
    <message>
        <source>Standard game</source>
        <translation>Partie normale</translation>
    </message>
    <message>
        <source>This type of game is described above.</source>
        <translation>Ce type de partie est décrit ci-dessus.</translation>
    </message>
    <message>
        <source>Dynamic</source>
        <translation>Dynamique</translation>
    </message>
    <message>
        <source>This type of game is similar to the standard game but with one minor difference: you are</source>
        <translation>Ce type de partie ressemble à la partie normale, avec une petite différence : tu n&apos;as</translation>
    </message>
    <message>
        <source>only allowed 5 guesses before the number changes.</source>
        <translation>droit qu&apos;à 5 essais, puis le nombre change.</translation>
    </message>
    <message>
        <source>No upper limit</source>
        <translation>Sans limite supérieure</translation>
    </message>
    <message>
        <source>This game has no upper limit. You will have to guess a number between 1 and infinity.*</source>
        <translation>Cette partie n&apos;a pas de limite supérieure. Tu dois deviner un nombre entre 1 et l&apos;infini.*</translation>
    </message>
    <message>
        <source>* There is no real way to calculate infinity on a computer so the upper limit is set as</source>
        <translation>* Un ordinateur ne peut pas vraiment calculer l&apos;infini, alors la limite supérieure est</translation>
    </message>
    <message>
        <source>high as it can go.</source>
        <translation>aussi haute que possible.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Face</source>
        <extracomment>What a screen reader calls the picture of a face that answers each guess.</extracomment>
        <translation>Visage</translation>
    </message>
    <message>
        <source>No.</source>
        <extracomment>The answer to &quot;Do you want to play again?&quot; that ends the program.</extracomment>
        <translation>Non.</translation>
    </message>
    <message>
        <source>Yes!</source>
        <extracomment>The answer to &quot;Do you want to play again?&quot; that starts a new game.</extracomment>
        <translation>Oui !</translation>
    </message>
    <message>
        <source>Your guess</source>
        <extracomment>What a screen reader calls the box the player types a guess into.</extracomment>
        <translation>Ta proposition</translation>
    </message>
    <message>
        <source>GO!</source>
        <extracomment>The button that starts a game once its limits are typed; keep it short.</extracomment>
        <translation>GO !</translation>
    </message>
    <message>
        <source>Lower limit</source>
        <extracomment>What a screen reader calls the box the lowest number of a game is typed into.</extracomment>
        <translation>Limite inférieure</translation>
    </message>
    <message>
        <source>Upper limit</source>
        <extracomment>What a screen reader calls the box the highest number of a game is typed into.</extracomment>
        <translation>Limite supérieure</translation>
    </message>
    <message>
        <source>Guesses</source>
        <extracomment>The caption beside the count of guesses made so far.</extracomment>
        <translation>Essais</translation>
    </message>
    <message>
        <source>Do you want to play again?</source>
        <translation>Veux-tu rejouer ?</translation>
    </message>
    <message>
        <source>Enter Lower limit for guess</source>
        <translation>Tape la limite inférieure</translation>
    </message>
    <message>
        <source>Enter Upper limit for guess</source>
        <translation>Tape la limite supérieure</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>The menu of game styles, and the way out.</extracomment>
        <translation>Options</translation>
    </message>
    <message>
        <source>Standard Game</source>
        <extracomment>Game style: the number stays the same until it is guessed.</extracomment>
        <translation>Partie normale</translation>
    </message>
    <message>
        <source>Dynamic</source>
        <comment>game style</comment>
        <extracomment>Game style: the number changes after every five guesses.</extracomment>
        <translation>Dynamique</translation>
    </message>
    <message>
        <source>No upper limit</source>
        <comment>game style</comment>
        <extracomment>Game style: only the lower limit is typed.</extracomment>
        <translation>Sans limite supérieure</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Ends the program.</extracomment>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>menu</comment>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>menu item</comment>
        <extracomment>Opens the window with the rules of play.</extracomment>
        <translation>Aide</translation>
    </message>
    <message>
        <source>License</source>
        <comment>menu item</comment>
        <extracomment>Opens the window with the licence agreement.</extracomment>
        <translation>Licence</translation>
    </message>
    <message>
        <source>About</source>
        <comment>menu item</comment>
        <translation>À propos</translation>
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
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>Internal error: %1</source>
        <extracomment>%1 is what the failure says of itself, in English.</extracomment>
        <translation>Erreur interne : %1</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;:</source>
        <extracomment>The heading of the report of a failure the game cannot go on from; %1 is its number.</extracomment>
        <translation>Erreur d&apos;exécution &apos;%1&apos; :</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Erreur interne</translation>
    </message>
    <message>
        <source>cannot load picture %1: file not found</source>
        <extracomment>A line on standard error; %1 is a file&apos;s name.</extracomment>
        <translation>impossible de charger l&apos;image %1 : fichier introuvable</translation>
    </message>
    <message>
        <source>cannot load picture %1: %2</source>
        <extracomment>A line on standard error; %1 is a file&apos;s name, %2 what was wrong with it.</extracomment>
        <translation>impossible de charger l&apos;image %1 : %2</translation>
    </message>
    <message>
        <source>cannot play sounds: %1</source>
        <extracomment>A line on standard error; %1 says why the sound module could not be loaded.</extracomment>
        <translation>impossible de jouer des sons : %1</translation>
    </message>
    <message>
        <source>cannot play sounds: %1 is missing</source>
        <translation>impossible de jouer des sons : %1 manque</translation>
    </message>
    <message>
        <source>cannot open sound %1: file not found</source>
        <translation>impossible d&apos;ouvrir le son %1 : fichier introuvable</translation>
    </message>
    <message>
        <source>the sound thread could not start</source>
        <translation>le fil d&apos;exécution du son n&apos;a pas pu démarrer</translation>
    </message>
    <message>
        <source>cannot open sound %1: %2</source>
        <translation>impossible d&apos;ouvrir le son %1 : %2</translation>
    </message>
    <message>
        <source>cannot play sound %1: not a playable wave or Ogg Vorbis file</source>
        <translation>impossible de jouer le son %1 : ce n&apos;est pas un fichier WAV ou Ogg Vorbis lisible</translation>
    </message>
    <message>
        <source>the audio server does not answer</source>
        <translation>le serveur audio ne répond pas</translation>
    </message>
    <message>
        <source>no audio server (no connection could be set up)</source>
        <translation>pas de serveur audio (aucune connexion n&apos;a pu être établie)</translation>
    </message>
    <message>
        <source>no audio server (%1)</source>
        <translation>pas de serveur audio (%1)</translation>
    </message>
    <message>
        <source>the audio server went away</source>
        <translation>le serveur audio a disparu</translation>
    </message>
    <message>
        <source>the audio output failed (%1)</source>
        <translation>la sortie audio a échoué (%1)</translation>
    </message>
    <message>
        <source>cannot play sound %1: it is larger than the audio server holds (%2 bytes, at most %3)</source>
        <translation>impossible de jouer le son %1 : il est plus gros que ce que le serveur audio peut contenir (%2 octets, au plus %3)</translation>
    </message>
    <message>
        <source>sounds are back: the audio server plays them again</source>
        <translation>les sons sont de retour : le serveur audio les joue à nouveau</translation>
    </message>
    <message>
        <source>sounds are silent: %1</source>
        <translation>les sons sont coupés : %1</translation>
    </message>
</context>
</TS>
